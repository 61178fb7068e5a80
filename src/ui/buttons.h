// The interface's shared buttons and the tooltip box. Each button draws itself for this frame
// and returns 0 idle, 2 under the pointer, 3 clicked (the picture button also 4 while its
// knob is dragged).
#pragma once

#include "platform/platform.h"

// A text on the button picture of `slot`, reacting only in input layer `layer`.
int textButton(float x, float y, int slot, int layer, const String& text);
// The slider-knob picture of `slot`, hit-tested against the pointer's collision picture.
int pictureButton(float x, float y, int slot, int layer);
// The close button; 1 when clicked (the click is not consumed).
int closeButton(float x, float y);
// The text in the mini frame with its top-left corner at (x, y), kept on screen.
void drawTooltip(const String& text, float x, float y);
