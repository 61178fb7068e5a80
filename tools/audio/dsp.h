// The synthesiser's building blocks: mono sample buffers at 44.1 kHz, oscillators,
// seeded noise, envelopes, filters, echo and chorus, and the mixing and level helpers
// that the effect recipes and the music instruments are made of.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace audio {

constexpr int RATE = 44100;

using Samples = std::vector<float>;

// Left and right channels of equal length.
struct Stereo {
    Samples left, right;
    size_t size() const { return left.size(); }
};

// Number of samples in `seconds`, rounded to the nearest.
size_t samplesFor(double seconds);
// Frequency of a MIDI note number (69 = A 440 Hz).
double noteHz(double midi);
// Linear gain of a level in dB.
float dbGain(double db);

// --- Oscillators ---

enum class Wave { Sine, Triangle, Saw, Square };

// One cycle of `wave` at phase 0..1, from -1 to 1.
float waveAt(Wave wave, double phase);
// Sine of a phase counted in cycles (a table lookup; used per sample).
float tableSine(double phase);
// A tone gliding exponentially from startHz to endHz over its length.
Samples tone(Wave wave, double seconds, double startHz, double endHz);
inline Samples tone(Wave wave, double seconds, double hz) { return tone(wave, seconds, hz, hz); }
// Two-operator FM: a sine carrier whose modulator (carrier × ratio) fades from
// `index` to nothing with the half-life `indexHalfLife`; gives bells and electric pianos.
Samples fmTone(double seconds, double hz, double ratio, double index, double indexHalfLife);
// Several slightly detuned saws summed: the thick raw tone of pads and brass.
Samples supersaw(double seconds, double hz, int voices, double detuneCents);

// Deterministic white noise from a seed (same seed, same samples).
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    // Next sample, uniform in -1..1.
    float next();
    // A whole-number choice in 0..count-1 from the same sequence.
    int pick(int count);

private:
    uint32_t state_;
};
Samples noise(double seconds, uint32_t seed);

// --- Envelopes (applied in place) ---

// Attack, decay to sustain level, and release over the last `release` seconds.
void adsr(Samples& s, double attack, double decay, float sustain, double release);
// Linear attack, then exponential decay halving every `halfLife` seconds.
void pluckEnvelope(Samples& s, double attack, double halfLife);
// Short linear fades at both ends so a sound never starts or stops on a step.
void fadeEdges(Samples& s, double fadeIn, double fadeOut);

// --- Filters (applied in place; resonance q 0.5..10) ---

void lowpass(Samples& s, double hz, double q = 0.707);
void highpass(Samples& s, double hz, double q = 0.707);
void bandpass(Samples& s, double hz, double q);
// A low-pass whose cut-off glides exponentially from startHz to endHz.
void sweepLowpass(Samples& s, double startHz, double endHz, double q = 0.707);
// Gentle saturation that rounds peaks (drive 1 = mild).
void saturate(Samples& s, float drive);

// --- Effects (applied in place; the buffer keeps its length) ---

// Feedback delay line mixed under the dry signal.
void echo(Samples& s, double delaySeconds, float feedback, float wet);
// Two slowly swaying short delays mixed with the dry signal: width and shimmer.
void chorus(Samples& s, double depthMs, double rateHz, float wet);

// --- Mixing and level ---

// Adds `src` × gain into `dst` from sample `at`, growing `dst` when needed.
void mixInto(Samples& dst, const Samples& src, size_t at, float gain = 1.0f);
void scale(Samples& s, float gain);
float peak(const Samples& s);
// Root mean square over the loudest window of `seconds` (a short-term loudness).
float loudestRms(const Samples& s, double seconds);

}  // namespace audio
