// The interface's shared buttons and the tooltip box. Each button draws itself for this frame
// and returns 0 idle, 2 under the pointer, 3 clicked (the picture button also 4 while its
// knob is dragged). A button reacts only in the active input layer, while the scene fades in
// and the game is not paused; a click is consumed by the first button that takes it.
#pragma once

#include "core/bild.h"
#include "font/bitmap_font.h"
#include "platform/platform.h"

constexpr int BUTTON_IDLE = 0;
constexpr int BUTTON_HOVER = 2;
constexpr int BUTTON_CLICKED = 3;
constexpr int BUTTON_DRAGGED = 4;

// A text on the button picture of `slot`, reacting only in input layer `layer` and only while no
// dialog is opening or closing. Called by dialogs and scenes once per frame per button.
int textButton(float x, float y, int slot, int layer, const String& text);
// The slider-knob picture of `slot`, hit-tested against the pointer's collision picture.
int pictureButton(float x, float y, int slot, int layer);
// The close button; 1 when clicked (the click is not consumed). It tests no layer, fader,
// pause or dialog phase.
int closeButton(float x, float y);
// The text in the mini frame with its top-left corner at (x, y), kept on screen.
void drawTooltip(const String& text, float x, float y);

// --- Shared by the buttons and the holo buttons ---

// True when the pointer lies strictly inside the box of half sizes around (x, y).
bool pointerStrictlyInside(float x, float y, float halfWidth, float halfHeight);
// True when a button of `layer` may react: its layer is active, the scene is fading in and the
// game is not paused.
bool buttonCanReact(int layer);
// True while no dialog is opening or closing (the popup phase is 0 or fully open).
bool dialogSettled();
// A button under the pointer: BUTTON_CLICKED when the left button was pressed this frame (the
// click is consumed and the button sound plays at x), else BUTTON_HOVER.
int hoverOrClick(float x);
// Sets the drawing colour of a button of `layer`: the fader's grey, halved in an inactive layer.
void setButtonShade(int layer, int grey);
// Draws a button picture at (x, y) with its caption centred on x - 2 at textY; when `lit`, both
// again additively at 15 % of `alpha`.
void drawButtonFace(vexaTBild& picture, const String& caption, int x, int y, int textY, bool lit, float alpha);
// Draws a text with the font blends, left-aligned at x minus half its width.
void drawCentredText(TBitmapFont& font, const String& text, float x, float y);
