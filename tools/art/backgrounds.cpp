// Full-screen backgrounds: one per chapter region, tinted to its place in the
// valley, plus the load screen and main menu scenes. All 1024x768 JPEGs without
// words; boards and menus are drawn over their quieter middle.
#include <string>

#include "pictures/canvas.h"
#include "pictures/emblem.h"
#include "pictures/scenery.h"
#include "sets.h"

namespace art {

using pictures::Canvas;
using pictures::Colour;
namespace palette = pictures::palette;

namespace {

constexpr int kWidth = 1024, kHeight = 768, kQuality = 88;

// The light of each chapter's region: woods, dunes, peaks, hollow, coast, cliffs, gardens, heart.
struct Region {
    Colour light;
    double strength;  // how strongly the light tints the night
    int stars;
};
constexpr Region kRegions[8] = {
    {{0.35, 0.75, 0.35}, 0.45, 60},  {{1.00, 0.70, 0.30}, 0.50, 40},  {{0.70, 0.88, 1.00}, 0.45, 120},
    {{1.00, 0.42, 0.12}, 0.55, 20},  {{0.25, 0.85, 0.80}, 0.45, 70},  {{0.80, 0.80, 0.95}, 0.35, 140},
    {{0.75, 0.35, 0.90}, 0.45, 160}, {{1.00, 0.90, 0.60}, 0.40, 90},
};

// Washes the picture with a region's light: strong at the horizon, fading upwards.
void paintRegionLight(cairo_t* cr, const Region& region) {
    pictures::Pattern wash(cairo_pattern_create_linear(0, 0, 0, kHeight));
    pictures::addStop(wash.get(), 0.0, region.light, 0.0);
    pictures::addStop(wash.get(), 0.55, region.light, region.strength);
    pictures::addStop(wash.get(), 1.0, region.light, region.strength * 0.4);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOFT_LIGHT);
    cairo_set_source(cr, wash.get());
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

// A few soft lights of the region's colour floating over the hills.
void paintFireflies(cairo_t* cr, const Region& region, unsigned seed) {
    for (int i = 0; i < 14; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const double x = (seed >> 8) % kWidth, y = 380 + double((seed >> 4) % 300);
        pictures::paintGlow(cr, {x, y}, 10 + (seed % 14), region.light, 0.35);
    }
}

void writeJpeg(const std::filesystem::path& file, const Canvas& canvas) {
    tools::writeJpeg(file, canvas.pixels(), kQuality);
}

void paintValley(cairo_t* cr, int stars, unsigned seed) {
    pictures::paintSky(cr, kWidth, kHeight);
    pictures::paintStars(cr, kWidth, kHeight, stars, seed);
    pictures::paintHills(cr, kWidth, kHeight, 470);
}

}  // namespace

void writeBackgrounds(const std::filesystem::path& out) {
    const std::filesystem::path dir = out / "data/bg";
    for (int chapter = 1; chapter <= 8; ++chapter) {
        const Region& region = kRegions[chapter - 1];
        Canvas canvas(kWidth, kHeight);
        cairo_t* cr = canvas.cr();
        paintValley(cr, region.stars, unsigned(chapter * 31));
        paintRegionLight(cr, region);
        paintFireflies(cr, region, unsigned(chapter));
        pictures::paintVignette(cr, kWidth, kHeight, 0.7);
        writeJpeg(dir / ("bg" + std::to_string(chapter) + ".jpg"), canvas);
    }
    Canvas load(kWidth, kHeight);
    paintValley(load.cr(), 120, 5);
    pictures::paintLantern(load.cr(), {512, 300}, 220);
    pictures::paintVignette(load.cr(), kWidth, kHeight, 0.8);
    writeJpeg(dir / "loadbg.jpg", load);
    Canvas menu(kWidth, kHeight);
    paintValley(menu.cr(), 150, 9);
    pictures::paintFallingStar(menu.cr(), {300, 160}, 180);
    paintFireflies(menu.cr(), kRegions[7], 3);
    pictures::paintVignette(menu.cr(), kWidth, kHeight, 0.75);
    writeJpeg(dir / "menubg.jpg", menu);
}

}  // namespace art
