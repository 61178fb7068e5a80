// The match-3 scene as a scene: starting a level and the order in which one frame runs the
// rules and draws the board, the interface, the win sequence, the effects and the dialogs.
#include <algorithm>

#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/effects.h"
#include "match3/meteor.h"
#include "match3/power_up.h"
#include "match3/scene_match3.h"
#include "persist/config.h"
#include "persist/player.h"
#include "ui/input.h"
#include "ui/interface_helpers.h"
#include "ui/messages.h"
#include "ui/popup.h"
#include "ui/scene_handler.h"
#include "ui/sound_handler.h"

vexaTSceneMatch3 sceneMatch3;

static_assert(vexaTSceneMatch3::_GAMETYPE_SWAP == PLAYER_GAMETYPE_SWAP);
static_assert(M3_SLOTS == PLAYER_BOARD_SLOTS);

namespace {

// The profiles and the sound handler sit below the board; as the program starts, the board
// hands them what they need of it: the tables and power-up flags that a suspended level keeps,
// how the current player is saved from a level, whether a win sequence runs.
ResumeBoardLink boardTablesForProfiles() {
    vexaTSceneMatch3& board = sceneMatch3;
    ResumeBoardLink link;
    link.cellMoss = board._cellMoss.data();
    link.cellStone = board._cellStone.data();
    link.cellDoor = board._cellDoor.data();
    link.itemX = board._itemX.data();
    link.itemY = board._itemY.data();
    link.itemA = board._itemA.data();
    link.itemKaefCol = board._itemKaefCol.data();
    link.isUnlocked = {&puRemoveLine.isUnlocked, &puRemoveSameItem.isUnlocked, &puReplaceAllItems.isUnlocked,
                       &puThrowExplosive.isUnlocked};
    link.isFirstTime = {&puRemoveLine.isFirstTime, &puRemoveSameItem.isFirstTime, &puReplaceAllItems.isFirstTime,
                        &puThrowExplosive.isFirstTime};
    link.saveFromLevel = [](TSpieler& player, bool leaving) { return sceneMatch3.saveFromLevel(player, leaving); };
    return link;
}

[[maybe_unused]] const bool boardLinked = [] {
    linkResumeBoard(boardTablesForProfiles());
    linkWinSequence([] { return sceneMatch3._winrun > 0; });
    return true;
}();

// The instructions page of a level that introduces an element: moss, bombs, stones, and the
// four power-ups on the levels where they become available; 0 for the other levels.
int helpPageOfLevel(int level) {
    switch (level) {
        case 1: return 1;
        case 2: return 2;
        case 4: return 4;
        case 3: return 3;  // remove-line
        case 5: return 5;  // remove-same-item
        case 7: return 6;  // throw-explosive
        case 9: return 7;  // replace-all
        default: return 0;
    }
}

bool noPopupRuns() { return popupRuntime() == 0; }

}  // namespace

int vexaTSceneMatch3::Prepare() {
    g_previousScene = g_scene;
    if (g_previousScene == SCENE_ROADMAP || g_previousScene == SCENE_STORY) sceneById(g_previousScene)->Leave();
    TSpieler& player = currentPlayer();
    _imgBackground.LoadFromDisk(g_getCurrentBG(player.Level), 0, -1);
    _imgBackground.setXY(0, 0);
    if (player.isChapterLevel(player.Level)) setVictoryScreen();
    g_helpFromMenu = 0;
    _zugpointer = _nixdo = _swapping = 0;
    _preparelevelmatch3();
    preparePowerUps(player);
    clearEffects();
    _wholeglow = -496;
    popupHandler.State = 0;
    popupHandler.runtime = 0;
    g_pause = -1;
    _predrawings();
    // The level's music fades in from silence.
    config.musiklaut = 0;
    soundHandler.play_music(u"ingame" + intToString(randInt(1, 2)) + u".ogg");
    g_scene = SCENE_MATCH3;
    sceneHandler.fade_in();
    meteor.CalcNextAppearance();
    return 0;
}

// Each kind resets its running state, then the profile gives back the unlock flags.
void vexaTSceneMatch3::preparePowerUps(TSpieler& player) {
    puRemoveLine.Prepare();
    puRemoveSameItem.Prepare();
    puThrowExplosive.Prepare();
    puReplaceAllItems.Prepare();
    player.resumePowerUps();
}

int vexaTSceneMatch3::Update() {
    TSpieler& player = currentPlayer();
    _imgBackground.Paint();
    _stonesoundx = _mosssoundx = -1;
    player.suspendPowerUps();
    if (noPopupRuns() && g_pause == -1) _runtime += 1;
    g_inputLayer = 1;
    _item_Max = 259;
    if (_runtime == 35) showLevelHelpOnce(player);
    if (player.gtGameType == _GAMETYPE_SWAP && _runtime == 5) _makeno3groups();
    if (_runtime > 150 && g_pause == -1 && noPopupRuns() && _winrun == 0) countPlayTime(player);
    if (popupHandler.State > 0) g_inputLayer = 2;
    setViewport(0, 0, 1024, 768);
    setColor(sceneHandler.FaderColor, sceneHandler.FaderColor, sceneHandler.FaderColor);
    setScale(1, 1);
    setBlend(BLEND_ALPHA);
    g_boardAlpha = boardAlpha(player);
    setAlpha(g_boardAlpha);
    if (_winrun >= 0 && _winrun <= 80 && g_pause == -1) runBoardStep();
    advanceMossGlint();
    setAlpha(1);
    _imgGameUIMatch3.PaintXY(512, 44);
    _screenWin();
    _playsign();
    updateEffects();
    _gameUI_drawLeveltexts(0);
    _imgGameUIMatch3Longbar.Paint();
    _gameUI_drawMenuButton();
    messageHandler.Update();
    runMeteor();
    if (_runtime > 150 && _winrun == 0) drawGoalBar();
    endPauseOnClick(player);
    setAlpha(1);
    popupHandler.ingameScreenMainmenu_show();
    playFrameSounds();
    return 0;
}

// Once per level: the help page of the level, and for players with help on the instructions
// on the levels that introduce an element.
void vexaTSceneMatch3::showLevelHelpOnce(const TSpieler& player) {
    _runtime = 36;
    int page = helpPageOfLevel(player.Level);
    if (page == 0) return;
    g_helpPage = page;
    if (player.isHelp != 0) popupHandler.pop(POPUP_INSTRUCTIONS);
}

// A meteor starts about once in 400 frames once play runs and its pause is over, or at once
// while F8 is held; a flying or raining meteor is updated every frame.
void vexaTSceneMatch3::runMeteor() {
    bool mayStart = _runtime > 150 && _winrun == 0 && meteor.inAction == 0 && noPopupRuns() && g_pause == -1;
    if (mayStart) {
        int a = floatToInt(randFloat(0, 400));
        int b = floatToInt(randFloat(0, 400));
        bool byChance = a == b;
        if (!byChance && input._F8 == 1) meteor.nextAppearance = _runtime - 1;
        if (byChance || input._F8 == 1) {
            meteor.Start();
            updateEffects();
        }
    }
    if (meteor.inAction == 1) meteor.Update();
}

// The board fades in over 40 frames from frame 53 (from frame 1 when a level is resumed) and
// out over 80 frames after a win.
float vexaTSceneMatch3::boardAlpha(const TSpieler& player) const {
    float a = float(_runtime - 52) * 0.025f;
    if (player.resumeLevel > 7) a = float(_runtime) * 0.025f;
    if (_winrun > 0) a = 1 - float(_winrun) * 0.0125f;
    return std::clamp(a, 0.0f, 1.0f);
}

// The rules, then the board drawn over them unless a dialog covers it, then the power-ups.
void vexaTSceneMatch3::runBoardStep() {
    runRules();
    if (noPopupRuns()) {
        _draw_cells();
        _draw_items();
        _draw_gt3partner();
    }
    _draw_pu();
}

void vexaTSceneMatch3::runRules() {
    _item_slide();
    _make_swaps();
    _gt3_tipp();
    _gt3_swappen();
    _gt1_gt2_gt3_swapping();
    _remove_items();
}

int vexaTSceneMatch3::_draw_pu() {
    g_powerUpBusy = 0;
    for (vexaTPowerUp* powerUp : powerUpsInFrameOrder()) powerUp->Update();
    setScale(1, 1);
    return 0;
}

void vexaTSceneMatch3::advanceMossGlint() {
    _wholeglow += 24;
    if (_wholeglow > 5000) _wholeglow = -256 - 24 * randInt(20, 190);
}

void vexaTSceneMatch3::endPauseOnClick(TSpieler& player) {
    if (!noPopupRuns() || g_pause != 1) return;
    setAlpha(1);
    if (input._MausFireLeft == 1) {
        g_pause = -1;
        player.isResume = 0;
    }
}

void vexaTSceneMatch3::playFrameSounds() {
    if (_stonesoundx > -1) {
        playSoundEffect(SOUND_STONE, _stonesoundx);
        playSoundEffect(SOUND_EXPLOSION, _stonesoundx);
    }
    if (_mosssoundx > -1) playSoundEffect(SOUND_MOSS, _mosssoundx);
}

// One second more of play per tick of the play timer, however many ticks passed.
void vexaTSceneMatch3::countPlayTime(TSpieler& player) {
    int ticks = timerTicks(playTimer);
    if (ticks <= g_playLastTick) return;
    g_playLastTick = ticks;
    if (_winrun == 0) player.time += 1;
}

int vexaTSceneMatch3::Leave() {
    _imgBackground.Unload();
    return 0;
}
