// The intro pages: the studio page with the lantern emblem, and the title page
// with the game's name over the night valley. Both are 1024x768 JPEGs.
#include <cmath>

#include "generators.h"
#include "emblem.h"
#include "gems.h"
#include "scenery.h"

namespace pictures {

namespace {

constexpr int pageWidth = 1024;
constexpr int pageHeight = 768;
constexpr int jpegQuality = 90;

// A short gold rule with a small diamond at its inner end, beside a line of text.
void paintFlourish(cairo_t* cr, double from, double to, double y) {
    const double dir = to > from ? 1.0 : -1.0;
    Pattern fade(cairo_pattern_create_linear(from, y, to, y));
    addStop(fade.get(), 0.0, palette::goldMid, 0.0);
    addStop(fade.get(), 1.0, palette::goldMid, 0.9);
    cairo_set_source(cr, fade.get());
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, from, y);
    cairo_line_to(cr, to, y);
    cairo_stroke(cr);
    const double d = to + dir * 6;
    polygon(cr, {{d - 5, y}, {d, y - 4}, {d + 5, y}, {d, y + 4}});
    setColour(cr, palette::goldLight);
    cairo_fill(cr);
}

void paintStudioPage(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    paintSky(cr, pageWidth, pageHeight);
    paintStars(cr, pageWidth, pageHeight, 110, 7);
    paintVignette(cr, pageWidth, pageHeight, 0.75);
    paintLantern(cr, {512, 290}, 250);

    const Font name{"DejaVu Serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD, 64};
    paintGoldTitle(canvas, name, "The Pendrel Team", {512, 530}, 5);
    const Font presents{"DejaVu Serif", CAIRO_FONT_SLANT_ITALIC, CAIRO_FONT_WEIGHT_NORMAL, 30};
    paintText(canvas, presents, "presents", {512, 590}, palette::cream);
    paintFlourish(cr, 320, 425, 580);
    paintFlourish(cr, 704, 599, 580);
}

void paintGemRow(cairo_t* cr) {
    static constexpr Gem order[] = {Gem::Emerald, Gem::Sapphire, Gem::Ruby, Gem::Topaz,
                                    Gem::Amethyst};
    for (int k = -2; k <= 2; ++k) {
        const Point at{512.0 + k * 128, 604.0 - k * k * 10};
        paintGlow(cr, at, 95, palette::glow, 0.3);
        paintGem(cr, order[k + 2], at, k == 0 ? 52 : 45);
    }
}

void paintTitlePage(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    paintSky(cr, pageWidth, pageHeight);
    paintStars(cr, pageWidth, pageHeight, 170, 11);
    paintFallingStar(cr, {742, 168}, 190);
    paintGlow(cr, {512, 300}, 460, palette::glow, 0.45);
    paintHills(cr, pageWidth, pageHeight, 520);
    paintVignette(cr, pageWidth, pageHeight, 0.6);

    const Font title{"DejaVu Serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD, 160};
    paintGoldTitle(canvas, title, "Pendrel", {512, 330}, 10);
    for (const Point& glint : {Point{196, 222}, Point{604, 196}, Point{842, 292}}) {
        paintSparkle(cr, glint, 15);
    }
    paintGlassPanel(cr, 232, 378, 560, 64, 32);
    const Font subtitle{"DejaVu Serif", CAIRO_FONT_SLANT_ITALIC, CAIRO_FONT_WEIGHT_NORMAL, 32};
    paintText(canvas, subtitle, "The Lantern of Many Gems", {512, 421}, palette::goldLight);
    paintGemRow(cr);
}

}  // namespace

void writeBranding(const std::filesystem::path& out) {
    Canvas studio(pageWidth, pageHeight);
    paintStudioPage(studio);
    tools::writeJpeg(out / "data/branding/studio.jpg", studio.pixels(), jpegQuality);
    Canvas title(pageWidth, pageHeight);
    paintTitlePage(title);
    tools::writeJpeg(out / "data/branding/title.jpg", title.pixels(), jpegQuality);
}

}  // namespace pictures
