// The game's two fonts: body text with border and shadow, and headings with the face only.
#pragma once

#include "font/bitmap_font.h"

extern TBitmapFont fontText;
extern TBitmapFont fontHeader;

// Loads both fonts from "data/fonts/" with their drawing settings; called once at start-up.
// A damaged font file ends the game with an error box naming the file.
void loadGameFonts();
