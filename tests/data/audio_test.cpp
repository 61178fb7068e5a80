// The generated sounds as the game loads them: every effect file of the sound table and
// every music title exists in the format its name says, decodes, has a fitting length,
// stays below -1 dBFS, is not silent, the effects share one loudness, and each music
// title's end runs into its start without a click or a jump in level.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/mixer.h"
#include "platform/platform.h"

namespace {

const std::vector<std::string> EFFECT_FILES = {
    "mark1.ogg",        "mark2.ogg",       "turnup.ogg",         "turndown.ogg",    "bell1.ogg",
    "shuffle.ogg",      "hint.ogg",        "failure.ogg",        "gamebutt1.ogg",   "mo.ogg",
    "button1.ogg",      "bomb.ogg",        "explosion2.wav",     "pucollect.ogg",   "colorer.ogg",
    "match.ogg",        "swap.wav",        "enterping.ogg",      "pucollect2.ogg",  "contact2.ogg",
    "explosion.ogg",    "pu_select.wav",   "pu_deselect.wav",    "puhit.ogg",       "takepu.ogg",
    "glitter.ogg",      "laypart.ogg",     "pustart.ogg",        "stone2.ogg",      "butt.ogg",
    "moss2.ogg",        "mmh1.ogg",        "pufull.ogg",         "puno.ogg",        "cash.ogg",
    "build.ogg",        "vexatris_down.ogg", "lionroar.wav",     "pu_unlocked.wav", "meteorappears.ogg",
    "meteorhit.ogg",    "meteormiss.ogg",  "popup.wav",
};
const std::vector<std::string> MUSIC_FILES = {"ambient.ogg", "ingame1.ogg", "ingame2.ogg", "win.ogg", "main.ogg"};

const float CEILING = std::pow(10.0f, -1.0f / 20.0f);  // -1 dBFS

double seconds(const SoundData& sound) { return double(sound.frames()) / MIX_RATE; }

float peak(const SoundData& sound) {
    float top = 0;
    for (float x : sound.samples) top = std::max(top, std::fabs(x));
    return top;
}

// Level in dB of the samples of both channels between frames first and last.
double levelDb(const SoundData& sound, size_t first, size_t last) {
    double sum = 0;
    for (size_t i = first * 2; i < last * 2; ++i) sum += double(sound.samples[i]) * sound.samples[i];
    return 10.0 * std::log10(sum / double((last - first) * 2) + 1e-12);
}

// Level in dB of the loudest 50 ms: how loud a short effect sounds.
double loudestDb(const SoundData& sound) {
    const size_t window = std::min(sound.frames(), size_t(MIX_RATE / 20));
    double best = -200;
    for (size_t first = 0; first + window <= sound.frames(); first += window / 4) {
        best = std::max(best, levelDb(sound, first, first + window));
    }
    return best;
}

std::string magic(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string head(4, '\0');
    in.read(head.data(), 4);
    return head;
}

Sound load(const std::string& path, int flags) { return loadSound(String(path.begin(), path.end()), flags); }

TEST(GeneratedAudio, EveryEffectIsShortCleanAndAudible) {
    std::vector<double> loudness;
    for (const std::string& name : EFFECT_FILES) {
        const std::string path = "data/sfx/" + name;
        EXPECT_EQ(magic(path), name.ends_with(".wav") ? "RIFF" : "OggS") << path;
        const auto sound = load(path, 0);
        ASSERT_TRUE(sound) << path << " does not load";
        EXPECT_GT(seconds(*sound), 0.05) << path;
        EXPECT_LE(seconds(*sound), name == "lionroar.wav" ? 2.5 : 1.5) << path;
        EXPECT_LE(peak(*sound), CEILING) << path << " clips";
        loudness.push_back(loudestDb(*sound));
        EXPECT_GT(loudness.back(), -30.0) << path << " is (nearly) silent";
    }
    std::vector<double> sorted = loudness;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    for (size_t i = 0; i < loudness.size(); ++i) {
        EXPECT_NEAR(loudness[i], median, 4.0) << EFFECT_FILES[i] << " stands out from the set";
    }
}

// A click shows as a large step from the last frame to the first; a level jump as a
// difference between the loudness of the last and the first second.
void expectSeamlessLoop(const SoundData& title, const std::string& name) {
    const std::vector<float>& s = title.samples;
    const size_t frames = title.frames();
    for (size_t channel = 0; channel < 2; ++channel) {
        EXPECT_LT(std::fabs(s[channel] - s[(frames - 1) * 2 + channel]), 0.05f) << name << " clicks at the loop point";
    }
    const size_t second = MIX_RATE;
    EXPECT_NEAR(levelDb(title, frames - second, frames), levelDb(title, 0, second), 6.0)
        << name << " jumps in level at the loop point";
}

TEST(GeneratedAudio, EveryMusicTitleIsASeamlessLoopOfOneToTwoMinutes) {
    for (const std::string& name : MUSIC_FILES) {
        const std::string path = "data/music/" + name;
        EXPECT_EQ(magic(path), "OggS") << path;
        const Sound title = load(path, SOUND_LOOP);
        ASSERT_TRUE(title) << path << " does not load";
        EXPECT_TRUE(title->loop);
        EXPECT_GT(seconds(*title), 55.0) << path;
        EXPECT_LT(seconds(*title), 125.0) << path;
        EXPECT_LE(peak(*title), CEILING) << path << " clips";
        EXPECT_GT(levelDb(*title, 0, title->frames()), -30.0) << path << " is (nearly) silent";
        expectSeamlessLoop(*title, name);
    }
}

}  // namespace
