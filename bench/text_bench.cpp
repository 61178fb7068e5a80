// Text benchmark: 2,000 characters of body text (face, border and shadow layers) drawn per
// frame on the headless software renderer, or with --no-pixels. Run from the build folder,
// which holds data/fonts/. Prints milliseconds per frame; never fails on timing.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/harness.h"
#include "font/game_fonts.h"
#include "platform/platform.h"

namespace {

constexpr int LINES = 40;
constexpr int LINE_LENGTH = 50;  // 40 lines of 50 characters: 2,000 characters a frame

String benchLine(int line) {
    String text;
    for (int i = 0; i < LINE_LENGTH; ++i) text += char16_t(u'A' + (line * 7 + i) % 58);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    bool noPixels = argc > 1 && std::strcmp(argv[1], "--no-pixels") == 0;
    int frames = 200;
    initPlatform({true, noPixels, ""});
    openDisplay(1024, 768, 0, 60, 0);
    loadGameFonts();
    std::vector<String> lines;
    for (int line = 0; line < LINES; ++line) lines.push_back(benchLine(line));
    std::vector<double> samples;
    for (int frame = 0; frame < frames; ++frame) {
        auto start = std::chrono::steady_clock::now();
        cls();
        setBlend(BLEND_ALPHA);
        for (int line = 0; line < LINES; ++line) fontText.DrawText(lines[size_t(line)], 10, float(18 * line), 1, 0);
        flip(0);
        samples.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::printf("text_bench%s: frames=%d characters=%d layers=3 ms_per_frame_p50=%.3f ms_per_frame_p99=%.3f\n",
                noPixels ? " --no-pixels" : "", frames, LINES * LINE_LENGTH, percentile(samples, 50),
                percentile(samples, 99));
    shutdownPlatform();
    return 0;
}
