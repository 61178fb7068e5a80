// The table from scene ids to the six scene objects.
#include "match3/scene_match3.h"
#include "scenes/intro.h"
#include "scenes/loadscreen.h"
#include "scenes/mainmenu.h"
#include "scenes/roadmap.h"
#include "scenes/story.h"

vexaTScene* sceneById(int id) {
    switch (id) {
    case SCENE_INTRO: return &sceneIntro;
    case SCENE_LOADSCREEN: return &sceneLoadscreen;
    case SCENE_MAINMENU: return &sceneMainmenu;
    case SCENE_MATCH3: return &sceneMatch3;
    case SCENE_ROADMAP: return &sceneRoadmap;
    case SCENE_STORY: return &sceneStory;
    default: return nullptr;
    }
}
