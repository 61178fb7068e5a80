// Move hints: every 150 frames of an idle board the search looks for one swap that makes a
// row; after a long idle spell it marks the two gems and an arrow, and on a board without any
// swap it turns one random gem into a bomb.
#include <algorithm>
#include <utility>

#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/effects.h"
#include "match3/scene_match3.h"
#include "ui/popup.h"
#include "ui/sound_handler.h"

namespace {

constexpr int HINT_IDLE = 400;      // idle frames before a hint shows
constexpr int HELP_IDLE = 100;      // idle frames before the bomb help
constexpr int SEARCH_SPACING = 150;  // frames between searches
constexpr int HELP_DRAWS = 260;

}  // namespace

bool vexaTSceneMatch3::hintSearchIsQuiet() const {
    return _inruhe == 1 && _winrun == 0 && g_powerUpBusy == 0 && popupRuntime() == 0 &&
           _runtime % SEARCH_SPACING == 1 && g_pause == -1;
}

int vexaTSceneMatch3::_gt3_tipp() {
    _zugpointer = 0;
    bool quiet = hintSearchIsQuiet();
    int direction = 0;
    if (quiet) hintSearch(direction);
    _nixdo += 1;
    if (quiet && _zugpointer > 0 && _nixdo > HINT_IDLE && _swapping == 0) showHint(direction);
    if (quiet && _geholfen == 0 && _zugpointer == 0 && _nixdo > HELP_IDLE) bombHelp();
    return 0;
}

// Finds the first swap, by direction and then slot, whose moved gem completes a row through
// the filled place below it, above and below it, right of it, or left and right of it. Rows
// lying wholly above or wholly left of the filled place are not looked for.
void vexaTSceneMatch3::hintSearch(int& direction) {
    static constexpr int DX[5] = {0, -48, 48, 0, 0};
    static constexpr int DY[5] = {0, 0, 0, -48, 48};
    int last = std::min(_item_Max, M3_SLOTS - 1);
    SlotTable<int> type = _itemA;
    auto typeAt = [&](float x, float y, int t) {
        for (int k = 1; k <= last; ++k)
            if (type[k] == t && _itemX[k] == x && _itemY[k] == y) return true;
        return false;
    };
    auto gemAt = [&](float x, float y) {
        for (int k = 1; k <= last; ++k)
            if (type[k] >= 1 && type[k] <= 5 && _itemX[k] == x && _itemY[k] == y) return k;
        return 0;
    };
    for (int d = 1; d <= 4; ++d)
        for (int j = 1; j <= last; ++j) {
            if (type[j] < 1 || type[j] > 5) continue;
            int k = gemAt(_itemX[j] + float(DX[d]), _itemY[j] + float(DY[d]));
            if (k == 0) continue;
            std::swap(type[j], type[k]);
            float x = _itemX[j], y = _itemY[j];
            int t = type[j];
            bool vertical = typeAt(x, y + 48, t) && (typeAt(x, y - 48, t) || typeAt(x, y + 96, t));
            bool horizontal = !vertical && typeAt(x + 48, y, t) && (typeAt(x - 48, y, t) || typeAt(x + 96, y, t));
            std::swap(type[j], type[k]);
            if (!vertical && !horizontal) continue;
            _zugpointer = k;
            _zugpointer2 = j;
            direction = d;
            return;
        }
}

void vexaTSceneMatch3::showHint(int direction) {
    int k = _zugpointer, j = _zugpointer2;
    _nixdo = 0;
    _Item_Tipp[k] = 1;
    if (_itemCell[k] > 0) _cellri[_itemCell[k]] = direction;
    _Item_Tipp[j] = 1;
    playSoundEffect(SOUND_HINT, _itemX[k]);
}

// No swap left: a random gem becomes a bomb the player can set off. Only the first 259 draws
// can hit a gem.
void vexaTSceneMatch3::bombHelp() {
    int r = 0;
    for (int draw = 1; draw < HELP_DRAWS && r == 0; ++draw) {
        int pick = randInt(1, _item_Max);
        if (isGem(pick)) r = pick;
    }
    if (r == 0) return;
    _itemA[r] = _ITEM_BOMB;
    playSoundEffect(SOUND_PUCOLLECT, _itemX[r]);
    _geholfen = 1;
    for (int n = 0; n < 50; ++n)
        installEffect(_itemX[r], _itemY[r], 109, float(randInt(-7, 7)), float(randInt(-7, 7)));
    installEffect(_itemX[r], _itemY[r], 309, 0, 0);
}
