// Effect pictures: spark glows in the gem colours, large soft glows, debris chips,
// bomb flare, glow star, the glow under bombs, win-screen rays, the impact
// explosion strip, the meteor's rotation strip and its five flickering tails,
// and the holo buttons' wobble strip.
#include <cmath>
#include <string>
#include <vector>

#include "pictures/canvas.h"
#include "pictures/paint.h"
#include "sets.h"

namespace art {

using pictures::Canvas;
using pictures::Colour;
using pictures::Pattern;
using pictures::Point;
namespace palette = pictures::palette;

namespace {

// Glow colours by picture number 1..9: topaz, ruby, white gold, amethyst, sapphire,
// emerald, mushroom fire, stone dust, beetle teal (the goal-bar flight picks them by item type).
constexpr Colour kGlowColours[10] = {{0, 0, 0},          palette::topaz.base,   palette::ruby.base,
                                     palette::glowCore,  palette::amethyst.base, palette::sapphire.base,
                                     palette::emerald.base, {1.0, 0.45, 0.20}, {0.85, 0.84, 0.82},
                                     {0.30, 0.85, 0.75}};

// Large burst glows by picture number 1..9: as the glows, but 2 is the moss burst, 6 the door
// break (wood) and 7 the stone break (dust).
constexpr Colour kBurstColours[10] = {{0, 0, 0},          palette::topaz.base,   {0.45, 0.85, 0.35},
                                      palette::glowCore,  palette::amethyst.base, palette::sapphire.base,
                                      {0.90, 0.60, 0.30}, {0.85, 0.84, 0.82},    {0.85, 0.84, 0.82},
                                      {0.30, 0.85, 0.75}};

// Debris chip colours by picture number 1..9: 1 and 2 moss, 6 door wood, 7 stone.
constexpr Colour kChipColours[10] = {{0, 0, 0},          {0.36, 0.58, 0.24},    {0.30, 0.62, 0.26},
                                     {0.55, 0.34, 0.16}, {0.16, 0.14, 0.20},    palette::goldMid,
                                     {0.55, 0.34, 0.16}, {0.62, 0.60, 0.60},    palette::sapphire.base,
                                     palette::amethyst.base};

// A light with a white-hot core fading out through `colour`.
void paintLight(cairo_t* cr, Point centre, double radius, Colour colour, double alpha) {
    Pattern light(cairo_pattern_create_radial(centre.x, centre.y, 0, centre.x, centre.y, radius));
    pictures::addStop(light.get(), 0.0, palette::glowCore, alpha);
    pictures::addStop(light.get(), 0.18, pictures::mix(colour, palette::glowCore, 0.4), alpha * 0.85);
    pictures::addStop(light.get(), 0.5, colour, alpha * 0.35);
    pictures::addStop(light.get(), 1.0, colour, 0.0);
    cairo_set_source(cr, light.get());
    cairo_arc(cr, centre.x, centre.y, radius, 0, 2 * M_PI);
    cairo_fill(cr);
}

tools::RgbaImage glowPicture(int size, Colour colour) {
    Canvas canvas(size, size);
    paintLight(canvas.cr(), {size / 2.0, size / 2.0}, size / 2.0, colour, 1.0);
    return canvas.pixels();
}

// A sharp-edged chip, lit on its upper left faces.
tools::RgbaImage chipPicture(int number) {
    Canvas canvas(16, 16);
    cairo_t* cr = canvas.cr();
    const Colour base = kChipColours[number];
    pictures::polygon(cr, {{3, 6}, {8, 2}, {14, 5}, {12, 12}, {5, 14}});
    pictures::setColour(cr, pictures::mix(base, palette::outline, 0.35));
    cairo_fill(cr);
    pictures::polygon(cr, {{3, 6}, {8, 2}, {9, 8}});
    pictures::setColour(cr, pictures::mix(base, palette::cream, 0.35));
    cairo_fill(cr);
    return canvas.pixels();
}

void paintStarburst(cairo_t* cr, Point centre, double radius, int points, Colour colour, double alpha) {
    for (int i = 0; i < 2 * points; ++i) {
        const double a = M_PI * i / points, r = i % 2 == 0 ? radius : radius * 0.22;
        if (i == 0) cairo_move_to(cr, centre.x + r * std::cos(a), centre.y + r * std::sin(a));
        else cairo_line_to(cr, centre.x + r * std::cos(a), centre.y + r * std::sin(a));
    }
    cairo_close_path(cr);
    Pattern fill(cairo_pattern_create_radial(centre.x, centre.y, 0, centre.x, centre.y, radius));
    pictures::addStop(fill.get(), 0.0, palette::glowCore, alpha);
    pictures::addStop(fill.get(), 1.0, colour, 0.0);
    cairo_set_source(cr, fill.get());
    cairo_fill(cr);
}

tools::RgbaImage bombFlare() {
    Canvas canvas(128, 128);
    paintLight(canvas.cr(), {64, 64}, 60, palette::glow, 0.8);
    paintStarburst(canvas.cr(), {64, 64}, 64, 8, palette::glow, 1.0);
    return canvas.pixels();
}

tools::RgbaImage glowStar() {
    Canvas canvas(64, 64);
    paintLight(canvas.cr(), {32, 32}, 24, palette::glow, 0.6);
    pictures::paintSparkle(canvas.cr(), {32, 32}, 30);
    return canvas.pixels();
}

tools::RgbaImage rays() {
    Canvas canvas(512, 512);
    cairo_t* cr = canvas.cr();
    for (int i = 0; i < 18; ++i) {
        const double a = 2 * M_PI * i / 18, half = M_PI / 18 * 0.5;
        cairo_move_to(cr, 256, 256);
        cairo_line_to(cr, 256 + 256 * std::cos(a - half), 256 + 256 * std::sin(a - half));
        cairo_line_to(cr, 256 + 256 * std::cos(a + half), 256 + 256 * std::sin(a + half));
        cairo_close_path(cr);
    }
    Pattern fade(cairo_pattern_create_radial(256, 256, 0, 256, 256, 256));
    pictures::addStop(fade.get(), 0.0, palette::glowCore, 0.8);
    pictures::addStop(fade.get(), 1.0, palette::glow, 0.0);
    cairo_set_source(cr, fade.get());
    cairo_fill(cr);
    return canvas.pixels();
}

// Frames of `count` cells of w x h, eight to a row, as the strip loader cuts them.
template <typename PaintFrame>
tools::RgbaImage strip(int count, int w, int h, int perRow, PaintFrame paintFrame) {
    const int rows = (count + perRow - 1) / perRow;
    Canvas canvas(w * std::min(count, perRow), h * rows);
    for (int f = 0; f < count; ++f) {
        cairo_t* cr = canvas.cr();
        cairo_save(cr);
        cairo_rectangle(cr, f % perRow * w, f / perRow * h, w, h);
        cairo_clip(cr);
        cairo_translate(cr, f % perRow * w, f / perRow * h);
        paintFrame(cr, f);
        cairo_restore(cr);
    }
    return canvas.pixels();
}

// Impact: a white flash swelling into a fireball that cools to a ring of smoke.
void paintImpactFrame(cairo_t* cr, int frame) {
    const double t = frame / 15.0;
    const Colour fire = pictures::mix(palette::glow, {0.55, 0.20, 0.10}, t);
    paintLight(cr, {64, 64}, 20 + 44 * std::sqrt(t), fire, 1.0 - t * 0.9);
    cairo_arc(cr, 64, 64, 18 + 42 * t, 0, 2 * M_PI);
    pictures::setColour(cr, pictures::mix(palette::glowCore, {0.30, 0.25, 0.28}, t), 0.7 * (1 - t));
    cairo_set_line_width(cr, 6 * (1 - t) + 1);
    cairo_stroke(cr);
}

// The meteor: a dark lumpy rock with glowing cracks, turned 22.5 degrees per frame.
void paintMeteorFrame(cairo_t* cr, int frame) {
    paintLight(cr, {25, 28}, 24, palette::glow, 0.5);
    cairo_translate(cr, 25, 28);
    cairo_rotate(cr, frame * M_PI / 8);
    std::vector<Point> rock;
    for (int i = 0; i < 11; ++i) {
        const double a = 2 * M_PI * i / 11, r = 15 + 3 * std::sin(i * 2.3);
        rock.push_back({r * std::cos(a), r * std::sin(a)});
    }
    pictures::polygon(cr, rock);
    Pattern body(cairo_pattern_create_radial(-5, -6, 1, 0, 0, 18));
    pictures::addStop(body.get(), 0.0, {0.55, 0.42, 0.38});
    pictures::addStop(body.get(), 1.0, {0.14, 0.09, 0.10});
    cairo_set_source(cr, body.get());
    cairo_fill_preserve(cr);
    pictures::setColour(cr, palette::outline);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    pictures::setColour(cr, palette::glow, 0.9);
    cairo_move_to(cr, -8, -3);
    cairo_line_to(cr, 0, 2);
    cairo_line_to(cr, 7, -4);
    cairo_move_to(cr, 0, 2);
    cairo_line_to(cr, 2, 10);
    cairo_stroke(cr);
}

// A meteor tail: a flame streak whose head sits at the right edge; `flicker` varies it.
tools::RgbaImage tailPicture(int flicker) {
    Canvas canvas(240, 64);
    cairo_t* cr = canvas.cr();
    const double wave = 4 * std::sin(flicker * 1.3);
    cairo_move_to(cr, 240, 32);
    cairo_curve_to(cr, 170, 6 + wave, 60, 22 - wave, 0, 30);
    cairo_curve_to(cr, 60, 42 + wave, 170, 58 - wave, 240, 32);
    Pattern flame(cairo_pattern_create_linear(240, 0, 0, 0));
    pictures::addStop(flame.get(), 0.0, palette::glowCore, 0.95);
    pictures::addStop(flame.get(), 0.25, palette::glow, 0.8);
    pictures::addStop(flame.get(), 1.0, {0.55, 0.15, 0.25}, 0.0);
    cairo_set_source(cr, flame.get());
    cairo_fill(cr);
    paintLight(cr, {214, 32}, 26 + flicker, palette::glow, 0.9);
    return canvas.pixels();
}

// Holo wobble: a ring of light that breathes once over the 32 frames.
void paintWobbleFrame(cairo_t* cr, int frame) {
    const double phase = 2 * M_PI * frame / 32;
    const Colour holo{0.55, 0.90, 1.00};
    paintLight(cr, {64, 64}, 58, holo, 0.25 + 0.1 * std::sin(phase));
    cairo_save(cr);
    cairo_translate(cr, 64, 64);
    cairo_scale(cr, 1 + 0.06 * std::sin(phase), 1 - 0.06 * std::sin(phase));
    cairo_arc(cr, 0, 0, 46, 0, 2 * M_PI);
    cairo_restore(cr);
    pictures::setColour(cr, holo, 0.75);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

}  // namespace

void writeEffectPictures(const std::filesystem::path& out) {
    const std::filesystem::path dir = out / "data/effects";
    for (int n = 1; n <= 9; ++n) {
        tools::writePng(dir / ("glb" + std::to_string(n) + ".png"), glowPicture(32, kGlowColours[n]));
        tools::writePng(dir / ("glo" + std::to_string(n) + ".png"), glowPicture(64, kBurstColours[n]));
        tools::writePng(dir / ("dirt" + std::to_string(n) + ".png"), chipPicture(n));
    }
    for (int n = 1; n <= 5; ++n) tools::writePng(dir / ("asts" + std::to_string(n) + ".png"), tailPicture(n));
    tools::writePng(dir / "bombflare.png", bombFlare());
    tools::writePng(dir / "glowstar.png", glowStar());
    tools::writePng(dir / "logoglow.png", glowPicture(256, palette::glow));
    tools::writePng(dir / "rays2.png", rays());
    tools::writePng(dir / "impact.png", strip(16, 128, 128, 8, paintImpactFrame));
    tools::writePng(dir / "holowobbel.png", strip(32, 128, 128, 8, paintWobbleFrame));
    tools::writePng(out / "data/match3/ast.png", strip(16, 50, 56, 16, paintMeteorFrame));
}

}  // namespace art
