// Chords, keys and the layer writers of the composer.
#include "compose.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace audio {

namespace {

// One-bar rhythms (beat, length) for melodies; the calm ones first.
const std::vector<std::vector<std::pair<double, double>>> CALM_CELLS = {
    {{0, 2}, {2, 1}, {3, 1}},
    {{0, 1}, {1, 1}, {2, 2}},
    {{0, 3}, {3, 1}},
    {{0, 1.5}, {1.5, 0.5}, {2, 2}},
};
const std::vector<std::vector<std::pair<double, double>>> LIVELY_CELLS = {
    {{0, 1}, {1, 0.5}, {1.5, 0.5}, {2, 1}, {3, 1}},
    {{0, 1.5}, {1.5, 0.5}, {2, 1}, {3, 0.5}, {3.5, 0.5}},
    {{0, 0.5}, {0.5, 0.5}, {1, 1}, {2, 1.5}, {3.5, 0.5}},
    {{0.5, 0.5}, {1, 1}, {2, 0.5}, {2.5, 1.5}},
    {{0, 0.75}, {0.75, 0.75}, {1.5, 0.5}, {2, 2}},
};
// Last bar of a phrase: a note that settles.
const std::vector<std::pair<double, double>> CADENCE = {{0, 1}, {1, 3}};

Chord chord(int root, std::vector<int> intervals) { return Chord{root, std::move(intervals)}; }

Key key(int tonic, std::array<int, 7> scale) { return Key{tonic, scale}; }

bool inScale(const Key& key, int midi) {
    const int degree = ((midi - key.tonic) % 12 + 12) % 12;
    return std::find(key.scale.begin(), key.scale.end(), degree) != key.scale.end();
}

bool inChord(const Chord& chord, int midi) {
    for (int interval : chord.intervals) {
        if (((midi - chord.root - interval) % 12 + 12) % 12 == 0) return true;
    }
    return false;
}

// The nearest note to `midi` that `fits`, searching outward (downward first on ties).
template <typename Fits>
int nearest(int midi, Fits fits) {
    for (int distance = 0; distance < 12; ++distance) {
        if (fits(midi - distance)) return midi - distance;
        if (fits(midi + distance)) return midi + distance;
    }
    return midi;
}

// Moves `steps` scale tones up (positive) or down from `midi`.
int moveInScale(const Key& key, int midi, int steps) {
    int note = nearest(midi, [&](int m) { return inScale(key, m); });
    const int direction = steps > 0 ? 1 : -1;
    for (int done = 0; done != steps; done += direction) {
        do {
            note += direction;
        } while (!inScale(key, note));
    }
    return note;
}

void addNote(Track& track, double beat, double beats, int midi, float velocity) {
    track.notes.push_back(Note{beat, beats, double(midi), velocity});
}

}  // namespace

Chord major(int root) { return chord(root, {0, 4, 7}); }
Chord minor(int root) { return chord(root, {0, 3, 7}); }
Chord major7(int root) { return chord(root, {0, 4, 7, 11}); }
Chord minor7(int root) { return chord(root, {0, 3, 7, 10}); }
Chord dominant7(int root) { return chord(root, {0, 4, 7, 10}); }
Chord sus4(int root) { return chord(root, {0, 5, 7}); }

Key majorKey(int tonic) { return key(tonic, {0, 2, 4, 5, 7, 9, 11}); }
Key minorKey(int tonic) { return key(tonic, {0, 2, 3, 5, 7, 8, 10}); }
Key dorianKey(int tonic) { return key(tonic, {0, 2, 3, 5, 7, 9, 10}); }

const Chord& Progression::at(double beat) const {
    const size_t index = size_t(std::max(0.0, beat) / beatsPerChord);
    return chords[std::min(index, chords.size() - 1)];
}

Progression operator+(Progression a, const Progression& b) {
    a.chords.insert(a.chords.end(), b.chords.begin(), b.chords.end());
    return a;
}

int chordTone(const Chord& chord, int tone, int low) {
    const int count = int(chord.intervals.size());
    const int octave = tone / count;
    int root = chord.root;
    while (root < low) root += 12;
    while (root >= low + 12) root -= 12;
    return root + chord.intervals[size_t(tone % count)] + 12 * octave;
}

void holdChords(Track& track, const Progression& progression, double start, int low, float velocity) {
    for (size_t i = 0; i < progression.chords.size(); ++i) {
        const Chord& chord = progression.chords[i];
        for (size_t tone = 0; tone < chord.intervals.size(); ++tone) {
            addNote(track, start + double(i) * progression.beatsPerChord, progression.beatsPerChord,
                    chordTone(chord, int(tone), low), velocity);
        }
    }
}

void chordPattern(Track& track, const Progression& progression, double start, const std::vector<Step>& pattern,
                  int low) {
    for (size_t i = 0; i < progression.chords.size(); ++i) {
        for (const Step& step : pattern) {
            addNote(track, start + double(i) * progression.beatsPerChord + step.beat, step.beats,
                    chordTone(progression.chords[i], step.tone, low), step.velocity);
        }
    }
}

void arpeggiate(Track& track, const Progression& progression, double start, double step,
                const std::vector<int>& order, int low, float velocity) {
    const int count = int(std::lround(progression.beats() / step));
    for (int n = 0; n < count; ++n) {
        const double beat = n * step;
        const float accent = std::fmod(beat, 1.0) == 0.0 ? 1.0f : 0.75f;
        addNote(track, start + beat, step * 1.5, chordTone(progression.at(beat), order[size_t(n) % order.size()], low),
                velocity * accent);
    }
}

void drumBars(Track& track, double start, int bars, const std::string& steps, double midi) {
    for (int bar = 0; bar < bars; ++bar) {
        for (size_t i = 0; i < steps.size(); ++i) {
            const char hit = steps[i];
            if (hit == '.') continue;
            const float velocity = hit == 'X' ? 1.0f : hit == 'x' ? 0.75f : 0.45f;
            track.notes.push_back(Note{start + bar * 4.0 + double(i) * 0.25, 0.25, midi, velocity});
        }
    }
}

std::vector<MelodyNote> makePhrase(uint32_t head, uint32_t tail, bool lively) {
    const auto& cells = lively ? LIVELY_CELLS : CALM_CELLS;
    std::vector<MelodyNote> phrase;
    auto addBar = [&](const std::vector<std::pair<double, double>>& cell, int bar, Noise& choice, int tendency) {
        for (const auto& [beat, beats] : cell) {
            static constexpr int MOVES[] = {-2, -1, -1, 0, 1, 1, 2, 3};
            const int move = std::clamp(MOVES[choice.pick(8)] + tendency * (choice.pick(2)), -3, 4);
            phrase.push_back(MelodyNote{bar * 4.0 + beat, beats, move});
        }
    };
    Noise headChoice(head), tailChoice(tail);
    addBar(cells[size_t(headChoice.pick(int(cells.size())))], 0, headChoice, 1);
    addBar(cells[size_t(headChoice.pick(int(cells.size())))], 1, headChoice, 1);
    addBar(cells[size_t(tailChoice.pick(int(cells.size())))], 2, tailChoice, -1);
    addBar(CADENCE, 3, tailChoice, -1);
    return phrase;
}

void sing(Track& track, const Progression& progression, const Key& key, double start,
          const std::vector<MelodyNote>& phrase, int low, int high, float velocity) {
    int current = nearest((low + high) / 2, [&](int m) { return inChord(progression.at(0), m); });
    for (const MelodyNote& note : phrase) {
        int target = moveInScale(key, current, note.move);
        if (target < low || target > high) target = moveInScale(key, current, -note.move);
        const Chord& chord = progression.at(note.beat);
        const bool strong = std::fmod(note.beat, 2.0) == 0.0 || note.beats >= 1.5;
        current = nearest(target, [&](int m) {
            return m >= low && m <= high && (strong ? inChord(chord, m) : inScale(key, m));
        });
        const float accent = std::fmod(note.beat, 1.0) == 0.0 ? 1.0f : 0.85f;
        addNote(track, start + note.beat, note.beats * 0.95, current, velocity * accent);
    }
}

}  // namespace audio
