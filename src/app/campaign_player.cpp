// The campaign player: one step per frame, chosen from the scene and the dialog on screen.
#include "app/campaign_player.h"

#include "game/globals.h"
#include "match3/scene_match3.h"
#include "persist/player.h"
#include "platform/platform.h"
#include "scenes/roadmap.h"
#include "scenes/story.h"
#include "ui/holo_button.h"
#include "ui/popup.h"
#include "ui/scene.h"
#include "ui/scene_handler.h"

namespace {

constexpr int LEFT_BUTTON = 1;
constexpr int START_X = 905, CHAMPIONS_X = 355, MENU_ROW_Y = 666;  // the main menu's holo buttons
constexpr int MENU_BUTTON_X = 937, MENU_BUTTON_Y = 29;
constexpr int NEWGAME_X = 407, YES_X = 417, QUESTION_Y = 484;
constexpr int NEXT_ARROW_X = 900, ARROW_Y = 710;
constexpr int PLAY_X = 512, PLAY_Y = 580;
constexpr int EXIT_X = 417, EXIT_Y = 454;             // the in-game menu's "exit"
constexpr int HALF_WAY_FRAME = 600;                   // a level is left this long after its start
constexpr int ROADMAP_SETTLED = 30;                   // past the frame the roadmap help opens on
const char* const PLAYER_NAME = "Autoplay";

bool fadeRuns() { return sceneHandler.FaderDir == FADER_DIR_OUT; }

}  // namespace

void TCampaignPlayer::frame() {
    if (g_scene != lastScene_) {
        lastScene_ = g_scene;
        if (g_scene == SCENE_MATCH3) levelPlayer_.emplace(sceneMatch3);
        if (g_scene == SCENE_ROADMAP) visits_ += 1;
    }
    if (buttonHeld_ || keyHeld_) {
        releaseHeld();
        return;
    }
    if (fadeRuns() && g_scene != SCENE_MATCH3) return;
    switch (g_scene) {
        case SCENE_MAINMENU: mainMenu(); break;
        case SCENE_STORY: story(); break;
        case SCENE_ROADMAP: roadmap(); break;
        case SCENE_MATCH3: level(); break;
        default: break;
    }
}

void TCampaignPlayer::releaseHeld() {
    if (buttonHeld_) injectMouseButton(LEFT_BUTTON, false);
    if (keyHeld_) injectKey(KEY_ENTER, false);
    buttonHeld_ = keyHeld_ = false;
}

void TCampaignPlayer::click(int x, int y) {
    injectMouseMove(x, y);
    injectMouseButton(LEFT_BUTTON, true);
    buttonHeld_ = true;
}

void TCampaignPlayer::tapEnter() {
    injectKey(KEY_ENTER, true);
    keyHeld_ = true;
}

bool TCampaignPlayer::dialogOpen(int state) const {
    return popupHandler.State == state && popupHandler.runtime == POPUP_OPEN;
}

// A name for the first player, then "new game"; once the story is over, a look at the
// champions and the quit question.
void TCampaignPlayer::mainMenu() {
    if (dialogOpen(POPUP_CHAMP)) {
        championsSeen_ = true;
        tapEnter();
    } else if (dialogOpen(POPUP_NEWPLAYER)) {
        if (!nameTyped_) injectText(PLAYER_NAME);
        else tapEnter();
        nameTyped_ = true;
    } else if (dialogOpen(POPUP_RESUME)) {
        click(NEWGAME_X, QUESTION_Y);
    } else if (dialogOpen(POPUP_NEWGAME)) {
        click(YES_X, QUESTION_Y);
    } else if (dialogOpen(POPUP_QUIT)) {
        tapEnter();
    } else if (popupHandler.runtime == 0) {
        if (!campaignDone_) click(START_X, MENU_ROW_Y);
        else if (!championsSeen_) click(CHAMPIONS_X, MENU_ROW_Y);
        else click(MENU_BUTTON_X, MENU_BUTTON_Y);
    }
}

void TCampaignPlayer::story() {
    if (sceneStory._page == sceneStory._numpages) campaignDone_ = true;
    if (popupHandler.runtime == 0) click(NEXT_ARROW_X, ARROW_Y);
}

// The help of a new campaign is confirmed; then every other visit takes the glowing point and
// "play", the others the start button (which prefers a suspended level).
void TCampaignPlayer::roadmap() {
    if (dialogOpen(POPUP_ROADMAPHELP)) {
        tapEnter();
    } else if (dialogOpen(POPUP_STAGE)) {
        click(PLAY_X, PLAY_Y);
    } else if (popupHandler.runtime == 0 && sceneRoadmap._runtime > ROADMAP_SETTLED) {
        const TSpieler& player = currentPlayer();
        const int furthest = player.StoryLevel;
        if (visits_ % 2 == 0 && player.isResume == 0 && furthest >= 1 && furthest <= ROADMAP_LEVELS)
            click(floatToInt(sceneRoadmap._LevelPointX[size_t(furthest)]),
                  floatToInt(sceneRoadmap._LevelPointY[size_t(furthest)]));
        else
            click(roadmapHoloButton.x, roadmapHoloButton.y);
    }
}

void TCampaignPlayer::level() {
    if (leaveHalfWay()) return;
    if (levelPlayer_) levelPlayer_->frame();
}

// One level of every chapter, the fifth or, when that one is won too soon, the next, is left
// once through the menu's "exit" while it runs and resumed from the roadmap.
bool TCampaignPlayer::leaveHalfWay() {
    const TSpieler& player = currentPlayer();
    const int chapter = (player.Level - 1) / 10 + 1;
    const int game = (player.Level - 1) % 10 + 1;
    const bool due = game >= 5 && leftHalfWay_.count(chapter) == 0;
    if (dialogOpen(POPUP_INGAME) && due) {
        leftHalfWay_.insert(chapter);
        diagLog(u"Autoplay verlaesst Level " + intToString(player.Level) + u" zur Haelfte");
        click(EXIT_X, EXIT_Y);
        return true;
    }
    if (popupHandler.State == POPUP_INGAME) return true;  // opening: wait for it
    const vexaTSceneMatch3& board = sceneMatch3;
    if (!due || board._runtime < HALF_WAY_FRAME || board._winrun != 0 || popupHandler.runtime != 0 || g_pause != -1)
        return false;
    click(MENU_BUTTON_X, MENU_BUTTON_Y);
    return true;
}
