// The sound mixer: decoded and streamed sounds, the channels that play them (position,
// volume, pan, paused, loop) and the mixing of all channels into stereo float frames. It
// knows no device; audio.cpp feeds it to the sound card or runs it silently on the game clock.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "platform/platform.h"

// Frames per second of every decoded sound and of the mixer's output.
constexpr int MIX_RATE = 44100;

// One playing of a streamed sound, decoded piece by piece as the channel needs it.
class SoundStream {
public:
    virtual ~SoundStream() = default;
    // Writes up to `frames` stereo frames at MIX_RATE from the current place and moves on;
    // fewer only at the end of the sound (or where it is damaged).
    virtual size_t read(float* stereoOut, size_t frames) = 0;
    // Moves to frame `frame` from the start; false when the decoder cannot.
    virtual bool seek(size_t frame) = 0;
};

struct SoundData {
    std::vector<float> samples;  // interleaved left/right frames at MIX_RATE; empty when streamed
    bool loop = false;           // a channel playing it starts over at the end until stopped
    // A streamed sound (minutes of music) keeps only its file: each channel that plays it
    // opens its own stream of `streamFrames` frames.
    std::function<std::unique_ptr<SoundStream>()> openStream;
    size_t streamFrames = 0;
    size_t frames() const { return openStream ? streamFrames : samples.size() / 2; }
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
    // on; called by the device callback.
    void mix(float* stereoOut, int frames);
    // Moves all running channels on by `frames` without making a sound, ending and looping
    // them as mix would; called by the silent clock, so nothing is decoded for nobody.
    void skip(size_t frames);

private:
    struct Voice {
        explicit Voice(int id) : id(id) {}
        int id;
        Sound sound;  // null while the channel is allocated but empty
        size_t position = 0;
        float volume = 1.0f;
        float pan = 0.0f;
        bool paused = false;
        bool ended = false;                   // set by mix; the voice is freed later on the game thread
        std::unique_ptr<SoundStream> stream;  // a streamed sound's decoder
        bool streamBehind = false;            // skip moved the position, not the decoder
    };

    Voice* find(Channel channel);
    const Voice* find(Channel channel) const;
    // Frees voices whose sound ended, so their sounds are released off the audio thread.
    void releaseEnded();
    static void mixVoice(Voice& voice, float* stereoOut, int frames);
    static void mixSamples(Voice& voice, float* stereoOut, size_t frames, float left, float right);
    static void mixStream(Voice& voice, float* stereoOut, size_t frames, float left, float right);

    std::vector<Voice> voices;
    int nextId = 1;
};

// The mixer without a device: skips the game clock's elapsed time, so sounds still end on
// time. audioTick drives it with millisecs().
class SilentPlayback {
public:
    SilentPlayback(Mixer& mixer, int nowMs);
    // Mixes the frames of the milliseconds since the previous call (or construction).
    void advanceTo(int nowMs);

private:
    Mixer& mixer;
    unsigned lastMs;
    int frameRemainder = 0;  // thousandths of a frame carried to the next call
};
