// Holo buttons: the button face with its caption, and the emblem with its wobble.
#include "ui/holo_button.h"

#include "game/globals.h"
#include "ui/buttons.h"
#include "ui/interface_pictures.h"

std::array<THoloButton, 4> mainMenuHoloButtons;
THoloButton roadmapHoloButton;

namespace {
constexpr int HOLO_FACE = 1;  // imgButtons slot of "button_holo"
constexpr int LAST_DISTINCT_WOBBLE_FRAME = 30;

vexaTBild& holoFace() { return imgButtons[HOLO_FACE]; }

// One frame of the wobble strip, whose handle is its top-left corner, centred at (x, y).
void drawWobbleFrame(float x, float y, int frame) {
    if (!imgHoloWobble) return;
    float left = x - float(imageWidth(imgHoloWobble) / 2);
    float top = y - float(imageHeight(imgHoloWobble) / 2);
    drawImage(imgHoloWobble, left, top, frame);
}
}  // namespace

int THoloButton::setup(float px, float py, int layer, const String& caption) {
    l = layer;
    s = upper(caption);
    x = floatToInt(px);
    y = floatToInt(py);
    w = floatToInt(holoFace().W / 2);
    h = floatToInt(holoFace().H / 2 - 2);
    holox = float(x) + korrx;
    holoy = float(y) + float(h) + imgHoloButtons[0].H / 2 + korry;
    diagLog(u"THoloButton.setup: " + s + u" (" + intToString(x) + u"|" + intToString(y) + u")");
    return 0;
}

int THoloButton::Tick(int) {
    float alpha = getAlpha();
    int grey = 0, green = 0, blue = 0;
    getColor(grey, green, blue);
    runtime += 1;
    Wobbel();
    setScale(1, 1);
    setButtonShade(l, grey);
    int result = BUTTON_IDLE;
    if (pointerStrictlyInside(float(x), float(y), float(w), float(h)) && buttonCanReact(l) && dialogSettled())
        result = hoverOrClick(float(x));
    drawButtonFace(holoFace(), s, x, y, y - 22, result != BUTTON_IDLE, alpha);
    setColor(grey, grey, grey);
    setAlpha(alpha);
    return result;
}

// The frame shown is the one counted before this call, so a wobble shows frame 0 first and
// frame 0 again on its last two frames.
int THoloButton::Wobbel() {
    int shown = wobbelruntime;
    if (runtime >= wobbelstart && runtime < wobbelstart + wobbeldauer) {
        isWobbel = 1;
        wobbelruntime += 1;
    }
    if (runtime > wobbelstart + wobbeldauer) {
        isWobbel = 0;
        wobbelruntime = 0;
        wobbelstart = runtime + 1;
    }
    if (isWobbel == 1) {
        drawWobbleFrame(holox, holoy, shown > LAST_DISTINCT_WOBBLE_FRAME ? 0 : shown);
        return 0;
    }
    for (int layer = 2; layer >= 0; --layer) imgHoloButtons[size_t(layer)].PaintXY(holox, holoy);
    return 0;
}
