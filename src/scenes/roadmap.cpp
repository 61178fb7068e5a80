// The roadmap scene and its level preview.
#include "scenes/roadmap.h"

#include <cmath>

#include "core/roadmap_points.h"
#include "font/game_fonts.h"
#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/effects.h"
#include "match3/scene_match3.h"
#include "persist/language_file.h"
#include "persist/player.h"
#include "persist/roster.h"
#include "ui/buttons.h"
#include "ui/holo_button.h"
#include "ui/input.h"
#include "ui/interface_helpers.h"
#include "ui/interface_pictures.h"
#include "ui/popup.h"
#include "ui/scene_handler.h"
#include "ui/sound_handler.h"

vexaTSceneRoadmap sceneRoadmap;

namespace {

constexpr float MENUBUTTON_X = 937, MENUBUTTON_Y = 29;
constexpr int HELP_FRAME = 20;     // the roadmap help opens on this frame of a new campaign's visit
constexpr float PREVIEW_X0 = 250;  // left edge of the miniature board
constexpr int PREVIEW_BUTTON_SLOT = 3;
// "play" stands lower than y 554, where the button covered the best-time line.
constexpr float PREVIEW_PLAY_Y = 580;
constexpr float BOTTOM_BAR_BELOW = 15;

[[maybe_unused]] const bool previewLinked = [] {
    linkLevelPreview([] { sceneRoadmap.LevelPreview(); });
    return true;
}();

void loadTopLeft(vexaTBild& picture, const String& path) {
    picture.LoadFromDisk(path, 0, -1);
    picture.setHandleTopLeft();
}

// The points are drawn up to the furthest level, or all of them once the campaign is finished.
int lastPointShown(const TSpieler& player) { return player.isStoryFinished == 1 ? ROADMAP_LEVELS : player.StoryLevel; }

}  // namespace

static_assert(ROADMAP_POINT_COUNT == ROADMAP_LEVELS);

int vexaTSceneRoadmap::setRoadmapCoords() {
    for (int level = 1; level <= ROADMAP_LEVELS; ++level) {
        _LevelPointX[size_t(level)] = float(ROADMAP_POINTS[level - 1][0]);
        _LevelPointY[size_t(level)] = float(ROADMAP_POINTS[level - 1][1]);
    }
    return 0;
}

int vexaTSceneRoadmap::Prepare() {
    g_previousScene = g_scene;
    if (g_previousScene == SCENE_MATCH3 || g_previousScene == SCENE_MAINMENU)
        if (vexaTScene* scene = sceneById(g_previousScene)) scene->Leave();
    currentPlayer().loadAllItemsToDestroyFromDisk(u"data/levels/lvla000.lvl");
    loadTopLeft(_imgBackground, u"data/roadmap/roadmap.png");
    _imgBackground.setXY(0, 0);
    loadTopLeft(_imgBottomBar, u"data/ui/menuborderdown.png");
    _imgBottomBar.setXY(0, 768 - _imgBottomBar.H + BOTTOM_BAR_BELOW);
    input._MausOK = 1;
    popupHandler.runtime = 0;
    g_pause = -1;
    resetRuntime();
    soundHandler.play_music(u"ambient.ogg");
    g_scene = SCENE_ROADMAP;
    sceneHandler.fade_in();
    return 0;
}

int vexaTSceneRoadmap::Leave() {
    _imgBackground.Unload();
    return 0;
}

int vexaTSceneRoadmap::Update() {
    setViewport(0, 0, 1024, 768);
    setColor(sceneHandler.FaderColor, sceneHandler.FaderColor, sceneHandler.FaderColor);
    setBlend(BLEND_ALPHA);
    setScale(1, 1);
    setAlpha(1);
    updateEffects();  // effects of the level before play out under the map
    setAlpha(1);
    setScale(1, 1);
    _imgBackground.PaintXY(0, 0);
    _imgBottomBar.Paint();
    _runtime += 1;
    const TSpieler& player = currentPlayer();
    if (player.StoryLevel == 1 && player.isStoryFinished == 0 && _runtime == HELP_FRAME && player.isHelp != 0)
        popupHandler.pop(POPUP_ROADMAPHELP);
    drawButtons();
    g_inputLayer = 1;
    setAlpha(1);
    drawLevelpoints();
    if (popupHandler.runtime > 0) g_inputLayer = 2;
    popupHandler.ingameScreenMainmenu_show();
    return 0;
}

// The start button sees the input layer the frame before left; the menu button tests none, so
// it leaves even with a dialog open.
int vexaTSceneRoadmap::drawButtons() {
    if (closeButton(MENUBUTTON_X, MENUBUTTON_Y) == 1) sceneHandler.fade_out(SCENE_MAINMENU, 0, 0);
    if (roadmapHoloButton.Tick(0) == BUTTON_CLICKED) {
        TSpieler& player = currentPlayer();
        player.Level = player.isResume == 1 ? player.resumeLevel : player.StoryLevel;
        sceneHandler.fade_out(SCENE_MATCH3, 0, 0);
    }
    return 0;
}

int vexaTSceneRoadmap::drawLevelpoints() {
    TSpieler& player = currentPlayer();
    const int last = lastPointShown(player);
    setAlpha(1);
    for (int level = 1; level <= last; ++level)
        if (level <= player.StoryLevel) drawPoint(level, player.StoryLevel);
    for (int level = 1; level <= last; ++level) {
        if (!pointUnderPointer(level) || !pointsReact()) continue;
        drawTooltip(levelName(level), mousePointer._x, mousePointer._y);
        if (input._MausFireLeft != 1) continue;
        soundHandler.PlayS(SOUND_BUTTON1, mousePointer._x);
        player.levelSelected = level;
        popupHandler.pop(POPUP_STAGE);
    }
    return 0;
}

// The furthest point glows; when it is not a chapter's end it also pulses, a full cycle every
// 360 frames (the negative half of the sine draws it mirrored).
void vexaTSceneRoadmap::drawPoint(int level, int furthest) {
    const float x = _LevelPointX[size_t(level)], y = _LevelPointY[size_t(level)];
    const bool chapterEnd = level % 10 == 0;
    if (level != furthest) {
        (chapterEnd ? imgStageWaypointInactive : imgWaypointInactive).PaintXY(x, y);
        return;
    }
    drawAnimation(x, y);
    if (chapterEnd) {
        imgStageWaypointActive.PaintXY(x, y);
        return;
    }
    const float s = std::sin(float(g_frame) * 3.14159265f / 180.0f);
    setScale(s, s);
    imgWaypointActive.PaintXY(x, y);
    setScale(1, 1);
}

bool vexaTSceneRoadmap::pointUnderPointer(int level) const {
    return imagesCollide(imgWaypointActive.data, floatToInt(_LevelPointX[size_t(level)]),
                         floatToInt(_LevelPointY[size_t(level)]), 0, imgColl3.data, floatToInt(mousePointer._x),
                         floatToInt(mousePointer._y), 0) != 0;
}

// No tooltip and no click under a dialog, during a fade-out or while paused.
bool vexaTSceneRoadmap::pointsReact() const {
    return g_inputLayer == 1 && popupHandler.runtime == 0 && g_pause == -1 && sceneHandler.FaderDir == FADER_DIR_IN;
}

int vexaTSceneRoadmap::drawAnimation(float x, float y) {
    sceneMatch3._imgGl[4].PaintXY(x, y);
    return 0;
}

int vexaTSceneRoadmap::LevelPreview() {
    const int level = currentPlayer().levelSelected;
    const float alpha = getAlpha();
    setScale(1, 1);
    popupHandler.box(POPUP_SIZE_MEDIUM, levelName(level), 0);
    setAlpha(alpha);
    draw_preview_match3(level, level);
    drawBestTime(level);
    // Only once fully open: the click on level 19's point, which lies under this button, would
    // otherwise close the preview in the frame it opens.
    const bool closeClicked = closeButton(707, 384 - popupHandler.imgPopupMedium.H / 2 + 40) == 1;
    if (closeClicked && popupHandler.runtime == POPUP_OPEN) popupHandler.direction = 2;
    if (textButton(512, PREVIEW_PLAY_Y, PREVIEW_BUTTON_SLOT, 2, languageFile.getValue(u"play")) == BUTTON_CLICKED)
        playSelectedLevel();
    return 0;
}

// Both lines stand where the best time goes: the "no best time" line was placed below the
// screen for the big frame, so it would never be seen.
void vexaTSceneRoadmap::drawBestTime(int level) {
    const bool known = level >= 1 && level <= BEST_TIME_LEVELS && bestTimes[size_t(level)] != -1;
    String text = languageFile.getValue(u"nobesttime");
    if (known)
        text = languageFile.getValue(u"besttime") + u" " + timeText(bestTimes[size_t(level)]) + u" " +
               languageFile.getValue(u"by") + u" " + bestTimeNames[size_t(level)];
    drawCentredLines(text, fontText, 512, 384 + popupHandler.imgPopupBig.H / 2 - 150);
}

// "play" on the suspended level continues it; on any other level that level starts fresh and
// the suspended game is given up.
void vexaTSceneRoadmap::playSelectedLevel() {
    TSpieler& player = currentPlayer();
    const int level = player.levelSelected;
    if (player.isResume == 1 && level == player.resumeLevel) {
        player.Level = player.resumeLevel;
    } else {
        player.Level = level;
        player.ResetResume();
    }
    soundHandler.PlayS(SOUND_LAYPART, 512);
    sceneHandler.fade_out(SCENE_MATCH3, 0, 0);
}

int vexaTSceneRoadmap::draw_preview_match3(int level, int) {
    if (level < 1 || level > M3_PREVIEW_LEVEL_LAST) return 0;
    vexaTSceneMatch3& m = sceneMatch3;
    const float x0 = PREVIEW_X0, y0 = 384 - popupHandler.imgPopupMedium.H / 2 + 40;
    const size_t L = size_t(level);
    auto inCell = [&](int c) { return m._preview_cella[L][size_t(c)] > 0 && m._preview_cella[L][size_t(c)] < 99; };
    setScale(0.5f, 0.5f);
    setBlend(BLEND_ALPHA);
    for (int c = 1; c < M3_SLOTS; ++c) {
        const int piece = m._preview_cellbord[L][size_t(c)];
        if (!inCell(c) || piece <= 0 || size_t(piece) >= m._imgCellBorder.size()) continue;
        auto [dx, dy] = borderPieceOffset(piece);
        m._imgCellBorder[size_t(piece)].PaintXY(x0 + m._preview_cellx[L][size_t(c)] / 2 + float(dx) / 2 - 12,
                                                y0 + m._preview_celly[L][size_t(c)] / 2 + float(dy) / 2 - 12);
    }
    setBlend(BLEND_SOLID);
    for (int column = 1; column < M3_COLUMNS; ++column) {
        const int count = m._preview_m3rowcount[L][size_t(column)];
        if (count <= 0 || size_t(count) >= m._imgRow.size()) continue;
        m._imgRow[size_t(count)].PaintXY(x0 + float(m._preview_m3rowx[L][size_t(column)] / 2) - 12,
                                         y0 + float(m._preview_m3rowy[L][size_t(column)] / 2) - 12);
    }
    for (int c = 1; c < M3_SLOTS; ++c)
        if (inCell(c) && m._preview_cellmoss[L][size_t(c)] == 1)
            m._imgMoss.PaintXY(x0 + m._preview_cellx[L][size_t(c)] / 2, y0 + m._preview_celly[L][size_t(c)] / 2);
    setBlend(BLEND_ALPHA);
    for (int i = 1; i < M3_SLOTS; ++i) {
        const int type = m._preview_itema[L][size_t(i)];
        if (type <= 0 || size_t(type) >= m._imgItem.size() || m._preview_itemkaefcol[L][size_t(i)] != -1) continue;
        m._imgItem[size_t(type)].PaintXY(x0 + m._preview_itemx[L][size_t(i)] / 2,
                                         y0 + m._preview_itemy[L][size_t(i)] / 2);
    }
    setBlend(BLEND_ALPHA);
    setScale(1, 1);
    return 0;
}
