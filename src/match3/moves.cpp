// Moves: the input step (hover, selection, swap start, bomb trigger), the swap animation,
// the search for rows of three that settles swaps and finds cascades, the recolouring wave
// and the drawing of the two swap partners.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/effects.h"
#include "match3/scene_match3.h"
#include "ui/input.h"
#include "ui/popup.h"
#include "ui/sound_handler.h"

namespace {

constexpr int SWAP_STEP = 6;
constexpr int SWAP_EXCHANGE = 48;  // the partners stand on each other's place
constexpr int SWAP_BACK_END = 96;  // a refused swap is back home

// Moves a non-zero offset 6 pixels away from 0 (grow) or towards 0 (shrink).
float stepOffset(float offset, bool grow) {
    if (offset == 0) return 0;
    float step = offset > 0 ? float(SWAP_STEP) : -float(SWAP_STEP);
    return grow ? offset + step : offset - step;
}

}  // namespace

// --- Input step ---

bool vexaTSceneMatch3::itemUnderPointer(int slot) const {
    return imagesCollide(_imgCellMask.data, floatToInt(_itemX[slot]), floatToInt(_itemY[slot]), 0, imgColl.data,
                         floatToInt(mousePointer._x), floatToInt(mousePointer._y), 0) != 0;
}

int vexaTSceneMatch3::directionFromSelected(int slot) const {
    float px = _itemX[_gt3_partner1], py = _itemY[_gt3_partner1], x = _itemX[slot], y = _itemY[slot];
    if (x == px + 48 && y == py) return 1;
    if (x == px - 48 && y == py) return 2;
    if (x == px && y == py + 48) return 3;
    if (x == px && y == py - 48) return 4;
    return 0;
}

void vexaTSceneMatch3::clearSelection() {
    _gt3_partner1 = 0;
    _gt3_partner1fumm = 0;
}

void vexaTSceneMatch3::triggerBomb(int slot) {
    _fummcount = 3;
    _fummpipe[3] = slot;
    if (_itemCell[slot] > 0) _cellFumm[_itemCell[slot]] = 1;
    _itemBef[slot] = 1;
    _abwahl = 1;
}

void vexaTSceneMatch3::startSwap(int slot, int direction) {
    static constexpr float OFFSETS[5][4] = {{0, 0, 0, 0}, {6, -6, 0, 0}, {-6, 6, 0, 0}, {0, 0, 6, -6}, {0, 0, -6, 6}};
    _gt3_partner2 = slot;
    _gt3_partner2fumm = 0;
    _gt3_swap = SWAP_STEP;
    _gt3_swapdir = 1;
    playSoundEffect(SOUND_TURNUP, _itemX[_gt3_partner1]);
    _gt3_swaplx1 = OFFSETS[direction][0];
    _gt3_swaplx2 = OFFSETS[direction][1];
    _gt3_swaply1 = OFFSETS[direction][2];
    _gt3_swaply2 = OFFSETS[direction][3];
    _gt3_home1x = _itemX[_gt3_partner1];
    _gt3_home1y = _itemY[_gt3_partner1];
    _gt3_home2x = _itemX[slot];
    _gt3_home2y = _itemY[slot];
}

int vexaTSceneMatch3::_make_swaps() {
    _abwahl = 0;
    if (_inruhe != 1 || _winrun != 0 || g_powerUpBusy != 0 || popupRuntime() != 0 || _swapping != 0 ||
        _gt3_swap != 0)
        return 0;
    for (int i = 1; i <= _item_Max && i < M3_SLOTS; ++i) {
        bool bomb = _itemA[i] == _ITEM_BOMB;
        if (!(isGem(i) || bomb) || _runtime <= 150 || !itemUnderPointer(i)) continue;
        if (_itemCell[i] > 0) _cellGlow[_itemCell[i]] = 9;
        if (input._MausDownLeft != 1) continue;
        _nixdo = 0;
        if (!bomb || _gt3_partner1 != 0) pressWithSelection(i, bomb);
        if (bomb && _gt3_partner1 == 0) triggerBomb(i);
    }
    return 0;
}

// A press on a gem, or on a bomb while a gem is selected.
void vexaTSceneMatch3::pressWithSelection(int i, bool bomb) {
    if (_gt3_partner1 == 0) {
        _gt3_partner1 = i;
        _gt3_partner1fumm = 0;
        return;
    }
    int direction = directionFromSelected(i);
    if (direction != 0 && bomb) {
        triggerBomb(i);
        clearSelection();
    } else if (direction != 0) {
        startSwap(i, direction);
    } else if (i != _gt3_partner1 || input._MausDownLeftCount == 1) {
        clearSelection();
    }
}

// --- Swap animation ---

int vexaTSceneMatch3::_gt3_swappen() {
    if (_gt3_swapdir == 1 || _gt3_swapdir == 2) {
        bool grow = _gt3_swapdir == 1;
        _gt3_swap += SWAP_STEP;
        _gt3_swaplx1 = stepOffset(_gt3_swaplx1, grow);
        _gt3_swaplx2 = stepOffset(_gt3_swaplx2, grow);
        _gt3_swaply1 = stepOffset(_gt3_swaply1, grow);
        _gt3_swaply2 = stepOffset(_gt3_swaply2, grow);
        if (!grow && _gt3_swap >= SWAP_BACK_END) _gt3_swap = _gt3_swapdir = _gt3_partner1 = _gt3_partner2 = 0;
    }
    if (_inruhe == 1 && _runtime > 150 && _winrun < 30) _gt3_checkmove(0);
    return 0;
}

// --- Match search ---

int vexaTSceneMatch3::_gt3_checkmove(int) {
    int last = std::min(_item_Max, M3_SLOTS - 1);
    SlotTable<int> type = _itemA;
    if (_gt3_swap == SWAP_EXCHANGE) std::swap(type[_gt3_partner1], type[_gt3_partner2]);
    std::vector<int> candidates;
    for (int i = 1; i <= last; ++i)
        if (type[i] > 0 && type[i] < _ITEM_BRAKE && type[i] != _bug && type[i] != _ITEM_XSTEIN &&
            type[i] != _ITEM_XDOOR && _Item_f[i] == 0)
            candidates.push_back(i);
    auto candidateAt = [&](float x, float y, int t) {
        for (int k : candidates)
            if (type[k] == t && _itemX[k] == x && _itemY[k] == y) return k;
        return 0;
    };
    SlotTable<int> marked{};
    bool found = false;
    for (auto [dx, dy] : {std::pair{0.0f, 48.0f}, std::pair{48.0f, 0.0f}})
        for (int i : candidates) {
            int before = candidateAt(_itemX[i] - dx, _itemY[i] - dy, type[i]);
            int after = candidateAt(_itemX[i] + dx, _itemY[i] + dy, type[i]);
            if (before == 0 || after == 0) continue;
            marked[i] = marked[before] = marked[after] = 1;
            found = true;
        }
    const bool exchange = _gt3_swap == SWAP_EXCHANGE;
    if (found) fillRemovalList(marked, last);
    if (exchange && !swapPartnersInPlace()) {
        endSwap();
    } else if (exchange && (marked[_gt3_partner1] != 0 || marked[_gt3_partner2] != 0)) {
        acceptSwap();
    } else if (exchange) {
        refuseSwap();
    }
    return found ? -1 : 0;
}

// A cascade elsewhere may empty a partner's slot during the swap, or hand it to a new item.
bool vexaTSceneMatch3::swapPartnersInPlace() const {
    auto inPlace = [this](int slot, float x, float y) { return _itemA[slot] > 0 && _itemX[slot] == x && _itemY[slot] == y; };
    return inPlace(_gt3_partner1, _gt3_home1x, _gt3_home1y) && inPlace(_gt3_partner2, _gt3_home2x, _gt3_home2y);
}

// Only a row through one of the two partners makes the swap; other rows found meanwhile are
// removed all the same, and the partners slide back.
void vexaTSceneMatch3::refuseSwap() {
    _gt3_swapdir = 2;
    playSoundEffect(SOUND_PUNO, _itemX[_gt3_partner1]);
    playSoundEffect(SOUND_TURNDOWN, _itemX[_gt3_partner1]);
}

void vexaTSceneMatch3::fillRemovalList(const SlotTable<int>& marked, int last) {
    _fummcount = 0;
    for (int j = 1; j < M3_SLOTS; ++j) _fummpipe[j] = 0;
    for (int i = 1; i <= last; ++i) {
        if (marked[i] == 0) continue;
        _fummpipe[++_fummcount] = i;
        if (_itemCell[i] > 0) _cellFumm[_itemCell[i]] = 1;
        _itemBef[i] = 1;
    }
    _abwahl = 1;
}

void vexaTSceneMatch3::acceptSwap() {
    std::swap(_itemA[_gt3_partner1], _itemA[_gt3_partner2]);
    endSwap();
}

void vexaTSceneMatch3::endSwap() {
    _gt3_swap = _gt3_swapdir = 0;
    _gt3_swaplx1 = _gt3_swaplx2 = _gt3_swaply1 = _gt3_swaply2 = 0;
    _gt3_partner1 = _gt3_partner2 = 0;
}

// --- Recolouring wave ---

int vexaTSceneMatch3::_gt1_gt2_gt3_swapping() {
    if (_swapping <= 0) return 0;
    if (_swapping < 30) playSoundEffect(SOUND_SHUFFLE, 512);
    for (int i = 1; i <= _item_Max && i < M3_SLOTS; ++i) {
        int t = _itemA[i];
        if (!isPlayable(i) || t == _bug || t == _ITEM_XSTEIN || t == _ITEM_BOMB || t == _ITEM_SPRENGPILZ ||
            t == _ITEM_XDOOR)
            continue;
        float dx = _itemX[i] - 512, dy = _itemY[i] - 384;
        int d = floatToInt(std::sqrt(dx * dx + dy * dy));
        if (!(d - 50 < _swapping && _swapping < d)) continue;
        _itemA[i] = _itemauswahl(0);
        if (g_fps > 30)
            installEffect(_itemX[i], _itemY[i], 100 + randInt(1, 9), float(randInt(-10, 10)), float(randInt(-10, 10)));
        installEffect(_itemX[i], _itemY[i], 1300 + randInt(1, 9), 0, 0);
    }
    _swapping += 15;
    if (_swapping > 600) _swapping = 0;
    return 0;
}

// --- Drawing the swap partners ---

int vexaTSceneMatch3::_draw_gt3partner() {
    float a = getAlpha();
    drawPartner(_gt3_partner1, _gt3_partner1fumm, _gt3_swaplx1, _gt3_swaply1, a);
    drawPartner(_gt3_partner2, _gt3_partner2fumm, _gt3_swaplx2, _gt3_swaply2, a);
    setScale(1, 1);
    return 0;
}

// Swells the partner while the swap runs and pulses a glow over it.
void vexaTSceneMatch3::drawPartner(int slot, int& swell, float dx, float dy, float alpha) {
    if (slot == 0 || _itemA[slot] >= 100 || size_t(_itemA[slot]) >= _imgItem.size()) return;
    if (_gt3_swapdir < 2 && swell < 10) swell += 1;
    if (_gt3_swapdir == 2 && swell > 0) swell -= 1;
    float s = 1 + 0.02f * float(swell);
    setScale(s, s);
    vexaTBild& picture = _imgItem[size_t(_itemA[slot])];
    picture.PaintXY(_itemX[slot] + dx, _itemY[slot] + dy);
    setBlend(BLEND_LIGHT);
    setAlpha(alpha * (0.4f + 0.2f * sinDeg(10.0f * float(g_frame))));
    picture.PaintXY(_itemX[slot] + dx, _itemY[slot] + dy);
    setBlend(BLEND_ALPHA);
    setAlpha(alpha);
}
