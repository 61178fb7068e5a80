// The region scenes: sky, distant land and a few near shapes per chapter, all from
// fixed formulas and fixed seeds. Shapes stay large and soft so that the pictures
// can sit behind a board without competing with the gems.
#include "regions.h"

#include <cmath>
#include <vector>

#include "pictures/emblem.h"
#include "pictures/gems.h"
#include "pictures/paint.h"
#include "pictures/scenery.h"

namespace art {

using pictures::Colour;
using pictures::mix;
using pictures::Pattern;
using pictures::Point;
using pictures::Scatter;
namespace palette = pictures::palette;

namespace {

constexpr Colour kGrounds[kChapters] = {
    {0.20, 0.42, 0.20},  // Whispering Woods
    {0.78, 0.58, 0.30},  // Sunstone Dunes
    {0.78, 0.88, 0.96},  // Frostglass Peaks
    {0.30, 0.14, 0.10},  // Ember Hollow
    {0.16, 0.58, 0.60},  // Tidepearl Coast
    {0.56, 0.60, 0.72},  // Skyreach Cliffs
    {0.08, 0.14, 0.30},  // Nightbloom Gardens
    {0.42, 0.18, 0.46},  // The Lantern's Heart
};

struct Size {
    double w, h;
};

void paintSkyBand(cairo_t* cr, Size s, double bottom, Colour top, Colour low) {
    Pattern sky(cairo_pattern_create_linear(0, 0, 0, bottom));
    pictures::addStop(sky.get(), 0.0, top);
    pictures::addStop(sky.get(), 1.0, low);
    cairo_set_source(cr, sky.get());
    cairo_rectangle(cr, 0, 0, s.w, s.h);
    cairo_fill(cr);
}

// Soft beams of light falling from the top left.
void paintRays(cairo_t* cr, Size s, Colour colour, double alpha) {
    for (int i = 0; i < 5; ++i) {
        const double x = s.w * (0.05 + 0.13 * i), spread = 40 + 18 * i;
        pictures::polygon(cr, {{x, -10}, {x + spread, -10}, {x + spread * 3 + s.h * 0.5, s.h}, {x + s.h * 0.5, s.h}});
    }
    Pattern fade(cairo_pattern_create_linear(0, 0, s.w * 0.4, s.h));
    pictures::addStop(fade.get(), 0.0, colour, alpha);
    pictures::addStop(fade.get(), 1.0, colour, 0.0);
    cairo_set_source(cr, fade.get());
    cairo_fill(cr);
}

void paintConifer(cairo_t* cr, double x, double base, double height, Colour colour) {
    const double w = height * 0.34;
    for (int tier = 0; tier < 3; ++tier) {
        const double top = base - height + tier * height * 0.24, bottom = base - height * 0.1 * (2 - tier);
        const double half = w * (0.55 + 0.22 * tier);
        pictures::polygon(cr, {{x, top}, {x + half, bottom}, {x - half, bottom}});
    }
    cairo_rectangle(cr, x - w * 0.07, base - height * 0.12, w * 0.14, height * 0.14);
    pictures::setColour(cr, colour);
    cairo_fill(cr);
}

// A row of conifers standing on the ridge of a range of hills.
void paintTreeLine(cairo_t* cr, Size s, double base, double amplitude, double phase, double height, Colour colour,
                   unsigned seed) {
    pictures::paintRange(cr, s.w, s.h, base, amplitude, phase, colour);
    Scatter scatter(seed);
    for (double x = -20; x < s.w + 20; x += height * scatter.between(0.22, 0.45)) {
        paintConifer(cr, x, pictures::ridge(x, base, amplitude, phase) + height * 0.12,
                     height * scatter.between(0.7, 1.15), colour);
    }
}

void paintMist(cairo_t* cr, Size s, double y, double depth, Colour colour, double alpha) {
    Pattern mist(cairo_pattern_create_linear(0, y - depth, 0, y + depth));
    pictures::addStop(mist.get(), 0.0, colour, 0.0);
    pictures::addStop(mist.get(), 0.5, colour, alpha);
    pictures::addStop(mist.get(), 1.0, colour, 0.0);
    cairo_set_source(cr, mist.get());
    cairo_rectangle(cr, 0, y - depth, s.w, 2 * depth);
    cairo_fill(cr);
}

void paintWoods(cairo_t* cr, Size s) {
    paintSkyBand(cr, s, s.h * 0.6, {0.42, 0.62, 0.70}, {0.98, 0.90, 0.66});
    pictures::paintGlow(cr, {s.w * 0.22, s.h * 0.26}, 320, palette::glowCore, 0.6);
    paintTreeLine(cr, s, s.h * 0.50, 40, 0.7, 90, {0.45, 0.60, 0.52}, 11);
    paintMist(cr, s, s.h * 0.58, 60, {0.95, 0.95, 0.85}, 0.45);
    paintTreeLine(cr, s, s.h * 0.64, 50, 2.4, 140, {0.20, 0.40, 0.28}, 12);
    paintMist(cr, s, s.h * 0.74, 50, {0.90, 0.95, 0.80}, 0.25);
    paintTreeLine(cr, s, s.h * 0.82, 40, 4.1, 210, {0.07, 0.18, 0.10}, 13);
    paintRays(cr, s, palette::glowCore, 0.22);
}

// Broken columns and an arch on the skyline.
void paintRuins(cairo_t* cr, double x, double base, double scale, Colour colour) {
    const double heights[] = {1.0, 0.7, 0.95, 0.45};
    for (int i = 0; i < 4; ++i) {
        const double cx = x + i * 34 * scale, h = 120 * scale * heights[i];
        cairo_rectangle(cr, cx, base - h, 16 * scale, h);
        cairo_rectangle(cr, cx - 4 * scale, base - h - 6 * scale, 24 * scale, 7 * scale);
    }
    const double ax = x + 170 * scale, r = 38 * scale;
    cairo_move_to(cr, ax - r - 14 * scale, base);
    cairo_line_to(cr, ax - r - 14 * scale, base - 90 * scale);
    cairo_line_to(cr, ax + r + 14 * scale, base - 90 * scale);
    cairo_line_to(cr, ax + r + 14 * scale, base);
    cairo_line_to(cr, ax + r, base);
    cairo_arc_negative(cr, ax, base - 44 * scale, r, 0, M_PI);
    cairo_line_to(cr, ax - r, base);
    cairo_close_path(cr);
    pictures::setColour(cr, colour);
    cairo_fill(cr);
}

void paintDunes(cairo_t* cr, Size s) {
    paintSkyBand(cr, s, s.h * 0.6, {0.32, 0.46, 0.74}, {1.00, 0.78, 0.50});
    pictures::paintGlow(cr, {s.w * 0.72, s.h * 0.44}, 260, {1.0, 0.85, 0.5}, 0.8);
    cairo_arc(cr, s.w * 0.72, s.h * 0.44, 46, 0, 2 * M_PI);
    pictures::setColour(cr, {1.0, 0.95, 0.75});
    cairo_fill(cr);
    paintRuins(cr, s.w * 0.12, s.h * 0.56, 1.0, {0.62, 0.40, 0.30});
    pictures::paintRange(cr, s.w, s.h, s.h * 0.58, 30, 0.3, {0.86, 0.62, 0.38});
    pictures::paintRange(cr, s.w, s.h, s.h * 0.70, 55, 2.6, {0.80, 0.52, 0.26});
    pictures::paintRange(cr, s.w, s.h, s.h * 0.86, 45, 5.0, {0.56, 0.32, 0.16});
}

// A jagged peak with a snow cap on its upper third and its shadow side to the right.
void paintPeak(cairo_t* cr, double x, double base, double width, double height, Colour rock) {
    const Point top{x, base - height};
    pictures::polygon(cr, {top, {x + width / 2, base}, {x - width / 2, base}});
    pictures::setColour(cr, rock);
    cairo_fill(cr);
    pictures::polygon(cr, {top, {x + width / 2, base}, {x + width * 0.05, base}});
    pictures::setColour(cr, mix(rock, {0.10, 0.15, 0.35}, 0.35));
    cairo_fill(cr);
    const double snow = 0.36;
    pictures::polygon(cr, {top,
                           {x + width / 2 * snow, base - height * (1 - snow)},
                           {x + width * 0.08, base - height * 0.58},
                           {x - width * 0.06, base - height * 0.68},
                           {x - width / 2 * snow, base - height * (1 - snow)}});
    pictures::setColour(cr, {0.95, 0.97, 1.0});
    cairo_fill(cr);
}

void paintPeaks(cairo_t* cr, Size s) {
    paintSkyBand(cr, s, s.h * 0.7, {0.30, 0.50, 0.82}, {0.86, 0.93, 1.00});
    pictures::paintGlow(cr, {s.w * 0.18, s.h * 0.15}, 300, {1, 1, 1}, 0.5);
    const double far[][3] = {{0.10, 300, 260}, {0.32, 380, 330}, {0.55, 300, 240}, {0.80, 420, 360}, {1.0, 300, 250}};
    for (const auto& p : far) paintPeak(cr, s.w * p[0], s.h * 0.68, p[1], p[2], {0.58, 0.66, 0.82});
    paintMist(cr, s, s.h * 0.66, 50, {0.92, 0.96, 1.0}, 0.6);
    const double near[][3] = {{0.0, 420, 280}, {0.28, 360, 200}, {0.68, 460, 300}, {0.98, 360, 230}};
    for (const auto& p : near) paintPeak(cr, s.w * p[0], s.h * 0.95, p[1], p[2], {0.36, 0.44, 0.62});
    pictures::paintRange(cr, s.w, s.h, s.h * 0.92, 20, 1.2, {0.82, 0.90, 0.98});
    Scatter flakes(31);
    for (int i = 0; i < 90; ++i) {
        cairo_arc(cr, flakes.next() * s.w, flakes.next() * s.h, flakes.between(0.8, 2.4), 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 1, 1, 1, flakes.between(0.3, 0.8));
        cairo_fill(cr);
    }
}

// A stalactite hanging from y (or a stalagmite rising from it when `up`).
void spikePath(cairo_t* cr, double x, double y, double width, double length, bool up) {
    const double dir = up ? -1 : 1;
    pictures::polygon(cr, {{x - width / 2, y},
                           {x + width / 2, y},
                           {x + width * 0.12, y + dir * length * 0.7},
                           {x + width * 0.04, y + dir * length},
                           {x - width * 0.1, y + dir * length * 0.6}});
}

// Rock in the cave's darkness, its edges lit from below by the lava.
void fillRock(cairo_t* cr) {
    pictures::setColour(cr, {0.09, 0.035, 0.035});
    cairo_fill_preserve(cr);
    pictures::setColour(cr, {1.0, 0.45, 0.12}, 0.35);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

// A band of lava winding across the floor between y0 and y1.
void paintLava(cairo_t* cr, Size s, double y0, double y1) {
    cairo_new_path(cr);
    for (double x = 0; x <= s.w; x += 8) cairo_line_to(cr, x, y0 + 12 * std::sin(x * 0.012));
    for (double x = s.w; x >= 0; x -= 8) cairo_line_to(cr, x, y1 + 10 * std::sin(x * 0.009 + 1));
    cairo_close_path(cr);
    Pattern lava(cairo_pattern_create_linear(0, y0, 0, y1));
    pictures::addStop(lava.get(), 0.0, {0.85, 0.22, 0.04});
    pictures::addStop(lava.get(), 0.45, {1.0, 0.82, 0.36});
    pictures::addStop(lava.get(), 1.0, {0.80, 0.20, 0.04});
    cairo_set_source(cr, lava.get());
    cairo_fill(cr);
}

void paintHollow(cairo_t* cr, Size s) {
    paintSkyBand(cr, s, s.h, {0.24, 0.09, 0.07}, {0.52, 0.17, 0.06});
    pictures::paintGlow(cr, {s.w * 0.5, s.h * 0.45}, 520, {1.0, 0.50, 0.20}, 0.3);
    pictures::paintGlow(cr, {s.w * 0.5, s.h * 0.9}, 640, {1.0, 0.42, 0.10}, 0.6);
    pictures::paintRange(cr, s.w, s.h, s.h * 0.70, 50, 1.5, {0.20, 0.07, 0.06});
    paintLava(cr, s, s.h * 0.80, s.h * 0.90);
    pictures::polygon(cr, {{0, 0}, {130, 0}, {95, 210}, {150, 380}, {85, 560}, {120, s.h}, {0, s.h}});
    pictures::polygon(
        cr,
        {{s.w, 0}, {s.w - 110, 0}, {s.w - 150, 190}, {s.w - 90, 400}, {s.w - 140, 600}, {s.w - 100, s.h}, {s.w, s.h}});
    Scatter rock(41);
    for (double x = 60; x < s.w - 40; x += rock.between(70, 130))
        spikePath(cr, x, -2, rock.between(50, 110), rock.between(90, 260), false);
    for (double x = 150; x < s.w - 120; x += rock.between(140, 260))
        spikePath(cr, x, s.h + 2, rock.between(50, 100), rock.between(60, 140), true);
    fillRock(cr);
    for (int i = 0; i < 60; ++i) {
        pictures::paintGlow(cr, {rock.next() * s.w, rock.between(0.3, 1.0) * s.h}, rock.between(3, 9), {1.0, 0.6, 0.2},
                            0.9);
    }
}

// A cliff standing in the water on the left (side -1) or right (+1) edge, grass on top.
void paintCliff(cairo_t* cr, Size s, int side, double top, double reach) {
    const double edge = side < 0 ? 0 : s.w, out = edge - side * reach;
    std::vector<Point> rock{{edge, top - 20},       {out + side * 30, top},
                            {out, top + 80},        {out - side * 20, s.h * 0.75},
                            {out + side * 40, s.h}, {edge, s.h}};
    pictures::polygon(cr, rock);
    Pattern shade(cairo_pattern_create_linear(out, 0, edge, 0));
    pictures::addStop(shade.get(), 0.0, {0.58, 0.50, 0.44});
    pictures::addStop(shade.get(), 1.0, {0.30, 0.24, 0.24});
    cairo_set_source(cr, shade.get());
    cairo_fill(cr);
    pictures::polygon(cr, {{edge, top - 26}, {out + side * 34, top - 6}, {out + side * 20, top + 8}, {edge, top + 4}});
    pictures::setColour(cr, {0.30, 0.60, 0.30});
    cairo_fill(cr);
}

void paintCoast(cairo_t* cr, Size s) {
    const double horizon = s.h * 0.48;
    paintSkyBand(cr, s, horizon, {0.36, 0.66, 0.86}, {1.00, 0.86, 0.72});
    pictures::paintGlow(cr, {s.w * 0.5, horizon}, 300, {1.0, 0.9, 0.7}, 0.6);
    Pattern sea(cairo_pattern_create_linear(0, horizon, 0, s.h));
    pictures::addStop(sea.get(), 0.0, {0.40, 0.80, 0.80});
    pictures::addStop(sea.get(), 1.0, {0.03, 0.30, 0.40});
    cairo_set_source(cr, sea.get());
    cairo_rectangle(cr, 0, horizon, s.w, s.h - horizon);
    cairo_fill(cr);
    Scatter waves(51);
    for (int i = 0; i < 70; ++i) {
        const double y = horizon + std::pow(waves.next(), 1.6) * (s.h - horizon), len = 10 + (y - horizon) * 0.25;
        const double x = waves.next() * s.w;
        cairo_move_to(cr, x - len, y);
        cairo_curve_to(cr, x - len / 2, y - 3, x + len / 2, y - 3, x + len, y);
        cairo_set_source_rgba(cr, 0.9, 1.0, 1.0, 0.35);
        cairo_set_line_width(cr, 1.5 + (y - horizon) / 150);
        cairo_stroke(cr);
    }
    paintCliff(cr, s, -1, s.h * 0.30, 240);
    paintCliff(cr, s, 1, s.h * 0.38, 180);
}

// A flat-bottomed cloud of overlapping puffs centred on x at `base`.
void paintCloud(cairo_t* cr, double x, double base, double width, Colour colour, double alpha) {
    const int puffs = 5;
    for (int i = 0; i < puffs; ++i) {
        const double t = (i + 0.5) / puffs - 0.5, r = width * (0.16 + 0.10 * std::cos(t * M_PI));
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + t * width * 0.9, base - r * 0.6, r, 0, 2 * M_PI);
    }
    cairo_rectangle(cr, x - width * 0.48, base - width * 0.1, width * 0.96, width * 0.1);
    pictures::setColour(cr, colour, alpha);
    cairo_fill(cr);
}

void paintCliffs(cairo_t* cr, Size s) {
    paintSkyBand(cr, s, s.h * 0.75, {0.14, 0.32, 0.70}, {0.76, 0.86, 1.00});
    pictures::paintGlow(cr, {s.w * 0.15, s.h * 0.12}, 300, {1.0, 0.97, 0.85}, 0.7);
    paintPeak(cr, s.w * 0.25, s.h * 0.70, 420, 420, {0.50, 0.50, 0.66});
    paintPeak(cr, s.w * 0.70, s.h * 0.72, 520, 520, {0.46, 0.46, 0.62});
    paintPeak(cr, s.w * 0.95, s.h * 0.70, 300, 300, {0.52, 0.52, 0.68});
    Scatter clouds(61);
    for (int row = 0; row < 4; ++row) {
        const double base = s.h * (0.66 + 0.1 * row), shade = 0.78 + 0.06 * row;
        for (double x = clouds.between(-80, 0); x < s.w + 100; x += clouds.between(120, 200))
            paintCloud(cr, x, base + clouds.between(-10, 10), clouds.between(180, 260),
                       {shade, shade, 0.9 + 0.03 * row}, 0.95);
    }
    for (int i = 0; i < 5; ++i) {  // distant birds
        const double x = s.w * (0.55 + 0.05 * i), y = s.h * (0.22 + 0.03 * ((i * 7) % 3));
        cairo_move_to(cr, x - 8, y - 4);
        cairo_curve_to(cr, x - 4, y - 6, x - 1, y - 3, x, y);
        cairo_curve_to(cr, x + 1, y - 3, x + 4, y - 6, x + 8, y - 4);
    }
    pictures::setColour(cr, {0.20, 0.25, 0.40}, 0.8);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

// A glowing flower of five petals on a short stem.
void paintFlower(cairo_t* cr, Point at, double size, Colour colour) {
    cairo_move_to(cr, at.x, at.y);
    cairo_curve_to(cr, at.x - size * 0.3, at.y + size * 1.2, at.x + size * 0.2, at.y + size * 2, at.x, at.y + size * 3);
    pictures::setColour(cr, {0.10, 0.30, 0.25});
    cairo_set_line_width(cr, std::max(1.0, size * 0.15));
    cairo_stroke(cr);
    pictures::paintGlow(cr, at, size * 3, colour, 0.45);
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * M_PI / 5 - M_PI / 2;
        cairo_save(cr);
        cairo_translate(cr, at.x + std::cos(a) * size * 0.55, at.y + std::sin(a) * size * 0.55);
        cairo_rotate(cr, a);
        cairo_scale(cr, 1.0, 0.55);
        cairo_arc(cr, 0, 0, size * 0.55, 0, 2 * M_PI);
        cairo_restore(cr);
        pictures::setColour(cr, mix(colour, {1, 1, 1}, 0.25), 0.9);
        cairo_fill(cr);
    }
    cairo_arc(cr, at.x, at.y, size * 0.25, 0, 2 * M_PI);
    pictures::setColour(cr, palette::glowCore);
    cairo_fill(cr);
}

void paintGardens(cairo_t* cr, Size s) {
    pictures::paintSky(cr, s.w, s.h);
    pictures::paintStars(cr, s.w, s.h, 180, 71);
    pictures::paintGlow(cr, {s.w * 0.80, s.h * 0.16}, 120, palette::glowCore, 0.5);
    cairo_arc(cr, s.w * 0.80, s.h * 0.16, 34, 0, 2 * M_PI);
    pictures::setColour(cr, {0.98, 0.96, 0.88});
    cairo_fill(cr);
    pictures::paintRange(cr, s.w, s.h, s.h * 0.62, 40, 0.9, {0.10, 0.16, 0.26});
    pictures::paintRange(cr, s.w, s.h, s.h * 0.78, 50, 3.3, {0.06, 0.10, 0.18});
    const Colour blooms[] = {{0.95, 0.40, 0.90}, {0.40, 0.90, 0.95}, {1.00, 0.80, 0.40}, {0.70, 0.50, 1.00}};
    Scatter garden(72);
    for (int i = 0; i < 46; ++i) {
        const double x = garden.next() * s.w, depth = garden.next();
        const double y = pictures::ridge(x, s.h * (0.62 + 0.3 * depth), 40, 0.9) + 20;
        paintFlower(cr, {x, y}, 4 + depth * 10, blooms[i % 4]);
    }
}

// A six-sided crystal standing from `foot` towards `tip`, lit on its left face.
void paintCrystal(cairo_t* cr, Point foot, Point tip, double width, const palette::GemColours& c) {
    const double dx = tip.x - foot.x, dy = tip.y - foot.y, len = std::hypot(dx, dy);
    const double nx = -dy / len * width / 2, ny = dx / len * width / 2;
    const Point shoulder{foot.x + dx * 0.8, foot.y + dy * 0.8};
    constexpr Colour cave{0.20, 0.10, 0.28};  // crystals take on the cavern's shade, so gems stand out before them
    pictures::polygon(cr, {{foot.x + nx, foot.y + ny}, {shoulder.x + nx, shoulder.y + ny}, tip, {foot.x, foot.y}});
    pictures::setColour(cr, mix(c.light, cave, 0.35), 0.9);
    cairo_fill(cr);
    pictures::polygon(cr, {{foot.x - nx, foot.y - ny}, {shoulder.x - nx, shoulder.y - ny}, tip, {foot.x, foot.y}});
    pictures::setColour(cr, mix(c.base, cave, 0.35), 0.9);
    cairo_fill(cr);
    pictures::polygon(cr, {{foot.x + nx, foot.y + ny},
                           {shoulder.x + nx, shoulder.y + ny},
                           tip,
                           {shoulder.x - nx, shoulder.y - ny},
                           {foot.x - nx, foot.y - ny}});
    pictures::setColour(cr, c.dark, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void paintHeart(cairo_t* cr, Size s) {
    paintSkyBand(cr, s, s.h, {0.08, 0.04, 0.16}, {0.24, 0.10, 0.30});
    pictures::paintGlow(cr, {s.w * 0.5, s.h * 0.45}, 460, palette::glow, 0.55);
    pictures::paintGlow(cr, {s.w * 0.5, s.h * 0.45}, 160, palette::glowCore, 0.6);
    const palette::GemColours* colours[] = {&palette::ruby, &palette::emerald, &palette::sapphire, &palette::topaz,
                                            &palette::amethyst};
    Scatter cave(81);
    for (int i = 0; i < 34; ++i) {
        const bool floor = i % 2 == 0;
        const double x = cave.next() * s.w, len = cave.between(90, 240);
        const Point foot{x, floor ? s.h + 10 : -10};
        const Point tip{x + cave.between(-60, 60), floor ? s.h - len : len};
        paintCrystal(cr, foot, tip, cave.between(26, 60), *colours[i % 5]);
    }
    for (int i = 0; i < 24; ++i) pictures::paintSparkle(cr, {cave.next() * s.w, cave.next() * s.h}, cave.between(3, 8));
}

}  // namespace

void paintValleyPanorama(pictures::Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const Size s{double(canvas.width()), double(canvas.height())};
    pictures::paintSky(cr, s.w, s.h);
    pictures::paintStars(cr, s.w, s.h, 150, 9);
    pictures::paintFallingStar(cr, {300, 160}, 180);
    paintPeak(cr, s.w * 0.14, s.h * 0.66, 380, 250, {0.30, 0.27, 0.46});
    paintPeak(cr, s.w * 0.40, s.h * 0.66, 300, 190, {0.27, 0.24, 0.42});
    paintPeak(cr, s.w * 0.86, s.h * 0.66, 440, 300, {0.30, 0.27, 0.46});
    paintMist(cr, s, s.h * 0.64, 50, palette::skyLow, 0.7);
    pictures::paintRange(cr, s.w, s.h, s.h * 0.68, 40, 0.4, palette::hillFar);
    const Point shrine{s.w * 0.62, pictures::ridge(s.w * 0.62, s.h * 0.68, 40, 0.4) - 30};
    pictures::paintGlow(cr, shrine, 160, palette::glow, 0.45);
    pictures::paintLantern(cr, shrine, 64);
    paintTreeLine(cr, s, s.h * 0.80, 40, 2.1, 110, {0.07, 0.05, 0.12}, 14);
    pictures::paintRange(cr, s.w, s.h, s.h * 0.92, 24, 4.2, palette::hillNear);
    const Colour blooms[] = {{0.95, 0.40, 0.90}, {0.40, 0.90, 0.95}, {1.00, 0.80, 0.40}};
    Scatter lights(15);
    for (int i = 0; i < 24; ++i) {
        pictures::paintGlow(cr, {lights.next() * s.w, lights.between(0.72, 0.98) * s.h}, lights.between(5, 12),
                            blooms[i % 3], 0.5);
    }
}

Colour regionGround(int chapter) { return kGrounds[(chapter - 1 + kChapters) % kChapters]; }

void paintRegionScene(pictures::Canvas& canvas, int chapter) {
    using Painter = void (*)(cairo_t*, Size);
    static constexpr Painter kScenes[kChapters] = {paintWoods, paintDunes,  paintPeaks,   paintHollow,
                                                   paintCoast, paintCliffs, paintGardens, paintHeart};
    kScenes[(chapter - 1 + kChapters) % kChapters](canvas.cr(), {double(canvas.width()), double(canvas.height())});
}

}  // namespace art
