// The match-3 screen's own interface pictures: the top bar behind the header
// texts and goal counters, the bottom bar, the start sign and the chapter
// victory picture. Only the sign and the victory picture carry words.
#include <cmath>

#include "pictures/canvas.h"
#include "pictures/gems.h"
#include "pictures/paint.h"
#include "sets.h"

namespace art {

using pictures::Canvas;
using pictures::Pattern;
namespace palette = pictures::palette;

namespace {

const pictures::Font kSignFont{"DejaVu Serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD, 64};
const pictures::Font kVictoryFont{"DejaVu Serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD, 54};
const pictures::Font kLineFont{"DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD, 22};

// A gold rail along y0..y1 across the whole width, with a dark outline.
void paintRail(cairo_t* cr, double width, double y0, double y1) {
    cairo_rectangle(cr, -2, y0 + 0.5, width + 4, y1 - y0 - 1);
    Pattern gold = pictures::goldGradient(0, y0, 0, y1);
    cairo_set_source(cr, gold.get());
    cairo_fill_preserve(cr);
    pictures::setColour(cr, palette::outline);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

// Top bar, drawn centred at (512, 44): a glass band for the header texts with a
// deeper plaque in the middle behind the goal counters (x 387..637, y 0..56).
tools::RgbaImage topBar() {
    Canvas canvas(1024, 88);
    cairo_t* cr = canvas.cr();
    pictures::paintGlassPanel(cr, -24, -24, 1072, 58, 14);
    pictures::paintGlassPanel(cr, 372, -24, 280, 82, 18);
    return canvas.pixels();
}

// Bottom bar, drawn centred at (512, 758): a gold rail along the bottom edge.
tools::RgbaImage bottomBar() {
    Canvas canvas(1024, 24);
    cairo_t* cr = canvas.cr();
    cairo_rectangle(cr, 0, 10, 1024, 14);
    pictures::setColour(cr, palette::panel, 0.85);
    cairo_fill(cr);
    paintRail(cr, 1024, 2, 12);
    return canvas.pixels();
}

tools::RgbaImage startSign() {
    Canvas canvas(460, 150);
    pictures::paintGlassPanel(canvas.cr(), 14, 14, 432, 122, 30);
    pictures::paintGoldTitle(canvas, kSignFont, "Let's go!", {230, 98}, 4);
    return canvas.pixels();
}

void paintRays(cairo_t* cr, double cx, double cy, double length, int count) {
    for (int i = 0; i < count; ++i) {
        const double a = 2 * M_PI * i / count, half = M_PI / count * 0.45;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + length * std::cos(a - half), cy + length * std::sin(a - half));
        cairo_line_to(cr, cx + length * std::cos(a + half), cy + length * std::sin(a + half));
        cairo_close_path(cr);
    }
    Pattern fade(cairo_pattern_create_radial(cx, cy, 0, cx, cy, length));
    pictures::addStop(fade.get(), 0.0, palette::glowCore, 0.55);
    pictures::addStop(fade.get(), 1.0, palette::glow, 0.0);
    cairo_set_source(cr, fade.get());
    cairo_fill(cr);
}

// Chapter victory picture, drawn centred on the screen by the win screen.
tools::RgbaImage victoryPicture() {
    Canvas canvas(640, 400);
    cairo_t* cr = canvas.cr();
    paintRays(cr, 320, 150, 300, 24);
    pictures::paintGlow(cr, {320, 150}, 150, palette::glow, 0.6);
    pictures::paintHeartGem(cr, {320, 150}, 70);
    pictures::paintSparkle(cr, {262, 98}, 16);
    pictures::paintSparkle(cr, {384, 194}, 11);
    pictures::paintGlassPanel(cr, 60, 246, 520, 130, 26);
    pictures::paintGoldTitle(canvas, kVictoryFont, "Chapter complete!", {320, 316}, 3);
    pictures::paintText(canvas, kLineFont, "The Lantern glows a little brighter", {320, 354}, palette::cream);
    return canvas.pixels();
}

}  // namespace

void writeMatch3Interface(const std::filesystem::path& out) {
    tools::writePng(out / "data/match3/m3uiup.png", topBar());
    tools::writePng(out / "data/match3/m3uilongbar.png", bottomBar());
    tools::writePng(out / "data/match3/victory.png", victoryPicture());
    tools::writePng(out / "data/texts/gameon.png", startSign());
}

}  // namespace art
