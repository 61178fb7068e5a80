// The global drawing state (blend, colour, alpha, rotation, scale, viewport, virtual
// resolution) and the placement of image frames and small-font text under it.
#include <algorithm>
#include <cmath>

#include "platform/graphics.h"

namespace {

struct DrawState {
    int blend = BLEND_MASK;
    int r = 255, g = 255, b = 255;
    float alpha = 1;
    float rotation = 0;
    float scaleX = 1, scaleY = 1;
    float virtualWidth = 0, virtualHeight = 0;
    int displayWidth = 0, displayHeight = 0;
};

DrawState state;
Image smallFont;

constexpr int GLYPH_ADVANCE = 6;

// Back-buffer pixels per logical unit.
float pixelsPerUnitX() { return state.virtualWidth > 0 ? state.displayWidth / state.virtualWidth : 1; }
float pixelsPerUnitY() { return state.virtualHeight > 0 ? state.displayHeight / state.virtualHeight : 1; }

uint8_t clampColour(int value) { return uint8_t(std::clamp(value, 0, 255)); }

// One axis of the unrotated destination: the frame spans handle-relative offsets
// -handle .. size - handle, scaled; a negative scale mirrors the frame about the handle.
void placeAxis(float position, float handle, int size, float scale, float unit, float& start,
               float& length, float& centre) {
    float offset = std::min(-handle * scale, (size - handle) * scale);
    start = (position + offset) * unit;
    length = size * std::abs(scale) * unit;
    centre = -offset * unit;
}

void drawFrame(ImageData& image, int frame, float handleX, float handleY, float x, float y) {
    DrawCommand command;
    command.image = &image;
    command.frame = &image.frames[size_t(frame)];
    command.filtered = (image.flags & IMAGE_FILTERED) != 0;
    placeAxis(x, handleX, image.width, state.scaleX, pixelsPerUnitX(), command.left, command.width, command.centreX);
    placeAxis(y, handleY, image.height, state.scaleY, pixelsPerUnitY(), command.top, command.height, command.centreY);
    command.angle = state.rotation;
    command.flipX = state.scaleX < 0;
    command.flipY = state.scaleY < 0;
    command.blend = state.blend;
    command.alpha = std::clamp(state.alpha, 0.0f, 1.0f);
    command.colour = {clampColour(state.r), clampColour(state.g), clampColour(state.b),
                      uint8_t(std::lround(command.alpha * 255))};
    painter().draw(command);
}

}  // namespace

void resetDrawState(int width, int height) {
    state = DrawState{};
    state.virtualWidth = float(width);
    state.virtualHeight = float(height);
    state.displayWidth = width;
    state.displayHeight = height;
    painter().setClip({0, 0, width, height});
}

void setBlend(int mode) { state.blend = mode; }
int getBlend() { return state.blend; }
void setAlpha(float a) { state.alpha = a; }
float getAlpha() { return state.alpha; }

void setColor(int r, int g, int b) {
    state.r = r;
    state.g = g;
    state.b = b;
}

void getColor(int& r, int& g, int& b) {
    r = state.r;
    g = state.g;
    b = state.b;
}

void setRotation(float degrees) { state.rotation = degrees; }
float getRotation() { return state.rotation; }

void setScale(float sx, float sy) {
    state.scaleX = sx;
    state.scaleY = sy;
}

void getScale(float& sx, float& sy) {
    sx = state.scaleX;
    sy = state.scaleY;
}

void setVirtualResolution(float w, float h) {
    state.virtualWidth = w;
    state.virtualHeight = h;
}

float virtualWidth() { return state.virtualWidth; }
float virtualHeight() { return state.virtualHeight; }

void setViewport(int x, int y, int w, int h) {
    double unitX = pixelsPerUnitX(), unitY = pixelsPerUnitY();
    int left = int(std::floor(x * unitX)), right = int(std::floor((x + w) * unitX));
    int top = int(std::floor(y * unitY)), bottom = int(std::floor((y + h) * unitY));
    painter().setClip({left, top, right - left, bottom - top});
}

void drawImage(const Image& image, float x, float y, int frame) {
    if (!image || frame < 0 || frame >= int(image->frames.size())) return;
    drawFrame(*image, frame, image->handleX, image->handleY, x, y);
}

// Each glyph is placed as a frame whose handle lies to its left by the pen advance, so the
// whole line turns and scales about (x, y) like one picture.
void drawText(const String& text, float x, float y) {
    if (!smallFont) smallFont = makeSmallFont();
    float pen = 0;
    for (char16_t c : text) {
        if (c > 32 && c < 127) drawFrame(*smallFont, c - 32, -pen, 0, x, y);
        pen += GLYPH_ADVANCE;
    }
}

int textWidth(const String& text) { return int(text.size()) * GLYPH_ADVANCE; }
