// The public audio operations and the output under the mixer: one SDL audio device whose
// callback mixes under a mutex, or, when there is no device (headless, or none opens), a
// silent playback on the game clock, so sounds still end and channels free on time.
#include <SDL.h>
#include <dlfcn.h>

#include <cstdio>
#include <memory>
#include <mutex>

#include "platform/decode_ahead.h"
#include "platform/internal.h"
#include "platform/mixer.h"
#include "platform/sound_decode.h"

namespace {

// Where the mixed frames go. This base is the output before initAudio: time does not move.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // Called under the mixer lock after each timer wait.
    virtual void tick() {}
};

std::mutex mixerLock;
Mixer mixer;
std::unique_ptr<AudioOutput> output = std::make_unique<AudioOutput>();

// The sound card: SDL's audio thread pulls frames from the mixer.
class DeviceOutput : public AudioOutput {
public:
    explicit DeviceOutput(SDL_AudioDeviceID device) : device(device) { SDL_PauseAudioDevice(device, 0); }
    // Waits for a running callback to finish, so it must not be called under the mixer lock.
    ~DeviceOutput() override {
        SDL_CloseAudioDevice(device);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    static void fill(void*, Uint8* stream, int bytes) {
        std::lock_guard guard(mixerLock);
        mixer.mix(reinterpret_cast<float*>(stream), bytes / int(2 * sizeof(float)));
    }

private:
    SDL_AudioDeviceID device;
};

// No sound card: the elapsed game time is mixed into nothing.
class ClockOutput : public AudioOutput {
public:
    ClockOutput() : playback(mixer, millisecs()) {}
    void tick() override { playback.advanceTo(millisecs()); }

private:
    SilentPlayback playback;
};

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// With no sound card, ALSA prints its configuration errors to stderr while SDL probes it.
// A silent error handler, set in the same library SDL loads, keeps such machines quiet; the
// library stays loaded so the handler outlives SDL's own load and unload.
void silenceAlsa() {
    static void* const library = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
    using SetHandler = int (*)(decltype(&ignoreAlsaError));
    if (!library) return;
    if (auto set = reinterpret_cast<SetHandler>(dlsym(library, "snd_lib_error_set_handler"))) {
        set(ignoreAlsaError);
    }
}

// The default sound device as 44.1 kHz stereo float (SDL converts for the hardware), or
// null with the audio subsystem shut again when none opens.
std::unique_ptr<AudioOutput> openDevice() {
    silenceAlsa();
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Pendrel");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
    SDL_AudioSpec want{};
    want.freq = MIX_RATE;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = DeviceOutput::fill;
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    return std::make_unique<DeviceOutput>(device);
}

// Installs the next output; the previous one is destroyed after the lock is released,
// because closing a device waits for its callback, which takes the lock.
void replaceOutput(std::unique_ptr<AudioOutput> next) {
    {
        std::lock_guard guard(mixerLock);
        std::swap(output, next);
    }
    next.reset();
}

}  // namespace

void initAudio(bool headless) {
    std::unique_ptr<AudioOutput> next = headless ? nullptr : openDevice();
    replaceOutput(next ? std::move(next) : std::make_unique<ClockOutput>());
}

void shutdownAudio() {
    replaceOutput(std::make_unique<AudioOutput>());
    std::lock_guard guard(mixerLock);
    mixer.stopAll();
}

void audioTick() {
    std::lock_guard guard(mixerLock);
    output->tick();
}

Sound loadSound(const String& file, int flags) {
    const bool loop = (flags & SOUND_LOOP) != 0;
    Sound sound = (flags & SOUND_STREAM) ? streamSound(readWholeFile(file), loop) : decodeSoundFile(file, loop);
    if (!sound) debugLog(u"loadSound: cannot load " + file);
    return sound;
}

Channel playSound(const Sound& sound, Channel channel) {
    std::lock_guard guard(mixerLock);
    return mixer.play(sound, channel, false);
}

Channel cueSound(const Sound& sound, Channel channel) {
    std::lock_guard guard(mixerLock);
    return mixer.play(sound, channel, true);
}

Channel allocChannel() {
    std::lock_guard guard(mixerLock);
    return mixer.allocChannel();
}

void stopChannel(Channel channel) {
    std::lock_guard guard(mixerLock);
    mixer.stop(channel);
}

void pauseChannel(Channel channel) {
    std::lock_guard guard(mixerLock);
    mixer.setPaused(channel, true);
}

void resumeChannel(Channel channel) {
    std::lock_guard guard(mixerLock);
    mixer.setPaused(channel, false);
}

int channelPlaying(Channel channel) {
    std::lock_guard guard(mixerLock);
    return mixer.playing(channel) ? 1 : 0;
}

void setChannelVolume(Channel channel, float volume) {
    std::lock_guard guard(mixerLock);
    mixer.setVolume(channel, volume);
}

void setChannelPan(Channel channel, float pan) {
    std::lock_guard guard(mixerLock);
    mixer.setPan(channel, pan);
}
