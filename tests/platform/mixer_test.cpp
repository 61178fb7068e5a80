// The mixer's channels (volume, pan, loop, pause, stop, reuse) on hand-made sounds, and the
// silent output that runs it on the game clock.
#include "platform/mixer.h"

#include <gtest/gtest.h>

#include "platform/internal.h"

namespace {

// A sound whose frame i holds (step * (i + 1), -step * (i + 1)), so every output sample
// tells which frame of which side was mixed.
Sound rampSound(size_t frames, float step, bool loop = false) {
    auto sound = std::make_shared<SoundData>();
    for (size_t i = 0; i < frames; ++i) {
        sound->samples.push_back(step * float(i + 1));
        sound->samples.push_back(-step * float(i + 1));
    }
    sound->loop = loop;
    return sound;
}

Sound constantSound(size_t frames, float value) {
    auto sound = std::make_shared<SoundData>();
    sound->samples.assign(2 * frames, value);
    return sound;
}

std::vector<float> mixFrames(Mixer& mixer, int frames) {
    std::vector<float> out(2 * size_t(frames), 99.0f);
    mixer.mix(out.data(), frames);
    return out;
}

// The left samples of a mix.
std::vector<float> lefts(const std::vector<float>& stereo) {
    std::vector<float> result;
    for (size_t i = 0; i < stereo.size(); i += 2) result.push_back(stereo[i]);
    return result;
}

TEST(Mixer, VolumeAndPanScaleEachSideLinearly) {
    struct Case {
        float volume, pan, left, right;
    } cases[] = {
        {1.0f, 0.0f, 0.5f, 0.5f},      {0.5f, 0.0f, 0.25f, 0.25f},   {1.0f, -1.0f, 0.5f, 0.0f},
        {1.0f, 1.0f, 0.0f, 0.5f},      {0.5f, 0.5f, 0.125f, 0.25f},  {1.0f, -0.435f, 0.5f, 0.2825f},
        {3.0f, -7.0f, 0.5f, 0.0f},     {-1.0f, 0.0f, 0.0f, 0.0f},
    };
    for (const Case& c : cases) {
        Mixer mixer;
        const Channel channel = mixer.play(constantSound(4, 0.5f), {}, false);
        mixer.setVolume(channel, c.volume);
        mixer.setPan(channel, c.pan);
        const std::vector<float> out = mixFrames(mixer, 1);
        EXPECT_FLOAT_EQ(out[0], c.left) << "volume " << c.volume << " pan " << c.pan;
        EXPECT_FLOAT_EQ(out[1], c.right) << "volume " << c.volume << " pan " << c.pan;
    }
}

TEST(Mixer, ChannelsAddUpAndTheSumIsClipped) {
    Mixer mixer;
    const Sound loud = constantSound(10, 0.75f);
    mixer.play(loud, {}, false);
    const Channel second = mixer.play(loud, {}, false);  // one sound on two channels at once
    EXPECT_FLOAT_EQ(mixFrames(mixer, 1)[0], 1.0f);
    mixer.setVolume(second, 0.0f);  // at once, while playing
    EXPECT_FLOAT_EQ(mixFrames(mixer, 1)[0], 0.75f);
}

TEST(Mixer, SoundThatEndsStopsPlayingAndLeavesSilence) {
    Mixer mixer;
    const Channel channel = mixer.play(rampSound(5, 0.1f), {}, false);
    EXPECT_EQ(lefts(mixFrames(mixer, 3)), (std::vector<float>{0.1f, 0.2f, 0.3f}));
    EXPECT_TRUE(mixer.playing(channel));
    // The sound ends exactly at the end of this block.
    EXPECT_EQ(lefts(mixFrames(mixer, 2)), (std::vector<float>{0.4f, 0.5f}));
    EXPECT_FALSE(mixer.playing(channel));
    EXPECT_EQ(lefts(mixFrames(mixer, 2)), (std::vector<float>{0.0f, 0.0f}));
}

TEST(Mixer, LoopingSoundRepeatsUntilStoppedAndStopLeavesOtherChannels) {
    Mixer mixer;
    const Channel looping = mixer.play(rampSound(3, 0.1f, true), {}, false);
    const Channel other = mixer.play(constantSound(100, 0.01f), {}, false);
    mixer.setPan(other, 1.0f);  // right only, so the left shows the loop alone
    EXPECT_EQ(lefts(mixFrames(mixer, 7)), (std::vector<float>{0.1f, 0.2f, 0.3f, 0.1f, 0.2f, 0.3f, 0.1f}));
    EXPECT_TRUE(mixer.playing(looping));
    mixer.stop(looping);
    EXPECT_FALSE(mixer.playing(looping));
    EXPECT_TRUE(mixer.playing(other));
    const std::vector<float> out = mixFrames(mixer, 1);
    EXPECT_FLOAT_EQ(out[0], 0.0f);
    EXPECT_FLOAT_EQ(out[1], 0.01f);
}

TEST(Mixer, PausedOrCuedChannelHoldsItsPlaceAndDoesNotCountAsPlaying) {
    Mixer mixer;
    const Channel channel = mixer.play(rampSound(5, 0.1f), {}, false);
    mixFrames(mixer, 2);
    mixer.setPaused(channel, true);
    EXPECT_FALSE(mixer.playing(channel));
    EXPECT_EQ(lefts(mixFrames(mixer, 2)), (std::vector<float>{0.0f, 0.0f}));
    mixer.setPaused(channel, false);
    EXPECT_TRUE(mixer.playing(channel));
    EXPECT_EQ(lefts(mixFrames(mixer, 2)), (std::vector<float>{0.3f, 0.4f}));

    const Channel cued = mixer.play(rampSound(5, 0.1f), {}, true);
    EXPECT_TRUE(cued);
    EXPECT_FALSE(mixer.playing(cued));
    mixer.stop(channel);
    EXPECT_EQ(lefts(mixFrames(mixer, 1)), (std::vector<float>{0.0f}));
    mixer.setPaused(cued, false);
    EXPECT_EQ(lefts(mixFrames(mixer, 1)), (std::vector<float>{0.1f}));
}

TEST(Mixer, PlayingOnAGivenChannelReplacesItsSoundAndKeepsItsSettings) {
    Mixer mixer;
    const Channel channel = mixer.play(rampSound(10, 0.01f, true), {}, false);
    mixer.setVolume(channel, 0.5f);
    mixer.setPan(channel, 1.0f);
    mixFrames(mixer, 4);
    EXPECT_EQ(mixer.play(rampSound(3, 0.1f), channel, false), channel);
    const std::vector<float> out = mixFrames(mixer, 4);
    EXPECT_EQ(lefts(out), (std::vector<float>{0.0f, 0.0f, 0.0f, 0.0f}));
    EXPECT_FLOAT_EQ(out[1], -0.05f);  // the new sound from its start, at half volume
    EXPECT_FLOAT_EQ(out[7], 0.0f);    // and only the new sound: it has ended
    EXPECT_FALSE(mixer.playing(channel));
}

TEST(Mixer, ChannelsAreAllocatedFreshAndReusedByTheirId) {
    Mixer mixer;
    const Channel empty = mixer.allocChannel();
    const Channel other = mixer.allocChannel();
    EXPECT_TRUE(empty);
    EXPECT_NE(empty, other);
    EXPECT_FALSE(mixer.playing(empty));
    EXPECT_EQ(mixer.play(rampSound(2, 0.1f), empty, false), empty);
    EXPECT_TRUE(mixer.playing(empty));
    mixFrames(mixer, 2);
    EXPECT_FALSE(mixer.playing(empty));
    // A channel whose sound ended can be played on again; new channels never take its id.
    const Channel fresh = mixer.play(rampSound(2, 0.1f), {}, false);
    EXPECT_EQ(mixer.play(rampSound(2, 0.1f), empty, false), empty);
    EXPECT_TRUE(mixer.playing(empty));
    EXPECT_NE(fresh, empty);
    EXPECT_NE(fresh, other);
}

TEST(Mixer, NoneAndUnknownChannelsAreHarmless) {
    Mixer mixer;
    const Channel none{};
    mixer.stop(none);
    mixer.setPaused(none, false);
    mixer.setVolume(Channel{42}, 0.5f);
    EXPECT_FALSE(mixer.playing(none));
    EXPECT_FALSE(mixer.playing(Channel{42}));
    // No sound plays nothing and hands the channel back unchanged.
    EXPECT_EQ(mixer.play(nullptr, Channel{7}, false), Channel{7});
    // An id that was never handed out is not taken over.
    const Channel made = mixer.play(rampSound(2, 0.1f), Channel{42}, false);
    EXPECT_TRUE(made);
    EXPECT_NE(made, Channel{42});
    // An empty sound ends at once instead of looping forever.
    auto empty = std::make_shared<SoundData>();
    empty->loop = true;
    const Channel silent = mixer.play(empty, {}, false);
    mixFrames(mixer, 3);
    EXPECT_FALSE(mixer.playing(silent));
}

TEST(SilentPlayback, ConsumesElapsedTimeAcrossTheClockWrap) {
    Mixer mixer;
    const Channel channel = mixer.play(constantSound(MIX_RATE / 10, 0.5f), {}, false);  // 100 ms
    SilentPlayback playback(mixer, -50);  // 50 ms before the clock wraps at 2^32
    playback.advanceTo(49);
    EXPECT_TRUE(mixer.playing(channel));
    playback.advanceTo(20);  // a clock set back moves nothing
    EXPECT_TRUE(mixer.playing(channel));
    playback.advanceTo(50);
    EXPECT_FALSE(mixer.playing(channel));
}

TEST(SilentPlayback, ChannelEndsAfterItsLengthInGameTicks) {
    initClock(true);
    initAudio(true);
    const Timer timer = createTimer(40);
    // 100 ms: four ticks of 25 ms, which hold 1102.5 frames each.
    const Channel channel = playSound(constantSound(MIX_RATE / 10, 0.5f));
    for (int tick = 1; tick <= 3; ++tick) {
        waitTimer(timer);
        EXPECT_EQ(channelPlaying(channel), 1) << "after tick " << tick;
    }
    waitTimer(timer);
    EXPECT_EQ(channelPlaying(channel), 0);
    shutdownAudio();
    initClock(false);
}

}  // namespace
