// The sound mixer: decoded sounds, the channels that play them (position, volume,
// pan, paused, loop) and the mixing of all channels into stereo float frames. It knows
// no device; audio.cpp feeds it to the sound card or runs it silently on the game clock.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/platform.h"

// Frames per second of every decoded sound and of the mixer's output.
constexpr int MIX_RATE = 44100;

struct SoundData {
    std::vector<float> samples;  // interleaved left/right frames at MIX_RATE
    bool loop = false;           // a channel playing it starts over at the end until stopped
    size_t frames() const { return samples.size() / 2; }
};

// All channels of the game. Not thread-safe: audio.cpp guards it with one mutex.
class Mixer {
public:
    // A new channel with nothing on it; allocChannel.
    Channel allocChannel();
    // Starts the sound from its beginning, paused if asked, on the given channel (whatever was
    // on it stops; volume and pan stay) or on a new one when none is given; playSound, cueSound.
    Channel play(const Sound& sound, Channel channel, bool paused);
    // Stops the channel and frees it; stopChannel.
    void stop(Channel channel);
    // Stops every channel; at shutdown.
    void stopAll();
    // pauseChannel / resumeChannel.
    void setPaused(Channel channel, bool paused);
    // True while the channel's sound runs: started, not paused, not ended, not stopped. Paused
    // counts as not playing because the music code resumes a music channel that is not
    // playing, and that is how a cued title starts and suspended music comes back.
    bool playing(Channel channel) const;
    // Volume 0..1 and pan -1..1, clamped; take effect with the next mixed frame.
    void setVolume(Channel channel, float volume);
    void setPan(Channel channel, float pan);
    // Writes `frames` stereo frames of all running channels into `stereoOut` and moves them
    // on; called by the device callback or the silent clock.
    void mix(float* stereoOut, int frames);

private:
    struct Voice {
        explicit Voice(int id) : id(id) {}
        int id;
        Sound sound;  // null while the channel is allocated but empty
        size_t position = 0;
        float volume = 1.0f;
        float pan = 0.0f;
        bool paused = false;
        bool ended = false;  // set by mix; the voice is freed later on the game thread
    };

    Voice* find(Channel channel);
    const Voice* find(Channel channel) const;
    // Frees voices whose sound ended, so their sounds are released off the audio thread.
    void releaseEnded();
    static void mixVoice(Voice& voice, float* stereoOut, int frames);

    std::vector<Voice> voices;
    int nextId = 1;
};

// The mixer without a device: consumes the game clock's elapsed time into a scratch buffer,
// so sounds still end on time. audioTick drives it with millisecs().
class SilentPlayback {
public:
    SilentPlayback(Mixer& mixer, int nowMs);
    // Mixes the frames of the milliseconds since the previous call (or construction).
    void advanceTo(int nowMs);

private:
    Mixer& mixer;
    unsigned lastMs;
    int frameRemainder = 0;  // thousandths of a frame carried to the next call
    std::vector<float> scratch;
};
