// The image wrapper on real pictures: loading, the box rules, handle changes, failed loads,
// unloading and reset, where Paint and PaintXY put the pixels, and the trace lines.
#include "core/bild.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "core/trace_lines.h"
#include "platform/headless_fixture.h"

namespace {

const Rgba RED{255, 0, 0, 255};
const Rgba BLUE{0, 0, 255, 255};
const Rgba BLACK{0, 0, 0, 255};

// A headless display whose debugLog goes to a trace file, and two pictures on disk.
class Bild : public HeadlessDisplay {
protected:
    static std::string tracePath() {
        return (std::filesystem::temp_directory_path() /
                ("pendrel_core_bild_trace_" + std::to_string(getpid()) + ".txt"))
            .string();
    }

    static void SetUpTestSuite() {
        PlatformConfig config;
        config.headless = true;
        config.traceFile = tracePath();
        initPlatform(config);
    }

    static void TearDownTestSuite() {
        HeadlessDisplay::TearDownTestSuite();
        std::filesystem::remove(tracePath());
    }

    void SetUp() override {
        HeadlessDisplay::SetUp();
        ASSERT_TRUE(savePixmapPng(headless::solidPixmap(10, 6, RED), (folder / "wide.png").string()));
        ASSERT_TRUE(savePixmapPng(headless::solidPixmap(4, 8, BLUE), (folder / "tall.png").string()));
        wide = file("wide.png");
        tall = file("tall.png");
        missing = file("missing.png");
        trace.fresh();
    }

    String wide;     // 10 x 6, red
    String tall;     // 4 x 8, blue
    String missing;  // no such file
    TraceLines trace{tracePath(), "vexaTBild:"};

    // A wrapper holding the red picture, centred, at (100, 50): its box is (95, 47)-(105, 53).
    vexaTBild centredWide() const {
        vexaTBild b;
        b.LoadFromDisk(wide, 1, -1);
        b.setXY(100, 50);
        return b;
    }

    static void expectBox(const vexaTBild& b, float x1, float y1, float x2, float y2) {
        EXPECT_FLOAT_EQ(b.x1, x1);
        EXPECT_FLOAT_EQ(b.y1, y1);
        EXPECT_FLOAT_EQ(b.x2, x2);
        EXPECT_FLOAT_EQ(b.y2, y2);
    }

    static void expectHandle(const vexaTBild& b, float x, float y) {
        float hx = -1, hy = -1;
        getImageHandle(b.data, hx, hy);
        EXPECT_FLOAT_EQ(hx, x);
        EXPECT_FLOAT_EQ(hy, y);
    }

    // The back buffer after `draw` ran on a cleared screen with the solid blend.
    template <typename Draw>
    static Pixmap drawn(Draw draw) {
        cls();
        setBlend(BLEND_SOLID);
        draw();
        return grabBackBuffer();
    }
};

TEST_F(Bild, NewWrapperIsEmptyAndDrawsNothing) {
    auto b = vexaTImage::Create();
    EXPECT_FALSE(b->url.has_value());
    EXPECT_FALSE(b->data);
    EXPECT_EQ(b->Paint(), 0);
    EXPECT_EQ(b->PaintXY(5, 5), 0);
    EXPECT_EQ(b->setHandleTopLeft(), 0);
}

TEST_F(Bild, LoadSetsSizeLabelAndTheBoxRule) {
    vexaTBild b = centredWide();
    EXPECT_EQ(b.isLoaded, 1);
    EXPECT_EQ(b.isCentered, 1);
    EXPECT_FLOAT_EQ(b.W, 10);
    EXPECT_FLOAT_EQ(b.H, 6);
    EXPECT_EQ(b.label, wide);
    expectHandle(b, 5, 3);
    expectBox(b, 95, 47, 105, 53);
    vexaTBild topLeft;
    EXPECT_EQ(topLeft.LoadFromDisk(tall, 0, -1), 0);
    EXPECT_EQ(topLeft.setXY(7, 9), 1);
    expectHandle(topLeft, 0, 0);
    expectBox(topLeft, 7, 9, 11, 17);
}

TEST_F(Bild, FailedLoadKeepsSizePlaceAndBoxButUnloads) {
    vexaTBild b = centredWide();
    EXPECT_EQ(b.LoadFromDisk(missing, 1, -1), 0);
    EXPECT_EQ(b.isLoaded, 0);
    EXPECT_FALSE(b.data);
    EXPECT_EQ(b.url, missing);
    EXPECT_EQ(b.label, wide);
    EXPECT_EQ(b.isCentered, 1);
    EXPECT_FLOAT_EQ(b.W, 10);
    expectBox(b, 95, 47, 105, 53);
    EXPECT_EQ(b.Paint(), 0);
}

TEST_F(Bild, ReloadWithoutCentringKeepsTheCentredBoxRule) {
    vexaTBild b = centredWide();
    b.LoadFromDisk(tall, 0, -1);
    EXPECT_EQ(b.isCentered, 1);
    expectHandle(b, 0, 0);  // the new image itself was not centred
    expectBox(b, 98, 46, 102, 54);
}

TEST_F(Bild, HandleTopLeftLeavesTheBoxUntilTheNextSetXY) {
    vexaTBild b = centredWide();
    EXPECT_EQ(b.setHandleTopLeft(), 1);
    EXPECT_EQ(b.isCentered, 0);
    expectBox(b, 95, 47, 105, 53);
    EXPECT_EQ(b.setHandleTopLeft(), 0);
    b.setXY(100, 50);
    expectBox(b, 100, 50, 110, 56);
    Pixmap screen = drawn([&] { b.Paint(); });
    EXPECT_EQ(screen.at(100, 50), RED);
    EXPECT_EQ(screen.at(109, 55), RED);
    EXPECT_EQ(screen.at(99, 50), BLACK);
    EXPECT_EQ(screen.at(110, 55), BLACK);
}

TEST_F(Bild, UnloadAndResetKeepSizeAndRule) {
    vexaTBild b = centredWide();
    EXPECT_EQ(b.Unload(), 1);
    EXPECT_EQ(b.Paint(), 0);
    EXPECT_FLOAT_EQ(b.W, 10);
    EXPECT_FLOAT_EQ(b.H, 6);
    expectBox(b, 95, 47, 105, 53);
    b.sc = 2;
    b.rot = 45;
    EXPECT_EQ(b.reset(), 0);
    EXPECT_FLOAT_EQ(b.X, 0);
    EXPECT_FLOAT_EQ(b.sc, 0);
    EXPECT_FLOAT_EQ(b.rot, 0);
    expectBox(b, 0, 0, 0, 0);
    EXPECT_EQ(b.url, wide);
    b.setXY(10, 10);
    expectBox(b, 5, 7, 15, 13);  // still centred, old size
    EXPECT_EQ(b.Center(), 0);    // nothing loaded: back to the top-left rule
    EXPECT_EQ(b.isCentered, 0);
    expectBox(b, 10, 10, 20, 16);
}

TEST_F(Bild, PaintUsesThePositionAndPaintXYTheGivenPoint) {
    vexaTBild b = centredWide();
    Pixmap screen = drawn([&] {
        EXPECT_EQ(b.Paint(), 1);
        EXPECT_EQ(b.PaintXY(300, 200), 1);
    });
    EXPECT_FLOAT_EQ(b.X, 100);
    expectBox(b, 95, 47, 105, 53);
    EXPECT_EQ(screen.at(95, 47), RED);
    EXPECT_EQ(screen.at(104, 52), RED);
    EXPECT_EQ(screen.at(94, 47), BLACK);
    EXPECT_EQ(screen.at(104, 53), BLACK);
    EXPECT_EQ(screen.at(295, 197), RED);
    EXPECT_EQ(screen.at(305, 202), BLACK);
}

TEST_F(Bild, TraceLinesNameThePathAndTheLabel) {
    const std::string w = toUtf8(wide);
    const std::string m = toUtf8(missing);
    vexaTBild b;
    b.PaintXY(1, 2);
    b.LoadFromDisk(wide, 1, -1);
    b.setXY(100, 50);
    b.debugOutputCoords();
    b.LoadFromDisk(missing, 0, -1);
    b.Paint();
    const std::vector<std::string> expected = {
        "vexaTBild: PaintErr:  ()) an 1.00000000/2.00000000",
        "vexaTBild: Box-Koordinaten (x1,y1,x2,y2): (95.0000000,47.0000000,105.000000,53.0000000)",
        "vexaTBild: " + m + " (" + w + ") entladen.",
        "vexaTBild: Laden nicht erfolgreich (" + m + ")",
        "vexaTBild: PaintErr: " + m + " (" + w + ")",
    };
    EXPECT_EQ(trace.fresh(), expected);
}

}  // namespace
