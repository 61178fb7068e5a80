// The five gems of the game, each with its own colour and silhouette so they
// read apart without colour: ruby round, emerald square, sapphire drop, topaz
// star, amethyst triangle. Every picture that shows a gem draws it from here.
#pragma once

#include <cairo.h>

#include "paint.h"

namespace pictures {

// Gem kinds numbered as the game's item types 1..5.
enum class Gem { Ruby = 1, Emerald, Sapphire, Topaz, Amethyst };

// Draws a faceted gem centred on `centre` that fits a circle of `radius`,
// with its own small contact shadow below it.
void paintGem(cairo_t* cr, Gem gem, Point centre, double radius);

// The heart of the Great Lantern: a round gem whose facets take all five gem
// colours in turn around a glowing white-gold table.
void paintHeartGem(cairo_t* cr, Point centre, double radius);

}  // namespace pictures
