// Where the frame lands in a window of any size, and which renderer draws into the window.
#include <gtest/gtest.h>

#include "platform/frame_output.h"

namespace {

void expectRect(const FrameRect& rect, int x, int y, int w, int h) {
    EXPECT_EQ(rect.x, x);
    EXPECT_EQ(rect.y, y);
    EXPECT_EQ(rect.w, w);
    EXPECT_EQ(rect.h, h);
}

}  // namespace

TEST(FitFrame, FillsTheSideThatLimitsAndCentresTheOther) {
    expectRect(fitFrame(1024, 768, 1024, 768), 0, 0, 1024, 768);
    expectRect(fitFrame(1024, 768, 1280, 1024), 0, 32, 1280, 960);    // bars above and below
    expectRect(fitFrame(1024, 768, 1920, 1080), 240, 0, 1440, 1080);  // bars left and right
    expectRect(fitFrame(1024, 768, 800, 600), 0, 0, 800, 600);        // smaller than the frame
    expectRect(fitFrame(1024, 768, 1025, 769), 0, 0, 1025, 768);      // odd leftovers stay inside
    expectRect(fitFrame(1024, 768, 3, 1000), 0, 499, 3, 2);
}

TEST(FitFrame, NothingToShowInAnEmptyOutput) {
    expectRect(fitFrame(1024, 768, 0, 768), 0, 0, 0, 0);
    expectRect(fitFrame(1024, 768, 1024, -5), 0, 0, 0, 0);
    expectRect(fitFrame(0, 0, 1024, 768), 0, 0, 0, 0);
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
