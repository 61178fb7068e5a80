// Drawing the board and the level's interface: the permanent pictures, the pre-rendered level
// picture with its frame, cells, moss, items, hint arrows, the start sign, the header texts,
// the menu button and the goal bar.
#include <algorithm>
#include <array>

#include "font/game_fonts.h"
#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/meteor.h"
#include "match3/power_up.h"
#include "match3/scene_match3.h"
#include "persist/player.h"
#include "ui/buttons.h"
#include "ui/interface_helpers.h"
#include "ui/interface_pictures.h"
#include "ui/popup.h"

namespace {

constexpr int LEVEL_PICTURE_X = 32, LEVEL_PICTURE_Y = 74;
constexpr int MENUBUTTON_X = 937, MENUBUTTON_Y = 29;
constexpr int GEMBAR_XOFFSET = 387, GEMBAR_YOFFSET = 21;
// Item pictures 1..18: the gem colours, the blocks, bomb, mushroom, power-up items and the door.
constexpr int ITEM_PICTURES = 18;

// Where a border piece goes relative to the top-left corner of its cell's 48×48 area; pieces
// without an offset are drawn live every frame instead of being pasted into the level picture.
struct PieceOffset {
    bool pasted;
    int dx, dy;
};
constexpr std::array<PieceOffset, 25> PIECE_OFFSETS = {{
    {false, 0, 0},                                                                        // 0: none
    {true, 0, -18}, {true, 0, 46}, {true, -18, 0}, {true, 46, 0}, {true, -18, -18},       // 1..5
    {true, 0, -18}, {true, 0, 0}, {true, -18, 0}, {true, 46, 0}, {true, -18, 0},          // 6..10
    {false, 0, 0}, {false, 0, 0}, {true, 46, -1}, {true, -18, -1}, {false, 0, 0},         // 11..15
    {false, 0, 0}, {true, -18, -2}, {true, 0, -2}, {true, 0, -18}, {true, -18, -18},      // 16..20
    {false, 0, 0}, {false, 0, 0}, {false, 0, 0}, {false, 0, 0},                            // 21..24
}};

bool isLivePiece(int piece) { return piece >= 1 && piece <= 24 && !PIECE_OFFSETS[size_t(piece)].pasted; }

// The pixels of frame 0 of a loaded picture, locked for reading; null when nothing is loaded.
const Pixmap* lockForReading(const vexaTBild& picture) {
    return picture.data ? lockImage(picture.data, 0, true, false) : nullptr;
}

void unlockIfLoaded(const vexaTBild& picture) {
    if (picture.data) unlockImage(picture.data, 0);
}

void pasteAt(Pixmap& target, const Pixmap* piece, float x, float y) {
    if (piece) pastePixmap(target, *piece, floatToInt(x), floatToInt(y));
}

}  // namespace

std::pair<int, int> borderPieceOffset(int piece) {
    bool pasted = piece >= 1 && piece <= 24 && PIECE_OFFSETS[size_t(piece)].pasted;
    if (!pasted) return {-18, -18};
    return {PIECE_OFFSETS[size_t(piece)].dx, PIECE_OFFSETS[size_t(piece)].dy};
}

int vexaTSceneMatch3::preloadImages() {
    _imgGameUIMatch3Longbar.LoadFromDisk(u"data/match3/m3uilongbar.png", 1, -1);
    _imgGameUIMatch3Longbar.setXY(512, 758);
    _imgLogoGlow.LoadFromDisk(u"data/effects/logoglow.png", 1, -1);
    _imgRays2.LoadFromDisk(u"data/effects/rays2.png", 1, -1);
    _imgCell.LoadFromDisk(u"data/match3/cell.png", 1, -1);
    _imgMoss.LoadFromDisk(u"data/match3/moss.png", 1, -1);
    _imgCellMask.LoadFromDisk(u"data/match3/cellmask.png", 1, -1);
    _imgCellMark.LoadFromDisk(u"data/match3/cellmark.png", 1, -1);
    _imgGameUIMatch3.LoadFromDisk(u"data/match3/m3uiup.png", 1, -1);
    _imgPlaysign.LoadFromDisk(u"data/texts/gameon.png", 1, -1);
    for (int n = 1; n <= 11; ++n) _imgRow[size_t(n)].LoadFromDisk(u"data/match3/cellrow" + intToString(n) + u".png", 0, -1);
    for (int n = 1; n <= 24; ++n)
        _imgCellBorder[size_t(n)].LoadFromDisk(u"data/match3/border" + intToString(n) + u".png", 0, -1);
    // Up to the door block (18), which the board shows as well as the gems, blocks and bombs.
    for (int n = 1; n <= ITEM_PICTURES; ++n)
        _imgItem[size_t(n)].LoadFromDisk(u"data/match3/item1-" + intToString(n) + u".png", 1, -1);
    for (int n = 1; n <= 4; ++n) _imgCellArrow[size_t(n)].LoadFromDisk(u"data/match3/arrow" + intToString(n) + u".png", 1, -1);
    loadPowerUpPictures();
    meteor.loadImages();
    return 0;
}

int vexaTSceneMatch3::setVictoryScreen() {
    _imgVictory.LoadFromDisk(u"data/Match3/victory.png", 1, -1);
    _imgVictory.setXY(512, 384);
    return 1;
}

int vexaTSceneMatch3::_predrawings() {
    cls();
    return _predraw_level();
}

// The level picture holds the column strips and the border pieces that never change, so the
// frame costs one picture a frame.
int vexaTSceneMatch3::_predraw_level() {
    _imgLevel.Unload();
    _imgLevel.data = createImage(960, 620, 1, IMAGE_DYNAMIC);
    _imgLevel.isLoaded = 1;
    _imgLevel.W = 960;
    _imgLevel.H = 620;
    Pixmap* level = lockImage(_imgLevel.data, 0, false, true);
    if (level) {
        pasteBorderPieces(*level);
        pasteColumnStrips(*level);
    }
    unlockImage(_imgLevel.data, 0);
    return 0;
}

void vexaTSceneMatch3::pasteBorderPieces(Pixmap& level) {
    std::array<const Pixmap*, 25> pieces{};
    for (int n = 1; n <= 24; ++n) pieces[size_t(n)] = lockForReading(_imgCellBorder[size_t(n)]);
    for (int c = 1; c <= M3_CELL_LAST; ++c) {
        int piece = _cellBord[c];
        if (_CellA[c] <= 0 || _CellA[c] >= 100 || piece <= 0 || piece > 24) continue;
        const PieceOffset& offset = PIECE_OFFSETS[size_t(piece)];
        if (!offset.pasted) continue;
        pasteAt(level, pieces[size_t(piece)], _CellX[c] - 56 + float(offset.dx), _CellY[c] - 98 + float(offset.dy));
    }
    for (int n = 1; n <= 24; ++n) unlockIfLoaded(_imgCellBorder[size_t(n)]);
}

// A strip starts at the top-left corner of its column's topmost cell; a column of 12 cells
// has no strip picture.
void vexaTSceneMatch3::pasteColumnStrips(Pixmap& level) {
    for (int column = 1; column < M3_COLUMNS; ++column) {
        int count = _m3rowcount[size_t(column)];
        if (count <= 0 || count > 11) continue;
        const vexaTBild& strip = _imgRow[size_t(count)];
        pasteAt(level, lockForReading(strip), _m3rowx[size_t(column)] - 56, _m3rowy[size_t(column)] - 98);
        unlockIfLoaded(strip);
    }
}

int vexaTSceneMatch3::_draw_cells() {
    float a0 = getAlpha();
    _mosscount = 0;
    for (int c = 1; c <= M3_CELL_LAST; ++c)
        if (isLivePiece(_cellBord[c])) _imgCellBorder[size_t(_cellBord[c])].PaintXY(_CellX[c] - 42, _CellY[c] - 42);
    _imgLevel.PaintXY(LEVEL_PICTURE_X, LEVEL_PICTURE_Y);
    drawMoss(a0);
    for (int c = 1; c <= M3_CELL_LAST; ++c) drawCellMarks(c, a0);
    return 0;
}

// Moss is drawn solid on a fully visible board; the glint sweeping across it lights each cell
// it passes.
void vexaTSceneMatch3::drawMoss(float a0) {
    setBlend(a0 >= 0.99f ? BLEND_SOLID : BLEND_ALPHA);
    for (int c = 1; c <= M3_CELL_LAST; ++c) {
        if (_cellMoss[c] != 1) continue;
        _imgMoss.PaintXY(_CellX[c], _CellY[c]);
        if (float(_wholeglow) == _CellX[c]) _cellGlow[c] = 18;
        _mosscount += 1;
    }
    setBlend(BLEND_ALPHA);
}

void vexaTSceneMatch3::drawCellMarks(int c, float a0) {
    if (_cellGlow[c] > 0) {
        _cellGlow[c] -= 1;
        setBlend(BLEND_LIGHT);
        setAlpha(a0 * sinDeg(10.0f * float(_cellGlow[c])));
        _imgCell.PaintXY(_CellX[c], _CellY[c]);
        setAlpha(a0);
        setBlend(BLEND_ALPHA);
    }
    if (_cellFumm[c] > 0) {
        _cellFumm[c] = std::min(_cellFumm[c] + 1, 5);
        setAlpha(a0 * float(_cellFumm[c]) * 0.2f);
        _imgCellMark.PaintXY(_CellX[c], _CellY[c]);
        setAlpha(a0);
    }
}

int vexaTSceneMatch3::_draw_items() {
    for (int i = 1; i <= M3_CELL_LAST; ++i) {
        if (_itemA[i] <= 0 || _itemA[i] >= _ITEM_BRAKE) continue;
        if (i == _gt3_partner1 || i == _gt3_partner2) continue;
        drawItem(i);
    }
    drawHintArrows();
    return 0;
}

void vexaTSceneMatch3::drawItem(int i) {
    float dx = 0, dy = 0;
    if (_Item_Rumble[i] > 0) {
        _Item_Rumble[i] -= 1;
        int r = floatToInt(float(_Item_Rumble[i]) * 0.2f);
        dx = float(randInt(-r, r));
        dy = float(randInt(-r, r));
    }
    if (_Item_FallDynamic[i] > 0) _Item_FallDynamic[i] -= 1;
    dy += float(_Item_FallDynamic[i]);
    if (_itemA[i] == _ITEM_BOMB) drawBombGlow(i);
    if (_Item_Tipp[i] > 0) {
        _Item_Tipp[i] += 1;
        if (_Item_Tipp[i] >= 72) _Item_Tipp[i] = 0;
        setRotation(10.0f * sinDeg(10.0f * float(_Item_Tipp[i])));
    }
    _Item_Alter[i] = std::min(_Item_Alter[i] + 1, 20);
    setAlpha(float(_Item_Alter[i]) * 0.05f * g_boardAlpha);
    if ((_itemKaefCol[i] == -1 || _itemKaefCol[i] == 0) && size_t(_itemA[i]) < _imgItem.size())
        _imgItem[size_t(_itemA[i])].PaintXY(_itemX[i] + dx, _itemY[i] + dy);
    setAlpha(g_boardAlpha);
    setRotation(0);
    setScale(1, 1);
}

// A bomb sits on a turning glow and wobbles slightly, each bomb in its own phase.
void vexaTSceneMatch3::drawBombGlow(int i) {
    setScale(0.25f, 0.25f);
    setRotation(2.0f * float(_runtime));
    _imgLogoGlow.PaintXY(_itemX[i], _itemY[i]);
    setRotation(0);
    float phase = 10.0f * float(g_frame) + 80.0f * float(i);
    setScale(1 + 0.02f * cosDeg(phase), 1 + 0.02f * sinDeg(phase));
}

void vexaTSceneMatch3::drawHintArrows() {
    static constexpr float OFFSETS[5][2] = {{0, 0}, {24, 0}, {-24, 0}, {0, 24}, {0, -24}};
    setAlpha(0.75f * g_boardAlpha);
    for (int c = 1; c <= M3_CELL_LAST; ++c) {
        int direction = _cellri[c];
        if (direction < 1 || direction > 4) continue;
        _imgCellArrow[size_t(direction)].PaintXY(_CellX[c] + OFFSETS[direction][0], _CellY[c] + OFFSETS[direction][1]);
    }
    setAlpha(g_boardAlpha);
}

// The sign shrinks from double size while fading in over 40 frames, holds, and fades out.
int vexaTSceneMatch3::_playsign() {
    if (_runtime >= 150) return 0;
    if (_runtime > 50 && _runtime <= 140) {
        float a = std::clamp(float(_runtime - 50) * 0.025f, 0.0f, 1.0f);
        setScale(2 - a, 2 - a);
        setAlpha(a);
        _imgPlaysign.PaintXY(512, 384);
    } else if (_runtime > 140) {
        setScale(1, 1);
        setAlpha(float(150 - _runtime) * 0.1f);
        _imgPlaysign.PaintXY(512, 384);
    }
    setAlpha(1);
    setScale(1, 1);
    return 0;
}

int vexaTSceneMatch3::_gameUI_drawLeveltexts(int) {
    TSpieler& player = currentPlayer();
    setAlpha(1);
    imgClose.PaintXY(MENUBUTTON_X, MENUBUTTON_Y);
    fontText.DrawText(intToString(_mosscount), 100, 8, 1, 0);
    String points = intToString(player.StoryPoints);
    fontText.DrawText(points, float(800 - fontText.GetTxtWidth(points) / 2), 8, 1, 0);
    fontText.DrawText(timeText(player.time), 220, 8, 1, 0);
    return 0;
}

int vexaTSceneMatch3::_gameUI_drawMenuButton() {
    if (closeButton(MENUBUTTON_X, MENUBUTTON_Y) != 1) return 0;
    if (popupRuntime() == 0 && _winrun == 0 && g_pause == -1 && _runtime > 140) popupHandler.pop(POPUP_INGAME);
    return 0;
}

// One counter per goal kind: what is left, or "--" with a dimmed picture once it is done.
// Collected gems fly to the positions recorded here.
void vexaTSceneMatch3::drawGoalBar() {
    TSpieler& player = currentPlayer();
    for (int i = 1; i <= player.maxItemsToDestroy && i < 20; ++i) {
        int left = player.getItemsLeftToDestroy(player.Level, i);
        float x = float(GEMBAR_XOFFSET + 50 * i - 25);
        setScale(0.8f, 0.8f);
        setAlpha(left > 0 ? 1.0f : 0.4f);
        _imgItem[size_t(i)].PaintXY(x, GEMBAR_YOFFSET);
        g_goalX[i] = x;
        g_goalY[i] = GEMBAR_YOFFSET;
        setScale(1, 1);
        String count = left > 0 ? intToString(left) : String(u"--");
        fontText.DrawText(count, x - float(fontText.GetTxtWidth(count) / 2), 36, 1, 0);
        setAlpha(1);
    }
}
