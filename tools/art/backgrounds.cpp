// Full-screen backgrounds: one per chapter region, its scene calmed where the
// board lies, plus the load screen and main menu scenes. All 1024x768 JPEGs
// without words.
#include <string>

#include "pictures/canvas.h"
#include "pictures/emblem.h"
#include "pictures/scenery.h"
#include "regions.h"
#include "sets.h"

namespace art {

using pictures::Canvas;

namespace {

constexpr int kWidth = 1024, kHeight = 768, kQuality = 88;

// Calms the area where the board lies (960x620 at (32, 74)) with a soft dark veil,
// so the scene stays a backdrop and the gems read against it.
void paintBoardVeil(Canvas& canvas) {
    Canvas veil(kWidth, kHeight);
    pictures::roundedRect(veil.cr(), 40, 82, 944, 604, 40);
    cairo_set_source_rgba(veil.cr(), 0.02, 0.01, 0.05, 1.0);
    cairo_fill(veil.cr());
    veil.blur(24);
    cairo_set_source_surface(canvas.cr(), veil.surface(), 0, 0);
    cairo_paint_with_alpha(canvas.cr(), 0.38);
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
    for (int chapter = 1; chapter <= kChapters; ++chapter) {
        Canvas canvas(kWidth, kHeight);
        paintRegionScene(canvas, chapter);
        paintBoardVeil(canvas);
        pictures::paintVignette(canvas.cr(), kWidth, kHeight, 0.6);
        writeJpeg(dir / ("bg" + std::to_string(chapter) + ".jpg"), canvas);
    }
    Canvas load(kWidth, kHeight);
    paintValley(load.cr(), 120, 5);
    pictures::paintLantern(load.cr(), {512, 300}, 220);
    pictures::paintVignette(load.cr(), kWidth, kHeight, 0.8);
    writeJpeg(dir / "loadbg.jpg", load);
    Canvas menu(kWidth, kHeight);
    paintValleyPanorama(menu);
    pictures::paintVignette(menu.cr(), kWidth, kHeight, 0.6);
    writeJpeg(dir / "menubg.jpg", menu);
}

}  // namespace art
