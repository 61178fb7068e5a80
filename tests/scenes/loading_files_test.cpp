// The files named ahead for the loading steps: every picture and sound the steps load is among
// them, once per load, so each step takes decoded results and nothing named is left over.
#include <gtest/gtest.h>

#include "platform/decode_ahead.h"
#include "scenes/loadscreen.h"
#include "ui/interface_fixture.h"

using LoadingFiles = InterfaceTest;

TEST_F(LoadingFiles, EveryFileTheStepsLoadIsNamedOncePerLoad) {
    const std::vector<String> files = loadingStepFiles();
    decodeAhead(files);
    waitForDecodeAhead();
    // All of it fits under the worker's bound of 48 MiB, so the worker decodes every file ahead.
    EXPECT_LT(decodeAheadHeld().bytes, size_t(48) << 20);
    loadEffectSounds();
    for (int frame : LOADING_STEP_FRAMES) runLoadingStep(frame);
    EXPECT_EQ(decodeAheadTaken(), int(files.size()));
    EXPECT_EQ(decodeAheadHeld().results, 0);
    EXPECT_EQ(decodeAheadHeld().bytes, 0u);
    decodeAhead({});
}
