// The direct start into a level: the load screen's loading at once, then the level.
#include "app/level_start.h"

#include "match3/scene_match3.h"
#include "persist/roster.h"
#include "scenes/loadscreen.h"
#include "ui/input.h"
#include "ui/interface_helpers.h"

void startInLevel(int level) {
    // What the steps and the level's background load is decoded on the side as they run.
    std::vector<String> files = loadingStepFiles();
    files.push_back(g_getCurrentBG(level));
    decodeAhead(files);
    loadEffectSounds();
    for (int frame : LOADING_STEP_FRAMES) runLoadingStep(frame);
    input._MausOK = 1;  // the main menu would have switched the mouse on
    ensureLevelPlayer(level);
    sceneMatch3.Prepare();
    decodeAhead({});  // the loading is over: nothing decoded ahead stays held
}
