// Scenes: every screen of the game is a scene with Prepare, Update (once per frame) and
// Leave, plus its own frame counter. Also the sortable record the power-ups use.
#pragma once

#include "platform/platform.h"

class vexaTScene {
public:
    String _caption;
    int _runtime = 0;

    virtual ~vexaTScene() = default;
    // Leaves the previous scene, loads pictures, sets g_scene and fades in.
    virtual int Prepare() = 0;
    // Runs one frame of the scene and draws it; called by the shell while the scene is current.
    virtual int Update() = 0;
    // Releases the scene's pictures and resources; never changes g_scene.
    virtual int Leave() = 0;
    // Receives the page that the fade towards this scene was requested with, just before its
    // Prepare; only the intro reads it.
    virtual int takeFaderParam(int param);
    virtual int _incRuntime(int n);
    virtual int getRuntime();
    virtual int resetRuntime();
};

// A record the power-ups sort by x position (descending under an ascending sort).
class _TtmpInteger {
public:
    int v = 0;
    int r = 0;
    float tx = 0;
    float ty = 0;

    virtual ~_TtmpInteger() = default;
    // 1 if other's tx is greater, -1 if smaller, 0 if equal or there is no other record.
    virtual int Compare(const _TtmpInteger* other) const;
};

// Scene ids, the values of g_scene.
enum SceneId {
    SCENE_INTRO = -2,
    SCENE_LOADSCREEN = -1,
    SCENE_MAINMENU = 0,
    SCENE_MATCH3 = 12,
    SCENE_ROADMAP = 13,
    SCENE_STORY = 14,
    SCENE_QUIT = -999
};

// The scene object for an id, or null for an id that names no scene.
vexaTScene* sceneById(int id);
