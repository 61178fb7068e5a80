// A frame counter that reports the frames of the last completed second. Its state is shared
// by the whole class; it is meant to be called once per frame.
#pragma once

#include "platform/platform.h"

// Counts frames per second; all state is class-wide.
class vexaTFPS {
public:
    static inline int _frames = 0;      // frames counted in the current second
    static inline int _secondEnd = 0;   // millisecs value at which the current second ends
    static inline int _lastCount = 0;   // frames of the last completed second

    // Counts one frame at the current time; returns the last completed second's count.
    static int Calc();
    // Counts one frame at the clock value now (ms, wrapping); returns the last completed count.
    static int _calcAt(int now);
    // Counts a frame and draws "FPS: " and the count with the built-in font at (x, y). Returns 0.
    static int DrawFPS(float x, float y);
};
