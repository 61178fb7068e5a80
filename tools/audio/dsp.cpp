// Oscillators, noise, envelopes, filters and effects on mono buffers.
#include "dsp.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace audio {

namespace {

constexpr double TAU = 2.0 * std::numbers::pi;

// A biquad section (direct form I) with the usual cookbook coefficients.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

    enum class Kind { Low, High, Band };

    void set(Kind kind, double hz, double q) {
        const double w = TAU * std::clamp(hz, 10.0, RATE * 0.45) / RATE;
        const double alpha = std::sin(w) / (2.0 * q);
        const double c = std::cos(w);
        const double a0 = 1.0 + alpha;
        switch (kind) {
        case Kind::Low: b0 = (1 - c) / 2; b1 = 1 - c; b2 = (1 - c) / 2; break;
        case Kind::High: b0 = (1 + c) / 2; b1 = -(1 + c); b2 = (1 + c) / 2; break;
        case Kind::Band: b0 = alpha; b1 = 0; b2 = -alpha; break;
        }
        b0 /= a0; b1 /= a0; b2 /= a0;
        a1 = -2 * c / a0;
        a2 = (1 - alpha) / a0;
    }

    float process(float x) {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1; x1 = x; y2 = y1; y1 = y;
        return float(y);
    }
};

void runFilter(Samples& s, Biquad::Kind kind, double hz, double q) {
    Biquad filter;
    filter.set(kind, hz, q);
    for (float& x : s) x = filter.process(x);
}

// Reads a buffer between samples (linear), zero outside it.
float readAt(const Samples& s, double position) {
    if (position < 0) return 0;
    const size_t i = size_t(position);
    if (i + 1 >= s.size()) return 0;
    const float t = float(position - double(i));
    return s[i] + (s[i + 1] - s[i]) * t;
}

}  // namespace

// Sine of a phase in cycles from a table with linear steps: far cheaper than std::sin
// per sample, and its error (below 1e-6) is inaudible.
float tableSine(double phase) {
    constexpr int SIZE = 4096;
    static const std::vector<float> table = [] {
        std::vector<float> values(SIZE + 1);
        for (int i = 0; i <= SIZE; ++i) values[size_t(i)] = float(std::sin(TAU * i / SIZE));
        return values;
    }();
    const double position = (phase - std::floor(phase)) * SIZE;
    const size_t i = std::min(size_t(position), size_t(SIZE - 1));
    const float t = float(position - double(i));
    return table[i] + (table[i + 1] - table[i]) * t;
}

size_t samplesFor(double seconds) { return size_t(std::lround(std::max(0.0, seconds) * RATE)); }

double noteHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

float dbGain(double db) { return float(std::pow(10.0, db / 20.0)); }

float waveAt(Wave wave, double phase) {
    phase -= std::floor(phase);
    switch (wave) {
    case Wave::Sine: return tableSine(phase);
    case Wave::Triangle: return float(phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase);
    case Wave::Saw: return float(2 * phase - 1);
    case Wave::Square: return phase < 0.5 ? 1.0f : -1.0f;
    }
    return 0;
}

Samples tone(Wave wave, double seconds, double startHz, double endHz) {
    Samples s(samplesFor(seconds));
    const double ratio = s.empty() ? 1.0 : std::pow(endHz / startHz, 1.0 / double(s.size()));
    double hz = startHz, phase = 0;
    for (float& x : s) {
        x = waveAt(wave, phase);
        phase += hz / RATE;
        phase -= std::floor(phase);
        hz *= ratio;
    }
    return s;
}

Samples fmTone(double seconds, double hz, double ratio, double index, double indexHalfLife) {
    Samples s(samplesFor(seconds));
    const double indexFall = std::pow(0.5, 1.0 / (indexHalfLife * RATE));
    double carrier = 0, modulator = 0;
    for (float& x : s) {
        x = tableSine(carrier + index / TAU * tableSine(modulator));
        carrier += hz / RATE;
        modulator += hz * ratio / RATE;
        carrier -= std::floor(carrier);
        modulator -= std::floor(modulator);
        index *= indexFall;
    }
    return s;
}

Samples supersaw(double seconds, double hz, int voices, double detuneCents) {
    Samples sum(samplesFor(seconds), 0.0f);
    for (int v = 0; v < voices; ++v) {
        const double spread = voices == 1 ? 0.0 : double(v) / (voices - 1) * 2.0 - 1.0;
        const double voiceHz = hz * std::pow(2.0, spread * detuneCents / 1200.0);
        const double step = voiceHz / RATE;
        const float gain = 1.0f / float(voices);
        double phase = double(v) * 0.37;
        for (float& x : sum) {
            x += float(2 * phase - 1) * gain;
            phase += step;
            if (phase >= 1.0) phase -= 1.0;
        }
    }
    return sum;
}

float Noise::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return float(state_ >> 8) / float(1 << 23) - 1.0f;
}

int Noise::pick(int count) { return int((next() + 1.0f) * 0.5f * float(count) * 0.9999f); }

Samples noise(double seconds, uint32_t seed) {
    Noise source(seed);
    Samples s(samplesFor(seconds));
    for (float& x : s) x = source.next();
    return s;
}

void adsr(Samples& s, double attack, double decay, float sustain, double release) {
    const double a = attack * RATE, d = decay * RATE, r = std::max(1.0, release * RATE);
    const double end = double(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i);
        double level = t < a ? t / a : t < a + d ? 1.0 - (1.0 - sustain) * (t - a) / d : sustain;
        if (t > end - r) level *= (end - t) / r;
        s[i] *= float(level);
    }
}

void pluckEnvelope(Samples& s, double attack, double halfLife) {
    const double a = std::max(1.0, attack * RATE);
    const double fall = std::pow(0.5, 1.0 / (halfLife * RATE));
    double level = 1.0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (double(i) < a) {
            s[i] *= float(double(i) / a);
        } else {
            s[i] *= float(level);
            level *= fall;
        }
    }
}

void fadeEdges(Samples& s, double fadeIn, double fadeOut) {
    const size_t in = std::min(s.size(), samplesFor(fadeIn));
    const size_t out = std::min(s.size(), samplesFor(fadeOut));
    for (size_t i = 0; i < in; ++i) s[i] *= float(i) / float(in);
    for (size_t i = 0; i < out; ++i) s[s.size() - 1 - i] *= float(i) / float(out);
}

void lowpass(Samples& s, double hz, double q) { runFilter(s, Biquad::Kind::Low, hz, q); }
void highpass(Samples& s, double hz, double q) { runFilter(s, Biquad::Kind::High, hz, q); }
void bandpass(Samples& s, double hz, double q) { runFilter(s, Biquad::Kind::Band, hz, q); }

void sweepLowpass(Samples& s, double startHz, double endHz, double q) {
    constexpr size_t STEP = 32;  // coefficients follow the sweep every 32 samples
    Biquad filter;
    const double ratio = s.empty() ? 1.0 : std::pow(endHz / startHz, 1.0 / double(s.size()));
    for (size_t i = 0; i < s.size(); ++i) {
        if (i % STEP == 0) filter.set(Biquad::Kind::Low, startHz * std::pow(ratio, double(i)), q);
        s[i] = filter.process(s[i]);
    }
}

void saturate(Samples& s, float drive) {
    const float norm = std::tanh(drive);
    for (float& x : s) x = std::tanh(drive * x) / norm;
}

void echo(Samples& s, double delaySeconds, float feedback, float wet) {
    const size_t delay = std::max<size_t>(1, samplesFor(delaySeconds));
    Samples line(s.size(), 0.0f);
    for (size_t i = 0; i < s.size(); ++i) {
        const float delayed = i >= delay ? line[i - delay] : 0.0f;
        line[i] = s[i] + delayed * feedback;
        s[i] += delayed * wet;
    }
}

void chorus(Samples& s, double depthMs, double rateHz, float wet) {
    const Samples dry = s;
    const double base = 0.012 * RATE, depth = depthMs * 0.001 * RATE;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / RATE;
        const double a = base + depth * (1 + tableSine(rateHz * t)) * 0.5;
        const double b = base + depth * (1 + tableSine(rateHz * 1.31 * t + 0.3)) * 0.5;
        s[i] = dry[i] + wet * 0.5f * (readAt(dry, double(i) - a) + readAt(dry, double(i) - b));
    }
}

void mixInto(Samples& dst, const Samples& src, size_t at, float gain) {
    if (dst.size() < at + src.size()) dst.resize(at + src.size(), 0.0f);
    for (size_t i = 0; i < src.size(); ++i) dst[at + i] += src[i] * gain;
}

void scale(Samples& s, float gain) {
    for (float& x : s) x *= gain;
}

float peak(const Samples& s) {
    float top = 0;
    for (float x : s) top = std::max(top, std::fabs(x));
    return top;
}

float loudestRms(const Samples& s, double seconds) {
    const size_t window = std::max<size_t>(1, std::min(s.size(), samplesFor(seconds)));
    double sum = 0, best = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        sum += double(s[i]) * s[i];
        if (i >= window) sum -= double(s[i - window]) * s[i - window];
        best = std::max(best, sum);
    }
    return float(std::sqrt(std::max(0.0, best) / double(window)));
}

}  // namespace audio
