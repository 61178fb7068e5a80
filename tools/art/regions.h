// The eight regions of the valley, one per chapter: woods, dunes, peaks, hollow,
// coast, cliffs, gardens and the Lantern's heart. Each has its ground colour on the
// map and a full scene used behind its levels and on its story page.
#pragma once

#include "pictures/canvas.h"
#include "pictures/palette.h"

namespace art {

constexpr int kChapters = 8;

// The colour of the ground of chapter 1..8's region on the map.
pictures::Colour regionGround(int chapter);

// Paints the scene of chapter 1..8 over the whole canvas, lit from the top left.
void paintRegionScene(pictures::Canvas& canvas, int chapter);

// Paints the valley at night over the whole canvas: far peaks, woods, and the Lantern's
// shrine glowing faintly on a hill.
void paintValleyPanorama(pictures::Canvas& canvas);

}  // namespace art
