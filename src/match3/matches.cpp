// Match resolution: the fall pass that moves and links items, the removal of the matched
// list with its scoring and replacement gems, bomb blasts and their chains, breaking stone
// and door blocks, moss, the points counter and the win test.
#include <algorithm>
#include <cmath>

#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/effects.h"
#include "match3/scene_match3.h"
#include "persist/player.h"
#include "ui/messages.h"
#include "ui/sound_handler.h"

namespace {

constexpr int FALL_STEPS = 12;  // pixels per frame
constexpr int FALL_START = 50;  // frames the fresh board stays still
constexpr float SPAWN_Y = -20;  // replacements start above the board

// Slow machines start fewer particles.
int mossParticles() { return g_fps >= 35 ? g_fps / 4 : g_fps / 7; }

bool fallingKind(int type) { return type > 0 && type < 999 && type != 7 && type != 18; }

}  // namespace

// --- Fall pass ---

int vexaTSceneMatch3::_item_slide() {
    for (int i = M3_CELL_LAST; i > _item_Max; --i)
        if (_itemA[i] != 0) {
            _item_Max = i;
            break;
        }
    for (int s = 1; s < M3_SLOTS; ++s) _cellitem[s] = _itemCell[s] = 0;
    if (_runtime > FALL_START)
        for (int i = 1; i < M3_SLOTS; ++i)
            if (fallingKind(_itemA[i])) _Item_f[i] = 1;
    for (int i = 1; i <= _item_Max && i < M3_SLOTS && _runtime > FALL_START; ++i)
        if (fallingKind(_itemA[i])) fallOneItem(i);
    for (int i = 1; i <= _item_Max && i < M3_SLOTS; ++i) {
        if (!isPlayable(i) || _Item_f[i] != 0) continue;
        int c = cellAt(_itemX[i], _itemY[i]);
        if (c == 0) continue;
        _itemCell[i] = c;
        _cellitem[c] = i;
    }
    _inruhe = 1;
    return 0;
}

// Moves item i down pixel by pixel until something lies within one cell below it.
void vexaTSceneMatch3::fallOneItem(int i) {
    float below[M3_SLOTS];
    int count = 0;
    for (int k = 1; k < M3_SLOTS; ++k)
        if (k != i && _itemA[k] > 0 && _itemX[k] == _itemX[i]) below[count++] = _itemY[k];
    for (int step = 0; step < FALL_STEPS; ++step) {
        bool blocked = false;
        for (int n = 0; n < count; ++n) {
            if (_itemY[i] < below[n] && below[n] <= _itemY[i] + 48) {
                blocked = true;
                _Item_f[i] = 0;
                if (_Item_FallDynamic[i] == -1) _Item_FallDynamic[i] = 6;
            }
        }
        if (blocked) return;
        _itemY[i] += 1;
        _Item_FallDynamic[i] = -1;
    }
}

// --- Removal ---

int vexaTSceneMatch3::_remove_items() {
    if (_abwahl != 1) return 0;
    for (int i = 1; i <= _item_Max && i < M3_SLOTS; ++i) {
        if (!isPlayable(i)) continue;
        _cellri[_itemCell[i]] = _cellFumm[_itemCell[i]] = 0;
        _itemBef[i] = 0;
    }
    if (_fummcount > 2) {
        currentPlayer().skipfill += 1;
        // Both sounds sit at the first item of the list (the bomb of a lone bomb click).
        int first = 1;
        while (first < M3_CELL_LAST && _fummpipe[first] == 0) ++first;
        playSoundEffect(SOUND_TURNUP, _itemX[_fummpipe[first]]);
        playSoundEffect(SOUND_PUREADY, _itemX[_fummpipe[first]]);
        bool bombMade = false;
        for (int j = 1; j <= M3_CELL_LAST; ++j)
            if (_fummpipe[j] > 0) removeListEntry(j, bombMade);
    }
    _fummcount = 0;
    for (int j = 1; j <= M3_CELL_LAST; ++j) _fummpipe[j] = 0;
    _abwahl = 0;
    return 0;
}

void vexaTSceneMatch3::removeListEntry(int entry, bool& bombMade) {
    int s = _fummpipe[entry];
    breakBlocksBeside(s);
    _mosscheck(s);
    _bombcheck(s, 0);
    if (makeBombFromList(s, bombMade)) {
        bombMade = true;
        return;
    }
    if (_itemA[s] == 0) return;
    _item_prepare(_itemX[s], SPAWN_Y, _itemauswahl(0), 0);
    installCollectionEffect(s);
    currentPlayer().anzItems += 1;
    _incpoints(_itemX[s] - 5, _itemY[s] - 7, _gemPoints * removalMultiplier());
    unlinkAndFree(s);
}

// Points multiplier by the size of the removal list. A list of six takes the multiplier of
// four and five, between the rules for five and seven.
int vexaTSceneMatch3::removalMultiplier() const {
    if (_fummcount >= 8) return 5;
    if (_fummcount == 7) return 3;
    if (_fummcount >= 4) return 2;
    return 1;
}

void vexaTSceneMatch3::breakBlocksBeside(int s) {
    for (int k = 1; k <= _item_Max && k < M3_SLOTS; ++k) {
        if (!isBlock(k)) continue;
        float dx = std::fabs(_itemX[k] - _itemX[s]), dy = std::fabs(_itemY[k] - _itemY[s]);
        if ((dx == 48 && dy == 0) || (dx == 0 && dy == 48)) _stonecheck(k);
    }
}

// A long row whose first two entries are colour 4 leaves one bomb at the first of them.
bool vexaTSceneMatch3::makeBombFromList(int s, bool bombMade) {
    auto fourOrBomb = [this](int entry) {
        int type = _itemA[_fummpipe[entry]];
        return type == 4 || type == _ITEM_BOMB;
    };
    if (_itemA[s] != 4 || !fourOrBomb(1) || !fourOrBomb(2) || bombMade || _fummcount < 5) return false;
    _itemA[s] = _ITEM_BOMB;
    playSoundEffect(SOUND_PUCOLLECT, _itemX[s]);
    installSparks(s, g_fps > 35 ? g_fps : g_fps / 2);
    installEffect(_itemX[s], _itemY[s], 309, 0, 0);
    return true;
}

void vexaTSceneMatch3::installCollectionEffect(int slot) {
    int type = _itemA[slot];
    TSpieler& player = currentPlayer();
    if (player.getItemsLeftToDestroy(player.Level, type) > 0)
        installEffect(_itemX[slot], _itemY[slot], 95700 + type, 0, 0);
    else
        installEffect(_itemX[slot], _itemY[slot], 95800 + type, 0, -15);
}

void vexaTSceneMatch3::unlinkAndFree(int slot) {
    _cellitem[_itemCell[slot]] = 0;
    _itemCell[slot] = 0;
    _itemA[slot] = 0;
}

void vexaTSceneMatch3::installSparks(int slot, int count) {
    for (int n = 0; n < count; ++n)
        installEffect(_itemX[slot], _itemY[slot], 109, float(randInt(-7, 7)), float(randInt(-7, 7)));
}

// The k-th particle (k = 1..count) flies out at 36·k degrees.
// --- Bombs ---

int vexaTSceneMatch3::_bombcheck(int i, int) {
    if (_itemA[i] != _ITEM_BOMB) return 0;
    _geholfen = 0;
    _Item_bombspreng[i] = 1;
    playSoundEffect(SOUND_BOMB, _itemX[i]);
    installEffect(_itemX[i], _itemY[i], 2000, 0, 0);
    installSparks(i, g_fps >= 35 ? std::min(g_fps, 30) : g_fps / 3);
    for (int k = 1; k <= _item_Max && k < M3_SLOTS; ++k) {
        if (_Item_bombspreng[k] != 0 || !isPlayable(k) || _itemA[k] == _bug || k == i || _itemBef[k] != 0) continue;
        if (_itemX[k] <= 30 || _itemY[k] <= 60) continue;
        blastItem(i, k);
    }
    return 0;
}

// Shakes item k by its distance from the bomb and destroys it when within reach.
void vexaTSceneMatch3::blastItem(int i, int k) {
    float dx = _itemX[k] - _itemX[i], dy = _itemY[k] - _itemY[i];
    int d = floatToInt(std::sqrt(dx * dx + dy * dy));
    if (!isBlock(k)) _Item_Rumble[k] = std::clamp(floatToInt(30 - d * 0.05), 0, 30);
    if (d >= 110) return;
    _mosscheck(k);
    _bombcheck(k, i);
    if (isBlock(k)) {
        _stonecheck(k);
        return;
    }
    int type = _itemA[k];
    _item_prepare(_itemX[k], SPAWN_Y, _itemauswahl(0), 0);
    installCollectionEffect(k);
    _incpoints(_itemX[k] - 5, _itemY[k] - 7, _gemPoints);
    installEffect(_itemX[k], _itemY[k], 10000 + type, 0, 0);
    currentPlayer().anzItems += 1;
    unlinkAndFree(k);
}

// --- Blocks ---

int vexaTSceneMatch3::_stonecheck(int i) {
    _doorcheck = 0;
    int c = _itemCell[i];
    TSpieler& player = currentPlayer();
    if (_cellStone[c] == 1) {
        _stonesoundx = _itemX[i];
        _cellStone[c] = _cellDoor[c] = 0;
        installEffect(_itemX[i], _itemY[i], 307, 0, 0);
        installParticleRing(_itemX[i], _itemY[i], 1007, 20);
        for (int n = 0; n < _Item_New[i]; ++n) _item_prepare(_itemX[i], SPAWN_Y, _itemauswahl(0), 0);
        installEffect(_itemX[i], _itemY[i], 10000 + _ITEM_XSTEIN, 0, 0);
        _incpoints(_itemX[i] - 5, _itemY[i] - 7, _obstaclePoints);
        unlinkAndFree(i);
        player.anzItems += 1;
    }
    if (_cellDoor[c] == 1) {
        _doorcheck = 1;
        _cellDoor[c] = _cellStone[c] = 0;
        installEffect(_itemX[i], _itemY[i], 306, 0, 0);
        installParticleRing(_itemX[i], _itemY[i], 1006, 20);
        for (int n = 0; n < _Item_New[i] - 1; ++n) _item_prepare(_itemX[i], SPAWN_Y, _itemauswahl(0), 0);
        installEffect(_itemX[i], _itemY[i], 10000 + _ITEM_XDOOR, 0, 0);
        _incpoints(_itemX[i] - 5, _itemY[i] - 7, _obstaclePoints);
        _itemA[i] = randInt(1, 2) == 1 ? _ITEM_BOMB : _ITEM_SPRENGPILZ;
        if (player.Level - 1 > 80) _itemA[i] = _ITEM_BOMB;
        player.anzItems += 1;
    }
    return _doorcheck;
}

// --- Moss ---

int vexaTSceneMatch3::_mosscheck(int i) {
    int c = _itemCell[i];
    if (_cellMoss[c] != 1) return 0;
    _mosssoundx = _itemX[i];
    currentPlayer().anzMoss += 1;
    installEffect(_itemX[i], _itemY[i], 302, 0, 0);
    installParticleRing(_itemX[i], _itemY[i], 1002, mossParticles());
    _cellMoss[c] = 0;
    return 1;
}

int vexaTSceneMatch3::_mosscheckpu3(int c) {
    if (_cellMoss[c] != 1) return 0;
    _mosssoundx = _CellX[c];
    currentPlayer().anzMoss += 1;
    installEffect(_CellX[c], _CellY[c], 302, 0, 0);
    installParticleRing(_CellX[c], _CellY[c], 1001, mossParticles());
    _cellMoss[c] = 0;
    return 0;
}

// --- Points and the win test ---

int vexaTSceneMatch3::_incpoints(float x, float y, int points) {
    TSpieler& player = currentPlayer();
    player.LevelPoints += points;
    player.StoryPoints += points;
    if (player.LevelPoints < 0) player.LevelPoints = 0;
    if (x > -1) showFloatingMessage(x, y, u"+" + intToString(points));
    return 0;
}

int vexaTSceneMatch3::_checkWinCondition() {
    TSpieler& player = currentPlayer();
    if (_mosscount == 0 && _winrun == 0 && g_scene == SCENE_MATCH3 && player.isAllItemsDestroyed(player.Level))
        _winrun = 1;
    return 0;
}
