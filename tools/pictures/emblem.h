// The game's emblems: a small golden lantern with the many-coloured heart gem
// glowing inside (the studio page), and that gem as a pendant (the window icon).
#pragma once

#include <cairo.h>

#include "paint.h"

namespace pictures {

// Draws the lantern centred on `centre`, `height` px from ring to base
// (its width is about two thirds of that), with its halo of light.
void paintLantern(cairo_t* cr, Point centre, double height);

// Draws the heart gem in a round gold bezel with a loop on top, centred on
// `centre` and `height` px tall; bold enough to read at 16 px.
void paintPendant(cairo_t* cr, Point centre, double height);

}  // namespace pictures
