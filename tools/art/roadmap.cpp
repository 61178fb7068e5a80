// The roadmap picture: each region's ground around its chapter's points, a few
// landmarks of its kind kept clear of the road, and the road itself, a smooth curve
// through every level point in order, so each waypoint sits on it.
#include "roadmap.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "board.h"
#include "core/roadmap_points.h"
#include "pictures/canvas.h"
#include "pictures/gems.h"
#include "pictures/scenery.h"
#include "regions.h"

namespace art {

using pictures::Canvas;
using pictures::Colour;
using pictures::mix;
using pictures::Pattern;
using pictures::Point;
namespace palette = pictures::palette;

namespace {

constexpr double kRoadClearance = 30;  // landmarks keep this far from the road's centre line
constexpr Colour kRoad{0.93, 0.80, 0.52};
constexpr Colour kRoadEdge{0.30, 0.18, 0.08};

// The Bezier control points of the road between level i and i + 1 (Catmull-Rom through all points).
struct Segment {
    Point from, c1, c2, to;
};

Segment roadSegment(int level) {
    const Point before = levelPoint(std::max(1, level - 1)), from = levelPoint(level);
    const Point to = levelPoint(level + 1), after = levelPoint(std::min(kLevels, level + 2));
    return {from,
            {from.x + (to.x - before.x) / 6, from.y + (to.y - before.y) / 6},
            {to.x - (after.x - from.x) / 6, to.y - (after.y - from.y) / 6},
            to};
}

// Points along the road, a few pixels apart, for keeping landmarks off it.
std::vector<Point> roadSamples() {
    std::vector<Point> samples;
    for (int level = 1; level < kLevels; ++level) {
        const Segment s = roadSegment(level);
        for (int k = 0; k < 16; ++k) {
            const double t = k / 16.0, u = 1 - t;
            const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
            samples.push_back({a * s.from.x + b * s.c1.x + c * s.c2.x + d * s.to.x,
                               a * s.from.y + b * s.c1.y + c * s.c2.y + d * s.to.y});
        }
    }
    samples.push_back(levelPoint(kLevels));
    return samples;
}

// The chapter 1..8 of the level point nearest to (x, y): the region the place belongs to.
int regionAt(double x, double y) {
    double best = std::numeric_limits<double>::max();
    int chapter = 1;
    for (int level = 1; level <= kLevels; ++level) {
        const Point p = levelPoint(level);
        const double d = (p.x - x) * (p.x - x) + (p.y - y) * (p.y - y);
        if (d < best) best = d, chapter = (level - 1) / 10 + 1;
    }
    return chapter;
}

// Each region's ground in its colour, with a gentle rolling shade, borders softened.
void paintGround(Canvas& canvas) {
    constexpr int kBlock = 4;
    cairo_t* cr = canvas.cr();
    for (int y = 0; y < kMapHeight; y += kBlock) {
        for (int x = 0; x < kMapWidth; x += kBlock) {
            const double roll = 0.9 + 0.07 * std::sin(x * 0.021 + std::sin(y * 0.017) * 2) + 0.05 * std::sin(y * 0.033);
            const Colour g = regionGround(regionAt(x + 2, y + 2));
            cairo_rectangle(cr, x, y, kBlock, kBlock);
            cairo_set_source_rgb(cr, g.r * roll, g.g * roll, g.b * roll);
            cairo_fill(cr);
        }
    }
    canvas.blur(10);
}

double distanceToRoad(Point p, const std::vector<Point>& road) {
    double best = std::numeric_limits<double>::max();
    for (const Point& q : road) best = std::min(best, std::hypot(q.x - p.x, q.y - p.y));
    return best;
}

void paintTreeTop(cairo_t* cr, Point at, double r) {
    cairo_arc(cr, at.x + r * 0.25, at.y + r * 0.3, r, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    pictures::paintBall(cr, at, r, {0.50, 0.78, 0.36}, {0.10, 0.30, 0.14});
}

void paintArc(cairo_t* cr, Point at, double r, Colour colour, double alpha, double width) {
    cairo_new_path(cr);
    cairo_arc(cr, at.x, at.y + r, r, M_PI * 1.2, M_PI * 1.8);
    pictures::setColour(cr, colour, alpha);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void paintMountain(cairo_t* cr, Point at, double r, Colour rock) {
    pictures::polygon(cr, {{at.x, at.y - r}, {at.x + r, at.y + r * 0.6}, {at.x - r, at.y + r * 0.6}});
    pictures::setColour(cr, rock);
    cairo_fill(cr);
    pictures::polygon(cr, {{at.x, at.y - r}, {at.x + r, at.y + r * 0.6}, {at.x + r * 0.1, at.y + r * 0.6}});
    pictures::setColour(cr, mix(rock, {0.1, 0.1, 0.3}, 0.4));
    cairo_fill(cr);
    pictures::polygon(cr, {{at.x, at.y - r},
                           {at.x + r * 0.35, at.y - r * 0.45},
                           {at.x, at.y - r * 0.3},
                           {at.x - r * 0.35, at.y - r * 0.45}});
    pictures::setColour(cr, {0.97, 0.98, 1.0});
    cairo_fill(cr);
}

void paintCloudPuff(cairo_t* cr, Point at, double r) {
    for (int i = -1; i <= 1; ++i) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, at.x + i * r * 0.8, at.y - (i == 0 ? r * 0.3 : 0), r * (i == 0 ? 0.8 : 0.6), 0, 2 * M_PI);
    }
    cairo_set_source_rgba(cr, 1, 1, 1, 0.75);
    cairo_fill(cr);
}

void paintCrystalSpark(cairo_t* cr, Point at, double r, int colour) {
    static constexpr pictures::Gem gems[] = {pictures::Gem::Ruby, pictures::Gem::Emerald, pictures::Gem::Sapphire,
                                             pictures::Gem::Topaz, pictures::Gem::Amethyst};
    pictures::paintGlow(cr, at, r * 2.2, palette::glow, 0.35);
    pictures::paintGem(cr, gems[colour % 5], at, r);
}

// One landmark of the region's kind at `at`; `size` and `n` vary it.
void paintLandmark(cairo_t* cr, int chapter, Point at, double size, int n) {
    switch (chapter) {
        case 1: paintTreeTop(cr, at, size * 0.8); break;
        case 2: paintArc(cr, at, size * 1.4, {1.0, 0.86, 0.6}, 0.6, 2.5); break;
        case 3: paintMountain(cr, at, size * 1.3, {0.55, 0.66, 0.84}); break;
        case 4:
            pictures::paintGlow(cr, at, size * 1.2, {1.0, 0.45, 0.1}, 0.55);
            paintArc(cr, at, size, {1.0, 0.6, 0.2}, 0.8, 1.5);
            break;
        case 5: paintArc(cr, at, size * 1.2, {0.85, 1.0, 1.0}, 0.55, 2); break;
        case 6:
            n % 3 ? paintCloudPuff(cr, at, size * 0.8) : paintMountain(cr, at, size * 1.4, {0.50, 0.50, 0.66});
            break;
        case 7:  // glowing blooms
            pictures::paintGlow(cr, at, size * 1.1, n % 2 ? Colour{0.95, 0.4, 0.9} : Colour{0.4, 0.9, 0.95}, 0.85);
            cairo_arc(cr, at.x, at.y, 2, 0, 2 * M_PI);
            pictures::setColour(cr, palette::glowCore);
            cairo_fill(cr);
            break;
        default: paintCrystalSpark(cr, at, size * 0.45, n); break;
    }
}

void paintLandmarks(cairo_t* cr, const std::vector<Point>& road) {
    pictures::Scatter scatter(97);
    for (int n = 0; n < 2600; ++n) {
        const Point at{scatter.next() * kMapWidth, scatter.next() * kMapHeight};
        const double size = scatter.between(8, 16);
        if (distanceToRoad(at, road) < kRoadClearance + size) continue;
        paintLandmark(cr, regionAt(at.x, at.y), at, size, n);
    }
}

void roadPath(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, levelPoint(1).x, levelPoint(1).y);
    for (int level = 1; level < kLevels; ++level) {
        const Segment s = roadSegment(level);
        cairo_curve_to(cr, s.c1.x, s.c1.y, s.c2.x, s.c2.y, s.to.x, s.to.y);
    }
}

// The road: a dark edge, a sandy bed and pale stepping marks down its middle.
void paintRoad(cairo_t* cr) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    roadPath(cr);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_set_line_width(cr, 22);
    cairo_stroke(cr);
    roadPath(cr);
    pictures::setColour(cr, kRoadEdge);
    cairo_set_line_width(cr, 15);
    cairo_stroke(cr);
    roadPath(cr);
    pictures::setColour(cr, kRoad);
    cairo_set_line_width(cr, 10);
    cairo_stroke(cr);
    roadPath(cr);
    const double dashes[] = {4, 9};
    cairo_set_dash(cr, dashes, 2, 0);
    pictures::setColour(cr, palette::cream);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}

}  // namespace

static_assert(ROADMAP_POINT_COUNT == kLevels);

Point levelPoint(int level) {
    const auto& p = ROADMAP_POINTS[std::clamp(level, 1, kLevels) - 1];
    return {double(p[0]), double(p[1])};
}

tools::RgbaImage roadmapPicture() {
    Canvas canvas(kMapWidth, kMapHeight);
    paintGround(canvas);
    cairo_t* cr = canvas.cr();
    const std::vector<Point> road = roadSamples();
    paintLandmarks(cr, road);
    paintRoad(cr);
    pictures::paintGlow(cr, {0, 0}, 700, palette::glowCore, 0.18);  // light from the top left
    pictures::paintVignette(cr, kMapWidth, kMapHeight, 0.55);
    return canvas.pixels();
}

tools::RgbaImage waypointPicture(int size, bool active, bool stage) {
    Canvas canvas(size, size);
    cairo_t* cr = canvas.cr();
    const double c = size / 2.0, r = c - 5;
    if (active) pictures::paintGlow(cr, {c, c}, c, palette::glow, 0.7);
    cairo_arc(cr, c, c, r * 0.8, 0, 2 * M_PI);
    Pattern fill(cairo_pattern_create_radial(c - r * 0.3, c - r * 0.3, 1, c, c, r));
    pictures::addStop(fill.get(), 0.0, active ? palette::goldLight : Colour{0.6, 0.58, 0.62});
    pictures::addStop(fill.get(), 1.0, active ? palette::goldDeep : Colour{0.25, 0.22, 0.30});
    cairo_set_source(cr, fill.get());
    cairo_fill_preserve(cr);
    pictures::setColour(cr, palette::outline);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    if (stage) pictures::paintGem(cr, pictures::Gem::Ruby, {c, c}, r * 0.45);
    return canvas.pixels();
}

void writeRoadmap(const std::filesystem::path& out) {
    tools::RgbaImage map = roadmapPicture();
    tools::writePng(out / "data/roadmap/roadmap.png", map);
    // Review: every point drawn as the game draws it, the furthest one (here level 45) lit.
    constexpr int kLit = 45;
    for (int level = 1; level <= kLevels; ++level) {
        const bool stage = level % 10 == 0;
        const tools::RgbaImage point = waypointPicture(stage ? 44 : 28, level == kLit, stage);
        const Point at = levelPoint(level);
        blendOver(map, point, int(at.x) - point.width / 2, int(at.y) - point.height / 2);
    }
    tools::writePng(out / "contact/roadmap_points.png", map);
}

}  // namespace art
