// Seams between the platform's own source files. Not for use above the platform layer.
#pragma once

#include "platform/platform.h"

// Clock (time.cpp): real monotonic milliseconds, or a virtual clock in headless runs.
void initClock(bool virtualClock);
bool clockIsVirtual();
// Headless only: moves the virtual clock forward (waitTimer uses it).
void advanceVirtualClock(int ms);

// Audio (audio.cpp): opens the device, or a silent mixer that follows the game clock.
void initAudio(bool headless);
void shutdownAudio();
// Called by waitTimer after the clock moved: a silent mixer consumes the elapsed time.
void audioTick();

// Graphics (display.cpp and friends): the painter, images and the window.
void initGraphics(bool headless, bool noPixels, RendererChoice choice);
void shutdownGraphics();
// A position in the window's coordinates → the same place in the frame's logical pixels
// (outside 0..size-1 on the black bars). Unchanged without a window.
void windowToFrame(int& x, int& y);
// The window changed its size (or may have): its real size is asked for again.
void windowResized();
// The window title as last set; message boxes carry it as their caption.
const String& windowTitle();

// Files (files.cpp): the bytes of the file a game file name names; empty when it is missing,
// not a regular file (a folder, a device, a pipe), unreadable or larger than FILE_BYTES_LIMIT.
// Whole-file reads of the layer go through it, so no file sizes an allocation unbounded.
constexpr size_t FILE_BYTES_LIMIT = size_t(64) << 20;
std::vector<uint8_t> readWholeFile(const String& file);
// The same for a real path (resolvePath's result); safe on any thread.
std::vector<uint8_t> readRealFile(const std::string& path);

// Process (process.cpp): the trace file of debugLog.
void openTrace(const std::string& path);
void closeTrace();
