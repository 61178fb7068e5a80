// Waveform and spectrogram pictures of the music loops.
#include "contact.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace audio {

namespace {

constexpr int WIDTH = 1600;
constexpr int WAVE_HEIGHT = 140;
constexpr int SPECTRUM_HEIGHT = 420;
constexpr int FFT_SIZE = 2048;
constexpr double LOW_HZ = 40, HIGH_HZ = 16000;

using Complex = std::complex<double>;

// In-place radix-2 FFT of a power-of-two length.
void fft(std::vector<Complex>& data) {
    const size_t n = data.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; (j & bit) != 0; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(data[i], data[j]);
    }
    for (size_t span = 2; span <= n; span <<= 1) {
        const Complex step = std::polar(1.0, -2.0 * std::numbers::pi / double(span));
        for (size_t start = 0; start < n; start += span) {
            Complex w = 1;
            for (size_t k = 0; k < span / 2; ++k) {
                const Complex odd = data[start + k + span / 2] * w;
                data[start + k + span / 2] = data[start + k] - odd;
                data[start + k] += odd;
                w *= step;
            }
        }
    }
}

void setPixel(tools::RgbaImage& image, int x, int y, double r, double g, double b) {
    uint8_t* p = &image.pixels[size_t(y * image.width + x) * 4];
    p[0] = uint8_t(std::clamp(r, 0.0, 1.0) * 255);
    p[1] = uint8_t(std::clamp(g, 0.0, 1.0) * 255);
    p[2] = uint8_t(std::clamp(b, 0.0, 1.0) * 255);
    p[3] = 255;
}

// Min/max of the mid signal per column, drawn as a green band on dark blue.
void drawWaveform(tools::RgbaImage& image, const Stereo& loop) {
    const size_t perColumn = std::max<size_t>(1, loop.size() / WIDTH);
    for (int x = 0; x < WIDTH; ++x) {
        float low = 0, high = 0;
        for (size_t i = size_t(x) * perColumn; i < std::min(loop.size(), size_t(x + 1) * perColumn); ++i) {
            const float mid = 0.5f * (loop.left[i] + loop.right[i]);
            low = std::min(low, mid);
            high = std::max(high, mid);
        }
        const int top = int((0.5 - high * 0.5) * (WAVE_HEIGHT - 1));
        const int bottom = int((0.5 - low * 0.5) * (WAVE_HEIGHT - 1));
        for (int y = 0; y < WAVE_HEIGHT; ++y) {
            const bool inside = y >= top && y <= bottom;
            setPixel(image, x, y, inside ? 0.4 : 0.05, inside ? 0.9 : 0.05, inside ? 0.5 : 0.12);
        }
    }
}

// Magnitudes in dB of one Hann-windowed frame of the mid signal centred on `centre`.
std::vector<double> spectrumAt(const Stereo& loop, size_t centre) {
    std::vector<Complex> frame(FFT_SIZE);
    for (int i = 0; i < FFT_SIZE; ++i) {
        const size_t at = (centre + loop.size() + size_t(i) - FFT_SIZE / 2) % loop.size();
        const double window = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * i / (FFT_SIZE - 1));
        frame[size_t(i)] = window * 0.5 * (loop.left[at] + loop.right[at]);
    }
    fft(frame);
    std::vector<double> db(FFT_SIZE / 2);
    for (size_t k = 0; k < db.size(); ++k) db[k] = 20.0 * std::log10(std::abs(frame[k]) / (FFT_SIZE / 4) + 1e-9);
    return db;
}

// Dark blue through purple and orange to pale yellow for -90..0 dB.
void heatColour(double level, double& r, double& g, double& b) {
    const double t = std::clamp((level + 90.0) / 90.0, 0.0, 1.0);
    r = std::min(1.0, t * 1.6);
    g = std::clamp(t * 1.6 - 0.6, 0.0, 1.0);
    b = t < 0.4 ? 0.15 + t : std::max(0.0, 0.55 - (t - 0.4) * 1.5) + std::max(0.0, t - 0.85) * 4;
}

void drawSpectrogram(tools::RgbaImage& image, const Stereo& loop) {
    for (int x = 0; x < WIDTH; ++x) {
        const std::vector<double> db = spectrumAt(loop, size_t(double(x) / WIDTH * double(loop.size())));
        for (int row = 0; row < SPECTRUM_HEIGHT; ++row) {
            const double hz = LOW_HZ * std::pow(HIGH_HZ / LOW_HZ, double(SPECTRUM_HEIGHT - 1 - row) / (SPECTRUM_HEIGHT - 1));
            const size_t bin = std::min(db.size() - 1, size_t(hz / RATE * FFT_SIZE));
            double r, g, b;
            heatColour(db[bin], r, g, b);
            setPixel(image, x, WAVE_HEIGHT + row, r, g, b);
        }
    }
}

// A short white tick at the top of every bar, a longer one every eight bars.
void drawBarTicks(tools::RgbaImage& image, int beats) {
    for (int beat = 0; beat < beats; beat += 4) {
        const int x = int(double(beat) / beats * WIDTH);
        const int length = beat % 32 == 0 ? 24 : 8;
        for (int y = 0; y < length; ++y) setPixel(image, x, y, 1, 1, 1);
    }
}

}  // namespace

tools::RgbaImage contactSheet(const Stereo& loop, int beats) {
    tools::RgbaImage image{WIDTH, WAVE_HEIGHT + SPECTRUM_HEIGHT, {}};
    image.pixels.assign(size_t(image.width * image.height) * 4, 0);
    if (loop.size() == 0) return image;
    drawWaveform(image, loop);
    drawSpectrogram(image, loop);
    drawBarTicks(image, beats);
    return image;
}

}  // namespace audio
