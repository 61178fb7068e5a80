// The sound handler against the generated sound files on the headless mixer:
// effects once per number and frame with their volume and pan, the music glide,
// the fader-following music volume with its shared-music exceptions, and
// cueing, pausing and resuming the music.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "game/globals.h"
#include "match3/scene_match3.h"
#include "persist/config.h"
#include "platform/platform.h"
#include "ui/scene_handler.h"
#include "ui/sound_handler.h"

namespace {

// Records the volume and pan the handler sets and passes them on to the
// platform.
class MixingRecorder : public SoundMixing {
public:
  void volume(Channel channel, float value) override {
    volumes.emplace_back(channel, value);
    SoundMixing::volume(channel, value);
  }
  void pan(Channel channel, float value) override {
    pans.emplace_back(channel, value);
    SoundMixing::pan(channel, value);
  }
  std::vector<std::pair<Channel, float>> volumes;
  std::vector<std::pair<Channel, float>> pans;
};

// A handler whose probe file cannot be found.
class HandlerWithoutProbe : public vexaTSoundHandler {
public:
  using vexaTSoundHandler::vexaTSoundHandler;
  Sound ownloadsound(const String &name, int flags) override {
    return name == u"button1.ogg"
               ? Sound{}
               : vexaTSoundHandler::ownloadsound(name, flags);
  }
};

class SoundHandlerTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    PlatformConfig platform;
    platform.headless = true;
    initPlatform(platform);
  }
  static void TearDownTestSuite() { shutdownPlatform(); }

  void SetUp() override {
    savedConfig = config;
    resetShellGlobals();
    sceneHandler = vexaTSceneHandler();
    sceneHandler.FaderColor = 256;
    sceneHandler.FaderDir = FADER_DIR_IN;
    sceneMatch3._winrun = 0;
    g_scene = 0;
    config.soundlaut = 210;
    config.musiklautsoll = 140;
    config.musiklaut = 140;
  }
  void TearDown() override {
    handler.stop_music();
    sceneMatch3._winrun = 0;
    config = savedConfig;
  }

  // The music volume the last sounds() call set.
  float frameMusicVolume() {
    recorder.volumes.clear();
    handler.sounds();
    return recorder.volumes.empty() ? -1.0f : recorder.volumes.back().second;
  }

  TConfig savedConfig;
  MixingRecorder recorder;
  vexaTSoundHandler handler{&recorder};
};

TEST_F(SoundHandlerTest,
       LoadsEveryFileOfTheTableAndLeavesNumbersWithoutOneEmpty) {
  EXPECT_EQ(std::u16string(soundFiles[SOUND_MATCH]), u"match.ogg");
  EXPECT_EQ(std::u16string(soundFiles[SOUND_PU_THROWEXPLOSIVE_START]),
            u"explosion2.wav");
  EXPECT_EQ(std::u16string(soundFiles[SOUND_POPUP]), u"popup.wav");
  handler.akttitle = u"old.ogg";
  handler.init_sound();
  EXPECT_EQ(handler.soundpossible, 1);
  EXPECT_TRUE(handler.musicChannel);
  EXPECT_EQ(channelPlaying(handler.soundChannel), 0);
  EXPECT_TRUE(handler.akttitle.empty());
  int loaded = 0;
  for (int number = 0; number <= _NUM_SOUNDS; ++number) {
    EXPECT_EQ(bool(handler._sound[size_t(number)]),
              soundFiles[size_t(number)] != nullptr)
        << number;
    loaded += handler._sound[size_t(number)] ? 1 : 0;
  }
  EXPECT_EQ(loaded, 48);
  // Numbers sharing a file hold their own copy.
  EXPECT_NE(handler._sound[SOUND_DO2], handler._sound[SOUND_PUZZLEMATCH]);
}

TEST_F(SoundHandlerTest, MissingProbeLoadsNoEffectAndPlaysNothing) {
  HandlerWithoutProbe silent(&recorder);
  silent.init_sound();
  EXPECT_EQ(silent.soundpossible, 0);
  for (const Sound &sound : silent._sound)
    EXPECT_FALSE(sound);
  silent.PlayS(SOUND_MATCH, 512);
  EXPECT_TRUE(recorder.pans.empty());
  stopChannel(silent.musicChannel);
}

TEST_F(SoundHandlerTest, NumberStartsOncePerFrameAndAgainNextFrame) {
  handler.init_sound();
  handler.PlayS(SOUND_MATCH, 100);
  handler.PlayS(SOUND_MATCH, 900);
  handler.PlayS(SOUND_BOMB, 300);
  ASSERT_EQ(recorder.pans.size(), 2u);
  const Channel first = recorder.pans[0].first;
  EXPECT_EQ(channelPlaying(first), 1);
  EXPECT_EQ(handler.soundplaying[SOUND_MATCH], 1);
  handler.sounds();
  EXPECT_EQ(handler.soundplaying[SOUND_MATCH], 0);
  handler.PlayS(SOUND_MATCH, 100);
  ASSERT_EQ(recorder.pans.size(), 3u);
  EXPECT_NE(recorder.pans[2].first, first);
}

TEST_F(SoundHandlerTest, VolumeAndPanFollowTheSettingAndScreenX) {
  handler.init_sound();
  const float xs[] = {0, 512, 1024};
  const int numbers[] = {SOUND_MATCH, SOUND_BOMB, SOUND_HINT};
  for (int i = 0; i < 3; ++i)
    handler.PlayS(numbers[i], xs[i]);
  ASSERT_EQ(recorder.pans.size(), 3u);
  EXPECT_NEAR(recorder.pans[0].second, -0.4352f, 1e-4);
  EXPECT_NEAR(recorder.pans[1].second, 0.0f, 1e-6);
  EXPECT_NEAR(recorder.pans[2].second, 0.4352f, 1e-4);
  for (const auto &[channel, volume] : recorder.volumes)
    EXPECT_FLOAT_EQ(volume, 0.75f);
}

TEST_F(SoundHandlerTest, QuietSettingEmptySlotsAndStrayNumbersPlayNothing) {
  handler.init_sound();
  config.soundlaut = 10;
  handler.PlayS(SOUND_MATCH, 512);
  EXPECT_TRUE(recorder.pans.empty());
  EXPECT_EQ(handler.soundplaying[SOUND_MATCH], 0);
  config.soundlaut = 11;
  for (int number : {0, -1, 59, 1000, SOUND_WIN, SOUND_FLASH})
    handler.PlayS(number, 512);
  EXPECT_TRUE(recorder.pans.empty());
  handler.PlayS(SOUND_MATCH, 512);
  EXPECT_EQ(recorder.pans.size(), 1u);
}

TEST_F(SoundHandlerTest, MusicGlidesInStepsOfFive) {
  config.musiklaut = 0;
  for (int frame = 1; frame <= 28; ++frame) {
    const float volume = frameMusicVolume();
    ASSERT_EQ(config.musiklaut, 5 * frame);
    EXPECT_FLOAT_EQ(volume, float(5 * frame) / 280.0f);
  }
  frameMusicVolume();
  EXPECT_EQ(config.musiklaut, 140);
  config.musiklautsoll = 70;
  frameMusicVolume();
  EXPECT_EQ(config.musiklaut, 135);
  // A target off the 5-raster settles on the step just below it.
  config.musiklautsoll = 142;
  config.musiklaut = 130;
  for (int frame = 0; frame < 5; ++frame)
    frameMusicVolume();
  EXPECT_EQ(config.musiklaut, 140);
}

TEST_F(SoundHandlerTest, TargetBelowTenSilencesAtOnce) {
  config.musiklautsoll = 9;
  EXPECT_FLOAT_EQ(frameMusicVolume(), 0.0f);
  EXPECT_EQ(config.musiklaut, 0);
}

TEST_F(SoundHandlerTest, MusicFollowsTheFaderExceptBetweenScenesSharingIt) {
  config.musiklautsoll = 280;
  config.musiklaut = 280;
  sceneHandler.FaderDir = FADER_DIR_OUT;
  sceneHandler.FaderColor = 128;
  struct Case {
    int scene, show, previous, winrun;
    float volume;
  };
  const Case cases[] = {
      {12, 13, 13, 0, 0.5f}, // level fading out to the roadmap
      {12, 13, 13, 1, 1.0f}, // ... during the win sequence
      {12, 0, 13, 1, 0.5f},  // won, but fading to the main menu
      {13, 12, 0, 0, 1.0f},  // roadmap just came from the main menu
      {13, 12, 14, 0, 0.5f}, // roadmap fading into a level
      {0, 13, 14, 0, 1.0f},  // main menu fading to the roadmap
      {13, 0, 12, 0, 1.0f},  // roadmap fading to the main menu
      {0, 12, 13, 0, 1.0f},  // main menu just came from the roadmap
      {0, 12, 14, 0, 0.5f},  // main menu fading into a level
      {-1, 0, 0, 0, 1.0f},   // load screen
      {14, 13, 12, 0, 0.5f}, // story
  };
  for (const Case &c : cases) {
    g_scene = c.scene;
    sceneHandler.FaderShow = c.show;
    g_previousScene = c.previous;
    sceneMatch3._winrun = c.winrun;
    EXPECT_FLOAT_EQ(frameMusicVolume(), c.volume)
        << c.scene << " " << c.show << " " << c.previous;
  }
}

TEST_F(SoundHandlerTest, IntroLeavesMusicAndFrameResetAlone) {
  handler.init_sound();
  g_scene = -2;
  config.musiklaut = 0;
  handler.PlayS(SOUND_MATCH, 512);
  EXPECT_FLOAT_EQ(frameMusicVolume(), -1.0f);
  EXPECT_EQ(config.musiklaut, 0);
  EXPECT_EQ(handler.soundplaying[SOUND_MATCH], 1);
}

TEST_F(SoundHandlerTest,
       CuedTitleStartsOnTheNextRunningFrameAndComesBackAfterAPause) {
  config.musiklaut = 70;
  handler.play_music(u"ambient.ogg");
  EXPECT_EQ(handler.akttitle, u"ambient.ogg");
  ASSERT_TRUE(handler.music);
  const Channel cued = handler.musicChannel;
  EXPECT_EQ(channelPlaying(cued), 0);
  ASSERT_FALSE(recorder.volumes.empty());
  EXPECT_FLOAT_EQ(recorder.volumes.back().second, 0.25f);
  handler.sounds();
  EXPECT_EQ(channelPlaying(cued), 1);
  // A suspension pauses the channel; it stays paused while the pause screen
  // shows.
  pauseChannel(handler.musicChannel);
  g_pause = 1;
  handler.sounds();
  EXPECT_EQ(channelPlaying(cued), 0);
  g_pause = -1;
  handler.sounds();
  EXPECT_EQ(channelPlaying(cued), 1);
  handler.stop_music();
  EXPECT_EQ(channelPlaying(cued), 0);
}

TEST_F(SoundHandlerTest, MissingTitleStopsTheOldOneAndStaysSilent) {
  handler.play_music(u"ambient.ogg");
  handler.sounds();
  const Channel old = handler.musicChannel;
  handler.play_music(u"nosuchtitle.ogg");
  EXPECT_EQ(handler.akttitle, u"nosuchtitle.ogg");
  EXPECT_FALSE(handler.music);
  EXPECT_EQ(handler.musicChannel, old);
  handler.sounds();
  EXPECT_EQ(channelPlaying(handler.musicChannel), 0);
  handler.play_music(u"main.ogg");
  EXPECT_NE(handler.musicChannel, old);
  handler.sounds();
  EXPECT_EQ(channelPlaying(handler.musicChannel), 1);
}

} // namespace
