// Effects benchmark: one effect update over a full pool of 10,000 live glow sparks, on the
// headless software renderer (or with --no-pixels, the painter that draws nothing). Prints
// milliseconds per update; it measures, it never fails. With pixels it also writes the review
// sheet review/effects.png: one panel per family of effect kinds over a dark background.
// Run it from the build folder, which holds the generated data folder.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <vector>

#include "app/harness.h"
#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/effects.h"
#include "match3/meteor.h"
#include "match3/power_up.h"
#include "match3/scene_match3.h"
#include "ui/interface_pictures.h"

namespace {

constexpr int UPDATES = 30;

void loadPictures() {
    loadEffectPictures();
    sceneMatch3.preloadImages();
    loadInterfacePictures();
    meteor.img = loadAnimImage(u"data/Match3/ast.png", 50, 56, 0, 16, -1);
}

// Every slot holds a glow spark of kinds 1..9 at an age of 0..49, flying in all directions.
void fillWithSparks() {
    for (int slot = 1; slot <= EFFECT_SLOTS; ++slot) {
        vexaTEffect& e = effectPool[size_t(slot)];
        e = vexaTEffect();
        e.id = 1 + slot % 9;
        e.runtime = slot % 50;
        e.x = float(slot * 97 % 1024);
        e.y = float(slot * 53 % 768);
        e.lx = cosDeg(float(slot)) * 3;
        e.ly = sinDeg(float(slot)) * 3;
    }
}

void measure(bool noPixels) {
    std::vector<double> samples;
    for (int n = 0; n < UPDATES; ++n) {
        fillWithSparks();
        cls();
        auto start = std::chrono::steady_clock::now();
        updateEffects();
        samples.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        flip(0);
    }
    std::printf("effects_bench%s: sparks=%d updates=%d ms_per_update_p50=%.3f ms_per_update_p99=%.3f\n",
                noPixels ? " --no-pixels" : "", EFFECT_SLOTS, UPDATES, percentile(samples, 50),
                percentile(samples, 99));
}

// --- Review sheet ---

constexpr int PANEL_W = 256, PANEL_H = 192;
constexpr float CX = 512, CY = 384;

// One panel: what it starts at the screen centre, how many frames it runs before the picture
// is taken, and the point the panel is cut around.
struct Panel {
    String label;
    std::function<void()> start;
    int frames;
    float cropX = CX, cropY = CY;
};

void ring(int kind, int count, float speed) {
    for (int k = 1; k <= count; ++k)
        installEffect(CX, CY, kind, speed * cosDeg(360.0f * float(k) / float(count)),
                      speed * sinDeg(360.0f * float(k) / float(count)));
}

void sparks(int kind, int count) {
    for (int n = 0; n < count; ++n) installEffect(CX, CY, kind, float(randInt(-7, 7)), float(randInt(-7, 7)));
}

// Item types 1..5 in a row through the centre.
void itemRow(int base, float y, float ly) {
    for (int t = 1; t <= 5; ++t) installEffect(CX + float(t - 3) * 48, y, base + t, 0, ly);
}

std::vector<Panel> panels() {
    return {
        {u"1..99 glow sparks", [] { ring(5, 40, 2); }, 12},
        {u"109 match sparks", [] { sparks(109, 40); }, 6},
        {u"154 replace-all ring", [] { ring(154, 60, 6); }, 6},
        {u"302 306 307 309 rings",
         [] {
             for (int k : {302, 306, 307, 309}) installEffect(CX + float(k % 10) * 24 - 120, CY, k, 0, 0);
         },
         6},
        {u"1002 moss debris", [] { installParticleRing(CX, CY, 1002, 20); }, 10},
        {u"1006 door, 1007 stone debris",
         [] {
             installParticleRing(CX - 40, CY, 1006, 20);
             installParticleRing(CX + 40, CY, 1007, 20);
         },
         10},
        {u"1301..1305 recolouring wave",
         [] {
             for (int k = 1; k <= 5; ++k) installEffect(CX + float(k - 3) * 48, CY, 1300 + k, 0, 0);
         },
         8},
        {u"2000 + 109 bomb",
         [] {
             installEffect(CX, CY, 2000, 0, 0);
             sparks(109, 30);
         },
         6},
        {u"10001..10005 shrinking", [] { itemRow(10000, CY, 0); }, 4},
        {u"95701..95705 to the goal bar",
         [] {
             for (int t = 1; t <= 5; ++t) installEffect(CX + float(t - 3) * 60, 700, 95700 + t, 0, 0);
         },
         20, CX, 380},
        {u"95801..95805 rising", [] { itemRow(95800, CY + 45, -15); }, 3},
        {u"105010 homing orb",
         [] {
             puReplaceAllItems._x = CX + 200;
             puReplaceAllItems._y = CY + 200;
             installEffect(CX - 60, CY - 60, 105010, 0, 0);
         },
         30},
        {u"108900 falling meteor",
         [] {
             int slot = installEffect(CX + 100, CY, 108900, 0, 0);
             effectPool[size_t(slot)].runtime = 74;
         },
         2},
        {u"109000 impact", [] { installEffect(CX, CY, 109000, 0, 0); }, 6},
        {u"109100 meteor burst", [] { installEffect(CX, CY, 109100, 0, 0); }, 15},
        {u"109200 off the left edge", [] { installEffect(4, CY, 109200, -9, 0); }, 4, 128, CY},
    };
}

void paintBackdrop(const Image& dark) {
    cls();
    setBlend(BLEND_SOLID);
    drawImage(dark, 0, 0, 0);
    setBlend(BLEND_ALPHA);
}

Pixmap renderPanel(const Panel& panel, const Image& dark) {
    clearEffects();
    puReplaceAllItems.resetAll();
    panel.start();
    for (int frame = 1; frame <= panel.frames; ++frame) {
        g_frame += 1;
        paintBackdrop(dark);
        updateEffects();
    }
    drawText(panel.label, panel.cropX - PANEL_W / 2 + 6, panel.cropY - PANEL_H / 2 + 6);
    return grabBackBuffer();
}

void writeReviewSheet() {
    for (int t = 1; t <= 5; ++t) g_goalX[t] = 387 + 50 * float(t) - 25;  // as the goal bar records them
    Pixmap sheet{1024, 768, std::vector<Rgba>(1024 * 768, Rgba{0, 0, 0, 255})};
    Image dark = loadImage(Pixmap{1024, 768, std::vector<Rgba>(1024 * 768, Rgba{18, 22, 38, 255})}, 0);
    std::vector<Panel> list = panels();
    for (size_t n = 0; n < list.size(); ++n) {
        Pixmap screen = renderPanel(list[n], dark);
        int left = int(list[n].cropX) - PANEL_W / 2, top = int(list[n].cropY) - PANEL_H / 2;
        for (int y = 0; y < PANEL_H; ++y)
            for (int x = 0; x < PANEL_W; ++x)
                sheet.at(int(n % 4) * PANEL_W + x, int(n / 4) * PANEL_H + y) = screen.at(left + x, top + y);
    }
    std::filesystem::create_directories("review");
    if (!savePixmapPng(sheet, "review/effects.png")) std::printf("effects_bench: review/effects.png not written\n");
}

}  // namespace

int main(int argc, char** argv) {
    bool noPixels = argc > 1 && std::strcmp(argv[1], "--no-pixels") == 0;
    initPlatform({true, noPixels, ""});
    openDisplay(1024, 768, 0, 60, 0);
    seedRandom(12345);
    g_currentPlayer = 1;
    g_fps = 40;
    g_boardAlpha = 1;
    loadPictures();
    setBlend(BLEND_ALPHA);
    measure(noPixels);
    if (!noPixels) writeReviewSheet();
    clearEffects();
    shutdownPlatform();
    return 0;
}
