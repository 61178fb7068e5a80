// The level's menu, the quit question, the champion list, and the questions of the main
// menu's start button: resume the interrupted game or start a new one.
#include "font/game_fonts.h"
#include "game/globals.h"
#include "game/shared_state.h"
#include "persist/player.h"
#include "persist/roster.h"
#include "ui/dialog_parts.h"
#include "ui/input.h"
#include "ui/interface_helpers.h"
#include "ui/interface_pictures.h"
#include "ui/popup.h"
#include "ui/scene.h"
#include "ui/scene_handler.h"
#include "ui/sound_handler.h"

namespace {

constexpr int CHAMPION_ROWS_SHOWN = 7;
const String GOAL_TABLE = u"data/levels/lvla000.lvl";

// Stores the running level for resuming, saves the profile and fades to the roadmap.
// Stored for resuming, or, when the level was won behind the menu, recorded as won.
void leaveLevel() {
    saveCurrentPlayerLeavingLevel();
    sceneHandler.fade_out(SCENE_ROADMAP, 0, 0);
}

// Row `row` of the champion table at y: its rank, then name, points and level, or "---" in all
// three columns for a profile that has not played.
void drawChampionRow(int row, float y) {
    drawCentredText(fontText, intToString(row), 323, y);
    if (championLevels[size_t(row)] > 0) {
        fontText.DrawText(championNames[size_t(row)], 368, y, 1, 0);
        fontText.DrawText(intToString(championPoints[size_t(row)]), 654, y, 1, 2);
        drawCentredText(fontText, intToString(championLevels[size_t(row)]), 697, y);
        return;
    }
    for (float x : {368.0f, 654.0f, 697.0f}) drawCentredText(fontText, u"---", x, y);
}

// Continues the interrupted level: through its story page when it opens one that the player
// has not finished the story for, else on the roadmap.
void resumeGame() {
    TSpieler& player = currentPlayer();
    player.checkStoryPage();
    player.Level = player.resumeLevel;
    if (player.isStoryFinished != 0) player.isStoryPageShow = 0;
    sceneHandler.fade_out(player.isStoryPageShow == 1 ? SCENE_STORY : SCENE_ROADMAP, 0, 0);
}

void startNewGame() {
    TSpieler& player = currentPlayer();
    player.NewZelto();
    player.checkStoryPage();
    player.loadAllItemsToDestroyFromDisk(GOAL_TABLE);
    sceneHandler.fade_out(SCENE_STORY, 0, 0);
}

// Saved as the quit question's opening saved it, with what happened since: a level in play is
// stored for resuming, a won one as won, whether Enter or the button answered.
void quitGame() {
    if (g_currentPlayer > -1) saveCurrentPlayer(g_currentPlayer);
    soundHandler.stop_music();
    sceneHandler.fade_out(SCENE_QUIT, 0, 0);
}

}  // namespace

// Escape continues whatever the phase, so the menu can be closed while it is still opening.
int vexaTPopup::IngameMenu() {
    setScale(1, 1);
    box(POPUP_SIZE_SMALL, dialogText(u"menu"), 0);
    if (dialogButtonClicked(417, 374, u"help")) {
        g_helpPage = 1;
        g_helpFromMenu = 1;
        State = POPUP_INSTRUCTIONS;
    }
    if (dialogButtonClicked(417, 454, u"exit")) leaveLevel();
    if (dialogButtonClicked(607, 374, u"options")) State = POPUP_OPTIONS;
    if (dialogButtonClicked(607, 454, u"continue") || input._Escape == 1) {
        direction = POPUP_CLOSING;
        g_pause = -1;
        input._Escape = 0;
    }
    return 0;
}

int vexaTPopup::show_quit() {
    setScale(1, 1);
    box(POPUP_SIZE_SMALL, dialogText(u"exitquestion"), 0);
    int lineHeight = fontText.GetFontHeight() + 4;
    float top = 384 - imgPopupSmall.H / 2 + 20 + float(2 * lineHeight);
    drawCentredText(fontText, dialogText(u"exitsure"), 512, top);
    drawCentredText(fontText, dialogText(u"exitsave"), 512, top + float(lineHeight));
    if ((dialogButtonClicked(407, 484, u"back") || input._Escape == 1) && runtime == POPUP_OPEN)
        direction = POPUP_CLOSING;
    if ((dialogButtonClicked(617, 484, u"ok") || input._Enter == 1) && runtime == POPUP_OPEN) quitGame();
    return 0;
}

// The list is built again every frame, so it always shows the profiles as they are.
int vexaTPopup::Champions() {
    buildChampionList();
    setScale(1, 1);
    box(POPUP_SIZE_MEDIUM, dialogText(u"champions"), 0);
    imgScores.PaintXY(512, 432);
    drawCentredText(fontText, dialogText(u"rank"), 324, 233);
    drawCentredText(fontText, dialogText(u"name"), 458, 233);
    drawCentredText(fontText, dialogText(u"points"), 611, 233);
    drawCentredText(fontText, dialogText(u"level"), 699, 233);
    for (int row = 1; row <= CHAMPION_ROWS_SHOWN; ++row)
        drawChampionRow(row, float(290 + (row - 1) * fontText.GetFontHeight()));
    bool close = closeButton(707, 384 - imgPopupMedium.H / 2 + 40) == 1;
    if (answeredWhenOpen(close)) direction = POPUP_CLOSING;
    return 0;
}

// Opened by the roadmap on its 20th frame while a new campaign stands at level 1.
int vexaTPopup::RoadmapHelp() {
    setScale(1, 1);
    box(POPUP_SIZE_BIG, dialogText(u"helproadmaptitle"), 0);
    drawCentredLines(dialogText(u"helproadmaptext"), fontText, 512, 226);
    bool ok = dialogButtonClicked(512, 586, u"ok");
    if (answeredWhenOpen(ok)) direction = POPUP_CLOSING;
    return 0;
}

// The dialog stays open while the scene fades out; the next scene resets the handler.
int vexaTPopup::resumegame() {
    setScale(1, 1);
    box(POPUP_SIZE_SMALL, dialogText(u"resumegame"), 0);
    drawCentredLines(dialogText(u"wantresume"), fontText, 512, 294);
    bool close = closeButton(707, 272) == 1;
    if (answeredWhenOpen(close)) direction = POPUP_CLOSING;
    if (dialogButtonClicked(407, 484, u"newgame")) State = POPUP_NEWGAME;
    if (dialogButtonClicked(617, 484, u"resumegame")) resumeGame();
    return 0;
}

// "no", Escape and Enter go back to the resume question in the same phase; Enter is held, so
// it closes that question on the next frame too.
int vexaTPopup::NewGame() {
    setScale(1, 1);
    box(POPUP_SIZE_SMALL, dialogText(u"newgame"), 0);
    drawCentredText(fontText, dialogText(u"newgame2"), 512, 309);
    drawCentredText(fontText, dialogText(u"newgame3"), 512, 344);
    drawCentredText(fontText, dialogText(u"newgame4"), 512, 374);
    if (dialogButtonClicked(417, 484, u"yes")) startNewGame();
    bool no = dialogButtonClicked(607, 484, u"no");
    if (answeredWhenOpen(no)) State = POPUP_RESUME;
    return 0;
}
