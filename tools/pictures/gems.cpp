// The five faceted gems. Each gem is an outline polygon around a smaller
// "table" polygon; the ring of facets between them is shaded by how much each
// facet faces the light in the top left, the table carries gloss and sparkle.
#include "gems.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace pictures {

namespace {

using Outline = std::vector<Point>;

Outline circleOutline(int corners, double radius, double phase) {
    Outline points;
    for (int i = 0; i < corners; ++i) {
        const double a = phase + 2 * M_PI * i / corners;
        points.push_back({radius * std::cos(a), radius * std::sin(a)});
    }
    return points;
}

// A square with cut corners (the step cut), slightly taller than wide.
Outline emeraldOutline() {
    const double w = 0.80, h = 0.86, cut = 0.26;
    return {{-w + cut, -h}, {w - cut, -h}, {w, -h + cut}, {w, h - cut},
            {w - cut, h},   {-w + cut, h}, {-w, h - cut}, {-w, -h + cut}};
}

// A drop: a round belly at the bottom narrowing to a point at the top.
Outline sapphireOutline() {
    const double cy = 0.26, r = 0.70;
    const double tangent = std::acos(r / (1.0 + cy));  // from straight up to the tangent point
    Outline points{{0.0, -1.0}};
    const int steps = 12;
    for (int i = 0; i <= steps; ++i) {
        const double a = -M_PI / 2 + tangent + (2 * M_PI - 2 * tangent) * i / steps;
        points.push_back({r * std::cos(a), cy + r * std::sin(a)});
    }
    return points;
}

Outline topazOutline() {
    Outline points;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + M_PI * i / 5;
        const double r = i % 2 == 0 ? 1.0 : 0.50;
        points.push_back({r * std::cos(a), r * std::sin(a) + 0.06});
    }
    return points;
}

// A trillion: a triangle with cut corners and gently bulging sides.
Outline amethystOutline() {
    Outline points;
    for (int corner = 0; corner < 3; ++corner) {
        const double a = -M_PI / 2 + 2 * M_PI * corner / 3;
        for (double side : {-0.20, 0.20}) {
            const double r = 0.98;
            points.push_back({r * std::cos(a + side), r * std::sin(a + side) + 0.12});
        }
        const double mid = a + M_PI / 3;
        points.push_back({0.62 * std::cos(mid), 0.62 * std::sin(mid) + 0.12});
    }
    return points;
}

Outline outlineOf(Gem gem) {
    switch (gem) {
    case Gem::Ruby: return circleOutline(16, 0.96, -M_PI / 2);
    case Gem::Emerald: return emeraldOutline();
    case Gem::Sapphire: return sapphireOutline();
    case Gem::Topaz: return topazOutline();
    case Gem::Amethyst: return amethystOutline();
    }
    return {};
}

const palette::GemColours& coloursOf(Gem gem) {
    switch (gem) {
    case Gem::Ruby: return palette::ruby;
    case Gem::Emerald: return palette::emerald;
    case Gem::Sapphire: return palette::sapphire;
    case Gem::Topaz: return palette::topaz;
    case Gem::Amethyst: return palette::amethyst;
    }
    return palette::ruby;
}

// The table: the outline shrunk towards a point a little up and left of the
// centre, which tilts the gem towards the light.
Outline tableOf(const Outline& outline, double scale) {
    Outline table;
    for (const Point& p : outline) {
        table.push_back({p.x * scale - 0.05, p.y * scale - 0.07});
    }
    return table;
}

Outline placed(const Outline& unit, Point centre, double radius) {
    Outline points;
    for (const Point& p : unit) {
        points.push_back({centre.x + p.x * radius, centre.y + p.y * radius});
    }
    return points;
}

// How much a facet whose outer edge runs from a to b faces the light (0..1).
double facetLight(Point a, Point b) {
    const double nx = b.y - a.y, ny = -(b.x - a.x);  // outward for clockwise outlines
    const double length = std::hypot(nx, ny);
    const double lit = (nx * -0.6 + ny * -0.8) / length;
    return 0.5 + 0.5 * lit;
}

// Shades the ring of facets; `colourOf` gives the colours of facet i.
template <typename ColourOf>
void paintFacets(cairo_t* cr, const Outline& outer, const Outline& inner, ColourOf colourOf) {
    const size_t n = outer.size();
    for (size_t i = 0; i < n; ++i) {
        const size_t j = (i + 1) % n;
        const palette::GemColours& colours = colourOf(i);
        const double light = facetLight(outer[i], outer[j]) * (i % 2 == 0 ? 1.0 : 0.86);
        const Colour shade = light > 0.5 ? mix(colours.base, colours.light, (light - 0.5) * 1.6)
                                         : mix(colours.dark, colours.base, light * 2.0);
        // Each facet is cut in two along its diagonal; the inner half catches less light.
        polygon(cr, {outer[i], outer[j], inner[j]});
        setColour(cr, shade);
        cairo_fill(cr);
        polygon(cr, {outer[i], inner[j], inner[i]});
        setColour(cr, mix(shade, colours.dark, 0.22));
        cairo_fill(cr);
        polygon(cr, {outer[i], outer[j], inner[j], inner[i]});
        setColour(cr, colours.dark, 0.35);
        cairo_set_line_width(cr, 0.6);
        cairo_stroke(cr);
    }
}

void paintTable(cairo_t* cr, const Outline& table, Point centre, double radius,
                const palette::GemColours& colours) {
    Pattern body(cairo_pattern_create_linear(centre.x - radius * 0.5, centre.y - radius * 0.5,
                                             centre.x + radius * 0.5, centre.y + radius * 0.5));
    addStop(body.get(), 0.0, colours.light);
    addStop(body.get(), 0.45, colours.base);
    addStop(body.get(), 1.0, mix(colours.base, colours.light, 0.35));
    polygon(cr, table);
    cairo_set_source(cr, body.get());
    cairo_fill_preserve(cr);
    setColour(cr, colours.light, 0.6);
    cairo_set_line_width(cr, std::max(0.6, radius * 0.03));
    cairo_stroke(cr);

    // Light passing through the stone comes out low on the right, away from the source.
    cairo_save(cr);
    polygon(cr, table);
    cairo_clip(cr);
    paintGlow(cr, {centre.x + radius * 0.22, centre.y + radius * 0.26}, radius * 0.5,
              colours.light, 0.55);
    cairo_restore(cr);
}

void paintContactShadow(cairo_t* cr, Point centre, double radius) {
    cairo_save(cr);
    cairo_translate(cr, centre.x + radius * 0.12, centre.y + radius * 0.9);
    cairo_scale(cr, 1.0, 0.3);
    Pattern shadow(cairo_pattern_create_radial(0, 0, 0, 0, 0, radius * 0.9));
    cairo_pattern_add_color_stop_rgba(shadow.get(), 0.0, 0, 0, 0, 0.45);
    cairo_pattern_add_color_stop_rgba(shadow.get(), 1.0, 0, 0, 0, 0.0);
    cairo_set_source(cr, shadow.get());
    cairo_arc(cr, 0, 0, radius * 0.9, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_restore(cr);
}

}  // namespace

void paintGem(cairo_t* cr, Gem gem, Point centre, double radius) {
    const palette::GemColours& colours = coloursOf(gem);
    const Outline unit = outlineOf(gem);
    const Outline outer = placed(unit, centre, radius);
    const Outline inner = placed(tableOf(unit, 0.52), centre, radius);

    paintContactShadow(cr, centre, radius);
    polygon(cr, outer);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, std::max(1.0, radius * 0.10));
    setColour(cr, mix(colours.dark, palette::outline, 0.5));
    cairo_stroke(cr);
    paintFacets(cr, outer, inner, [&](size_t) -> const palette::GemColours& { return colours; });
    paintTable(cr, inner, centre, radius, colours);
    paintSparkle(cr, {centre.x - radius * 0.28, centre.y - radius * 0.34}, radius * 0.26);
}

void paintHeartGem(cairo_t* cr, Point centre, double radius) {
    static constexpr Gem cycle[] = {Gem::Ruby, Gem::Topaz, Gem::Emerald, Gem::Sapphire,
                                    Gem::Amethyst};
    const Outline unit = circleOutline(10, 0.96, -M_PI / 2);
    const Outline outer = placed(unit, centre, radius);
    const Outline inner = placed(tableOf(unit, 0.5), centre, radius);
    const palette::GemColours heart{palette::glow, palette::glowCore, {1.0, 1.0, 0.97}};

    polygon(cr, outer);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, std::max(1.0, radius * 0.10));
    setColour(cr, palette::outline);
    cairo_stroke(cr);
    paintFacets(cr, outer, inner,
                [&](size_t i) -> const palette::GemColours& { return coloursOf(cycle[i % 5]); });
    paintTable(cr, inner, centre, radius, heart);
    paintSparkle(cr, {centre.x - radius * 0.26, centre.y - radius * 0.32}, radius * 0.3);
}

}  // namespace pictures
