// Night-valley scenery: all shapes come from fixed formulas and a fixed-seed
// generator, so the same sources always draw the same pixels.
#include "scenery.h"

#include <cmath>

namespace pictures {

void paintSky(cairo_t* cr, double width, double height) {
    Pattern sky(cairo_pattern_create_linear(0, 0, 0, height));
    addStop(sky.get(), 0.0, palette::skyTop);
    addStop(sky.get(), 0.7, palette::skyLow);
    addStop(sky.get(), 1.0, mix(palette::skyLow, palette::glow, 0.25));
    cairo_set_source(cr, sky.get());
    cairo_paint(cr);
    paintGlow(cr, {width * 0.1, -height * 0.1}, width * 0.6, palette::glowCore, 0.10);
}

void paintStars(cairo_t* cr, double width, double height, int count, unsigned seed) {
    Scatter scatter(seed);
    for (int i = 0; i < count; ++i) {
        const double x = scatter.next() * width;
        const double y = std::pow(scatter.next(), 1.4) * height * 0.7;
        const double size = 0.5 + scatter.next() * scatter.next() * 1.6;
        const double alpha = (0.35 + 0.65 * scatter.next()) * (1.0 - y / height);
        if (size > 1.5) {
            paintGlow(cr, {x, y}, size * 4, palette::glowCore, alpha * 0.35);
        }
        cairo_arc(cr, x, y, size, 0, 2 * M_PI);
        setColour(cr, palette::glowCore, alpha);
        cairo_fill(cr);
    }
}

void paintFallingStar(cairo_t* cr, Point head, double length) {
    const Point tail{head.x + length * 0.85, head.y - length * 0.5};
    Pattern trail(cairo_pattern_create_linear(head.x, head.y, tail.x, tail.y));
    addStop(trail.get(), 0.0, palette::glowCore, 0.9);
    addStop(trail.get(), 0.3, palette::glow, 0.35);
    addStop(trail.get(), 1.0, palette::glow, 0.0);
    cairo_set_source(cr, trail.get());
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 2.5);
    cairo_move_to(cr, head.x, head.y);
    cairo_line_to(cr, tail.x, tail.y);
    cairo_stroke(cr);
    paintGlow(cr, head, 14, palette::glowCore, 0.8);
}

double ridge(double x, double base, double amplitude, double phase) {
    return base - amplitude * (0.62 * std::sin(x * 0.0055 + phase) + 0.30 * std::sin(x * 0.013 + phase * 2.3) +
                               0.08 * std::sin(x * 0.031 + phase * 0.7));
}

void paintRange(cairo_t* cr, double width, double height, double base, double amplitude, double phase, Colour colour) {
    cairo_new_path(cr);
    cairo_move_to(cr, 0, height);
    for (double x = 0; x <= width; x += 4) {
        cairo_line_to(cr, x, ridge(x, base, amplitude, phase));
    }
    cairo_line_to(cr, width, height);
    cairo_close_path(cr);
    Pattern body(cairo_pattern_create_linear(0, base - amplitude, 0, height));
    addStop(body.get(), 0.0, colour);
    addStop(body.get(), 1.0, mix(colour, palette::hillNear, 0.6));
    cairo_set_source(cr, body.get());
    cairo_fill(cr);

    // Rim light along the ridge, strongest towards the left where the light comes from.
    for (double x = 0; x <= width; x += 4) {
        cairo_line_to(cr, x, ridge(x, base, amplitude, phase) + 1);
    }
    Pattern rim(cairo_pattern_create_linear(0, 0, width, 0));
    addStop(rim.get(), 0.0, palette::glow, 0.35);
    addStop(rim.get(), 1.0, palette::glow, 0.08);
    cairo_set_source(cr, rim.get());
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void paintHills(cairo_t* cr, double width, double height, double horizon) {
    const double depth = height - horizon;
    paintRange(cr, width, height, horizon + depth * 0.10, depth * 0.30, 0.4, palette::hillFar);
    paintRange(cr, width, height, horizon + depth * 0.42, depth * 0.25, 2.1, palette::hillMid);
    paintRange(cr, width, height, horizon + depth * 0.74, depth * 0.18, 4.2, palette::hillNear);
}

void paintVignette(cairo_t* cr, double width, double height, double strength) {
    const double cx = width / 2, cy = height / 2;
    const double radius = std::hypot(cx, cy);
    Pattern shade(cairo_pattern_create_radial(cx, cy, radius * 0.45, cx, cy, radius));
    cairo_pattern_add_color_stop_rgba(shade.get(), 0.0, 0, 0, 0, 0.0);
    cairo_pattern_add_color_stop_rgba(shade.get(), 1.0, 0.01, 0.0, 0.03, strength);
    cairo_set_source(cr, shade.get());
    cairo_paint(cr);
}

}  // namespace pictures
