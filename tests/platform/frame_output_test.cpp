// Where the frame lands in a window of any size, and which renderer draws into the window.
#include <gtest/gtest.h>

#include <array>

#include "platform/frame_output.h"

namespace {

using Rect = std::array<int, 4>;

Rect fit(int outWidth, int outHeight, int frameWidth = 1024, int frameHeight = 768) {
    const FrameRect rect = fitFrame(frameWidth, frameHeight, outWidth, outHeight);
    return {rect.x, rect.y, rect.w, rect.h};
}

}  // namespace

TEST(FitFrame, FillsTheSideThatLimitsAndCentresTheOther) {
    EXPECT_EQ(fit(1024, 768), (Rect{0, 0, 1024, 768}));
    EXPECT_EQ(fit(1280, 1024), (Rect{0, 32, 1280, 960}));    // bars above and below
    EXPECT_EQ(fit(1920, 1080), (Rect{240, 0, 1440, 1080}));  // bars left and right
    EXPECT_EQ(fit(800, 600), (Rect{0, 0, 800, 600}));        // smaller than the frame
    EXPECT_EQ(fit(1025, 769), (Rect{0, 0, 1025, 768}));      // odd leftovers stay inside
    EXPECT_EQ(fit(3, 1000), (Rect{0, 499, 3, 2}));
}

TEST(FitFrame, NothingToShowInAnEmptyOutput) {
    EXPECT_EQ(fit(0, 768), (Rect{0, 0, 0, 0}));
    EXPECT_EQ(fit(1024, -5), (Rect{0, 0, 0, 0}));
    EXPECT_EQ(fit(1024, 768, 0, 0), (Rect{0, 0, 0, 0}));
}

TEST(RendererChoice, SoftwareRasterisersAreRecognised) {
    EXPECT_TRUE(isSoftwareRasteriser("software", ""));
    EXPECT_TRUE(isSoftwareRasteriser("opengl", "llvmpipe (LLVM 15.0.6, 256 bits)"));
    EXPECT_TRUE(isSoftwareRasteriser("opengles2", "softpipe"));
    EXPECT_TRUE(isSoftwareRasteriser("opengl", "Mesa DRI swrast"));
    EXPECT_TRUE(isSoftwareRasteriser("opengl", "Software Rasterizer"));
    EXPECT_TRUE(isSoftwareRasteriser("opengl", "LLVMPIPE"));
    EXPECT_FALSE(isSoftwareRasteriser("opengl", "Mesa Intel(R) UHD Graphics 620 (KBL GT2)"));
    EXPECT_FALSE(isSoftwareRasteriser("opengl", "NVIDIA GeForce GTX 1060/PCIe/SSE2"));
    EXPECT_FALSE(isSoftwareRasteriser("opengles2", "AMD Radeon RX 580 (radeonsi, polaris10, LLVM 15.0.6)"));
    EXPECT_FALSE(isSoftwareRasteriser("direct3d11", ""));
}

TEST(RendererChoice, ThePlayersChoiceWinsOverTheDetection) {
    const char* gpu = "Mesa Intel(R) UHD Graphics 620";
    const char* cpu = "llvmpipe (LLVM 15.0.6, 256 bits)";
    EXPECT_TRUE(keepAcceleratedRenderer(RendererChoice::Automatic, "opengl", gpu));
    EXPECT_FALSE(keepAcceleratedRenderer(RendererChoice::Automatic, "opengl", cpu));
    EXPECT_TRUE(keepAcceleratedRenderer(RendererChoice::Accelerated, "opengl", cpu));
    EXPECT_FALSE(keepAcceleratedRenderer(RendererChoice::Software, "opengl", gpu));
}
