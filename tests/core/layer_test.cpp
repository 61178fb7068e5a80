// The grid layer's range checks, the version text and the frame counter's second boundaries.
#include "core/layer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <filesystem>

#include "core/fps.h"
#include "core/trace_lines.h"
#include "core/version.h"

namespace {

TEST(Layer2D, CellsInRangeAreStoredAndOutOfRangeReadZero) {
    auto layer = vexaTLayer2D::Create(4, 3, u"test");
    layer->setCellValue(3, 2, 7);
    EXPECT_EQ(layer->getCellValue(3, 2), 7);
    EXPECT_EQ(layer->map[3][2], 7);
    layer->setCellValue(4, 0, 9);
    layer->setCellValue(0, -1, 9);
    EXPECT_EQ(layer->getCellValue(4, 0), 0);
    EXPECT_EQ(layer->getCellValue(0, 3), 0);
    EXPECT_EQ(layer->getCellValue(-1, 0), 0);
    layer->resetMap();
    EXPECT_EQ(layer->getCellValue(3, 2), 0);
}

TEST(Layer2D, SwapWithAnOutOfRangeCellWritesZero) {
    auto layer = vexaTLayer2D::Create(2, 2, u"swap");
    layer->setCellValue(0, 0, 1);
    layer->setCellValue(1, 1, 2);
    EXPECT_EQ(layer->swapCell(0, 0, 1, 1), 1);
    EXPECT_EQ(layer->getCellValue(0, 0), 2);
    EXPECT_EQ(layer->getCellValue(1, 1), 1);
    EXPECT_EQ(layer->swapCell(1, 1, 5, 5), 1);
    EXPECT_EQ(layer->getCellValue(1, 1), 0);
}

TEST(Layer2D, DistancesNeedBothCoordinatesInRange) {
    auto layer = vexaTLayer2D::Create(5, 5, u"dist");
    EXPECT_EQ(layer->getDistanceX(4, 1), 3);
    EXPECT_EQ(layer->getDistanceX(-1, 3), 0);
    EXPECT_EQ(layer->getDistanceY(0, 5), 0);
    EXPECT_FLOAT_EQ(layer->getDistance(0, 0, 3, 4), 5);
    EXPECT_FLOAT_EQ(layer->getDistance(0, 0, 3, 9), 3);
}

TEST(Layer2D, EmptyAndNegativeSizesHoldNoCells) {
    vexaTLayer2D empty;
    EXPECT_TRUE(empty.map.empty());
    EXPECT_EQ(empty.getCellValue(0, 0), 0);
    auto negative = vexaTLayer2D::Create(-3, -2, u"neg");
    EXPECT_EQ(negative->w, 0);
    negative->setCellValue(0, 0, 1);
    EXPECT_EQ(negative->getCellValue(0, 0), 0);
}

TEST(Layer2D, OutOfRangeAccessIsTraced) {
    const auto path =
        std::filesystem::temp_directory_path() / ("pendrel_core_layer_trace_" + std::to_string(getpid()) + ".txt");
    PlatformConfig config;
    config.headless = true;
    config.traceFile = path.string();
    initPlatform(config);
    TraceLines trace(config.traceFile, "");
    trace.fresh();  // whatever the platform wrote while starting
    auto layer = vexaTLayer2D::Create(4, 3, u"grid");
    layer->getCellValue(4, 0);
    layer->getDistanceX(-1, 3);
    layer->getDistanceY(1, 3);
    const std::vector<std::string> expected = {
        "Neuer Layer (grid) initialisiert (4,3)",
        "vexaTLayer2D.checkCoord: Koordinaten ausserhalb des zulaessigen Bereichs (grid) 4,0",
        "vexaTLayer2D.checkX: X-Koordinate ausserhalb des zulaessigen Bereichs",
        "vexaTLayer2D.checkY: Y-Koordinate ausserhalb des zulaessigen Bereichs",
    };
    EXPECT_EQ(trace.fresh(), expected);
    shutdownPlatform();
    std::filesystem::remove(path);
}

TEST(Version, StringJoinsTheNumbers) {
    vexaTVersion version = vexaTVersion::Create(1, 0, 3);
    EXPECT_EQ(version.getVersionString(), u"1.0.3");
    version.setMinor(-1);
    EXPECT_EQ(version.getVersionString(), u"1.-1.3");
}

class FPS : public ::testing::Test {
protected:
    void SetUp() override {
        vexaTFPS::_frames = 0;
        vexaTFPS::_secondEnd = 0;
        vexaTFPS::_lastCount = 0;
    }
};

TEST_F(FPS, ReportsTheFramesOfTheLastCompletedSecond) {
    EXPECT_EQ(vexaTFPS::_calcAt(5000), 1);  // the first call closes the empty start second
    for (int i = 1; i < 40; ++i) EXPECT_EQ(vexaTFPS::_calcAt(5000 + 25 * i), 1);
    EXPECT_EQ(vexaTFPS::_calcAt(6000), 1);  // the second ends at 6000 but has not passed it
    EXPECT_EQ(vexaTFPS::_calcAt(6001), 41);
    for (int i = 1; i < 40; ++i) vexaTFPS::_calcAt(6001 + i);
    EXPECT_EQ(vexaTFPS::_calcAt(7100), 40);  // forty calls in that second
}

TEST_F(FPS, CountsAcrossTheClockWrap) {
    // A clock reading in the upper half of its range is negative as an int.
    EXPECT_EQ(vexaTFPS::_calcAt(INT_MIN + 5), 1);
    vexaTFPS::_calcAt(INT_MIN + 500);
    EXPECT_EQ(vexaTFPS::_calcAt(INT_MIN + 1006), 2);
    // A second that ends beyond the wrap.
    vexaTFPS::_calcAt(INT_MAX - 200);
    EXPECT_EQ(vexaTFPS::_calcAt(INT_MAX - 100), 1);
    EXPECT_EQ(vexaTFPS::_calcAt(INT_MIN + 100), 1);
    EXPECT_EQ(vexaTFPS::_calcAt(INT_MIN + 800), 3);
}

}  // namespace
