// The player manager and the delete question.
#include "ui/player_manager.h"

#include "font/game_fonts.h"
#include "game/globals.h"
#include "game/shared_state.h"
#include "persist/config.h"
#include "persist/player.h"
#include "persist/roster.h"
#include "ui/dialog_parts.h"
#include "ui/input.h"
#include "ui/interface_pictures.h"
#include "ui/player_entry.h"
#include "ui/popup.h"

namespace {

constexpr int MOST_PROFILES = 7;
constexpr int UNAVAILABLE_LAYER = -1;  // a layer never active: the button shows dimmed and inert
constexpr int LAST_NEW_SLOT = 7;
constexpr float ROW_SPACING = 1.1f;  // row height in font heights

void (*managerClosed)() = nullptr;

// The list panel's geometry: its top, the name column's left edge, the points column's right
// edge and the row height.
struct ListGeometry {
    float top, nameX, pointsX, rowHeight, halfWidth;
};

// Rows are 1.1 font heights apart. Our text font's height is all letter, with no room above or
// below, so rows spaced 0.8 font heights ran into each other and the selection bar (drawn 11
// pixels above the next row) sat above the text instead of behind it.
ListGeometry listGeometry() {
    float halfWidth = imgPlayerMenu.W / 2;
    return {384 - imgPlayerMenu.H / 2, 512 - halfWidth + 40, 512 + halfWidth - 40,
            float(fontText.GetFontHeight()) * ROW_SPACING, halfWidth};
}

void drawHeadings(const ListGeometry& list) {
    float y = list.top - 8;
    fontText.DrawText(dialogText(u"player"), list.nameX, y, 1, 0);
    drawCentredText(fontText, dialogText(u"game"), 512, y);
    fontText.DrawText(dialogText(u"points"), list.pointsX, y, 1, 2);
}

// Name, level and points of a profile on the row at y; `pointsBlends` 2 draws the points with
// every layer in the blend in force.
void drawProfile(const TSpieler& player, const ListGeometry& list, float y, const String& pointsSuffix,
                 int pointsBlends) {
    fontText.DrawText(player.Name, list.nameX, y, 1, 0);
    drawCentredText(fontText, intToString(player.StoryLevel), 512, y);
    fontText.DrawText(intToString(player.StoryPoints) + pointsSuffix, list.pointsX, y, pointsBlends, 2);
}

bool rowHovered(const ListGeometry& list, float y) {
    return mousePointer._x > 512 - list.halfWidth && mousePointer._x < 512 + list.halfWidth &&
           mousePointer._y > y + 5 && mousePointer._y < y + list.rowHeight;
}

// One row: the current profile under the selection bar, a click on the row makes its profile
// current at once (the bar follows from the next frame), a hovered row is drawn twice.
void drawRow(int slot, const ListGeometry& list, float y) {
    const TSpieler& player = players[size_t(slot)];
    if (slot == g_currentPlayer) {
        imgBar.PaintXY(512, y + list.rowHeight - 11);
        drawProfile(player, list, y, u" ", 1);
    }
    setAlpha(1);
    bool hovered = rowHovered(list, y);
    if (hovered && input._MausFireLeft == 1) {
        input._MausFireLeft = 0;
        g_currentPlayer = slot;
    }
    if (slot != g_currentPlayer) drawProfile(player, list, y, u"", 1);
    if (hovered) drawProfile(player, list, y, u"", 2);
}

// The rows in roster order, skipping the slots without a name; returns how many were drawn.
int drawRows(const ListGeometry& list) {
    int rows = 0;
    for (int position = 1; position <= ROSTER_LAST; ++position) {
        int slot = rosterOrder[size_t(position)];
        if (isEmptyProfile(slot)) continue;
        rows += 1;
        drawRow(slot, list, list.top + list.rowHeight * float(rows));
    }
    return rows;
}

// New profiles take the first free slot from 2 on; slot 8 stays unused, so the roster holds at
// most seven (slot 1 is the first player's).
void beginNewPlayer() {
    int slot = 2;
    while (slot <= ROSTER_LAST && !isEmptyProfile(slot)) slot += 1;
    if (slot > LAST_NEW_SLOT) return;
    g_previousPlayer = g_currentPlayer;
    g_currentPlayer = slot;
    players[size_t(slot)].Name.clear();
    g_nameLength = 0;
    openNameEntry();
}

void closeManager() {
    config.SaveToDisk();
    if (managerClosed != nullptr) managerClosed();
    popupHandler.direction = POPUP_CLOSING;
}

// Empties the current profile on disk, then makes the first remaining profile current and goes
// back to the manager, or closes when none is left.
void deleteCurrentPlayer() {
    if (g_currentPlayer >= 1 && g_currentPlayer <= ROSTER_LAST) {
        currentPlayer().Erase();
        currentPlayer().SaveToDisk();
    }
    int slot = 1;
    while (slot <= ROSTER_LAST && isEmptyProfile(slot)) slot += 1;
    if (slot > ROSTER_LAST) {
        g_currentPlayer = -1;
        popupHandler.direction = POPUP_CLOSING;
    } else {
        g_currentPlayer = slot;
        popupHandler.pop(POPUP_MANAGER);
        popupHandler.runtime = POPUP_OPEN;
    }
    config.SaveToDisk();
}

bool ready() { return popupHandler.runtime == POPUP_OPEN; }

}  // namespace

void linkManagerClosed(void (*onClose)()) { managerClosed = onClose; }

// The roster order was fixed when the manager opened; it stays while the manager is open.
void playerManager() {
    setScale(1, 1);
    popupHandler.box(POPUP_SIZE_BIG, dialogText(u"playermenu"), 0);
    imgPlayerMenu.PaintXY(512, 364);
    ListGeometry list = listGeometry();
    drawHeadings(list);
    int rows = drawRows(list);
    if ((dialogButtonClicked(512, 584, u"ok") || input._Escape == 1 || input._Enter == 1) && ready()) closeManager();
    if (dialogButtonClicked(323, 584, u"newplayer", rows >= MOST_PROFILES ? UNAVAILABLE_LAYER : DIALOG_LAYER)) {
        beginNewPlayer();
        popupHandler.runtime = POPUP_OPEN;
    }
    if (dialogButtonClicked(701, 584, u"delete")) {
        popupHandler.pop(POPUP_DELETEPLAYER);
        popupHandler.runtime = POPUP_OPEN;
    }
}

void delplayer() {
    setScale(1, 1);
    popupHandler.box(POPUP_SIZE_SMALL, dialogText(u"delete"), 0);
    drawCentredText(fontText, dialogText(u"delplayersure"), 512, 299);
    drawCentredText(fontText, dialogText(u"delplayersure2"), 512, 339);
    if (g_currentPlayer > -1) drawCentredText(fontText, currentPlayer().Name, 512, 389);
    if (dialogButtonClicked(412, 484, u"back") && ready()) {
        popupHandler.pop(POPUP_MANAGER);
        popupHandler.runtime = POPUP_OPEN;
    }
    if (dialogButtonClicked(612, 484, u"ok") && ready()) deleteCurrentPlayer();
}
