// The synthesiser's pieces: filters and levels, file encoders, the loop renderer's
// wrap-around and the composer's harmony rules.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <set>
#include <stdexcept>

#include "compose.h"
#include "encode.h"
#include "music.h"
#include "sfx.h"

namespace audio {
namespace {

float rms(const Samples& s) { return loudestRms(s, double(s.size()) / RATE); }

// Decodes Ogg bytes from memory with libvorbisfile into mono-mixed floats.
Samples decodeOgg(const tools::Bytes& bytes, int& channels) {
    FILE* file = fmemopen(const_cast<uint8_t*>(bytes.data()), bytes.size(), "rb");
    OggVorbis_File vf;
    EXPECT_EQ(ov_open(file, &vf, nullptr, 0), 0);
    channels = ov_info(&vf, -1)->channels;
    Samples out;
    float** pcm = nullptr;
    int section = 0;
    for (long n; (n = ov_read_float(&vf, &pcm, 4096, &section)) > 0;) {
        for (long i = 0; i < n; ++i) out.push_back(pcm[0][i]);
    }
    ov_clear(&vf);
    return out;
}

TEST(Dsp, FiltersPassTheirBandAndStopTheOther) {
    Samples low = tone(Wave::Sine, 0.5, 100), high = tone(Wave::Sine, 0.5, 10000);
    lowpass(low, 1000);
    lowpass(high, 1000);
    EXPECT_GT(rms(low), 0.6f);
    EXPECT_LT(rms(high), 0.01f);
    Samples bass = tone(Wave::Sine, 0.5, 50);
    highpass(bass, 2000);
    EXPECT_LT(rms(bass), 0.01f);
}

// Upward zero crossings per second: the frequency of a plain tone.
double crossingsPerSecond(const Samples& s) {
    int crossings = 0;
    for (size_t i = 1; i < s.size(); ++i) crossings += s[i - 1] < 0 && s[i] >= 0;
    return crossings * double(RATE) / double(s.size());
}

TEST(Dsp, OscillatorsPlayTheirPitch) {
    EXPECT_NEAR(crossingsPerSecond(tone(Wave::Sine, 1.0, 440)), 440, 1);
    EXPECT_NEAR(crossingsPerSecond(tone(Wave::Square, 1.0, 220)), 220, 1);
    EXPECT_NEAR(noteHz(69), 440.0, 1e-9);
    EXPECT_NEAR(noteHz(81), 880.0, 1e-9);
    const Samples glide = tone(Wave::Sine, 1.0, 200, 800);
    const Samples head(glide.begin(), glide.begin() + RATE / 10), tail(glide.end() - RATE / 10, glide.end());
    EXPECT_LT(crossingsPerSecond(head), 260);
    EXPECT_GT(crossingsPerSecond(tail), 700);
    // Without modulation FM is a plain sine.
    const Samples plain = fmTone(0.1, 500, 2.0, 0.0, 0.1), sine = tone(Wave::Sine, 0.1, 500);
    for (size_t i = 0; i < plain.size(); i += 97) EXPECT_NEAR(plain[i], sine[i], 1e-3f);
}

TEST(Dsp, EchoRepeatsAfterItsDelay) {
    Samples s(RATE, 0.0f);
    s[0] = 1.0f;
    echo(s, 0.1, 0.5f, 0.8f);
    EXPECT_FLOAT_EQ(s[samplesFor(0.1)], 0.8f);
    EXPECT_FLOAT_EQ(s[samplesFor(0.2)], 0.4f);
    EXPECT_FLOAT_EQ(s[samplesFor(0.1) - 1], 0.0f);
    Samples mixed;
    mixInto(mixed, Samples(10, 1.0f), 5, 0.5f);
    ASSERT_EQ(mixed.size(), 15u);
    EXPECT_EQ(mixed[4], 0.0f);
    EXPECT_EQ(mixed[5], 0.5f);
}

TEST(Dsp, NoiseIsRepeatableAndBounded) {
    const Samples a = noise(0.2, 7), b = noise(0.2, 7), c = noise(0.2, 8);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    EXPECT_LE(peak(a), 1.0f);
    EXPECT_NEAR(rms(a), 1.0f / std::sqrt(3.0f), 0.02f);
}

TEST(Dsp, EnvelopesStartAndEndQuiet) {
    Samples s = tone(Wave::Square, 0.3, 200);
    adsr(s, 0.01, 0.05, 0.5f, 0.1);
    EXPECT_EQ(s.front(), 0.0f);
    EXPECT_LT(std::fabs(s.back()), 0.01f);
    EXPECT_NEAR(peak(s), 1.0f, 0.01f);
}

TEST(Effects, LevellingEvensLoudnessAndKeepsHeadroom) {
    Samples quiet = tone(Wave::Sine, 0.4, 440), loud = tone(Wave::Saw, 0.4, 220);
    scale(quiet, 0.05f);
    const Samples a = levelEffect(quiet), b = levelEffect(loud);
    EXPECT_NEAR(loudestRms(a, 0.05), loudestRms(b, 0.05), 0.01f);
    Samples click(4410, 0.001f);
    click[100] = 1.0f;  // quiet overall, so the loudness gain would push its peak past full scale
    EXPECT_LE(peak(levelEffect(click)), dbGain(-2.0) + 1e-4f);
}

TEST(Effects, EveryRecipeRendersAShortNonSilentSound) {
    std::set<std::string> names;
    for (const EffectRecipe& recipe : effectRecipes()) {
        const Samples s = levelEffect(recipe.render());
        EXPECT_TRUE(names.insert(recipe.file).second) << recipe.file << " twice";
        EXPECT_GT(s.size(), samplesFor(0.03)) << recipe.file;
        EXPECT_LT(s.size(), samplesFor(2.5)) << recipe.file;
        EXPECT_GT(peak(s), 0.1f) << recipe.file;
        EXPECT_EQ(s, levelEffect(recipe.render())) << recipe.file << " not repeatable";
    }
}

TEST(Encode, WavHeaderDescribesMono16BitData) {
    const Samples s = {0.0f, 0.5f, -1.0f, 2.0f};
    const tools::Bytes wav = encodeWav(s);
    ASSERT_EQ(wav.size(), 44u + 8u);
    EXPECT_EQ(std::memcmp(wav.data(), "RIFF", 4), 0);
    EXPECT_EQ(wav[22], 1);                           // channels
    EXPECT_EQ(wav[24] | wav[25] << 8, 44100);        // rate (low bytes)
    EXPECT_EQ(int16_t(wav[48] | wav[49] << 8), -32767);
    EXPECT_EQ(int16_t(wav[50] | wav[51] << 8), 32767);  // clamped, not wrapped
}

TEST(Encode, OggKeepsLengthAndIsRepeatable) {
    const Samples s = tone(Wave::Sine, 0.7, 330);
    const tools::Bytes first = encodeOgg({&s}, 0.4f);
    EXPECT_EQ(first, encodeOgg({&s}, 0.4f));
    int channels = 0;
    const Samples decoded = decodeOgg(first, channels);
    EXPECT_EQ(channels, 1);
    EXPECT_EQ(decoded.size(), s.size());
    EXPECT_NEAR(rms(decoded), rms(s), 0.02f);
}

TEST(Encode, StereoOggKeepsItsChannelsApart) {
    const Samples left = tone(Wave::Sine, 0.5, 440), right(left.size(), 0.0f);
    const tools::Bytes bytes = encodeOgg({&left, &right}, 0.4f);
    FILE* file = fmemopen(const_cast<uint8_t*>(bytes.data()), bytes.size(), "rb");
    OggVorbis_File vf;
    ASSERT_EQ(ov_open(file, &vf, nullptr, 0), 0);
    EXPECT_EQ(ov_info(&vf, -1)->channels, 2);
    double leftSum = 0, rightSum = 0;
    float** pcm = nullptr;
    int section = 0;
    for (long n; (n = ov_read_float(&vf, &pcm, 4096, &section)) > 0;) {
        for (long i = 0; i < n; ++i) {
            leftSum += std::fabs(pcm[0][i]);
            rightSum += std::fabs(pcm[1][i]);
        }
    }
    ov_clear(&vf);
    EXPECT_GT(leftSum, 1000 * rightSum + 1.0);
    const Samples shorter(10, 0.0f);
    EXPECT_THROW(encodeOgg({&left, &shorter}, 0.4f), std::runtime_error);
}

TEST(Music, EveryTitleIsAWholeNumberOfBarsWithNotesInsideIt) {
    std::set<std::string> files;
    for (const Song& song : composeSongs()) {
        EXPECT_TRUE(files.insert(song.file).second) << song.file;
        EXPECT_EQ(song.beats % 4, 0) << song.file;
        const double seconds = song.beats * beatSeconds(song);
        EXPECT_GT(seconds, 55.0) << song.file;
        EXPECT_LT(seconds, 120.0) << song.file;
        EXPECT_FALSE(song.summary.empty()) << song.file;
        for (const Track& part : song.tracks) {
            EXPECT_FALSE(part.notes.empty()) << song.file;
            for (const Note& note : part.notes) {
                EXPECT_GE(note.beat, 0.0) << song.file;
                EXPECT_LT(note.beat, song.beats) << song.file;
                EXPECT_GE(note.midi, 28) << song.file;
                EXPECT_LE(note.midi, 100) << song.file;
            }
        }
    }
    EXPECT_EQ(files, (std::set<std::string>{"ambient.ogg", "ingame1.ogg", "ingame2.ogg", "win.ogg", "main.ogg"}));
}

TEST(Music, NotesPastTheEndWrapRoundToTheStart) {
    Song song{"test.ogg", "", 120, 8, 0.5, 0.0f, 0.0f, {}};
    song.tracks.push_back(Track{Instrument::Pad, 1.0f, 0.0f, {Note{7, 2, 60, 1.0f}}});
    const Stereo loop = renderSong(song);
    EXPECT_EQ(loop.size(), samplesFor(4.0));
    const Samples head(loop.left.begin(), loop.left.begin() + std::ptrdiff_t(samplesFor(0.4)));
    EXPECT_GT(peak(head), 0.05f);
    EXPECT_LE(std::max(peak(loop.left), peak(loop.right)), dbGain(-2.0) + 1e-4f);
}

TEST(Music, EchoRunsRoundTheLoop) {
    Song song{"test.ogg", "", 120, 8, 1.0, 0.5f, 0.5f, {}};
    song.tracks.push_back(Track{Instrument::Kick, 1.0f, 0.0f, {Note{7.5, 0.25, 60, 1.0f}}});
    const Stereo loop = renderSong(song);
    // The kick at 3.75 s echoes half a second later, at 0.25 s of the next round.
    const Samples echoed(loop.left.begin() + std::ptrdiff_t(samplesFor(0.2)),
                         loop.left.begin() + std::ptrdiff_t(samplesFor(0.4)));
    EXPECT_GT(peak(echoed), 0.1f);
}

TEST(Compose, MelodyStaysInRangeAndLandsOnChordTones) {
    const Key key = majorKey(60);
    const Progression progression{{major(48), minor(57), major(53), major(55)}, 4};
    Track voice;
    sing(voice, progression, key, 0, makePhrase(3, 4, true), 64, 79, 1.0f);
    ASSERT_FALSE(voice.notes.empty());
    for (const Note& note : voice.notes) {
        EXPECT_GE(note.midi, 64);
        EXPECT_LE(note.midi, 79);
        const int degree = (int(note.midi) - 60 + 120) % 12;
        EXPECT_TRUE(std::set<int>({0, 2, 4, 5, 7, 9, 11}).count(degree)) << note.midi << " outside C major";
        if (std::fmod(note.beat, 4.0) == 0.0) {
            const Chord& chord = progression.at(note.beat);
            const int fromRoot = (int(note.midi) - chord.root + 120) % 12;
            EXPECT_TRUE(std::set<int>(chord.intervals.begin(), chord.intervals.end()).count(fromRoot))
                << "beat " << note.beat;
        }
    }
}

TEST(Compose, PatternsFollowTheBeatGrid) {
    const Progression progression{{major(48), minor(57)}, 4};
    Track arp;
    arpeggiate(arp, progression, 16, 0.5, {0, 1, 2}, 60, 1.0f);
    ASSERT_EQ(arp.notes.size(), 16u);
    EXPECT_EQ(arp.notes[0].beat, 16.0);
    EXPECT_EQ(arp.notes[8].midi, 76);  // second chord from beat 4: its fifth, then its root
    EXPECT_EQ(arp.notes[9].midi, 69);
    EXPECT_LT(arp.notes[1].velocity, arp.notes[0].velocity);  // off-beats lighter
    Track drums;
    drumBars(drums, 0, 2, "X...x...o.......");
    ASSERT_EQ(drums.notes.size(), 6u);
    EXPECT_EQ(drums.notes[4].beat, 5.0);
    EXPECT_GT(drums.notes[0].velocity, drums.notes[1].velocity);
    EXPECT_GT(drums.notes[1].velocity, drums.notes[2].velocity);
    EXPECT_EQ(makePhrase(5, 6, true).size(), makePhrase(5, 6, true).size());
    EXPECT_EQ(makePhrase(5, 6, false).back().beat, 13.0);  // every phrase settles on a long last note
}

TEST(Compose, ChordTonesAreVoicedFromTheGivenFloor) {
    EXPECT_EQ(chordTone(minor(57), 0, 60), 69);
    EXPECT_EQ(chordTone(minor(57), 1, 60), 72);
    EXPECT_EQ(chordTone(minor(57), 3, 60), 81);
    EXPECT_EQ(chordTone(major(48), 2, 36), 43);
}

}  // namespace
}  // namespace audio
