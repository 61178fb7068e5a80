// Fading between scenes.
#include "ui/scene_handler.h"

#include "game/globals.h"
#include "platform/platform.h"
#include "ui/input.h"
#include "ui/scene.h"

vexaTSceneHandler sceneHandler;

int vexaTSceneHandler::fade_in() {
    FaderColor = 0;
    FaderDir = FADER_DIR_IN;
    return 0;
}

int vexaTSceneHandler::fade_out(int target, int param1, int param2) {
    FaderShow = target;
    FaderParam1 = param1;
    FaderParam2 = param2;
    FaderDir = FADER_DIR_OUT;
    FaderColor = 256;
    input._MausFireLeft = 0;
    flushKeys();
    return 0;
}

namespace {

// Runs when a fade-out has reached black. Until the target's Prepare fades in again, the
// direction stays "out", so a target that prepares nothing is acted on every frame.
void showFaderTarget(const vexaTSceneHandler& handler) {
    if (handler.FaderShow == SCENE_QUIT) {
        g_quit = 1;
        return;
    }
    vexaTScene* scene = sceneById(handler.FaderShow);
    if (scene == nullptr) return;
    scene->takeFaderParam(handler.FaderParam1);
    scene->Prepare();
}

}  // namespace

int vexaTSceneHandler::fading() {
    if (FaderDir == FADER_DIR_OUT) {
        if (FaderColor > -FADER_STEP) FaderColor -= FADER_STEP;
        if (FaderColor == -FADER_STEP) showFaderTarget(*this);
    } else if (FaderColor < 255) {
        FaderColor += FADER_STEP;
    }
    setColor(FaderColor, FaderColor, FaderColor);
    return 0;
}

int vexaTSceneHandler::draw_fader() { return 0; }
