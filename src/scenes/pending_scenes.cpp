// The scene objects of the screens still to come.
#include "scenes/pending_scenes.h"

#include "game/globals.h"
#include "ui/scene_handler.h"

vexaTSceneRoadmap sceneRoadmap;
vexaTSceneStory sceneStory;

int vexaTSceneEmpty::Prepare() {
    g_scene = id_;
    sceneHandler.fade_in();
    return 0;
}
