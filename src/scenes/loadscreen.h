// The load screen: 430 frames in which a load bar glides up, fills with a glowing edge and
// slides away while the shared pictures, the board and effect pictures and the level previews
// load on four fixed frames; it fades itself out and hands over to the main menu.
#pragma once

#include <array>
#include <vector>

#include "core/bild.h"
#include "ui/scene.h"

constexpr int LOADSCREEN_FRAMES = 430;
// The frames on which the load screen runs a loading step, in order.
constexpr std::array<int, 4> LOADING_STEP_FRAMES = {180, 225, 260, 305};

class vexaTSceneLoadscreen : public vexaTScene {
public:
    vexaTBild _imgBackground;
    vexaTBild _imgLoadbar;
    vexaTBild _imgLoadbarProgress;
    float _loadbarY = 0;  // vertical centre of the bar

    // Loads the three pictures, starts the sounds and "ambient.ogg", and fades in.
    int Prepare() override;
    // One frame of the timeline; on frame 430 the main menu takes over.
    int Update() override;
    int Leave() override;

private:
    void moveBar();
    void drawBar();
    void drawFill(float edge);
};

// The picture and sound files the loading steps load, in their order, a file loaded twice named
// twice: decoded ahead while the intro plays or a direct level start begins.
std::vector<String> loadingStepFiles();
// Loads the effect sounds, the load screen's first step (in its Prepare), timed like the others.
void loadEffectSounds();
// Runs the loading step of load-screen frame `frame` (one of LOADING_STEP_FRAMES; nothing for
// another frame) and notes its wall time in the trace. Also used by the direct start into a level.
void runLoadingStep(int frame);
// The x of the fill's right edge on frame `frame`: 371 on frame 150, off the screen after 327.
float loadbarEdge(int frame);

extern vexaTSceneLoadscreen sceneLoadscreen;
