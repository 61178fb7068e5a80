// Process services: message boxes, exit, standard output, the trace file that
// debugLog writes to, and the heap figure of the debug overlay.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <malloc.h>

#include "platform/internal.h"

namespace {

FILE* traceFile = nullptr;

}  // namespace

void openTrace(const std::string& path) {
    closeTrace();
    traceFile = std::fopen(path.c_str(), "w");
    if (!traceFile) std::fprintf(stderr, "cannot write the trace file %s\n", path.c_str());
}

void closeTrace() {
    if (traceFile) std::fclose(traceFile);
    traceFile = nullptr;
}

void notify(const String& text, int serious) {
    const std::string caption = toUtf8(windowTitle());
    const std::string message = toUtf8(text);
    const Uint32 kind = serious ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_INFORMATION;
    SDL_Window* window = activeWindow() ? SDL_GetWindowFromID(Uint32(activeWindow())) : nullptr;
    // Without a display (headless, or no window system) the text goes to stderr instead.
    if (isHeadless() || SDL_ShowSimpleMessageBox(kind, caption.c_str(), message.c_str(), window) != 0) {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), message.c_str());
    }
}

void exitProgram() {
    shutdownPlatform();
    std::exit(0);
}

void printLine(const String& text) {
    const std::string line = toUtf8(text) + "\r\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

void debugLog(const String& text) {
    if (!traceFile) return;
    const std::string line = toUtf8(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), traceFile);
    // Flushed per line so the trace still holds the last lines after a crash.
    std::fflush(traceFile);
}

long long allocatedBytes() {
    const struct mallinfo2 heap = mallinfo2();
    return (long long)(heap.uordblks + heap.hblkhd);
}
