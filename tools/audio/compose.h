// Writing music as notes: keys, chords and progressions, and the layer writers that
// turn a progression into held chords, bass lines, arpeggios, drum patterns and a
// melody made of phrases that repeat and answer each other.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "music.h"

namespace audio {

// A chord: its root as a MIDI note and the semitones of its tones above the root.
struct Chord {
    int root = 60;
    std::vector<int> intervals;
};
// Triads and four-note chords on a root.
Chord major(int root);
Chord minor(int root);
Chord major7(int root);
Chord minor7(int root);
Chord dominant7(int root);
Chord sus4(int root);

// A key: its tonic (MIDI) and the seven semitone steps of its scale from the tonic.
struct Key {
    int tonic = 60;
    std::array<int, 7> scale{};
};
// Major, natural minor and dorian scales on a tonic.
Key majorKey(int tonic);
Key minorKey(int tonic);
Key dorianKey(int tonic);

// Chords played one after another, each `beatsPerChord` long.
struct Progression {
    std::vector<Chord> chords;
    double beatsPerChord = 4;
    double beats() const { return double(chords.size()) * beatsPerChord; }
    // The chord sounding at `beat` counted from the progression's start.
    const Chord& at(double beat) const;
};
// Joins progressions end to end (they must share their chord length).
Progression operator+(Progression a, const Progression& b);

// One rhythmic event of a pattern: when in the chord, how long, and which chord tone
// (0 root, 1 next tone up …; indices past the chord's tones continue an octave higher).
struct Step {
    double beat = 0;
    double beats = 1;
    int tone = 0;
    float velocity = 1.0f;
};

// Chord tone number `tone` of `chord` moved into the octave starting at `low`.
int chordTone(const Chord& chord, int tone, int low);

// Holds every chord with its tones voiced upward from `low`.
void holdChords(Track& track, const Progression& progression, double start, int low, float velocity);
// Plays `pattern` (beats within each chord) on every chord, roots placed from `low`.
void chordPattern(Track& track, const Progression& progression, double start, const std::vector<Step>& pattern,
                  int low);
// Steps through the chord tones in `order`, one note every `step` beats.
void arpeggiate(Track& track, const Progression& progression, double start, double step,
                const std::vector<int>& order, int low, float velocity);
// A drum line over `bars` bars of 16 steps: 'X' loud, 'x' normal, 'o' soft, '.' rest.
void drumBars(Track& track, double start, int bars, const std::string& steps, double midi = 60);

// A melody phrase of four bars: rhythm and melodic moves (scale steps), made from two
// seeds: the first two bars from `head`, the answer from `tail`. Same seeds, same phrase.
struct MelodyNote {
    double beat = 0;
    double beats = 1;
    int move = 0;
};
std::vector<MelodyNote> makePhrase(uint32_t head, uint32_t tail, bool lively);
// Sings `phrase` over the progression from `start`, landing strong beats on chord
// tones and keeping the line between `low` and `high`.
void sing(Track& track, const Progression& progression, const Key& key, double start,
          const std::vector<MelodyNote>& phrase, int low, int high, float velocity);

}  // namespace audio
