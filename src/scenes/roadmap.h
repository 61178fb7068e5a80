// The roadmap: the campaign's map between levels. The points of the 80 levels up to the
// player's furthest are drawn, the furthest glowing; a click on one opens the level preview with
// its miniature board, best time and "play"; the big start button goes on with the campaign and
// the menu button returns to the main menu.
#pragma once

#include <array>

#include "core/bild.h"
#include "ui/scene.h"

constexpr int ROADMAP_LEVELS = 80;

class vexaTSceneRoadmap : public vexaTScene {
public:
    std::array<float, ROADMAP_LEVELS + 1> _LevelPointX{};  // centre of level n's point, 1..80
    std::array<float, ROADMAP_LEVELS + 1> _LevelPointY{};
    vexaTBild _imgBackground;  // top-left at (0, 0)
    vexaTBild _imgBottomBar;   // top-left, its lower 15 pixels below the screen
    // The big start button is the shared roadmapHoloButton, set up by the picture loader.

    // Loads the goal table and the pictures, restarts "ambient.ogg" and fades in.
    int Prepare() override;
    // Effects, map, the roadmap help, buttons, level points and the open dialog.
    int Update() override;
    int Leave() override;
    // The menu button and the start button.
    virtual int drawButtons();
    // The points up to the furthest level, with the tooltip and the click that opens the preview.
    virtual int drawLevelpoints();
    // The glow under the furthest point.
    virtual int drawAnimation(float x, float y);
    // The body of the level preview dialog, every frame while it is open.
    virtual int LevelPreview();
    // Fills the point positions; called once at start-up.
    virtual int setRoadmapCoords();
    // The half-size board of `level` from the preview tables; `variant` has no effect.
    virtual int draw_preview_match3(int level, int variant);

private:
    void drawPoint(int level, int furthest);
    bool pointUnderPointer(int level) const;
    bool pointsReact() const;
    void drawBestTime(int level);
    void playSelectedLevel();
};

extern vexaTSceneRoadmap sceneRoadmap;
