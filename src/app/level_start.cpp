// Loading steps and the direct start into a level.
#include "app/level_start.h"

#include <chrono>
#include <functional>

#include "game/globals.h"
#include "match3/effects.h"
#include "match3/scene_match3.h"
#include "persist/roster.h"
#include "ui/input.h"
#include "ui/interface_pictures.h"
#include "ui/sound_handler.h"

namespace {

// Runs one loading step and notes its wall time in the trace (the benchmark reads it).
void timedStep(const String& name, const std::function<void()>& step) {
    auto start = std::chrono::steady_clock::now();
    step();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    diagLog(u"Ladeschritt " + name + u": " + intToString(int(ms.count())) + u" ms");
}

}  // namespace

void runLoadingSteps() {
    timedStep(u"sounds", [] { soundHandler.init_sound(); });
    timedStep(u"interface", [] { loadInterfacePictures(); });
    timedStep(u"match3", [] { sceneMatch3.preloadImages(); });
    timedStep(u"effects", [] { loadEffectPictures(); });
    timedStep(u"previews", [] { sceneMatch3.loadLevelPreviewData(); });
}

void startInLevel(int level) {
    runLoadingSteps();
    input._MausOK = 1;  // the main menu would have switched the mouse on
    ensureLevelPlayer(level);
    sceneMatch3.Prepare();
}
