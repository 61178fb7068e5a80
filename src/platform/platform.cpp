// Start-up and shut-down of the platform layer as a whole.
#include <cstdlib>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "platform/decode_ahead.h"
#include "platform/internal.h"

namespace {

bool headlessRun = false;

// Pictures and sounds of a scene are large buffers that come and go, and dropped CPU copies of
// pictures are freed. glibc raises its mmap threshold to the size of the first such buffer
// freed and keeps later ones in its heap, where freed memory mostly stays with the process;
// a fixed threshold hands every large buffer back to the system when it is freed.
void returnLargeBuffersWhenFreed() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
}

}  // namespace

void initPlatform(const PlatformConfig& config) {
    returnLargeBuffersWhenFreed();
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
