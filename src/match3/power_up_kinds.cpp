// The four power-up kinds: the line and colour removers that pick a target on the board and
// remove its items one by one, the replace-all trail that ends in the recolouring wave, and
// the explosive's fuse and blast.
//
// --- Sections ---
//   shared          picking targets, removing one target item
//   remove line     vexaTPU_RemoveLine
//   remove colour   vexaTPU_RemoveSameItem
//   replace all     vexaTPU_ReplaceAllItems
//   explosive       vexaTPU_ThrowExplosive
//   globals
#include <cmath>
#include <numbers>

#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/effects.h"
#include "match3/power_up.h"
#include "match3/scene_match3.h"
#include "persist/player.h"
#include "ui/input.h"
#include "ui/sound_handler.h"

namespace {

using Scene = vexaTSceneMatch3;

constexpr float SPAWN_Y = -20;  // new items enter the column above the board
constexpr int ROW_GLOW = 9, COLOUR_GLOW = 5;
constexpr float HOVERED_COLOUR_SCALE = 1.5f;
constexpr int ROW_FIRST_FRAME = 8, COLOUR_FIRST_FRAME = 2, TARGET_STEP = 2;
// The trail climbs 10 steps per work frame and becomes visible after 200.
constexpr int TRAIL_STEP = 10, TRAIL_HIDDEN = 200;
constexpr float TRAIL_TOP = 379;  // the path ends with the step that passes this height
constexpr float SCREEN_CENTRE_X = 512, SCREEN_CENTRE_Y = 384;
constexpr int BURST_SPARKS = 60;
constexpr int FUSE_LIT = 5, FUSE_BLAST = 78, FUSE_END = 80;
// The explosive draws 1 in 150 per candidate and pass; after this many passes it gives up.
constexpr int TARGET_ODDS = 150, TARGET_PASSES = 1000;

_TtmpInteger makeTarget(int slot, int frame, float x, float y) {
    _TtmpInteger target;
    target.v = slot;
    target.r = frame;
    target.tx = x;
    target.ty = y;
    return target;
}

void consumeClick() { input._MausFireLeft = 0; }
bool clickedOnce() { return input._MausFireLeft == 1; }

// Items a target-picking kind can point at: not beetles and not power-up items.
bool pickable(int type) {
    return type > 0 && type < Scene::_ITEM_BRAKE && type != Scene::_bug &&
           !(type >= Scene::_ITEM_PU1 && type <= Scene::_ITEM_PU4);
}

// Blocks hold back the items of their column until a row beside them breaks them; taken
// away as a gem, a door would leave its column empty for good.
bool isBlockType(int type) { return type == Scene::_ITEM_XSTEIN || type == Scene::_ITEM_XDOOR; }

// Items the line remover lists but leaves on the board: stone and door blocks, power-up items.
bool keptByLineRemover(int type) { return !pickable(type) || isBlockType(type); }

enum class Remover { Line, Colour };

// Removes one listed item: points, its rising and shrinking pictures, a new item above the
// column, the moss below it and the flare. A slot emptied since the listing is passed over,
// so no replacement comes from nothing.
void removeTarget(int v, Remover remover) {
    Scene& scene = sceneMatch3;
    int t = scene._itemA[v];
    float x = scene._itemX[v], y = scene._itemY[v];
    countTowardsGoal(t);
    if (t <= 0 || (remover == Remover::Line && keptByLineRemover(t))) return;
    scene._incpoints(x - 5, y - 7, scene._gemPoints);
    installEffect(x, y, 95800 + t, 0, -15);
    currentPlayer().anzItems += 1;
    scene._item_prepare(x, SPAWN_Y, scene._itemauswahl(0), 0);
    installEffect(x, y, 10000 + t, 0, 0);
    if (remover == Remover::Colour) installEffect(x, y, 2000, 0, 0);
    scene._mosscheck(v);
    scene.unlinkAndFree(v);
    if (remover == Remover::Line) installEffect(x, y, 2000, 0, 0);
}

// Every target whose frame has come goes; the rest wait.
void removeDueTargets(std::list<_TtmpInteger>& targets, int runtime, Remover remover) {
    for (auto it = targets.begin(); it != targets.end();) {
        if (it->r != runtime) {
            ++it;
            continue;
        }
        removeTarget(it->v, remover);
        it = targets.erase(it);
    }
}

// The glow picture the trail and the fuse are drawn with.
vexaTBild& glowPicture() { return sceneMatch3._imgGl[4]; }

}  // namespace

std::array<vexaTPowerUp*, 4> powerUpsInFrameOrder() {
    return {&puRemoveLine, &puRemoveSameItem, &puReplaceAllItems, &puThrowExplosive};
}

void loadPowerUpPictures() {
    for (vexaTPowerUp* powerUp : powerUpsInFrameOrder()) powerUp->loadPictures();
}

// --- Remove line ---

vexaTPU_RemoveLine::vexaTPU_RemoveLine() {
    configure(u"Remove Line", 80, 718, 27500, 4500, 3, u"data/powerups/removeline/");
}

void vexaTPU_RemoveLine::resetAll() {
    vexaTPowerUp::resetAll();
    _selectedRow = 0;
    _listOfTargets.clear();
}

int vexaTPU_RemoveLine::Update() {
    updateButton();
    if (isRunning == 1) _work();
    if (isSelected == 1) highlightRowsUnderPointer();
    return 0;
}

// The row under the pointer glows; a click picks it. A pick while a row is still being
// removed is ignored, so each run handles exactly the row it listed.
void vexaTPU_RemoveLine::highlightRowsUnderPointer() {
    Scene& scene = sceneMatch3;
    for (int i = 1; i < M3_SLOTS; ++i) {
        if (!pickable(scene._itemA[i]) || !scene.itemUnderPointer(i)) continue;
        for (int j = 1; j < M3_SLOTS; ++j)
            if (scene._itemY[j] == scene._itemY[i]) scene._cellGlow[size_t(scene._itemCell[j])] = ROW_GLOW;
        scene._cellGlow[size_t(scene._itemCell[i])] = ROW_GLOW;
        if (clickedOnce() && isRunning == 0) {
            _selectedRow = floatToInt(scene._itemY[i]);
            _activate();
        }
    }
}

// Empties the target list too, so nothing of a left level carries over.
int vexaTPU_RemoveLine::Prepare() {
    _glow = 0;
    _resetRuntime();
    _target = 0;
    isReady = isHover = isSelected = 0;
    _listOfTargets.clear();
    return 0;
}

int vexaTPU_RemoveLine::_activate() {
    consumeClick();
    const Scene& scene = sceneMatch3;
    for (int i = 1; i < M3_SLOTS; ++i)
        if (scene._itemY[i] == float(_selectedRow) && scene._itemA[i] != 0)
            _listOfTargets.push_back(makeTarget(i, 0, scene._itemX[i], scene._itemY[i]));
    payForUse();
    playSoundEffect(SOUND_PU_REMOVELINE_START, _x);
    isRunning = 1;
    isReady = isFirstTime = 0;
    g_powerUpBusy = 1;
    _listOfTargets.sort([](const _TtmpInteger& a, const _TtmpInteger& b) { return a.Compare(&b) > 0; });
    int frame = ROW_FIRST_FRAME;
    for (_TtmpInteger& target : _listOfTargets) {
        target.r = frame;
        frame += TARGET_STEP;
    }
    return 0;
}

int vexaTPU_RemoveLine::_deactivate() {
    _deselect();
    _resetRuntime();
    _target = 0;
    return 0;
}

int vexaTPU_RemoveLine::_select() {
    isSelected = 1;
    consumeClick();
    return 0;
}

int vexaTPU_RemoveLine::_deselect() {
    isSelected = 0;
    consumeClick();
    isRunning = 0;
    return 0;
}

int vexaTPU_RemoveLine::_work() {
    _runtime += 1;
    if (_listOfTargets.empty()) return _deactivate();
    removeDueTargets(_listOfTargets, _runtime, Remover::Line);
    return 0;
}

// --- Remove same items ---

vexaTPU_RemoveSameItem::vexaTPU_RemoveSameItem() {
    configure(u"Remove same Items", 350, 718, 47500, 7500, 5, u"data/powerups/removesameitems/");
}

void vexaTPU_RemoveSameItem::resetAll() {
    vexaTPowerUp::resetAll();
    _selectedItem = 0;
    _listoftargets.clear();
}

int vexaTPU_RemoveSameItem::Update() {
    updateButton();
    if (isSelected == 1) highlightColoursUnderPointer();
    if (isRunning == 1) _work();
    return 0;
}

// Every gem of the colour under the pointer glows and the hovered one swells; a click picks
// the colour. A pick during a run is ignored.
void vexaTPU_RemoveSameItem::highlightColoursUnderPointer() {
    Scene& scene = sceneMatch3;
    for (int i = 1; i < M3_SLOTS; ++i) {
        int t = scene._itemA[i];
        if (!scene.isGem(i) || !scene.itemUnderPointer(i)) continue;
        for (int j = 1; j < M3_SLOTS; ++j)
            if (scene._itemA[j] == t) scene._cellGlow[size_t(scene._itemCell[j])] = COLOUR_GLOW;
        setScale(HOVERED_COLOUR_SCALE, HOVERED_COLOUR_SCALE);
        scene._imgItem[size_t(t)].PaintXY(scene._itemX[i], scene._itemY[i]);
        setScale(1, 1);
        if (clickedOnce() && isRunning == 0) {
            _selectedItem = t;
            _activate();
        }
    }
}

int vexaTPU_RemoveSameItem::Prepare() {
    _glow = 0;
    _resetRuntime();
    _target = 0;
    isReady = isSelected = 0;
    _selectedItem = 0;
    _listoftargets.clear();
    return 0;
}

int vexaTPU_RemoveSameItem::_activate() {
    debugLog(_label + u" aktiviert, Ziel-itemID: " + intToString(_selectedItem));
    const Scene& scene = sceneMatch3;
    int frame = COLOUR_FIRST_FRAME;
    for (int i = 1; i < M3_SLOTS; ++i) {
        if (scene._itemA[i] != _selectedItem) continue;
        _listoftargets.push_back(makeTarget(i, frame, 0, 0));
        frame += TARGET_STEP;
    }
    payForUse();
    isRunning = 1;
    isReady = isFirstTime = 0;
    consumeClick();
    playSoundEffect(SOUND_PU_REMOVESAMEITEMS_START, _x);
    _selectedItem = 0;
    return 0;
}

int vexaTPU_RemoveSameItem::_deactivate() {
    _deselect();
    _resetRuntime();
    _target = 0;
    return 0;
}

int vexaTPU_RemoveSameItem::_select() {
    isSelected = 1;
    consumeClick();
    return 0;
}

int vexaTPU_RemoveSameItem::_deselect() {
    isSelected = 0;
    consumeClick();
    return 0;
}

int vexaTPU_RemoveSameItem::_work() {
    g_powerUpBusy = 1;
    _runtime += 1;
    if (_listoftargets.empty()) return _deactivate();
    removeDueTargets(_listoftargets, _runtime, Remover::Colour);
    return 0;
}

// --- Replace all items ---

vexaTPU_ReplaceAllItems::vexaTPU_ReplaceAllItems() {
    configure(u"Replace all items", 940, 718, 105000, 12500, 9, u"data/powerups/replaceallitems/");
}

int vexaTPU_ReplaceAllItems::Update() {
    updateButton();
    if (isRunning == 1) _work();
    return 0;
}

int vexaTPU_ReplaceAllItems::Prepare() {
    _glow = 0;
    _resetRuntime();
    _target = 0;
    isReady = isHover = isSelected = 0;
    return 0;
}

int vexaTPU_ReplaceAllItems::_activate() {
    payForUse();
    installEffect(_x, _y, 105010, 0, 0);
    _runtime = 1;
    isRunning = 1;
    isReady = isFirstTime = 0;
    consumeClick();
    playSoundEffect(SOUND_PU_REPLACEALLITEMS_START, _x);
    return 0;
}

int vexaTPU_ReplaceAllItems::_deactivate() {
    _deselect();
    _resetRuntime();
    burst();
    return 0;
}

// The burst at the screen centre starts the recolouring wave and throws a ring of sparks.
void vexaTPU_ReplaceAllItems::burst() {
    sceneMatch3._swapping = 1;
    installEffect(SCREEN_CENTRE_X, SCREEN_CENTRE_Y, 302, 0, 0);
    for (int i = 1; i <= BURST_SPARKS; ++i) {
        double angle = 6.0 * i * std::numbers::pi / 180.0;
        float vx = float(randInt(4, 8) * std::cos(angle));
        float vy = float(randInt(4, 8) * std::sin(angle));
        installEffect(SCREEN_CENTRE_X, SCREEN_CENTRE_Y, 154, vx, vy);
    }
}

int vexaTPU_ReplaceAllItems::_select() {
    isSelected = 1;
    return _activate();
}

int vexaTPU_ReplaceAllItems::_deselect() {
    isSelected = 0;
    return 0;
}

int vexaTPU_ReplaceAllItems::_work() {
    g_powerUpBusy = 1;
    _runtime += TRAIL_STEP;
    if (_runtime > TRAIL_HIDDEN) drawTrail();
    if (float(_runtime - TRAIL_HIDDEN) >= _y - SCREEN_CENTRE_Y) _deactivate();
    setScale(1, 1);
    return 0;
}

namespace {

// Size of the trail's spark k steps behind the head; 0 where the trail shows nothing.
float trailScale(int k) {
    switch (k) {
        case 0: return 2;
        case 8: return 1.2f;
        case 16: return 0.8f;
        case 24: return 0.6f;
        case 32: return 0.5f;
        case 42: return 0.4f;
        case 52: return 0.3f;
        case 66: return 0.2f;
        default: return 0;
    }
}

float headSparkSpeed() { return float(randInt(-100, 100)) * 0.02f; }

}  // namespace

// The path bends from the button towards the screen centre, one pixel up per step, closing
// 2/334 of the horizontal distance each step. Only the head and its tail of seven sparks show.
void vexaTPU_ReplaceAllItems::drawTrail() {
    float c = _x, d = _y;
    for (int i = 1; d >= TRAIL_TOP; ++i) {
        d -= 1;
        c -= 2 * (c - SCREEN_CENTRE_X) / (_y - SCREEN_CENTRE_Y);
        int k = _runtime - TRAIL_HIDDEN - i;
        float scale = trailScale(k);
        if (scale == 0) continue;
        if (k == 0) installEffect(c - 5, d, 4, headSparkSpeed(), headSparkSpeed());
        setScale(scale, scale);
        glowPicture().PaintXY(c - 5, d);
        glowPicture().PaintXY(c + 5, d);
    }
}

// --- Throw explosive ---

vexaTPU_ThrowExplosive::vexaTPU_ThrowExplosive() {
    configure(u"Throw Explosive", 672, 718, 70000, 2500, 7, u"data/powerups/throwexplosive/");
}

void vexaTPU_ThrowExplosive::resetAll() {
    vexaTPowerUp::resetAll();
    _targetz = 0;
    putarget = vexaTVector2();
}

int vexaTPU_ThrowExplosive::Update() {
    updateButton();
    if (isRunning == 1) _work();
    return 0;
}

// The unlock flag is restored from the profile right after. A fuse still burning when a level
// was left ends here, so it cannot blow up an item of the next board.
int vexaTPU_ThrowExplosive::Prepare() {
    _glow = 0;
    _target = 0;
    isUnlocked = 0;
    isReady = isSelected = 0;
    _resetRuntime();
    _targetz = 0;
    return 0;
}

int vexaTPU_ThrowExplosive::_activate() {
    payForUse();
    installEffect(_x, _y, 22004, 0, 0);
    _runtime = 1;
    isRunning = 1;
    isReady = isFirstTime = 0;
    consumeClick();
    playSoundEffect(SOUND_PU_THROWEXPLOSIVE_START, _x);
    return 0;
}

int vexaTPU_ThrowExplosive::_deactivate() {
    _deselect();
    _resetRuntime();
    isReady = 0;
    return 0;
}

int vexaTPU_ThrowExplosive::_select() {
    isSelected = 1;
    return _activate();
}

int vexaTPU_ThrowExplosive::_deselect() {
    isSelected = 0;
    return 0;
}

int vexaTPU_ThrowExplosive::_work() {
    g_powerUpBusy = 1;
    _runtime += 1;
    if (_runtime == 2) chooseTarget();
    if (_runtime == 2 && _targetz == 0) return _deactivate();
    if (_runtime > FUSE_LIT && _runtime < FUSE_BLAST) drawFuse();
    if (_runtime == FUSE_BLAST) explode();
    if (_runtime >= FUSE_END) _deactivate();
    setScale(1, 1);
    return 0;
}

// Whole passes over the items, each candidate winning a 1-in-150 draw and replacing an
// earlier winner of its pass. Candidates rest on a cell, are not blocks and lie clear of the
// left and top edges. A board without candidates, or a run of unlucky passes, leaves no target.
void vexaTPU_ThrowExplosive::chooseTarget() {
    const Scene& scene = sceneMatch3;
    _targetz = 0;
    for (int pass = 0; pass < TARGET_PASSES && _targetz == 0; ++pass) {
        bool anyCandidate = false;
        for (int i = 1; i < M3_SLOTS; ++i) {
            int t = scene._itemA[i];
            bool candidate = t > 0 && t < Scene::_ITEM_BRAKE && !isBlockType(t) && scene._itemX[i] > 30 &&
                             scene._itemY[i] > 50 && scene._itemCell[i] > 0;
            if (!candidate) continue;
            anyCandidate = true;
            if (randInt(1, TARGET_ODDS) == 1) _targetz = i;
        }
        if (!anyCandidate) break;
    }
    if (_targetz != 0) putarget = vexaTVector2::Create(scene._itemX[_targetz], scene._itemY[_targetz]);
}

// A flickering line of glows, one per pixel row, from the target down to the button.
void vexaTPU_ThrowExplosive::drawFuse() {
    float tx = putarget.x, ty = putarget.y;
    float c = tx;
    for (int y = floatToInt(ty); y <= floatToInt(_y); ++y) {
        c += (tx - _x + 6) / (ty - _y);
        setScale(float(randFloat(0.4, 1.3)), float(randFloat(0.4, 1.3)));
        glowPicture().PaintXY(c, float(y));
    }
}

// The target becomes a bomb and explodes at once; a new item enters its column. A target
// removed by a cascade meanwhile is not brought back.
void vexaTPU_ThrowExplosive::explode() {
    Scene& scene = sceneMatch3;
    int v = _targetz;
    if (scene._itemA[v] == 0) return;
    scene._itemA[v] = Scene::_ITEM_BOMB;
    scene._bombcheck(v, v);
    scene._mosscheck(v);
    scene._item_prepare(scene._itemX[v], SPAWN_Y, scene._itemauswahl(0), 0);
    scene._itemA[v] = 0;
}

// --- Globals ---

vexaTPU_RemoveLine puRemoveLine;
vexaTPU_RemoveSameItem puRemoveSameItem;
vexaTPU_ReplaceAllItems puReplaceAllItems;
vexaTPU_ThrowExplosive puThrowExplosive;
