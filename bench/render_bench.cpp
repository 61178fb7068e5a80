// Rendering benchmark: a full-screen background plus 300 rotated, alpha-blended 64x64
// sprites per frame on the headless software renderer (or with --no-pixels, the painter
// that draws nothing). Prints milliseconds per frame; never fails on timing.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/harness.h"
#include "platform/platform.h"

namespace {

constexpr int SPRITES = 300;

Pixmap gradient(int width, int height) {
    Pixmap pixmap{width, height, std::vector<Rgba>(size_t(width) * size_t(height))};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixmap.at(x, y) = {uint8_t(x * 255 / width), uint8_t(y * 255 / height), 96, 255};
        }
    }
    return pixmap;
}

// A soft disc: opaque centre, transparent corners, so alpha blending has work to do.
Pixmap sprite() {
    Pixmap pixmap = gradient(64, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            int d2 = (x - 32) * (x - 32) + (y - 32) * (y - 32);
            pixmap.at(x, y).a = uint8_t(std::clamp(255 - d2 / 4, 0, 255));
        }
    }
    return pixmap;
}

void drawFrame(const Image& background, const Image& ball, int frame) {
    cls();
    setBlend(BLEND_SOLID);
    setRotation(0);
    drawImage(background, 0, 0, 0);
    setBlend(BLEND_ALPHA);
    setAlpha(0.8f);
    for (int i = 0; i < SPRITES; ++i) {
        setRotation(float((i * 37 + frame * 5) % 360));
        drawImage(ball, float((i * 97) % 1024), float((i * 53) % 768), 0);
    }
    flip(0);
}

}  // namespace

int main(int argc, char** argv) {
    bool noPixels = argc > 1 && std::strcmp(argv[1], "--no-pixels") == 0;
    int frames = 400;
    initPlatform({true, noPixels, ""});
    openDisplay(1024, 768, 0, 60, 0);
    Image background = loadImage(gradient(1024, 768), -1);
    Image ball = loadImage(sprite(), -1);
    midHandleImage(ball);
    std::vector<double> samples;
    for (int frame = 0; frame < frames; ++frame) {
        auto start = std::chrono::steady_clock::now();
        drawFrame(background, ball, frame);
        samples.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::printf("render_bench%s: frames=%d sprites=%d ms_per_frame_p50=%.3f ms_per_frame_p99=%.3f\n",
                noPixels ? " --no-pixels" : "", frames, SPRITES, percentile(samples, 50), percentile(samples, 99));
    shutdownPlatform();
    return 0;
}
