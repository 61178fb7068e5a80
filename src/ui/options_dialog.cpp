// The options dialog (both volume sliders, the full-screen, help and pointer check boxes) and
// the credits it leads to.
#include <algorithm>

#include "font/game_fonts.h"
#include "game/globals.h"
#include "game/shared_state.h"
#include "persist/config.h"
#include "persist/player.h"
#include "ui/dialog_parts.h"
#include "ui/input.h"
#include "ui/interface_helpers.h"
#include "ui/interface_pictures.h"
#include "ui/popup.h"

namespace {

constexpr int KNOB_SLOT = 10;
constexpr int VOLUME_MAX = 280;
// The knob of volume 0 sits at the track's left end; volume v is v pixels to the right of it.
constexpr float KNOB_ORIGIN_X = 372;
// A check box reacts to the pointer strictly within this distance of its centre.
constexpr float CHECKBOX_REACH = 20;

void (*fullScreenToggle)() = nullptr;

bool sliderDragged() { return g_sliderSound == 1 || g_sliderMusic == 1; }

// One volume row: its heading, the track, "quiet" ending at x 322 and "loud" from x 702 on the
// label line, and the knob. A knob may start dragging only while the other one is not dragged;
// while dragged, the volume follows the pointer. The volume is kept within 0..280 at all times,
// so the sound handler never sees a value past the track, even within the frame of the drag.
void volumeRow(const char16_t* heading, float rowY, float headingY, int& volume, int& dragging, int otherDragging) {
    drawCentredText(fontText, dialogText(heading), 512, headingY);
    imgOptionsTrack.PaintXY(512, rowY);
    String quiet = dialogText(u"quiet");
    fontText.DrawText(quiet, float(322 - fontText.GetTxtWidth(quiet)), rowY - 20, 1, 0);
    fontText.DrawText(dialogText(u"loud"), 702, rowY - 20, 1, 0);
    volume = std::clamp(volume, 0, VOLUME_MAX);
    int knob = pictureButton(KNOB_ORIGIN_X + float(volume), rowY + 3, KNOB_SLOT, DIALOG_LAYER);
    if (knob == BUTTON_DRAGGED && otherDragging == 0) dragging = 1;
    if (dragging == 1) volume = std::clamp(floatToInt(mousePointer._x - 512 + 140), 0, VOLUME_MAX);
}

void toggleHelp() {
    if (g_currentPlayer < 0) return;
    TSpieler& player = currentPlayer();
    player.isHelp = player.isHelp != 0 ? 0 : 1;
}

void toggleFullScreen() {
    if (fullScreenToggle != nullptr) fullScreenToggle();
}

void toggleGamePointer() { mousePointer.toggleGFXMode(); }

struct CheckBox {
    float x, y;
    const char16_t* label;
    bool (*ticked)();
    void (*action)();
};

bool fullScreenTicked() { return config.fullscreen == 1; }
bool helpTicked() { return currentPlayer().isHelp != 0; }
bool pointerTicked() { return mousePointer._useGFXPointer == 1; }

const CheckBox CHECK_BOXES[] = {
    {302, 434, u"fullscreen", fullScreenTicked, toggleFullScreen},
    {552, 434, u"showhelp", helpTicked, toggleHelp},
    {442, 484, u"gfxcursor", pointerTicked, toggleGamePointer},
};

// Check boxes act in any phase of the dialog and leave the click to others. They do not act
// while the game is paused: the click that ends the pause screen (after the window had lost
// the focus) is meant for the pause screen, not for the box that happens to be under it.
void drawCheckBox(const CheckBox& box) {
    imgCheckbox.PaintXY(box.x, box.y);
    if (!sliderDragged() && pointerStrictlyInside(box.x, box.y, CHECKBOX_REACH, CHECKBOX_REACH)) {
        float alpha = getAlpha();
        setBlend(BLEND_LIGHT);
        imgCheckbox.PaintXY(box.x, box.y);
        setBlend(BLEND_ALPHA);
        setAlpha(alpha);
        if (input._MausFireLeft == 1 && g_pause == -1) box.action();
    }
    bool helpWithoutPlayer = box.action == toggleHelp && g_currentPlayer < 0;
    if (helpWithoutPlayer) {
        float alpha = getAlpha();
        setAlpha(alpha / 2);
        imgCheckmark.PaintXY(box.x + 6, box.y - 6);
        setAlpha(alpha);
    } else if (box.ticked()) {
        imgCheckmark.PaintXY(box.x + 6, box.y - 6);
    }
    fontText.DrawText(dialogText(box.label), box.x + 37, box.y - 20, 1, 0);
}

}  // namespace

float creditsTextTop() {
    return 384 - popupHandler.imgPopupSmall.H / 2 + 20 + float(fontHeader.GetFontHeight() + fontText.GetFontHeight());
}

void linkFullScreenToggle(void (*toggle)()) { fullScreenToggle = toggle; }

// Enter is a held key: held while the dialog opens, it closes the dialog as soon as it is open.
int vexaTPopup::IngameOptions() {
    setScale(1, 1);
    box(POPUP_SIZE_BIG, dialogText(u"options"), 0);
    setScale(1.1f, 1);
    imgPaperCanvas.PaintXY(512, 384);
    setScale(1, 1);
    volumeRow(u"sound", 384, 326, config.soundlaut, g_sliderSound, g_sliderMusic);
    volumeRow(u"music", 289, 231, config.musiklautsoll, g_sliderMusic, g_sliderSound);
    for (const CheckBox& checkBox : CHECK_BOXES) drawCheckBox(checkBox);
    if (input._MausDownLeft == 0) g_sliderSound = g_sliderMusic = 0;
    if (dialogButtonClicked(362, 594, u"credits")) pop(POPUP_CREDITS);
    if (answeredWhenOpen(dialogButtonClicked(662, 594, u"ok"))) {
        config.SaveToDisk();
        direction = POPUP_CLOSING;
    }
    return 0;
}

// The text starts one line below the title (from y 234 it ran over the title of the small
// frame).
int vexaTPopup::Credits() {
    setScale(1, 1);
    box(POPUP_SIZE_SMALL, u"Pendrel", 0);
    drawCentredLines(dialogText(u"creditstext"), fontText, 512, creditsTextTop());
    bool close = closeButton(707, 272) == 1;
    if (answeredWhenOpen(close)) direction = POPUP_CLOSING;
    return 0;
}
