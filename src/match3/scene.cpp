// The match-3 scene as a scene: starting a level and the per-frame order of the rules. The
// drawing of the board, its interface and the win sequence (which tests for the win) join
// this frame later; until then the frame runs the rules and recounts the moss.
#include "app/globals.h"
#include "app/shared_state.h"
#include "ui/sound_handler.h"
#include "match3/effects.h"
#include "match3/scene_match3.h"
#include "persist/player.h"
#include "ui/scene_handler.h"

vexaTSceneMatch3 sceneMatch3;

int vexaTSceneMatch3::Prepare() {
    g_previousScene = g_scene;
    _zugpointer = _nixdo = _swapping = 0;
    _preparelevelmatch3();
    currentPlayer().resumePowerUps();
    clearEffects();
    _wholeglow = -496;
    g_pause = -1;
    g_scene = SCENE_MATCH3;
    sceneHandler.fade_in();
    return 0;
}

int vexaTSceneMatch3::Update() {
    TSpieler& player = currentPlayer();
    _stonesoundx = _mosssoundx = -1;
    player.suspendPowerUps();
    if (popupRuntime() == 0 && g_pause == -1) _runtime += 1;
    _item_Max = 259;
    if (player.gtGameType == _GAMETYPE_SWAP && _runtime == 5) _makeno3groups();
    if (_runtime > 150 && g_pause == -1 && popupRuntime() == 0 && _winrun == 0) countPlayTime(player);
    if (_winrun >= 0 && _winrun <= 80 && g_pause == -1) runRules();
    recountMoss();
    if (_stonesoundx > -1) {
        playSoundEffect(SOUND_STONE, _stonesoundx);
        playSoundEffect(SOUND_EXPLOSION, _stonesoundx);
    }
    if (_mosssoundx > -1) playSoundEffect(SOUND_MOSS, _mosssoundx);
    return 0;
}

void vexaTSceneMatch3::runRules() {
    _item_slide();
    _make_swaps();
    _gt3_tipp();
    _gt3_swappen();
    _gt1_gt2_gt3_swapping();
    _remove_items();
}

// One second more of play per tick of the play timer, however many ticks passed.
void vexaTSceneMatch3::countPlayTime(TSpieler& player) {
    int ticks = timerTicks(playTimer);
    if (ticks <= g_playLastTick) return;
    g_playLastTick = ticks;
    if (_winrun == 0) player.time += 1;
}

// The moss still on the board, counted from the cells each frame (the win needs none).
void vexaTSceneMatch3::recountMoss() {
    _mosscount = 0;
    for (int c = 1; c < M3_SLOTS; ++c)
        if (_cellMoss[c] == 1) _mosscount += 1;
}

int vexaTSceneMatch3::Leave() {
    _imgBackground.Unload();
    return 0;
}
