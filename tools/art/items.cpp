// Item and cell pictures drawn with cairo from the shared palette, lit from the
// top left, each with a dark outline so it reads on any background.
#include "items.h"

#include <cmath>
#include <cstdint>

#include "pictures/canvas.h"
#include "pictures/gems.h"
#include "pictures/paint.h"

namespace art {

using pictures::Canvas;
using pictures::Colour;
using pictures::Pattern;
using pictures::Point;
namespace palette = pictures::palette;

namespace {

constexpr double kMid = kItemSize / 2.0;

constexpr Colour kIron{0.30, 0.30, 0.34};
constexpr Colour kStoneLight{0.80, 0.78, 0.76};
constexpr Colour kStoneDark{0.30, 0.29, 0.31};
constexpr Colour kWoodLight{0.72, 0.46, 0.24};
constexpr Colour kWoodDark{0.36, 0.20, 0.09};
constexpr Colour kMossDark{0.10, 0.32, 0.12};
constexpr Colour kMossLight{0.52, 0.80, 0.36};

// A deterministic pseudo-random sequence, so every run draws the same pixels.
struct Scatter {
    uint32_t state;
    double next() {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / double(1u << 24);
    }
};

void outlineAndFill(cairo_t* cr, cairo_pattern_t* fill, double width) {
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    pictures::setColour(cr, palette::outline);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

// A radial fill lit from the top left of the box (cx±r, cy±r).
Pattern litBall(double cx, double cy, double r, Colour light, Colour dark) {
    Pattern p(cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.45, r * 0.1, cx, cy, r * 1.05));
    pictures::addStop(p.get(), 0.0, light);
    pictures::addStop(p.get(), 1.0, dark);
    return p;
}

void paintStoneBlock(cairo_t* cr) {
    pictures::roundedRect(cr, 3.5, 4.5, 41, 40, 7);
    Pattern body(cairo_pattern_create_linear(4, 4, 44, 44));
    pictures::addStop(body.get(), 0.0, kStoneLight);
    pictures::addStop(body.get(), 1.0, kStoneDark);
    outlineAndFill(cr, body.get(), 1.6);
    pictures::setColour(cr, palette::cream, 0.35);  // top-left bevel
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 7, 38);
    cairo_line_to(cr, 7, 9);
    cairo_line_to(cr, 38, 9);
    cairo_stroke(cr);
    pictures::setColour(cr, palette::outline, 0.85);  // cracks
    cairo_set_line_width(cr, 1.4);
    cairo_move_to(cr, 24, 5);
    cairo_line_to(cr, 21, 15);
    cairo_line_to(cr, 27, 22);
    cairo_line_to(cr, 22, 32);
    cairo_move_to(cr, 27, 22);
    cairo_line_to(cr, 38, 27);
    cairo_move_to(cr, 4, 30);
    cairo_line_to(cr, 13, 33);
    cairo_line_to(cr, 16, 43);
    cairo_stroke(cr);
}

void paintBomb(cairo_t* cr) {
    pictures::paintGlow(cr, {36, 10}, 9, palette::glow, 0.7);
    cairo_arc(cr, 22, 27, 16.5, 0, 2 * M_PI);
    Pattern body = litBall(22, 27, 16.5, {0.42, 0.40, 0.52}, {0.06, 0.05, 0.09});
    outlineAndFill(cr, body.get(), 1.6);
    pictures::roundedRect(cr, 27, 8.5, 9, 7, 1.5);  // metal cap
    Pattern cap(cairo_pattern_create_linear(27, 8, 36, 16));
    pictures::addStop(cap.get(), 0.0, {0.75, 0.75, 0.80});
    pictures::addStop(cap.get(), 1.0, kIron);
    outlineAndFill(cr, cap.get(), 1.2);
    pictures::setColour(cr, {0.82, 0.70, 0.50});  // fuse
    cairo_set_line_width(cr, 2.2);
    cairo_move_to(cr, 32, 9);
    cairo_curve_to(cr, 33, 4, 37, 4, 38, 7);
    cairo_stroke(cr);
    pictures::paintSparkle(cr, {39, 7}, 6);
    pictures::setColour(cr, palette::cream, 0.55);  // gloss
    cairo_arc(cr, 15, 20, 4, 0, 2 * M_PI);
    cairo_fill(cr);
}

void paintMushroom(cairo_t* cr) {
    pictures::roundedRect(cr, 17.5, 22, 13, 22, 5);  // stem
    Pattern stem(cairo_pattern_create_linear(17, 0, 31, 0));
    pictures::addStop(stem.get(), 0.0, palette::cream);
    pictures::addStop(stem.get(), 1.0, {0.80, 0.68, 0.52});
    outlineAndFill(cr, stem.get(), 1.4);
    cairo_move_to(cr, 3, 27);  // cap
    cairo_curve_to(cr, 3, 2, 45, 2, 45, 27);
    cairo_curve_to(cr, 36, 31, 12, 31, 3, 27);
    cairo_close_path(cr);
    Pattern cap = litBall(24, 18, 22, {1.0, 0.45, 0.40}, {0.50, 0.04, 0.06});
    outlineAndFill(cr, cap.get(), 1.6);
    const Point spots[] = {{14, 15}, {26, 10}, {35, 18}, {21, 22}, {9, 23}};
    for (const Point& s : spots) {
        pictures::paintGlow(cr, s, 7, {1.0, 0.92, 0.45}, 0.8);
        pictures::setColour(cr, {1.0, 0.97, 0.72});
        cairo_arc(cr, s.x, s.y, 2.4, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void paintDoor(cairo_t* cr) {
    cairo_move_to(cr, 6, 45);  // arched door
    cairo_line_to(cr, 6, 18);
    cairo_curve_to(cr, 6, 1, 42, 1, 42, 18);
    cairo_line_to(cr, 42, 45);
    cairo_close_path(cr);
    Pattern wood(cairo_pattern_create_linear(6, 4, 42, 45));
    pictures::addStop(wood.get(), 0.0, kWoodLight);
    pictures::addStop(wood.get(), 1.0, kWoodDark);
    cairo_set_source(cr, wood.get());
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    pictures::setColour(cr, kWoodDark, 0.8);  // planks
    cairo_set_line_width(cr, 1.2);
    for (double x : {15.0, 24.0, 33.0}) {
        cairo_move_to(cr, x, 4);
        cairo_line_to(cr, x, 45);
    }
    cairo_stroke(cr);
    for (double y : {15.0, 34.0}) {  // iron bands with rivets
        cairo_rectangle(cr, 4, y, 40, 5);
        pictures::setColour(cr, kIron);
        cairo_fill(cr);
        pictures::setColour(cr, {0.62, 0.62, 0.68});
        for (double x : {10.0, 20.0, 30.0, 39.0}) {
            cairo_arc(cr, x, y + 2.5, 1.2, 0, 2 * M_PI);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
    pictures::setColour(cr, palette::outline);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    cairo_arc(cr, 34, 27, 3, 0, 2 * M_PI);  // ring handle
    pictures::setColour(cr, palette::goldDeep);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

void paintBeetle(cairo_t* cr) {
    cairo_set_line_width(cr, 1.6);
    pictures::setColour(cr, palette::outline);
    for (int side : {-1, 1}) {  // legs
        for (double y : {20.0, 27.0, 34.0}) {
            cairo_move_to(cr, 24, y);
            cairo_line_to(cr, 24 + side * 17, y + (y - 27) * 0.6 + 2);
        }
    }
    cairo_stroke(cr);
    cairo_arc(cr, 24, 11, 6, 0, 2 * M_PI);  // head
    pictures::setColour(cr, {0.10, 0.12, 0.16});
    cairo_fill(cr);
    cairo_save(cr);  // shell
    cairo_translate(cr, 24, 28);
    cairo_scale(cr, 13, 16);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    Pattern shell = litBall(24, 28, 15, {0.40, 0.85, 0.72}, {0.04, 0.22, 0.24});
    outlineAndFill(cr, shell.get(), 1.5);
    cairo_move_to(cr, 24, 13);
    cairo_line_to(cr, 24, 44);
    cairo_stroke(cr);
}

// A round gold coin with a dark emblem; `emblem` draws the emblem's path.
template <typename Emblem>
void paintCoin(cairo_t* cr, Emblem emblem) {
    cairo_arc(cr, kMid, kMid, 19, 0, 2 * M_PI);
    Pattern gold = pictures::goldGradient(0, 5, 0, 43);
    outlineAndFill(cr, gold.get(), 1.6);
    cairo_arc(cr, kMid, kMid, 14.5, 0, 2 * M_PI);
    pictures::setColour(cr, palette::goldShadow, 0.7);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    pictures::setColour(cr, palette::goldShadow);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    emblem(cr);
}

void paintPowerUpItem(cairo_t* cr, int kind) {
    paintCoin(cr, [kind](cairo_t* c) {
        if (kind == 1) {  // a line across
            cairo_move_to(c, 13, 24);
            cairo_line_to(c, 35, 24);
            cairo_stroke(c);
        } else if (kind == 2) {  // one of each: a ring of dots
            for (int i = 0; i < 6; ++i) {
                cairo_arc(c, 24 + 8 * std::cos(i * M_PI / 3), 24 + 8 * std::sin(i * M_PI / 3), 2, 0, 2 * M_PI);
                cairo_fill(c);
            }
        } else if (kind == 3) {  // a small bomb
            cairo_arc(c, 23, 26, 7, 0, 2 * M_PI);
            cairo_fill(c);
            cairo_move_to(c, 27, 20);
            cairo_line_to(c, 31, 15);
            cairo_stroke(c);
        } else {  // everything turning: a swirl
            cairo_arc(c, 24, 24, 8, 0.3, 1.7 * M_PI);
            cairo_stroke(c);
        }
    });
}

// Types that no rule places: a plain pale crystal orb.
void paintSpare(cairo_t* cr) {
    pictures::paintGlow(cr, {kMid, kMid}, 20, palette::glow, 0.35);
    cairo_arc(cr, kMid, kMid, 11, 0, 2 * M_PI);
    Pattern orb = litBall(kMid, kMid, 11, palette::glowCore, palette::goldDeep);
    outlineAndFill(cr, orb.get(), 1.4);
}

tools::RgbaImage drawn(int size, void (*paint)(cairo_t*)) {
    Canvas canvas(size, size);
    paint(canvas.cr());
    return canvas.pixels();
}

}  // namespace

tools::RgbaImage itemPicture(int type) {
    Canvas canvas(kItemSize, kItemSize);
    cairo_t* cr = canvas.cr();
    if (type >= 1 && type <= 5) {
        pictures::paintGem(cr, pictures::Gem(type), {kMid, kMid - 1}, 20.5);
    } else if (type == 6) {
        paintBeetle(cr);
    } else if (type == 7) {
        paintStoneBlock(cr);
    } else if (type == 10) {
        paintBomb(cr);
    } else if (type == 12) {
        paintMushroom(cr);
    } else if (type >= 13 && type <= 16) {
        paintPowerUpItem(cr, type - 12);
    } else if (type == 18) {
        paintDoor(cr);
    } else {
        paintSpare(cr);
    }
    return canvas.pixels();
}

tools::RgbaImage mossPicture() {
    return drawn(kItemSize, [](cairo_t* cr) {
        Pattern base(cairo_pattern_create_linear(0, 0, kItemSize, kItemSize));
        pictures::addStop(base.get(), 0.0, pictures::mix(kMossLight, kMossDark, 0.35));
        pictures::addStop(base.get(), 1.0, kMossDark);
        cairo_rectangle(cr, 0, 0, kItemSize, kItemSize);
        cairo_set_source(cr, base.get());
        cairo_fill(cr);
        Scatter scatter{7u};
        for (int i = 0; i < 90; ++i) {  // tufts, lighter towards the top left
            const double x = scatter.next() * kItemSize, y = scatter.next() * kItemSize;
            const double light = 1.0 - (x + y) / (2.0 * kItemSize);
            pictures::setColour(cr, pictures::mix(kMossDark, kMossLight, 0.3 + 0.7 * light * scatter.next()), 0.8);
            cairo_arc(cr, x, y, 1.2 + 2.2 * scatter.next(), 0, 2 * M_PI);
            cairo_fill(cr);
        }
        pictures::setColour(cr, kMossDark, 0.7);  // keeps the raster readable under the moss
        cairo_set_line_width(cr, 1);
        cairo_rectangle(cr, 0.5, 0.5, kItemSize - 1, kItemSize - 1);
        cairo_stroke(cr);
    });
}

tools::RgbaImage cellHighlight() {
    return drawn(kItemSize, [](cairo_t* cr) {
        Pattern light(cairo_pattern_create_radial(kMid, kMid, 4, kMid, kMid, 30));
        pictures::addStop(light.get(), 0.0, palette::glowCore, 0.55);
        pictures::addStop(light.get(), 1.0, palette::glow, 0.10);
        pictures::roundedRect(cr, 1, 1, kItemSize - 2, kItemSize - 2, 6);
        cairo_set_source(cr, light.get());
        cairo_fill(cr);
    });
}

tools::RgbaImage cellMarker() {
    return drawn(kItemSize, [](cairo_t* cr) {
        pictures::roundedRect(cr, 2, 2, kItemSize - 4, kItemSize - 4, 7);
        pictures::setColour(cr, palette::glowCore, 0.25);
        cairo_fill_preserve(cr);
        pictures::setColour(cr, palette::goldLight, 0.9);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    });
}

tools::RgbaImage cellMask() {
    return drawn(kItemSize, [](cairo_t* cr) {
        cairo_rectangle(cr, 0, 0, kItemSize, kItemSize);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_fill(cr);
    });
}

tools::RgbaImage arrowPicture(int direction) {
    static constexpr double kTurn[5] = {0, 0, M_PI, M_PI / 2, -M_PI / 2};  // right, left, down, up
    Canvas canvas(kArrowSize, kArrowSize);
    cairo_t* cr = canvas.cr();
    cairo_translate(cr, kArrowSize / 2.0, kArrowSize / 2.0);
    cairo_rotate(cr, kTurn[direction]);
    pictures::polygon(cr, {{12, 0}, {1, -10}, {1, -4.5}, {-11, -4.5}, {-11, 4.5}, {1, 4.5}, {1, 10}});
    Pattern gold = pictures::goldGradient(0, -10, 0, 10);
    outlineAndFill(cr, gold.get(), 1.8);
    return canvas.pixels();
}

}  // namespace art
