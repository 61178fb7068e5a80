// The sound handler: effect sounds by number and the music channel.
#include "ui/sound_handler.h"

#include "game/globals.h"
#include "persist/config.h"
#include "ui/scene_handler.h"

vexaTSoundHandler soundHandler;

void playSoundEffect(int number, float x) { soundHandler.PlayS(number, x); }

namespace {
using WinSequenceQuery = bool (*)();
constinit WinSequenceQuery winSequenceQuery = nullptr;
} // namespace

void linkWinSequence(bool (*winSequenceRuns)()) { winSequenceQuery = winSequenceRuns; }

const std::array<const char16_t *, _NUM_SOUNDS + 1> soundFiles = {
    nullptr,
    nullptr,
    nullptr,
    u"mark1.ogg",
    u"mark2.ogg",
    u"turnup.ogg",
    u"turndown.ogg",
    u"bell1.ogg",
    u"shuffle.ogg",
    u"hint.ogg",
    u"failure.ogg",
    u"gamebutt1.ogg",
    u"mo.ogg",
    u"button1.ogg",
    u"bomb.ogg",
    u"explosion2.wav",
    u"pucollect.ogg",
    u"colorer.ogg",
    nullptr,
    u"match.ogg",
    u"swap.wav",
    u"enterping.ogg",
    u"pucollect2.ogg",
    u"contact2.ogg",
    nullptr,
    u"explosion.ogg",
    u"pu_select.wav",
    u"pu_deselect.wav",
    u"bell1.ogg",
    u"puhit.ogg",
    u"takepu.ogg",
    nullptr,
    u"glitter.ogg",
    u"laypart.ogg",
    u"pustart.ogg",
    u"stone2.ogg",
    u"butt.ogg",
    nullptr,
    nullptr,
    nullptr,
    u"moss2.ogg",
    u"mmh1.ogg",
    nullptr,
    nullptr,
    u"pufull.ogg",
    u"puno.ogg",
    u"cash.ogg",
    u"build.ogg",
    u"vexatris_down.ogg",
    u"lionroar.wav",
    u"pu_unlocked.wav",
    u"pustart.ogg",
    u"pustart.ogg",
    u"pustart.ogg",
    u"explosion2.wav",
    u"meteorappears.ogg",
    u"meteorhit.ogg",
    u"meteormiss.ogg",
    u"popup.wav",
};

namespace {
constexpr float VOLUME_FULL = 280.0f;

SoundMixing &platformMixing() {
  static SoundMixing mixing;
  return mixing;
}

// Scenes that share their music, and the win music fading to the roadmap: no
// darkening.
bool sharedMusicTransition() {
  const int show = sceneHandler.FaderShow;
  if (g_scene == -1)
    return true;
  if ((g_scene == 0 && show == 13) || (show == 0 && g_scene == 13))
    return true;
  if ((g_scene == 0 && g_previousScene == 13) ||
      (g_previousScene == 0 && g_scene == 13))
    return true;
  return g_scene == 12 && show == 13 && winSequenceQuery != nullptr &&
         winSequenceQuery();
}

// One step of 5 towards the target; a target off the 5-raster settles just
// below it.
void glideMusicLevel() {
  int &level = config.musiklaut;
  const int target = config.musiklautsoll;
  if (level < target)
    level += 5;
  if (level > target)
    level -= 5;
  if (target < 10)
    level = 0;
}
} // namespace

vexaTSoundHandler::vexaTSoundHandler(SoundMixing *mixing)
    : _mixing(mixing ? mixing : &platformMixing()) {}

Sound vexaTSoundHandler::ownloadsound(const String &name, int flags) {
  return loadSound(u"data/sfx/" + name, flags);
}

int vexaTSoundHandler::init_sound() {
  musicChannel = allocChannel();
  soundChannel = allocChannel();
  soundpossible = ownloadsound(u"button1.ogg", SOUND_LOOP) ? 1 : 0;
  if (soundpossible == 1) {
    soundplaying[0] = 0;
    for (int number = 1; number <= _NUM_SOUNDS; ++number)
      if (soundFiles[size_t(number)])
        _sound[size_t(number)] = ownloadsound(soundFiles[size_t(number)], 0);
  }
  stopChannel(soundChannel);
  nexttitle.clear();
  akttitle.clear();
  return 0;
}

int vexaTSoundHandler::PlayS(int number, float x) {
  // Numbers outside the table play nothing instead of reaching past it.
  if (number < 1 || number > _NUM_SOUNDS)
    return 0;
  const auto slot = size_t(number);
  if (config.soundlaut <= 10 || soundplaying[slot] != 0 || !_sound[slot])
    return 0;
  const Channel channel = playSound(_sound[slot]);
  _mixing->volume(channel, float(config.soundlaut) / VOLUME_FULL);
  _mixing->pan(channel, (x - 512.0f) * 0.0017f * 0.5f);
  soundplaying[slot] = 1;
  return 0;
}

float vexaTSoundHandler::musicVolume() const {
  const float level = float(config.musiklaut) / VOLUME_FULL;
  if (sharedMusicTransition())
    return level;
  return level * float(sceneHandler.FaderColor) / 256.0f;
}

int vexaTSoundHandler::sounds() {
  if (g_scene == -2)
    return 0;
  glideMusicLevel();
  for (int number = 1; number <= _NUM_SOUNDS; ++number)
    soundplaying[size_t(number)] = 0;
  _mixing->volume(musicChannel, musicVolume());
  // A cued title starts here, and music paused by a suspension comes back once
  // running again.
  if (g_pause == -1 && channelPlaying(musicChannel) == 0)
    resumeChannel(musicChannel);
  return 0;
}

int vexaTSoundHandler::play_music(const String &title) {
  akttitle = title;
  stop_music();
  music = loadSound(u"data/music/" + title, SOUND_LOOP | SOUND_STREAM);
  if (music)
    musicChannel = cueSound(music);
  _mixing->volume(musicChannel, float(config.musiklaut) / VOLUME_FULL);
  return 0;
}

int vexaTSoundHandler::stop_music() {
  stopChannel(musicChannel);
  return 0;
}
