// How the finished frame reaches a window: which renderer draws it, and where it lands in a
// window of any size. The game draws every frame at its logical size (1024×768) and the
// frame is scaled to the window in one step, never picture by picture.
#pragma once

#include <string_view>

#include "platform/platform.h"

// A rectangle of the window's pixels.
struct FrameRect {
    int x = 0, y = 0, w = 0, h = 0;
};

// The largest rectangle of the frame's proportions inside an output of outWidth × outHeight,
// centred, with black bars on the two other sides; empty for an empty output.
FrameRect fitFrame(int frameWidth, int frameHeight, int outWidth, int outHeight);

// True when a renderer called "accelerated" draws on the CPU after all: SDL's own software
// renderer, or an OpenGL driver that rasterises in software (its GL renderer string names
// llvmpipe, softpipe or swrast). Our own software path is faster than either.
bool isSoftwareRasteriser(std::string_view rendererName, std::string_view glRenderer);

// Whether a window draws through the accelerated renderer found (named as above), given the
// player's choice: automatic takes it only when it is real hardware.
bool keepAcceleratedRenderer(RendererChoice choice, std::string_view rendererName, std::string_view glRenderer);
