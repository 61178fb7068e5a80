// The direct start into a level: the load screen's loading at once, then the level.
#include "app/level_start.h"

#include "match3/scene_match3.h"
#include "persist/roster.h"
#include "scenes/loadscreen.h"
#include "ui/input.h"

void startInLevel(int level) {
    loadEffectSounds();
    for (int frame : LOADING_STEP_FRAMES) runLoadingStep(frame);
    input._MausOK = 1;  // the main menu would have switched the mouse on
    ensureLevelPlayer(level);
    sceneMatch3.Prepare();
}
