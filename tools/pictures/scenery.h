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

// Three ranges of hills from the horizon at `horizon` down to the bottom edge.
void paintHills(cairo_t* cr, double width, double height, double horizon);

// Darkens the edges and corners so the eye rests in the middle.
void paintVignette(cairo_t* cr, double width, double height, double strength);

}  // namespace pictures
