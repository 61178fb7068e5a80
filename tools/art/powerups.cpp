// Power-up buttons (backing disc, emblem ready and disabled, padlock) for the four
// kinds, and the long screen bars: load bar and its fill, menu borders, the menu
// button of the match-3 screen and the score and new-player bars.
#include <cmath>
#include <string>
#include <utility>

#include "pictures/canvas.h"
#include "pictures/gems.h"
#include "pictures/paint.h"
#include "sets.h"

namespace art {

using pictures::Canvas;
using pictures::Colour;
using pictures::Pattern;
using pictures::Point;
namespace palette = pictures::palette;

namespace {

constexpr int kButton = 96;  // power-up pictures, centred on the button
constexpr double kMid = kButton / 2.0;

enum class Kind { RemoveLine, RemoveSameItems, ReplaceAllItems, ThrowExplosive };

void paintBomb(cairo_t* cr, Point at, double r) {
    pictures::paintBall(cr, at, r, {0.45, 0.43, 0.55}, {0.05, 0.04, 0.08});
    pictures::paintSparkle(cr, {at.x + r * 0.8, at.y - r * 1.0}, r * 0.5);
}

void paintEmblem(cairo_t* cr, Kind kind) {
    switch (kind) {
        case Kind::RemoveLine:  // three gems in a row with a beam through them
            pictures::paintGlow(cr, {kMid, kMid}, 40, palette::glow, 0.35);
            for (int i = -1; i <= 1; ++i) pictures::paintGem(cr, pictures::Gem::Sapphire, {kMid + 22.0 * i, kMid}, 11);
            break;
        case Kind::RemoveSameItems:  // a ring of rubies around a glow
            pictures::paintGlow(cr, {kMid, kMid}, 30, palette::ruby.light, 0.5);
            for (int i = 0; i < 6; ++i)
                pictures::paintGem(cr, pictures::Gem::Ruby,
                                   {kMid + 22 * std::cos(i * M_PI / 3), kMid + 22 * std::sin(i * M_PI / 3)}, 8);
            break;
        case Kind::ReplaceAllItems:  // the heart gem: every colour at once
            pictures::paintGlow(cr, {kMid, kMid}, 40, palette::glowCore, 0.4);
            pictures::paintHeartGem(cr, {kMid, kMid}, 24);
            break;
        case Kind::ThrowExplosive:
            pictures::paintGlow(cr, {kMid, kMid}, 40, palette::glow, 0.45);
            paintBomb(cr, {kMid - 2, kMid + 4}, 20);
            break;
    }
}

tools::RgbaImage backing() {
    Canvas canvas(kButton, kButton);
    cairo_t* cr = canvas.cr();
    cairo_arc(cr, kMid, kMid, kMid - 4, 0, 2 * M_PI);
    pictures::setColour(cr, palette::panel, 0.85);
    cairo_fill_preserve(cr);
    Pattern gold = pictures::goldGradient(0, 4, 0, kButton - 4);
    cairo_set_source(cr, gold.get());
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
    return canvas.pixels();
}

tools::RgbaImage emblem(Kind kind, bool ready) {
    Canvas canvas(kButton, kButton);
    paintEmblem(canvas.cr(), kind);
    tools::RgbaImage image = canvas.pixels();
    if (!ready) {  // disabled: grey and dimmed
        for (size_t i = 0; i < image.pixels.size(); i += 4) {
            const int grey = (image.pixels[i] * 3 + image.pixels[i + 1] * 5 + image.pixels[i + 2] * 2) / 10;
            image.pixels[i] = image.pixels[i + 1] = image.pixels[i + 2] = uint8_t(grey * 0.7);
            image.pixels[i + 3] = uint8_t(image.pixels[i + 3] * 0.8);
        }
    }
    return image;
}

tools::RgbaImage padlock() {
    Canvas canvas(kButton, kButton);
    cairo_t* cr = canvas.cr();
    cairo_arc(cr, kMid, kMid - 6, 13, M_PI, 2 * M_PI);  // shackle
    cairo_line_to(cr, kMid + 13, kMid + 4);
    cairo_move_to(cr, kMid - 13, kMid + 4);
    cairo_line_to(cr, kMid - 13, kMid - 6);
    pictures::setColour(cr, {0.70, 0.70, 0.76});
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    pictures::roundedRect(cr, kMid - 21, kMid, 42, 32, 6);  // body
    Pattern gold = pictures::goldGradient(0, kMid, 0, kMid + 32);
    cairo_set_source(cr, gold.get());
    cairo_fill_preserve(cr);
    pictures::setColour(cr, palette::outline);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    cairo_arc(cr, kMid, kMid + 14, 4, 0, 2 * M_PI);
    cairo_fill(cr);
    return canvas.pixels();
}

// A bar: a glass band with gold rails along `railTop` and `railBottom`.
tools::RgbaImage screenBar(int width, int height, bool railTop, bool railBottom, Colour body, double alpha) {
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    cairo_rectangle(cr, 0, 0, width, height);
    Pattern fill(cairo_pattern_create_linear(0, 0, 0, height));
    pictures::addStop(fill.get(), 0.0, pictures::mix(body, palette::cream, 0.25), alpha);
    pictures::addStop(fill.get(), 1.0, pictures::mix(body, palette::skyTop, 0.4), alpha);
    cairo_set_source(cr, fill.get());
    cairo_fill(cr);
    Pattern gold = pictures::goldGradient(0, 0, 0, height);
    cairo_set_source(cr, gold.get());
    if (railTop) cairo_rectangle(cr, 0, 0, width, 4);
    if (railBottom) cairo_rectangle(cr, 0, height - 4, width, 4);
    cairo_fill(cr);
    return canvas.pixels();
}

// The match-3 menu button: a round glass button with three gold lines.
tools::RgbaImage menuButton(double lit) {
    Canvas canvas(48, 48);
    cairo_t* cr = canvas.cr();
    cairo_arc(cr, 24, 24, 20, 0, 2 * M_PI);
    pictures::setColour(cr, pictures::mix(palette::panel, palette::cream, lit), 0.9);
    cairo_fill_preserve(cr);
    Pattern gold = pictures::goldGradient(0, 4, 0, 44);
    cairo_set_source(cr, gold.get());
    cairo_set_line_width(cr, 2.5);
    cairo_stroke_preserve(cr);
    cairo_new_path(cr);
    for (double y : {17.0, 24.0, 31.0}) {
        cairo_move_to(cr, 15, y);
        cairo_line_to(cr, 33, y);
    }
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    return canvas.pixels();
}

}  // namespace

void writePowerUpAndBarPictures(const std::filesystem::path& out) {
    const std::pair<const char*, Kind> kinds[] = {{"removeline", Kind::RemoveLine},
                                                  {"removesameitems", Kind::RemoveSameItems},
                                                  {"replaceallitems", Kind::ReplaceAllItems},
                                                  {"throwexplosive", Kind::ThrowExplosive}};
    for (const auto& [folder, kind] : kinds) {
        const std::filesystem::path dir = out / "data/powerups" / folder;
        tools::writePng(dir / "background.png", backing());
        tools::writePng(dir / "ready.png", emblem(kind, true));
        tools::writePng(dir / "disabled.png", emblem(kind, false));
        tools::writePng(dir / "lock.png", padlock());
    }
    const std::filesystem::path ui = out / "data/ui";
    tools::writePng(ui / "loadbar.png", screenBar(1024, 44, true, false, palette::panel, 0.9));
    tools::writePng(ui / "loadfill.png", screenBar(1024, 44, true, false, palette::goldDeep, 0.9));
    tools::writePng(ui / "menuborderup.png", screenBar(1024, 48, false, true, palette::panel, 0.85));
    tools::writePng(ui / "menuborderdown.png", screenBar(1024, 64, true, false, palette::panel, 0.85));
    tools::writePng(ui / "scoresbar.png", screenBar(560, 32, true, true, palette::goldDeep, 0.5));
    tools::writePng(ui / "createplayer.png", screenBar(260, 52, true, true, palette::panel, 0.9));
    tools::writePng(out / "data/match3/menu.png", menuButton(0.0));
    tools::writePng(out / "data/match3/menuhover.png", menuButton(0.35));
}

}  // namespace art
