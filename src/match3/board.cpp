// The board model: cell and item slots, the level file reader, the board build (cells,
// brakes, border pieces, gems, blocks, a resumed level), the choice of new gem colours, the
// pass that removes ready-made rows, and the preview tables of the roadmap.
#include <limits>
#include <memory>

#include "game/globals.h"
#include "match3/scene_match3.h"
#include "persist/player.h"

namespace {

// Neighbours each border piece needs, in the order N, S, W, E, NE, NW, SE, SW:
// 'y' a cell, 'n' no cell, '-' either. The last matching piece wins.
constexpr const char* BORDER_RULES[25] = {
    "",
    "n-yynn--", "-nyy--nn", "yyn--n-n", "yy-nn-n-", "n-nyn--n", "n-yn-nn-",
    "-nynn--n", "-nny-nn-", "y--n--y-", "y-n----y", "n--y-y--", "n-y-y---",
    "-y-ny---", "-yn--y--", "-n-y---y", "-ny---y-", "-nny-yn-", "-nyny--n",
    "n-yn-ny-", "n-nyn--y", "ny-n-yn-", "nyn-y--n", "ynn--ny-", "yn-nn--y",
};

// Offsets of the eight neighbours in the order of BORDER_RULES.
constexpr int NEIGHBOUR_DX[8] = {0, 0, -48, 48, 48, -48, 48, -48};
constexpr int NEIGHBOUR_DY[8] = {-48, 48, 0, 0, -48, -48, 48, 48};

bool ruleMatches(const char* rule, const bool neighbours[8]) {
    for (int n = 0; n < 8; ++n) {
        if (rule[n] == 'y' && !neighbours[n]) return false;
        if (rule[n] == 'n' && neighbours[n]) return false;
    }
    return true;
}

// Whether a cell lies at each neighbour position of (x, y), by a predicate on positions.
template <typename HasCell>
void findNeighbours(float x, float y, HasCell hasCell, bool neighbours[8]) {
    for (int n = 0; n < 8; ++n) neighbours[n] = hasCell(x + float(NEIGHBOUR_DX[n]), y + float(NEIGHBOUR_DY[n]));
}

}  // namespace

int borderPiece(const bool neighbours[8]) {
    int piece = 0;
    for (int p = 1; p <= 24; ++p)
        if (ruleMatches(BORDER_RULES[p], neighbours)) piece = p;
    return piece;
}

String levelFileName(int level) {
    String prefix = level < 10 ? u"data/levels/lvla00" : level < 100 ? u"data/levels/lvla0" : u"data/levels/lvla";
    return prefix + intToString(level) + u".lvl";
}

void vexaTSceneMatch3::resetAll() {
    auto fresh = std::make_unique<vexaTSceneMatch3>();
    *this = std::move(*fresh);
}

int vexaTSceneMatch3::itemAt(float x, float y, int type) const {
    for (int k = 1; k < M3_SLOTS; ++k)
        if (_itemA[k] == type && _itemX[k] == x && _itemY[k] == y) return k;
    return 0;
}

int vexaTSceneMatch3::cellAt(float x, float y) const {
    for (int c = 1; c < M3_SLOTS; ++c)
        if (_CellA[c] != 0 && _CellX[c] == x && _CellY[c] == y) return c;
    return 0;
}

int vexaTSceneMatch3::_instcell(float x, float y, int a, int moss, int, int stone, int door) {
    int c = 1;
    while (c <= M3_CELL_LAST && _CellA[c] != 0) ++c;
    if (c > M3_CELL_LAST) return M3_CELL_LAST + 1;
    _CellA[c] = a;
    _CellX[c] = x;
    _CellY[c] = y;
    _cellMoss[c] = moss;
    _cellStone[c] = stone;
    _cellDoor[c] = door;
    _cellGlow[c] = _cellFumm[c] = _cellri[c] = _cellBord[c] = 0;
    return c;
}

int vexaTSceneMatch3::_item_prepare(float x, float y, int type, int falling) {
    int i = 1;
    while (i <= M3_ITEM_LAST && _itemA[i] != 0) ++i;
    if (i > M3_ITEM_LAST) return M3_ITEM_LAST + 1;
    _itemA[i] = type;
    _itemX[i] = x;
    _itemY[i] = y;
    _Item_f[i] = falling;
    _itemKaefCol[i] = -1;
    _Item_FallDynamic[i] = _Item_Rumble[i] = _itemBef[i] = _Item_Tipp[i] = _Item_Alter[i] = 0;
    _Item_bombspreng[i] = 0;
    return i;
}

int vexaTSceneMatch3::_itemauswahl(int) {
    bool candidate[6] = {false, true, true, true, true, true};
    if ((g_frame / 100) % 2 != 0) candidate[1] = false;
    else candidate[2] = false;
    // The first level never produces colour 4.
    if (currentPlayer().Level == 1) {
        candidate[1] = candidate[2] = candidate[3] = candidate[5] = true;
        candidate[4] = false;
    }
    int colour;
    do colour = randInt(1, 30);
    while (colour > 5 || !candidate[colour]);
    return colour;
}

// --- Building a board ---

int vexaTSceneMatch3::_preparelevelmatch3() {
    clearBoardTables();
    readLevelFile(currentPlayer().Level);
    placeCells();
    placeBrakes();
    setBorderPieces();
    seedGems();
    placeBlocks();
    startLevelCounters(currentPlayer());
    resetPlayState();
    return 0;
}

void vexaTSceneMatch3::clearBoardTables() {
    _geholfen = 0;
    _runtime = 0;
    for (int s = 1; s < M3_SLOTS; ++s) _CellA[s] = _itemA[s] = _Item_Alter[s] = 0;
    for (int c = 1; c < M3_COLUMNS; ++c) {
        _m3rowcount[c] = 0;
        _m3rowx[c] = 0;
        _m3rowy[c] = 1000;
    }
}

// A missing or short file reads its missing values as "no cell", so a damaged level builds
// a smaller board instead of failing.
void vexaTSceneMatch3::readLevelFile(int level) {
    for (int p = 1; p <= 260; ++p) _hla[p] = 0;
    Stream stream = readFile(levelFileName(level));
    if (!stream) return;
    try {
        for (int p = 1; p <= 260; ++p) {
            // Stored numbers are codes less one; the largest number stays as it is, a code of no cell.
            const int stored = readInt(stream);
            _hla[p] = stored < std::numeric_limits<int>::max() ? stored + 1 : stored;
        }
    } catch (const StreamError&) {
    }
    try {
        closeStream(stream);
    } catch (const StreamError&) {
    }
}

void vexaTSceneMatch3::placeCells() {
    _mosscount = 0;
    for (int row = 1; row <= 15; ++row) {
        for (int column = 1; column <= 20; ++column) {
            int p = (row - 1) * 20 + column;
            int code = p <= 260 ? _hla[p] : 0;
            if (code <= 0 || code >= 99) continue;
            // Counted before the position test; the first drawn frame recounts the moss.
            if (code == _ITEM_MOSS) _mosscount += 1;
            float x = float(48 * column + _CELLOFFSETX), y = float(48 * row + _CELLOFFSETY);
            if (x <= 50 || y <= 50) continue;
            _instcell(x, y, 1, code == _ITEM_MOSS, 0, code == _ITEM_STONE, code == _ITEM_DOOR);
            _m3rowcount[column] += 1;
            _m3rowx[column] = x;
            if (y < _m3rowy[column]) _m3rowy[column] = y;
        }
    }
}

void vexaTSceneMatch3::placeBrakes() {
    for (int c = 1; c < M3_SLOTS; ++c)
        if (_CellA[c] != 0) _item_prepare(_CellX[c], _CellY[c] + 48, _ITEM_BRAKE, 0);
}

void vexaTSceneMatch3::setBorderPieces() {
    auto hasCell = [this](float x, float y) { return cellAt(x, y) != 0; };
    for (int c = 1; c < M3_SLOTS; ++c) {
        if (_CellA[c] == 0) continue;
        bool neighbours[8];
        findNeighbours(_CellX[c], _CellY[c], hasCell, neighbours);
        _cellBord[c] = borderPiece(neighbours);
    }
}

void vexaTSceneMatch3::seedGems() {
    for (int c = 1; c < M3_SLOTS; ++c) {
        if (_CellA[c] == 0) continue;
        for (int k = 1; k < M3_SLOTS; ++k)
            if (_itemA[k] == _ITEM_BRAKE && _itemX[k] == _CellX[c] && _itemY[k] == _CellY[c]) _itemA[k] = 0;
        _item_prepare(_CellX[c], _CellY[c], _itemauswahl(0), 0);
    }
}

void vexaTSceneMatch3::placeBlocks() {
    for (int c = 1; c < M3_SLOTS; ++c) {
        if (_CellA[c] == 0 || (_cellStone[c] != 1 && _cellDoor[c] != 1)) continue;
        for (int i = 1; i < M3_SLOTS; ++i) {
            if (_itemA[i] == 0 || _itemX[i] != _CellX[c] || _itemY[i] != _CellY[c]) continue;
            if (_cellStone[c] == 1) _itemA[i] = _ITEM_XSTEIN;
            if (_cellDoor[c] == 1) _itemA[i] = _ITEM_XDOOR;
            _Item_New[i] = 1 + clearBelowBlock(i);
        }
    }
}

// Frees the items below a block in its column, in slot order up to the first brake or block
// met (slot order, not screen order); returns how many were freed.
int vexaTSceneMatch3::clearBelowBlock(int block) {
    int freed = 0;
    for (int k = 1; k < M3_SLOTS; ++k) {
        if (_itemA[k] <= 0 || _itemX[k] != _itemX[block] || _itemY[k] <= _itemY[block]) continue;
        if (_itemA[k] == _ITEM_BRAKE || isBlock(k)) break;
        _itemA[k] = 0;
        freed += 1;
    }
    return freed;
}

// Without this a level begun after an interrupted one would carry its points and moss count
// into the summary.
void vexaTSceneMatch3::startLevelCounters(TSpieler& player) {
    if (player.isResume == 1) {
        restoreSuspendedLevel();
        return;
    }
    player.LevelPoints = player.anzMoss = player.anzItems = player.anzKaefer = 0;
}

void vexaTSceneMatch3::restoreSuspendedLevel() {
    for (int i = 1; i < M3_SLOTS; ++i) _itemA[i] = 0;
    currentPlayer().ContinueLevel();
    // The profile does not store what a block releases: a restored block releases itself plus
    // one gem for every empty cell below it, as a freshly built block would.
    for (int i = 1; i < M3_SLOTS; ++i)
        if (isBlock(i)) _Item_New[i] = restoredBlockRelease(i);
}

int vexaTSceneMatch3::restoredBlockRelease(int block) const {
    int count = 1;
    for (float y = _itemY[block] + 48; cellAt(_itemX[block], y) != 0; y += 48) {
        bool occupied = false;
        for (int k = 1; k < M3_SLOTS && !occupied; ++k)
            occupied = _itemA[k] > 0 && _itemX[k] == _itemX[block] && _itemY[k] == y;
        if (occupied) break;
        count += 1;
    }
    return count;
}

void vexaTSceneMatch3::resetPlayState() {
    _winrun = 0;
    _winBonusPaid = 0;
    _fummcount = 0;
    for (int s = 1; s < M3_SLOTS; ++s) _fummpipe[s] = _cellitem[s] = _itemCell[s] = 0;
    _gt3_partner1 = _gt3_partner2 = _gt3_swap = _gt3_swapdir = 0;
    _gt3_partner1fumm = _gt3_partner2fumm = 0;
    currentPlayer().isResume = 0;
    _runtime = 0;
}

// --- No ready-made rows ---

int vexaTSceneMatch3::_makeno3groups() {
    bool changed = true;
    while (changed) {
        changed = recolourRuns(0, 48);
        changed = recolourRuns(48, 0) || changed;
    }
    return 0;
}

// One sweep: the middle gem of every run of three along (dx, dy) gets a new colour at once.
bool vexaTSceneMatch3::recolourRuns(int dx, int dy) {
    bool changed = false;
    for (int i = 1; i <= _item_Max && i < M3_SLOTS; ++i) {
        int type = _itemA[i];
        if (!isPlayable(i) || type == _bug || isBlock(i)) continue;
        if (itemAt(_itemX[i] + float(dx), _itemY[i] + float(dy), type) == 0) continue;
        if (itemAt(_itemX[i] - float(dx), _itemY[i] - float(dy), type) == 0) continue;
        _itemA[i] = _itemauswahl(0);
        changed = true;
    }
    return changed;
}

// --- Preview tables ---

int vexaTSceneMatch3::_previewcell_preview(int level, float x, float y, int code, int moss, int, int stone,
                                           int door) {
    int c = 1;
    while (c <= M3_CELL_LAST && _preview_cella[level][c] != 0) ++c;
    if (c > M3_CELL_LAST) return M3_CELL_LAST + 1;
    _preview_cella[level][c] = code;
    _preview_cellx[level][c] = x;
    _preview_celly[level][c] = y;
    _preview_cellmoss[level][c] = moss;
    _preview_cellstone[level][c] = stone;
    _preview_celldoor[level][c] = door;
    _preview_cellbord[level][c] = 0;
    return c;
}

int vexaTSceneMatch3::_previewitem_prepare(int level, float x, float y, int type) {
    int i = 1;
    while (i <= M3_ITEM_LAST && _preview_itema[level][i] != 0) ++i;
    if (i > M3_ITEM_LAST) return M3_ITEM_LAST + 1;
    _preview_itema[level][i] = type;
    _preview_itemx[level][i] = x;
    _preview_itemy[level][i] = y;
    _preview_itemkaefcol[level][i] = -1;
    return i;
}

int vexaTSceneMatch3::loadLevelPreviewData() {
    for (int level = 1; level <= M3_PREVIEW_LEVEL_LAST; ++level) loadOneLevelPreview(level);
    return 0;
}

void vexaTSceneMatch3::loadOneLevelPreview(int L) {
    for (int s = 1; s < M3_SLOTS; ++s) _preview_cella[L][s] = _preview_itema[L][s] = 0;
    for (int c = 1; c < M3_COLUMNS; ++c) {
        _preview_m3rowcount[L][c] = _preview_m3rowx[L][c] = 0;
        _preview_m3rowy[L][c] = 1000;
    }
    readLevelFile(L);
    placePreviewCells(L);
    setPreviewBorders(L);
    for (int c = 1; c < M3_SLOTS; ++c)
        if (_preview_cella[L][c] > 0 && _preview_cella[L][c] < 99)
            _previewitem_prepare(L, _preview_cellx[L][c], _preview_celly[L][c], randInt(1, 5));
    placePreviewStones(L);
}

// Every code above 0 is a preview cell; codes below 100 also count in the column table.
void vexaTSceneMatch3::placePreviewCells(int L) {
    for (int p = 1; p <= 260; ++p) {
        int code = _hla[p], row = (p - 1) / 20 + 1, column = (p - 1) % 20 + 1;
        int x = 48 * column, y = 48 * row;
        if (code <= 0 || x <= 50 || y <= 50) continue;
        _previewcell_preview(L, float(x), float(y), code, code == _ITEM_MOSS, 0, code == _ITEM_STONE, 0);
        if (code >= 100) continue;
        _preview_m3rowcount[L][column] += 1;
        _preview_m3rowx[L][column] = x;
        if (y < _preview_m3rowy[L][column]) _preview_m3rowy[L][column] = y;
    }
}

void vexaTSceneMatch3::setPreviewBorders(int L) {
    auto hasCell = [&](float x, float y) {
        for (int c = 1; c < M3_SLOTS; ++c)
            if (_preview_cella[L][c] != 0 && _preview_cellx[L][c] == x && _preview_celly[L][c] == y) return true;
        return false;
    };
    for (int c = 1; c < M3_SLOTS; ++c) {
        if (_preview_cella[L][c] == 0) continue;
        bool neighbours[8];
        findNeighbours(_preview_cellx[L][c], _preview_celly[L][c], hasCell, neighbours);
        _preview_cellbord[L][c] = borderPiece(neighbours);
    }
}

// Stone cells show a stone and clear the items below it, as the board build does; doors
// show as plain cells.
void vexaTSceneMatch3::placePreviewStones(int L) {
    auto& type = _preview_itema[L];
    auto& x = _preview_itemx[L];
    auto& y = _preview_itemy[L];
    for (int c = 1; c < M3_SLOTS; ++c) {
        if (_preview_cella[L][c] == 0 || _preview_cellstone[L][c] != 1) continue;
        for (int i = 1; i < M3_SLOTS; ++i) {
            if (type[i] == 0 || x[i] != _preview_cellx[L][c] || y[i] != _preview_celly[L][c]) continue;
            type[i] = _ITEM_XSTEIN;
            for (int k = 1; k <= 200; ++k) {
                if (type[k] <= 0 || x[k] != x[i] || y[k] <= y[i]) continue;
                if (type[k] == _ITEM_BRAKE || type[k] == _ITEM_XSTEIN || type[k] == _ITEM_XDOOR) break;
                type[k] = 0;
            }
        }
    }
}
