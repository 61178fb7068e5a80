// The meteor: its flight across the match-3 screen, the click that shoots it down, and the
// rain of three burning meteors that follows and turns three items into bombs.
#include "match3/meteor.h"

#include "game/shared_state.h"
#include "match3/effects.h"
#include "match3/scene_match3.h"
#include "ui/input.h"
#include "ui/popup.h"
#include "ui/sound_handler.h"

TMeteor meteor;

namespace {

constexpr int FRAME_WIDTH = 50, FRAME_HEIGHT = 56, FRAMES = 16;
constexpr float START_TOP = 90, START_BOTTOM = 630;  // vertical start range before narrowing
constexpr float SCREEN_WIDTH = 1024;
constexpr int KIND_FALLING_METEOR = 108900;
constexpr int KIND_IMPACT = 109000, KIND_BURST = 109100;
constexpr int RAIN_TARGETS_FRAME = 2, RAIN_FALL_FRAME = 3, RAIN_LAST_FRAME = 100;
// getTarget's random draws before it falls back to one ordered scan of the board.
constexpr int TARGET_DRAWS = 2000;

}  // namespace

int TMeteor::loadImages() {
    img = loadAnimImage(u"data/Match3/ast.png", FRAME_WIDTH, FRAME_HEIGHT, 0, FRAMES, -1);
    w = float(FRAME_WIDTH);
    h = float(FRAME_HEIGHT);
    // The start range comes from the constants, not from the current values, so loading the
    // pictures again does not narrow it a second time.
    minY = START_TOP + w / 2;
    maxY = START_BOTTOM - w / 2;
    speed = h / 20;
    h = h / 2;
    return 0;
}

int TMeteor::unloadImages() {
    img = nullptr;
    return 0;
}

int TMeteor::Update() {
    // A dialog freezes the meteor: it neither moves nor is drawn, and its clock stands still.
    if (popupRuntime() > 0) return 0;
    runtime += 1;
    if (isRaining != 0) {
        rain();
        return 0;
    }
    if (runtime % 2 == 0) turn();
    positionX += directionX;
    positionY += directionY;
    int blend = getBlend();
    float alpha = getAlpha();
    setBlend(BLEND_ALPHA);
    setAlpha(1);
    drawImage(img, positionX, positionY, animCount);
    setBlend(blend);
    setAlpha(alpha);
    // Only the upper half of the picture answers a click; the bounds are strict.
    float mx = mousePointer._x, my = mousePointer._y;
    bool onRock = positionX < mx && mx < positionX + w && positionY < my && my < positionY + h;
    if (onRock && input._MausFireLeft == 1) Hitted();
    return 0;
}

// One step of the spin: forwards when entering at the left, backwards at the right.
void TMeteor::turn() {
    if (corner == 1)
        animCount = (animCount + 1) % FRAMES;
    else if (corner == 2)
        animCount = (animCount + FRAMES - 1) % FRAMES;
    else
        animCount = 0;
}

int TMeteor::tempSetXY(float x, float y) {
    positionX = x;
    positionY = y;
    return 0;
}

int TMeteor::setRandomSpot() {
    corner = randInt(1, 2);
    if (corner == 1) {
        positionX = -h;
        positionY = float(randFloat(minY, maxY));
        directionX = speed;
    } else {
        positionX = SCREEN_WIDTH + h;
        positionY = float(randFloat(minY, maxY));
        directionX = -speed;
    }
    directionY = float(randFloat(-speed * 0.5, speed * 0.5));
    return 0;
}

int TMeteor::Start() {
    int now = sceneMatch3._runtime;
    if (now < nextAppearance) {
        debugLog(u"Meteor haette gestartet werden koennen, aber es ist noch zu frue bei m3RT/nxtApp: " +
                 intToString(now) + u"/" + intToString(nextAppearance));
        return -1;
    }
    setRandomSpot();
    inAction = 1;
    playSoundEffect(SOUND_METEOR_APPEARS, positionX);
    debugLog(u"Starte Meteor bei m3runtime " + intToString(now) + u" x: " + floatToString(positionX) + u" y: " +
             floatToString(positionY) + u" directionX: " + floatToString(directionX) + u" directionY: " +
             floatToString(directionY));
    return 0;
}

int TMeteor::Hitted() {
    isHit = 1;
    isRaining = 1;
    sceneMatch3._incpoints(positionX, positionY - w / 2, points);
    playSoundEffect(SOUND_METEOR_HIT, positionX);
    installEffect(positionX, positionY, KIND_BURST, 0, 0);
    return 0;
}

// The rain: targets in its second frame, three falling meteors in its third, and from then on
// every impact whose falling meteor (and the explosion that usually takes over its slot) is
// gone turns its item into a bomb.
int TMeteor::rain() {
    raincounter += 1;
    vexaTSceneMatch3& scene = sceneMatch3;
    if (raincounter == RAIN_TARGETS_FRAME) {
        g_powerUpBusy = 1;
        for (int& target : impact) target = getTarget();
    }
    if (raincounter == RAIN_FALL_FRAME) {
        for (size_t i = 0; i < impact.size(); ++i) {
            fallX[i] = scene._itemX[size_t(impact[i])];
            fallY[i] = scene._itemY[size_t(impact[i])];
            // A board without a target, or a full pool, leaves the impact without a falling
            // meteor: it is finished at once and makes no bomb.
            gfxid[i] = impact[i] == 0 ? 0 : installEffect(fallX[i], fallY[i], KIND_FALLING_METEOR, 0, 0);
            landed[i] = gfxid[i] == 0;
            debugLog(u"Meteor faellt auf Item " + intToString(impact[i]) + u", Effekt-Slot: " + intToString(gfxid[i]));
        }
    }
    if (raincounter > RAIN_FALL_FRAME) {
        for (size_t i = 0; i < impact.size(); ++i) {
            if (effectPool[size_t(gfxid[i])].id == 0) donecount += 1;
            if (landed[i] || stillFalling(i)) continue;
            // Each impact makes its bomb once, and never out of a slot that no longer holds an item.
            landed[i] = true;
            if (scene._itemA[size_t(impact[i])] != 0) scene._itemA[size_t(impact[i])] = vexaTSceneMatch3::_ITEM_BOMB;
        }
    }
    // donecount goes on counting every frame an impact's slot is free, but the rain ends once
    // every impact has landed: counting impact-frames to three would end it early when one
    // impact lands a few frames before the others, and those would then make no bomb. After
    // 100 frames it ends in any case.
    bool allLanded = raincounter > RAIN_FALL_FRAME && landed[0] && landed[1] && landed[2];
    if (allLanded || raincounter > RAIN_LAST_FRAME) Stop();
    return 0;
}

// True while the effect slot of impact i holds its falling meteor, or the explosion that the
// meteor left at its fall point. Waiting only for the slot to be free is not enough: the
// moment the explosion frees it, another effect (a fragment blowing up at the screen edge) can
// take it in the same update, and the rain would never see that item's impact.
bool TMeteor::stillFalling(size_t i) const {
    const vexaTEffect& e = effectPool[size_t(gfxid[i])];
    if (e.id == KIND_FALLING_METEOR) return true;
    return e.id == KIND_IMPACT && e.x == fallX[i] && e.y == fallY[i];
}

// Random draws first, as the rain always chose its targets; after TARGET_DRAWS misses one
// ordered scan decides, so a board without a qualifying item gives 0 instead of hanging.
int TMeteor::getTarget() {
    for (int n = 0; n < TARGET_DRAWS; ++n) {
        int slot = randInt(1, M3_CELL_LAST);
        if (isTarget(slot)) return slot;
    }
    for (int slot = 1; slot <= M3_CELL_LAST; ++slot)
        if (isTarget(slot)) return slot;
    return 0;
}

// An item the rain may turn into a bomb: a playable item that is not already a bomb, not a
// bug or power-up item, and not a stone or door block (their cells keep the block's state).
bool TMeteor::isTarget(int slot) const {
    const vexaTSceneMatch3& scene = sceneMatch3;
    int t = scene._itemA[size_t(slot)];
    if (!scene.isPlayable(slot) || t == vexaTSceneMatch3::_ITEM_BOMB || scene.isBlock(slot)) return false;
    if (t == vexaTSceneMatch3::_bug || (t >= vexaTSceneMatch3::_ITEM_PU1 && t <= vexaTSceneMatch3::_ITEM_PU4))
        return false;
    int cell = scene._itemCell[size_t(slot)];
    return scene._cellStone[size_t(cell)] != 1 && scene._cellDoor[size_t(cell)] != 1;
}

int TMeteor::Stop() {
    g_powerUpBusy = 0;
    inAction = isHit = isRaining = 0;
    runtime = raincounter = donecount = animCount = 0;
    impact.fill(0);
    gfxid.fill(0);
    landed.fill(false);
    fallX.fill(0);
    fallY.fill(0);
    CalcNextAppearance();
    return 0;
}

int TMeteor::CalcNextAppearance() {
    nextAppearance = sceneMatch3._runtime + minimumPause + randInt(1, minimumPause * 10);
    return 0;
}
