// The sound mixer: channel bookkeeping and the mixing loop.
#include "platform/mixer.h"

#include <algorithm>

namespace {

// Clamps to lo..hi; NaN becomes `fallback`, so a bad value can never reach the output.
float clampOr(float value, float lo, float hi, float fallback) {
    if (value != value) return fallback;
    return std::clamp(value, lo, hi);
}

// Frames a streamed voice decodes at a time: about 12 ms.
constexpr size_t STREAM_PIECE = 512;

// Adds `frames` stereo frames of `in`, each side at its own volume, to `out`.
void addScaled(float* out, const float* in, size_t frames, float left, float right) {
    for (size_t i = 0; i < frames; ++i) {
        out[2 * i] += in[2 * i] * left;
        out[2 * i + 1] += in[2 * i + 1] * right;
    }
}

}  // namespace

Channel Mixer::allocChannel() {
    releaseEnded();
    voices.emplace_back(nextId++);
    return Channel{voices.back().id};
}

Channel Mixer::play(const Sound& sound, Channel channel, bool paused) {
    if (!sound) return channel;
    releaseEnded();
    Voice* voice = find(channel);
    if (!voice) {
        // A channel freed when its sound ended can be played on again; an id never
        // handed out is not taken, so it cannot collide with a later allocChannel.
        const bool known = channel.id > 0 && channel.id < nextId;
        voices.emplace_back(known ? channel.id : nextId++);
        voice = &voices.back();
    }
    voice->sound = sound;
    voice->position = 0;
    voice->paused = paused;
    voice->stream = sound->openStream ? sound->openStream() : nullptr;
    voice->streamBehind = false;
    voice->ended = sound->openStream && !voice->stream;
    return Channel{voice->id};
}

void Mixer::stop(Channel channel) {
    std::erase_if(voices, [&](const Voice& voice) { return voice.id == channel.id; });
}

void Mixer::stopAll() { voices.clear(); }

void Mixer::setPaused(Channel channel, bool paused) {
    if (Voice* voice = find(channel)) voice->paused = paused;
}

bool Mixer::playing(Channel channel) const {
    const Voice* voice = find(channel);
    return voice && voice->sound && !voice->ended && !voice->paused;
}

void Mixer::setVolume(Channel channel, float volume) {
    if (Voice* voice = find(channel)) voice->volume = clampOr(volume, 0.0f, 1.0f, 1.0f);
}

void Mixer::setPan(Channel channel, float pan) {
    if (Voice* voice = find(channel)) voice->pan = clampOr(pan, -1.0f, 1.0f, 0.0f);
}

void Mixer::mix(float* stereoOut, int frames) {
    std::fill(stereoOut, stereoOut + 2 * size_t(frames), 0.0f);
    for (Voice& voice : voices) {
        if (voice.sound && !voice.paused && !voice.ended) mixVoice(voice, stereoOut, frames);
    }
    std::for_each(stereoOut, stereoOut + 2 * size_t(frames),
                  [](float& sample) { sample = std::clamp(sample, -1.0f, 1.0f); });
}

Mixer::Voice* Mixer::find(Channel channel) {
    auto it = std::find_if(voices.begin(), voices.end(), [&](const Voice& voice) { return voice.id == channel.id; });
    return it == voices.end() ? nullptr : &*it;
}

const Mixer::Voice* Mixer::find(Channel channel) const { return const_cast<Mixer*>(this)->find(channel); }

void Mixer::releaseEnded() {
    std::erase_if(voices, [](const Voice& voice) { return voice.ended; });
}

void Mixer::skip(size_t frames) {
    for (Voice& voice : voices) {
        if (!voice.sound || voice.paused || voice.ended) continue;
        const size_t length = voice.sound->frames();
        const size_t position = voice.position + frames;
        voice.streamBehind = voice.stream != nullptr;
        if (position < length) {
            voice.position = position;
            continue;
        }
        voice.ended = !voice.sound->loop || length == 0;
        voice.position = voice.ended ? 0 : position % length;
    }
}

void Mixer::mixVoice(Voice& voice, float* stereoOut, int frames) {
    // Linear pan: the side away from the pan keeps full volume, the other fades to 0.
    const float left = voice.volume * std::min(1.0f, 1.0f - voice.pan);
    const float right = voice.volume * std::min(1.0f, 1.0f + voice.pan);
    if (voice.stream) {
        mixStream(voice, stereoOut, size_t(frames), left, right);
    } else {
        mixSamples(voice, stereoOut, size_t(frames), left, right);
    }
}

void Mixer::mixSamples(Voice& voice, float* stereoOut, size_t frames, float left, float right) {
    const std::vector<float>& samples = voice.sound->samples;
    const size_t length = voice.sound->frames();
    size_t done = 0;
    while (done < frames && !voice.ended) {
        const size_t count = std::min(frames - done, length - voice.position);
        addScaled(stereoOut + 2 * done, samples.data() + 2 * voice.position, count, left, right);
        done += count;
        voice.position += count;
        if (voice.position < length) continue;
        voice.position = 0;
        voice.ended = !voice.sound->loop || length == 0;
    }
}

// Decodes the next pieces into a small buffer and mixes them; at the end of the stream a
// looping sound seeks back to its start, and a stream that gives nothing even there ends.
void Mixer::mixStream(Voice& voice, float* stereoOut, size_t frames, float left, float right) {
    if (voice.streamBehind) {
        voice.streamBehind = false;
        if (!voice.stream->seek(voice.position)) voice.ended = true;
    }
    float piece[2 * STREAM_PIECE];
    bool restarted = false;
    for (size_t done = 0; done < frames && !voice.ended;) {
        const size_t wanted = std::min(frames - done, STREAM_PIECE);
        const size_t got = voice.stream->read(piece, wanted);
        addScaled(stereoOut + 2 * done, piece, got, left, right);
        done += got;
        voice.position += got;
        if (got > 0) restarted = false;
        if (got == wanted) continue;
        voice.position = 0;
        voice.ended = !voice.sound->loop || restarted || !voice.stream->seek(0);
        restarted = true;
    }
}

SilentPlayback::SilentPlayback(Mixer& mixer, int nowMs) : mixer(mixer), lastMs(unsigned(nowMs)) {}

void SilentPlayback::advanceTo(int nowMs) {
    // The difference modulo 2^32 survives the clock's wrap; a clock set back counts as no time.
    const int elapsedMs = int(unsigned(nowMs) - lastMs);
    lastMs = unsigned(nowMs);
    if (elapsedMs <= 0) return;
    const long long due = (long long)elapsedMs * MIX_RATE + frameRemainder;
    frameRemainder = int(due % 1000);
    mixer.skip(size_t(due / 1000));
}
