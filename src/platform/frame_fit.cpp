// The pure decisions of the window path: where the frame lands and which renderer draws it.
#include <algorithm>
#include <cctype>
#include <string>

#include "platform/frame_output.h"

namespace {

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return lower;
}

}  // namespace

FrameRect fitFrame(int frameWidth, int frameHeight, int outWidth, int outHeight) {
    if (frameWidth <= 0 || frameHeight <= 0 || outWidth <= 0 || outHeight <= 0) return {};
    // Compare the two proportions in integers: the narrower side decides the scale.
    const long long wide = (long long)outWidth * frameHeight, tall = (long long)outHeight * frameWidth;
    FrameRect rect{0, 0, outWidth, outHeight};
    if (wide > tall)
        rect.w = int(tall / frameHeight);
    else
        rect.h = int(wide / frameWidth);
    rect.x = (outWidth - rect.w) / 2;
    rect.y = (outHeight - rect.h) / 2;
    return rect;
}

bool isSoftwareRasteriser(std::string_view rendererName, std::string_view glRenderer) {
    if (lowerCase(rendererName) == "software") return true;
    const std::string gl = lowerCase(glRenderer);
    for (const char* rasteriser : {"llvmpipe", "softpipe", "swrast", "software rasterizer"})
        if (gl.find(rasteriser) != std::string::npos) return true;
    return false;
}

bool keepAcceleratedRenderer(RendererChoice choice, std::string_view rendererName, std::string_view glRenderer) {
    if (choice == RendererChoice::Software) return false;
    if (choice == RendererChoice::Accelerated) return true;
    return !isSoftwareRasteriser(rendererName, glRenderer);
}
