// Start-up and shut-down of the platform layer as a whole.
#include "platform/decode_ahead.h"
#include "platform/internal.h"

namespace {
bool headlessRun = false;
}

void initPlatform(const PlatformConfig& config) {
    headlessRun = config.headless;
    initClock(config.headless);
    if (!config.traceFile.empty()) openTrace(config.traceFile);
    initGraphics(config.headless, config.headless && config.noPixels, config.renderer);
    initAudio(config.headless);
}

void shutdownPlatform() {
    stopDecodeAhead();
    shutdownAudio();
    shutdownGraphics();
    closeTrace();
}

bool isHeadless() { return headlessRun; }
