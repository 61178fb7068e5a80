// What the dialogs share: their texts by key and their glass buttons in the dialog layer.
#pragma once

#include "persist/language_file.h"
#include "ui/buttons.h"

constexpr int DIALOG_BUTTON_SLOT = 3;  // the glass button picture
constexpr int DIALOG_LAYER = 2;
constexpr int POPUP_CLOSING = 2;  // popupHandler.direction of a closing dialog

// The edition's text of `key`.
inline String dialogText(const char16_t* key) { return languageFile.getValue(key); }

// Draws a glass button captioned with the text of `key`; true when it was clicked this frame.
// Called by the dialogs once per frame per button.
inline bool dialogButtonClicked(float x, float y, const char16_t* key, int layer = DIALOG_LAYER) {
    return textButton(x, y, DIALOG_BUTTON_SLOT, layer, dialogText(key)) == BUTTON_CLICKED;
}
