// The shared buttons and the tooltip box: each call hit-tests, draws and reports in one go.
#include "ui/buttons.h"

#include "font/game_fonts.h"
#include "game/globals.h"
#include "game/shared_state.h"
#include "ui/input.h"
#include "ui/interface_helpers.h"
#include "ui/interface_pictures.h"
#include "ui/popup.h"
#include "ui/scene_handler.h"
#include "ui/sound_handler.h"

namespace {

constexpr int KNOB_SLOT = 10;
constexpr int SLOT_WITH_LOW_CAPTION = 9;
constexpr float HOVER_SCALE = 1.025f;
constexpr float HIGHLIGHT_ALPHA = 0.15f;
constexpr float SCREEN_WIDTH = 1024;
constexpr float SCREEN_HEIGHT = 768;
// Dialogs during which a held knob is not dragged; 5 is kept in the list although no dialog has it.
constexpr int NO_DRAG_STATES[] = {POPUP_CREDITS, POPUP_HELP, POPUP_MAP, 5, POPUP_STONESET};

// Stands in for a slot outside a picture array: it draws nothing and is never under the pointer.
vexaTBild noPicture;

template <size_t N>
vexaTBild& pictureSlot(std::array<vexaTBild, N>& pictures, int slot) {
    return slot >= 0 && size_t(slot) < N ? pictures[size_t(slot)] : noPicture;
}

bool knobTouchesPointer(const vexaTBild& knob, float x, float y) {
    if (!knob.data || !imgColl3.data) return false;
    return imagesCollide(knob.data, floatToInt(x), floatToInt(y), 0, imgColl3.data, floatToInt(mousePointer._x),
                         floatToInt(mousePointer._y), 0) != 0;
}

bool knobMayDrag() {
    for (int state : NO_DRAG_STATES) {
        if (popupHandler.State == state) return false;
    }
    return true;
}

// The colour and alpha a button found, put back before it returns.
class SavedColour {
public:
    SavedColour() : alpha(getAlpha()) { getColor(red, green, blue); }
    ~SavedColour() {
        setColor(red, green, blue);
        setAlpha(alpha);
    }
    SavedColour(const SavedColour&) = delete;
    SavedColour& operator=(const SavedColour&) = delete;

    int red = 0, green = 0, blue = 0;
    float alpha;
};

}  // namespace

bool pointerStrictlyInside(float x, float y, float halfWidth, float halfHeight) {
    return mousePointer._x > x - halfWidth && mousePointer._x < x + halfWidth && mousePointer._y > y - halfHeight &&
           mousePointer._y < y + halfHeight;
}

bool buttonCanReact(int layer) {
    return layer == g_inputLayer && sceneHandler.FaderDir == FADER_DIR_IN && g_pause == -1;
}

bool dialogSettled() { return popupHandler.runtime == POPUP_OPEN || popupHandler.runtime == 0; }

int hoverOrClick(float x) {
    if (input._MausFireLeft != 1) return BUTTON_HOVER;
    input._MausFireLeft = 0;
    soundHandler.PlayS(SOUND_BUTTON1, x);
    return BUTTON_CLICKED;
}

void setButtonShade(int layer, int grey) {
    int shade = layer == g_inputLayer ? grey : grey / 2;
    setColor(shade, shade, shade);
}

void drawCentredText(TBitmapFont& font, const String& text, float x, float y) {
    font.DrawText(text, x - float(font.GetTxtWidth(text) / 2), y, 1, 0);
}

// The highlight draws the caption without the font blends, so that all its layers add light
// like the picture does instead of laying the dark shadow over the face again.
void drawButtonFace(vexaTBild& picture, const String& caption, int x, int y, int textY, bool lit, float alpha) {
    float captionX = float(x - 2 - fontText.GetTxtWidth(caption) / 2);
    picture.PaintXY(float(x), float(y));
    fontText.DrawText(caption, captionX, float(textY), 1, 0);
    if (!lit) return;
    setBlend(BLEND_LIGHT);
    setAlpha(alpha * HIGHLIGHT_ALPHA);
    picture.PaintXY(float(x), float(y));
    fontText.DrawText(caption, captionX, float(textY), 0, 0);
    setBlend(BLEND_ALPHA);
}

int textButton(float x, float y, int slot, int layer, const String& text) {
    vexaTBild& picture = pictureSlot(imgButtons, slot);
    int xi = floatToInt(x), yi = floatToInt(y);
    int halfWidth = floatToInt(picture.W / 2), halfHeight = floatToInt(picture.H / 2 - 2);
    int result = BUTTON_IDLE;
    if (pointerStrictlyInside(float(xi), float(yi), float(halfWidth), float(halfHeight)) && buttonCanReact(layer) &&
        dialogSettled())
        result = hoverOrClick(x);
    SavedColour saved;
    setScale(1, 1);
    setButtonShade(layer, saved.red);
    int captionDrop = slot == SLOT_WITH_LOW_CAPTION ? -17 : -26;
    drawButtonFace(picture, text, xi, yi, yi + captionDrop + 4, result != BUTTON_IDLE, saved.alpha);
    return result;
}

// The enlarged knob of a hovered button is drawn at 1.025 and the scale is set back to 1 at once,
// so the rest of the dialog is not drawn enlarged.
int pictureButton(float x, float y, int slot, int layer) {
    vexaTBild& knob = pictureSlot(imgSliderParts, slot);
    int result = BUTTON_IDLE;
    if (knobTouchesPointer(knob, x, y) && buttonCanReact(layer)) {
        result = hoverOrClick(x);
        if (input._MausDownLeft == 1 && slot == KNOB_SLOT && knobMayDrag()) result = BUTTON_DRAGGED;
    }
    SavedColour saved;
    setButtonShade(layer, saved.red);
    bool active = layer == g_inputLayer;
    if (active) setScale(result == BUTTON_IDLE ? 1 : HOVER_SCALE, result == BUTTON_IDLE ? 1 : HOVER_SCALE);
    knob.PaintXY(x, y);
    if (active) setScale(1, 1);
    return result;
}

int closeButton(float x, float y) {
    if (!pointerStrictlyInside(x, y, imgCloseHover.W * 0.5f, imgCloseHover.H * 0.5f)) {
        imgClose.PaintXY(x, y);
        return 0;
    }
    imgCloseHover.PaintXY(x, y);
    if (input._MausFireLeft != 1) return 0;
    soundHandler.PlayS(SOUND_BUTTON1, x);
    return 1;
}

// The scale is set to 1 before the frame is drawn, so a caller's scale never shifts the frame
// away from the place that was kept on screen.
void drawTooltip(const String& text, float x, float y) {
    vexaTBild& frame = popupHandler.imgPopupMini;
    if (x + frame.W > SCREEN_WIDTH) x = SCREEN_WIDTH - frame.W;
    if (y + frame.H > SCREEN_HEIGHT) y = SCREEN_HEIGHT - frame.H - 5;
    setScale(1, 1);
    frame.setHandleTopLeft();
    frame.PaintXY(x, y);
    frame.Center();
    drawCentredLines(text, fontText, x + frame.W / 2, y + 10);
}
