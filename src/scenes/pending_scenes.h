// Scenes whose screens are not built yet: each takes over its scene id and fades in, and
// draws nothing, so the shell and the fader can already move between all six scenes.
#pragma once

#include "ui/scene.h"

class vexaTSceneEmpty : public vexaTScene {
public:
    explicit vexaTSceneEmpty(int id) : id_(id) {}
    int Prepare() override;
    int Update() override { return 0; }
    int Leave() override { return 0; }

private:
    int id_;
};

class vexaTSceneRoadmap : public vexaTSceneEmpty {
public:
    vexaTSceneRoadmap() : vexaTSceneEmpty(SCENE_ROADMAP) {}
};

class vexaTSceneStory : public vexaTSceneEmpty {
public:
    vexaTSceneStory() : vexaTSceneEmpty(SCENE_STORY) {}
};

extern vexaTSceneRoadmap sceneRoadmap;
extern vexaTSceneStory sceneStory;
