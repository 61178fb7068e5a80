// The win sequence: the moss and time bonuses, the chapter victory picture, the summary panel
// with its lines appearing one after the other, and the hand-over to the profile and the next
// scene once the player confirms.
#include <algorithm>

#include "font/game_fonts.h"
#include "game/globals.h"
#include "match3/scene_match3.h"
#include "persist/language_file.h"
#include "persist/player.h"
#include "persist/roster.h"
#include "ui/buttons.h"
#include "ui/input.h"
#include "ui/popup.h"
#include "ui/scene_handler.h"
#include "ui/sound_handler.h"

namespace {

constexpr int WIN_CONFIRMED = 500;
constexpr int WIN_WAITING = 499;

// t1: the frame the summary panel starts after (a chapter level shows its picture first).
int summaryStart(TSpieler& player) { return player.isChapterLevel(player.Level) ? 240 : 40; }

int timeBonus(int seconds) {
    if (seconds <= 90) return vexaTSceneMatch3::_BONUS_GOLD;
    if (seconds <= 120) return vexaTSceneMatch3::_BONUS_SILVER;
    if (seconds <= 150) return vexaTSceneMatch3::_BONUS_BRONZE;
    return 0;
}

float fadeInOver50(int frames) { return std::min(float(frames) / 50.0f, 1.0f); }

}  // namespace

int vexaTSceneMatch3::_screenWin() {
    _checkWinCondition();
    if (_winrun <= 0) return 0;
    TSpieler& player = currentPlayer();
    int t1 = summaryStart(player);
    // Paid once: the sequence waits on frame 1 while the game is paused.
    if (_winBonusPaid == 0) addWinBonuses(player);
    if (_winrun == 2 && g_pause == -1) soundHandler.play_music(u"win.ogg");
    if (g_pause == -1 && _winrun < WIN_WAITING) _winrun += 1;
    setAlpha(std::clamp(float(_winrun) * 0.2f, 0.0f, 1.0f));
    if (g_pause == -1 && _winrun > 40 && _winrun < WIN_CONFIRMED) {
        if (player.isChapterLevel(player.Level)) drawVictoryPicture(t1);
        else VictoryRuntime = 0;
        drawSummaryPanel(player, t1);
        if (_winrun > t1 + 80) {
            setAlpha(1);
            bool clicked = textButton(512, 540, 3, 1, languageFile.getValue(u"ok")) == 3;
            if (clicked || input._Enter != 0 || input._Escape != 0) _winrun = WIN_CONFIRMED;
        }
    }
    setAlpha(1);
    setScale(1, 1);
    setBlend(BLEND_ALPHA);
    setViewport(0, 0, 1024, 768);
    if (_winrun == WIN_CONFIRMED) confirmWin();
    return 0;
}

void vexaTSceneMatch3::addWinBonuses(TSpieler& player) {
    _winBonusPaid = 1;
    int moss = player.anzMoss * _mossPoints;
    _bonuspunkte = timeBonus(player.time);
    player.incLevelPoints(moss);
    player.incStoryPoints(moss);
    player.incStoryPoints(_bonuspunkte);
    player.incLevelPoints(_bonuspunkte);
}

// Fades in over 50 frames and out over the 50 frames before the summary.
void vexaTSceneMatch3::drawVictoryPicture(int t1) {
    if (_winrun >= t1) return;
    VictoryRuntime += 1;
    float a = float(VictoryRuntime) / 50.0f;
    if (a >= 1) a = float(t1 - _winrun) / 50.0f;
    setAlpha(std::min(a, 1.0f));
    _imgVictory.Paint();
}

void vexaTSceneMatch3::drawSummaryPanel(const TSpieler& player, int t1) {
    if (_winrun <= t1) {
        ScoreboardRuntime = 0;
        return;
    }
    ScoreboardRuntime += 1;
    float a = fadeInOver50(ScoreboardRuntime);
    setAlpha(a);
    vexaTBild& panel = popupHandler.imgPopupMedium;
    panel.PaintXY(512, 384);
    float left = 512 - panel.W / 2 + 30, right = 512 + panel.W / 2 - 30;
    String title = languageFile.getValue(u"dayover");
    fontHeader.DrawText(title, float(512 - fontHeader.GetTxtWidth(title) / 2), 384 - panel.H / 2 + 20, 1, 0);
    // The moss line shows the bonus that was added: cells times the points per cell.
    String moss = intToString(player.anzMoss) + u"x" + intToString(_mossPoints) + u"=" +
                  intToString(player.anzMoss * _mossPoints);
    struct Line {
        bool shown;
        const char16_t* label;
        String value;
    };
    const Line lines[] = {{_bonuspunkte > 0, u"timebonus", intToString(_bonuspunkte)},
                          {true, u"smasheddirt", moss},
                          {true, u"pointsinthislevel", intToString(player.LevelPoints)},
                          {true, u"pointsinthisgame", intToString(player.StoryPoints)}};
    float dy = -110;
    for (int k = 1; k <= 4; ++k) {
        const Line& line = lines[k - 1];
        if (!line.shown) continue;
        if (_winrun >= t1 + 10 + 10 * k) {
            setAlpha(a);
            fontText.DrawText(languageFile.getValue(line.label), left, 384 + dy, 1, 0);
            fontText.DrawText(line.value, right, 384 + dy, 1, 2);
        }
        dy += 40;
    }
}

// The player confirmed: the profile moves on to the next level and is saved, and the game
// fades to the story page the next level opens with, or to the roadmap.
void vexaTSceneMatch3::confirmWin() {
    TSpieler& player = currentPlayer();
    _bonuspunkte = 0;
    _winrun = -1;
    recordWin(player);
    player.SaveToDisk();
    sceneHandler.fade_out(player.isStoryPageShow == 1 ? SCENE_STORY : SCENE_ROADMAP, 0, 0);
}

// The best time is the level's play time, the clock its header shows.
void vexaTSceneMatch3::recordWin(TSpieler& player) {
    _wonLevelPoints = player.LevelPoints;
    recordBestTime(player.Level, player.time, player.Name);
    player.suspendPowerUps();
    player.LevelDone();
    player.LevelUp();
    player.LevelDone();
    player.checkStoryPage();
    player.ResetResume();
}

// A level won but not yet confirmed is saved as confirmed, so a quit or a crash behind the
// summary neither loses the win nor keeps its points for a second win of the same level; and a
// level in play is stored for resuming.
bool vexaTSceneMatch3::saveFromLevel(TSpieler& player, bool leaving) {
    if (g_scene != SCENE_MATCH3 || _winrun < 0) return false;
    if (_winrun == 0) {
        player.SuspendLevel();
        std::array<int, 6> flying = goalGemsInFlight();
        for (int k = 1; k <= 5; ++k) player.resumeItemsDestroyed[size_t(k)] += flying[size_t(k)];
        player.SaveToDisk();
        return true;
    }
    if (_winBonusPaid == 0) addWinBonuses(player);
    if (leaving) {
        _winrun = -1;
        recordWin(player);
        player.SaveToDisk();
        return true;
    }
    TSpieler won = player;
    recordWin(won);
    won.SaveToDisk();
    player.isAlreadySaved = won.isAlreadySaved;
    return true;
}
