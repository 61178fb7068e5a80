// The instructions dialog: seven help pages (moss, bombs, stones and the four power-ups), each
// with its title and text and small 3×3 sample boards drawn with the match-3 scene's own
// pictures, and the page navigation that only the in-game menu's help offers.
#include <array>

#include "font/game_fonts.h"
#include "game/shared_state.h"
#include "match3/power_up.h"
#include "match3/scene_match3.h"
#include "persist/language_file.h"
#include "ui/buttons.h"
#include "ui/input.h"
#include "ui/interface_helpers.h"
#include "ui/interface_pictures.h"
#include "ui/popup.h"

namespace {

constexpr int GLASS_BUTTON = 3;
constexpr int DIALOG_LAYER = 2;
constexpr int INACTIVE_LAYER = -1;  // drawn dimmed, never clicked
constexpr int CLOSING = 2;
constexpr int FIRST_PAGE = 1;
constexpr int LAST_PAGE = 7;
// The match-3 scene holds its frame counter here while the help it opens at a level start is
// shown; that help offers no navigation.
constexpr int LEVEL_START_HELP_RUNTIME = 36;
constexpr float CELL = 48;

// One layer of a sample board, cells 1..9 in reading order (index 0..8).
using BoardLayer = std::array<int, 9>;
constexpr BoardLayer EMPTY{};
// Glows over every cell of a board that was just cleared: the "after" picture of a blast.
constexpr BoardLayer BURST_GLOWS = {6, 2, 3, 4, 5, 6, 5, 2, 4};

String text(const char16_t* key) { return languageFile.getValue(key); }

bool clicked(float x, float y, int layer, const char16_t* key) {
    return textButton(x, y, GLASS_BUTTON, layer, text(key)) == BUTTON_CLICKED;
}

// Picture n of a picture table; 0 and numbers past the table draw nothing.
template <size_t N>
void paintIn(std::array<vexaTBild, N>& pictures, int n, float x, float y) {
    if (n > 0 && size_t(n) < N) pictures[size_t(n)].PaintXY(x, y);
}

// One 3×3 sample board centred on (x, y): the frame, moss (ground 1), glows at half size
// (ground 2 or more), the items, the marks at three quarters of the current alpha and the
// pointer beside the cell the player should click (pointerCell 1..9, 0 for none).
void drawHelpBoard(float x, float y, const BoardLayer& items, const BoardLayer& marks, const BoardLayer& ground,
                   int pointerCell) {
    vexaTSceneMatch3& scene = sceneMatch3;
    auto cellX = [x](int k) { return x + CELL * float(k % 3 - 1); };
    auto cellY = [y](int k) { return y + CELL * float(k / 3 - 1); };
    float alpha = getAlpha();
    imgNiner.PaintXY(x, y);
    for (int k = 0; k < 9; ++k)
        if (ground[k] == 1) scene._imgMoss.PaintXY(cellX(k), cellY(k));
    setScale(0.5f, 0.5f);
    for (int k = 0; k < 9; ++k)
        if (ground[k] >= 2) paintIn(scene._imgGlo, ground[k], cellX(k), cellY(k));
    setScale(1, 1);
    for (int k = 0; k < 9; ++k) paintIn(scene._imgItem, items[k], cellX(k), cellY(k));
    setAlpha(alpha * 0.75f);
    for (int k = 0; k < 9; ++k)
        if (marks[k] == 1) scene._imgCellMark.PaintXY(cellX(k), cellY(k));
    setAlpha(alpha);
    if (pointerCell >= 1 && pointerCell <= 9)
        mousePointer._imgPointer.PaintXY(cellX(pointerCell - 1) + 38, cellY(pointerCell - 1) + 38);
}

void titledPage(const char16_t* title, const char16_t* body, float textY) {
    popupHandler.box(POPUP_SIZE_BIG, text(title), 0);
    drawCentredLines(text(body), fontText, 512, textY);
}

// Moss: the top bar with its goal counters, a mossy board before and after a move, and a row
// of growing gems leading from one to the other.
void mossPage() {
    titledPage(u"helpdirttitle", u"helpdirttext", 410);
    setScale(0.6f, 0.6f);
    imgUiTopFull.PaintXY(512, 284 - imgNiner.H / 2 + imgUiTopFull.H / 2);
    setScale(1, 1);
    drawHelpBoard(312, 284, {1, 4, 1, 2, 1, 4, 4, 4, 2}, EMPTY, {0, 1, 0, 0, 1, 0, 0, 1, 0}, 6);
    drawHelpBoard(712, 284, {1, 4, 1, 2, 1, 2, 0, 0, 0}, EMPTY, {0, 1, 0, 0, 1, 0, 0, 0, 0}, 9);
    imgHelpTileExpl.PaintXY(712, 332);
    for (int i = 1; i <= 4; ++i) {
        float scale = 0.5f + 0.1f * float(i);
        setScale(scale, scale);
        sceneMatch3._imgItem[4].PaintXY(float(512 + 24 * i), float(284 + 10 * i));
    }
    setScale(1, 1);
}

// Bombs: five in a row make a bomb; a click sets it off and the board refills.
void bombPage() {
    titledPage(u"helpbombstitle", u"helpbombstext", 190);
    drawHelpBoard(212, 270, {3, 4, 3, 4, 4, 4, 1, 4, 2}, EMPTY, EMPTY, 0);
    drawHelpBoard(812, 270, {3, 2, 3, 1, 10, 2, 1, 3, 2}, EMPTY, EMPTY, 0);
    drawHelpBoard(212, 465, {3, 2, 3, 1, 0, 2, 1, 3, 2}, EMPTY, EMPTY, 5);
    sceneMatch3._imgBombflares.PaintXY(212, 465);
    drawHelpBoard(812, 465, EMPTY, EMPTY, BURST_GLOWS, 0);
    sceneMatch3._imgBombflares.PaintXY(812, 465);
}

void stonePage() {
    titledPage(u"helpstonetitle", u"helpstonetext", 190);
    drawHelpBoard(312, 399, {4, 4, 3, 2, 7, 4, 1, 0, 1}, EMPTY, EMPTY, 6);
    drawHelpBoard(712, 399, {0, 0, 0, 2, 0, 3, 1, 0, 1}, EMPTY, {3, 3, 3, 0, 7, 0, 0, 0, 0}, 3);
    imgHelpStoneExpl.PaintXY(712, 399);
}

void removeLinePage() {
    puRemoveLine._introduceMyself(u"removeline", 190);
    drawHelpBoard(312, 399, {3, 4, 3, 1, 5, 3, 1, 2, 4}, {0, 0, 0, 1, 1, 1, 0, 0, 0}, EMPTY, 5);
    drawHelpBoard(512, 399, {3, 4, 3, 0, 0, 0, 1, 2, 4}, EMPTY, {0, 0, 0, 8, 4, 2, 0, 0, 0}, 5);
    puRemoveLine.IntroductionPicture(712, 399);
}

void removeSameItemPage() {
    puRemoveSameItem._introduceMyself(u"removesameitems", 190);
    constexpr BoardLayer sameColour = {0, 0, 1, 1, 0, 0, 1, 1, 0};
    drawHelpBoard(312, 399, {3, 4, 2, 2, 3, 5, 2, 2, 4}, sameColour, EMPTY, 3);
    drawHelpBoard(512, 399, {3, 4, 0, 0, 3, 5, 0, 0, 4}, sameColour, {0, 0, 2, 2, 0, 0, 2, 2, 0}, 3);
    puRemoveSameItem.IntroductionPicture(712, 399);
}

void throwExplosivePage() {
    puThrowExplosive._introduceMyself(u"throwexplosive", 190);
    drawHelpBoard(312, 399, {3, 4, 2, 2, 3, 5, 2, 2, 4}, EMPTY, EMPTY, 0);
    drawHelpBoard(512, 399, EMPTY, EMPTY, BURST_GLOWS, 0);
    puThrowExplosive.IntroductionPicture(712, 399);
    setRotation(0);
    setScale(1, 1);
}

void replaceAllPage() {
    puReplaceAllItems._introduceMyself(u"replaceallitems", 190);
    drawHelpBoard(212, 399, {3, 1, 2, 4, 5, 4, 4, 1, 3}, EMPTY, EMPTY, 0);
    drawHelpBoard(412, 399, EMPTY, EMPTY, BURST_GLOWS, 0);
    drawHelpBoard(612, 399, {3, 2, 3, 1, 3, 2, 1, 3, 2}, EMPTY, EMPTY, 0);
    puReplaceAllItems.IntroductionPicture(812, 399);
}

void drawPage(int page) {
    switch (page) {
        case 1: mossPage(); break;
        case 2: bombPage(); break;
        case 3: removeLinePage(); break;
        case 4: stonePage(); break;
        case 5: removeSameItemPage(); break;
        case 6: throwExplosivePage(); break;
        case 7: replaceAllPage(); break;
        default: break;  // no page: only the buttons
    }
}

int pageButtonLayer(bool available) { return available ? DIALOG_LAYER : INACTIVE_LAYER; }

}  // namespace

// "ok", Escape or Enter close once the dialog is fully open. "back" and "next" are offered only
// when the in-game menu opened the help, not for the help a level shows at its start.
int vexaTPopup::showinstructions() {
    setScale(1, 1);
    drawPage(g_helpPage);
    bool ok = clicked(512, 610, DIALOG_LAYER, u"ok");
    if (answeredWhenOpen(ok)) direction = CLOSING;
    if (sceneMatch3._runtime != LEVEL_START_HELP_RUNTIME && g_helpFromMenu == 1) {
        if (clicked(312, 610, pageButtonLayer(g_helpPage > FIRST_PAGE), u"back")) g_helpPage -= 1;
        if (clicked(712, 610, pageButtonLayer(g_helpPage < LAST_PAGE), u"next")) g_helpPage += 1;
    }
    return 0;
}
