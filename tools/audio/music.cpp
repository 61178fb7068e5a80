// The music instruments and the loop renderer.
#include "music.h"

#include <algorithm>
#include <cmath>
#include <future>
#include <numbers>
#include <utility>

#include "contact.h"
#include "encode.h"

namespace audio {

namespace {

constexpr double PEAK_LIMIT_DB = -2.0;
constexpr float MUSIC_QUALITY = 0.4f;  // about 130 kbit/s stereo: 1-2 MB for a title of a minute or two

// A slow pitch wobble applied by resampling: vibrato for strings and flute.
Samples vibrato(const Samples& s, double rateHz, double cents) {
    Samples out(s.size());
    const double depth = std::pow(2.0, cents / 1200.0) - 1.0;
    double position = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const size_t at = std::min(size_t(position), s.size() - 1);
        out[i] = s[at];
        position += 1.0 + depth * tableSine(rateHz * double(i) / RATE);
    }
    return out;
}

Samples pad(double hz, double seconds, float velocity) {
    const double release = 1.2;
    Samples s = supersaw(seconds + release, hz, 4, 14);
    lowpass(s, std::min(hz * 5, 2600.0), 0.6);
    adsr(s, 0.6, 0.5, 0.8f, release);
    scale(s, velocity);
    return s;
}

Samples strings(double hz, double seconds, float velocity) {
    const double release = 0.6;
    Samples s = vibrato(supersaw(seconds + release, hz, 3, 8), 5.2, 12);
    lowpass(s, std::min(hz * 8, 5000.0), 0.7);
    adsr(s, 0.25, 0.3, 0.85f, release);
    scale(s, velocity);
    return s;
}

Samples bass(double hz, double seconds, float velocity) {
    const double release = 0.08;
    Samples s = tone(Wave::Saw, seconds + release, hz);
    mixInto(s, tone(Wave::Sine, seconds + release, hz), 0, 0.8f);
    sweepLowpass(s, hz * 10, hz * 3, 1.2);
    adsr(s, 0.005, 0.15, 0.7f, release);
    scale(s, velocity);
    return s;
}

Samples subBass(double hz, double seconds, float velocity) {
    const double release = 0.3;
    Samples s = tone(Wave::Sine, seconds + release, hz);
    mixInto(s, tone(Wave::Triangle, seconds + release, hz), 0, 0.3f);
    adsr(s, 0.04, 0.3, 0.8f, release);
    scale(s, velocity);
    return s;
}

Samples pluck(double hz, double seconds, float velocity) {
    Samples s = tone(Wave::Saw, seconds + 0.4, hz);
    mixInto(s, tone(Wave::Square, seconds + 0.4, hz * 1.003), 0, 0.4f);
    sweepLowpass(s, 6000, 700, 1.5);
    pluckEnvelope(s, 0.002, 0.12);
    scale(s, velocity);
    return s;
}

Samples bellVoice(double hz, double seconds, float velocity) {
    Samples s = fmTone(seconds + 1.5, hz, 3.5, 2.0, 0.3);
    pluckEnvelope(s, 0.002, 0.5);
    scale(s, velocity);
    return s;
}

Samples piano(double hz, double seconds, float velocity) {
    const double release = 0.35;
    Samples s = fmTone(seconds + release, hz, 1.0, 1.6 * velocity, 0.25);
    mixInto(s, fmTone(seconds + release, hz * 2, 7.0, 0.4, 0.05), 0, 0.15f);
    pluckEnvelope(s, 0.003, 0.7);
    adsr(s, 0, 0, 1.0f, release);
    scale(s, velocity);
    return s;
}

Samples marimba(double hz, double seconds, float velocity) {
    Samples s = fmTone(std::max(seconds, 0.4), hz, 4.0, 1.2, 0.02);
    mixInto(s, tone(Wave::Sine, std::max(seconds, 0.4), hz), 0, 0.6f);
    pluckEnvelope(s, 0.001, 0.09);
    scale(s, velocity);
    return s;
}

Samples flute(double hz, double seconds, float velocity) {
    const double release = 0.15;
    Samples s = tone(Wave::Sine, seconds + release, hz);
    mixInto(s, tone(Wave::Triangle, seconds + release, hz * 2), 0, 0.12f);
    Samples breath = noise(seconds + release, uint32_t(hz));
    bandpass(breath, hz * 2, 3);
    mixInto(s, breath, 0, 0.15f);
    s = vibrato(s, 5.0, 15);
    adsr(s, 0.06, 0.2, 0.8f, release);
    scale(s, velocity);
    return s;
}

Samples lead(double hz, double seconds, float velocity) {
    const double release = 0.1;
    Samples s = tone(Wave::Square, seconds + release, hz);
    mixInto(s, tone(Wave::Saw, seconds + release, hz * 1.004), 0, 0.5f);
    sweepLowpass(s, 4500, 1800, 1.0);
    s = vibrato(s, 5.5, 8);
    adsr(s, 0.01, 0.15, 0.7f, release);
    scale(s, velocity);
    return s;
}

Samples brass(double hz, double seconds, float velocity) {
    const double release = 0.15;
    Samples s = supersaw(seconds + release, hz, 3, 6);
    sweepLowpass(s, hz * 2, std::min(hz * 9, 6000.0), 0.9);
    adsr(s, 0.04, 0.2, 0.8f, release);
    saturate(s, 1.3f);
    scale(s, velocity);
    return s;
}

Samples kick(float velocity) {
    Samples s = tone(Wave::Sine, 0.35, 130, 45);
    pluckEnvelope(s, 0.001, 0.08);
    Samples click = noise(0.01, 7);
    pluckEnvelope(click, 0.0005, 0.002);
    mixInto(s, click, 0, 0.3f);
    scale(s, velocity);
    return s;
}

Samples snare(float velocity, uint32_t seed) {
    Samples s = noise(0.25, seed);
    bandpass(s, 3000, 0.7);
    pluckEnvelope(s, 0.001, 0.05);
    Samples body = tone(Wave::Triangle, 0.15, 220, 180);
    pluckEnvelope(body, 0.001, 0.03);
    mixInto(s, body, 0, 0.7f);
    scale(s, velocity);
    return s;
}

Samples clap(float velocity, uint32_t seed) {
    Samples burst = noise(0.2, seed);
    bandpass(burst, 1500, 1.5);
    Samples s(burst.size(), 0.0f);
    for (int hit = 0; hit < 3; ++hit) {
        Samples part(burst.begin(), burst.end());
        pluckEnvelope(part, 0.001, hit == 2 ? 0.04 : 0.006);
        mixInto(s, part, samplesFor(0.01 * hit), 0.7f);
    }
    s.resize(burst.size());
    scale(s, velocity);
    return s;
}

Samples hat(double seconds, float velocity, uint32_t seed) {
    Samples s = noise(std::max(0.05, seconds), seed);
    highpass(s, 7000);
    pluckEnvelope(s, 0.001, std::min(seconds, 0.2) * 0.25 + 0.01);
    scale(s, velocity);
    return s;
}

Samples shaker(float velocity, uint32_t seed) {
    Samples s = noise(0.12, seed);
    bandpass(s, 6000, 1.2);
    adsr(s, 0.03, 0.03, 0.5f, 0.06);
    scale(s, velocity);
    return s;
}

Samples tom(double hz, float velocity) {
    Samples s = tone(Wave::Sine, 0.6, hz * 1.6, hz);
    pluckEnvelope(s, 0.001, 0.12);
    Samples skin = noise(0.05, uint32_t(hz));
    lowpass(skin, 2000);
    mixInto(s, skin, 0, 0.2f);
    scale(s, velocity);
    return s;
}

// Left and right gains of a constant-power pan (-1 left .. 1 right) at unit loudness.
std::pair<float, float> panGains(float gain, float pan) {
    const double angle = (double(pan) + 1.0) * std::numbers::pi / 4.0;
    return {gain * float(std::cos(angle) * std::numbers::sqrt2), gain * float(std::sin(angle) * std::numbers::sqrt2)};
}

// Plays every note of a track into the mix, wrapping tails round to the start.
void mixTrack(const Song& song, const Track& track, Stereo& mix) {
    const auto [left, right] = panGains(track.gain, track.pan);
    const size_t length = mix.size();
    uint32_t seed = 1;
    for (const Note& note : track.notes) {
        const Samples voice = playNote(track.instrument, noteHz(note.midi), note.beats * beatSeconds(song),
                                       note.velocity, seed++);
        size_t at = samplesFor(note.beat * beatSeconds(song)) % length;
        for (float x : voice) {
            mix.left[at] += x * left;
            mix.right[at] += x * right;
            if (++at == length) at = 0;
        }
    }
}

// A feedback echo run round the loop twice: the first round only fills the delay line,
// the second adds it, so the echoes of the last bars sound over the first ones exactly
// as they do when the loop repeats.
void circularEcho(Samples& channel, double delaySeconds, float feedback, float wet) {
    const size_t delay = std::max<size_t>(1, samplesFor(delaySeconds));
    Samples line(delay, 0.0f);
    size_t cursor = 0;
    for (int round = 0; round < 2; ++round) {
        for (float& x : channel) {
            const float delayed = line[cursor];
            line[cursor] = x + delayed * feedback;
            if (round == 1) x += delayed * wet;
            if (++cursor == delay) cursor = 0;
        }
    }
}

// Renders one title and writes its Ogg file and its contact sheet.
void writeTitle(const std::filesystem::path& out, const Song& song) {
    const Stereo loop = renderSong(song);
    tools::writeFile(out / "data" / "music" / song.file, encodeOgg({&loop.left, &loop.right}, MUSIC_QUALITY));
    const std::string stem = song.file.substr(0, song.file.find('.'));
    tools::writePng(out / "contact" / ("music_" + stem + ".png"), contactSheet(loop, song.beats));
}

}  // namespace

Samples playNote(Instrument instrument, double hz, double seconds, float velocity, uint32_t seed) {
    switch (instrument) {
    case Instrument::Pad: return pad(hz, seconds, velocity);
    case Instrument::Strings: return strings(hz, seconds, velocity);
    case Instrument::Bass: return bass(hz, seconds, velocity);
    case Instrument::SubBass: return subBass(hz, seconds, velocity);
    case Instrument::Pluck: return pluck(hz, seconds, velocity);
    case Instrument::Bell: return bellVoice(hz, seconds, velocity);
    case Instrument::Piano: return piano(hz, seconds, velocity);
    case Instrument::Marimba: return marimba(hz, seconds, velocity);
    case Instrument::Flute: return flute(hz, seconds, velocity);
    case Instrument::Lead: return lead(hz, seconds, velocity);
    case Instrument::Brass: return brass(hz, seconds, velocity);
    case Instrument::Kick: return kick(velocity);
    case Instrument::Snare: return snare(velocity, seed);
    case Instrument::Clap: return clap(velocity, seed);
    case Instrument::Hat: return hat(seconds, velocity, seed);
    case Instrument::Shaker: return shaker(velocity, seed);
    case Instrument::Tom: return tom(hz, velocity);
    }
    return {};
}

Stereo renderSong(const Song& song) {
    const size_t length = samplesFor(song.beats * beatSeconds(song));
    Stereo mix{Samples(length, 0.0f), Samples(length, 0.0f)};
    for (const Track& track : song.tracks) mixTrack(song, track, mix);
    // Slightly different delays left and right widen the echo.
    const double delay = song.echoBeats * beatSeconds(song);
    circularEcho(mix.left, delay, song.echoFeedback, song.echoWet);
    circularEcho(mix.right, delay * 1.02, song.echoFeedback, song.echoWet);
    const float top = std::max(peak(mix.left), peak(mix.right));
    if (top > 0) {
        scale(mix.left, dbGain(PEAK_LIMIT_DB) / top);
        scale(mix.right, dbGain(PEAK_LIMIT_DB) / top);
    }
    return mix;
}

void writeMusic(const std::filesystem::path& out) {
    // Each title renders and encodes on its own thread; the files do not depend on
    // the order in which the threads finish.
    std::filesystem::create_directories(out / "data" / "music");
    std::filesystem::create_directories(out / "contact");
    std::vector<std::future<void>> jobs;
    const std::vector<Song> songs = composeSongs();
    for (const Song& song : songs) {
        jobs.push_back(std::async(std::launch::async, [&out, &song] { writeTitle(out, song); }));
    }
    std::string summaries;
    for (size_t i = 0; i < songs.size(); ++i) {
        jobs[i].get();
        summaries += songs[i].file + ": " + songs[i].summary + "\n";
    }
    tools::writeFile(out / "contact" / "music.txt", tools::Bytes(summaries.begin(), summaries.end()));
}

}  // namespace audio
