// Night-valley scenery behind full-screen pictures: the sky with its warm
// horizon, stars, a falling star, rolling hills and the darkened corners.
#pragma once

#include <cairo.h>

#include "paint.h"

namespace pictures {

// Fills the whole area with the sky gradient and a soft light from the top left.
void paintSky(cairo_t* cr, double width, double height);

// Scatters `count` stars over the upper part of the area; `seed` fixes the pattern.
void paintStars(cairo_t* cr, double width, double height, int count, unsigned seed);

// A falling star whose head is at `head`, its tail trailing up and to the right.
void paintFallingStar(cairo_t* cr, Point head, double length);

// A small linear congruential generator: fixed, portable, repeatable.
class Scatter {
public:
    explicit Scatter(unsigned seed) : m_state(seed) {}
    // The next value in [0, 1).
    double next() {
        m_state = m_state * 1664525u + 1013904223u;
        return double(m_state >> 8) / double(1u << 24);
    }
    // The next value in [from, to).
    double between(double from, double to) { return from + (to - from) * next(); }

private:
    unsigned m_state;
};

// The top edge of a range of hills: slow waves of `amplitude` around `base`.
double ridge(double x, double base, double amplitude, double phase);

// One range of hills below its ridge, shaded downwards, with warm rim light on the ridge.
void paintRange(cairo_t* cr, double width, double height, double base, double amplitude, double phase, Colour colour);

// Three ranges of hills from the horizon at `horizon` down to the bottom edge.
void paintHills(cairo_t* cr, double width, double height, double horizon);

// Darkens the edges and corners so the eye rests in the middle.
void paintVignette(cairo_t* cr, double width, double height, double strength);

}  // namespace pictures
