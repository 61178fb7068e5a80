// The sound handler: effect sounds played by number (at most once per number
// and frame, panned by the screen x of their cause) and the one looping music
// title, whose volume glides towards the player's setting and darkens with the
// scene fader.
#pragma once

#include <array>

#include "platform/platform.h"

// Sound numbers, 1..58.
constexpr int SOUND_WIN = 1;
constexpr int SOUND_NEWBEST = 2;
constexpr int SOUND_MARK1 = 3;
constexpr int SOUND_MARK2 = 4;
constexpr int SOUND_TURNUP = 5;
constexpr int SOUND_TURNDOWN = 6;
constexpr int SOUND_DO2 = 7;
constexpr int SOUND_SHUFFLE = 8;
constexpr int SOUND_HINT = 9;
constexpr int SOUND_FAILURE = 10;
constexpr int SOUND_GAMEBUTT1 = 11;
constexpr int SOUND_MO = 12;
constexpr int SOUND_BUTTON1 = 13;
constexpr int SOUND_BOMB = 14;
constexpr int SOUND_EXPLOSION2 = 15;
constexpr int SOUND_PUCOLLECT = 16;
constexpr int SOUND_COLORER = 17;
constexpr int SOUND_FLASH = 18;
constexpr int SOUND_MATCH = 19;
constexpr int SOUND_PUREADY = 20;
constexpr int SOUND_ENTERPING = 21;
constexpr int SOUND_PUCOLLECT2 = 22;
constexpr int SOUND_CONTACT = 23;
constexpr int SOUND_TIMEALARM = 24;
constexpr int SOUND_EXPLOSION = 25;
constexpr int SOUND_PU_SELECT = 26;
constexpr int SOUND_PU_DESELECT = 27;
constexpr int SOUND_PUZZLEMATCH = 28;
constexpr int SOUND_PUHIT = 29;
constexpr int SOUND_TAKEPU = 30;
constexpr int SOUND_PARTFLY = 31;
constexpr int SOUND_GLITTER = 32;
constexpr int SOUND_LAYPART = 33;
constexpr int SOUND_PUSTART = 34;
constexpr int SOUND_STONE = 35;
constexpr int SOUND_BUTT = 36;
constexpr int SOUND_DOOR = 37;
constexpr int SOUND_BLUBBER = 38;
constexpr int SOUND_BLUBBER2 = 39;
constexpr int SOUND_MOSS = 40;
constexpr int SOUND_MMH1 = 41;
constexpr int SOUND_MUSHROOM = 42;
constexpr int SOUND_HEHE = 43;
constexpr int SOUND_PUFULL = 44;
constexpr int SOUND_PUNO = 45;
constexpr int SOUND_CASH = 46;
constexpr int SOUND_BUILD = 47;
constexpr int SOUND_VEXATRIS_DOWN = 48;
constexpr int SOUND_LIONROAR = 49;
constexpr int SOUND_PU_UNLOCKED = 50;
constexpr int SOUND_PU_REMOVELINE_START = 51;
constexpr int SOUND_PU_REMOVESAMEITEMS_START = 52;
constexpr int SOUND_PU_REPLACEALLITEMS_START = 53;
constexpr int SOUND_PU_THROWEXPLOSIVE_START = 54;
constexpr int SOUND_METEOR_APPEARS = 55;
constexpr int SOUND_METEOR_HIT = 56;
constexpr int SOUND_METEOR_MISS = 57;
constexpr int SOUND_POPUP = 58;
constexpr int _NUM_SOUNDS = 58;

// File in "data/sfx/" of each sound number; null where the number has none.
extern const std::array<const char16_t *, _NUM_SOUNDS + 1> soundFiles;

// Where the handler sets channel volume and pan; tests put a recorder in its
// place.
class SoundMixing {
public:
  virtual ~SoundMixing() = default;
  virtual void volume(Channel channel, float value) {
    setChannelVolume(channel, value);
  }
  virtual void pan(Channel channel, float value) {
    setChannelPan(channel, value);
  }
};

class vexaTSoundHandler {
public:
  String akttitle;       // file name of the current music title
  String nexttitle;      // emptied at initialisation, not used
  int soundpossible = 0; // 1 if the effect sounds could be loaded
  std::array<int, _NUM_SOUNDS + 1>
      soundplaying{}; // 1 if started since the last frame reset
  Sound music;        // the loaded music title (looping)
  std::array<Sound, _NUM_SOUNDS + 1> _sound; // effect sounds by number
  Channel musicChannel;                      // channel of the music
  Channel soundChannel; // allocated and stopped at once, never played on

  // Volume and pan go to `mixing` (the platform unless a test gives its own).
  explicit vexaTSoundHandler(SoundMixing *mixing = nullptr);
  virtual ~vexaTSoundHandler() = default;
  // Loads "data/sfx/" + name with the load flags (1 = looping); empty if it
  // cannot be loaded.
  virtual Sound ownloadsound(const String &name, int flags);
  // Called once by the load screen's Prepare: channels, the probe, every effect
  // sound.
  virtual int init_sound();
  // Plays effect `number` for an event at screen x (0..1024), once per number
  // and frame.
  virtual int PlayS(int number, float x);
  // Called by the shell every frame after the first 30: music glide, fader,
  // frame reset.
  virtual int sounds();
  // Called by a scene's Prepare: stops the music and cues `title` from
  // "data/music/".
  virtual int play_music(const String &title);
  // Stops the music channel (quit dialog, next title).
  virtual int stop_music();

private:
  // Music volume for this frame: the level, darkened by the fader unless the
  // music is shared.
  float musicVolume() const;
  SoundMixing *_mixing;
};

extern vexaTSoundHandler soundHandler;

// Plays sound effect `number` panned by the screen x of its cause, through the sound handler.
void playSoundEffect(int number, float x);
// The board, which lives above the sound handler, hands in how to tell that a level's win
// sequence runs (its music carries on into the roadmap); called once as the program starts.
void linkWinSequence(bool (*winSequenceRuns)());
