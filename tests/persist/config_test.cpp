// The settings file: reading full and short files, odd values, the exact bytes written,
// Reset, and saves that fail without touching the old file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "game/globals.h"
#include "persist/config.h"
#include "test_support.h"
#include "ui/input.h"

namespace {

class ConfigTest : public ::testing::Test {
protected:
    ScopedWorkDir dir;
    TConfig settings;

    void SetUp() override {
        resetShellGlobals();
        settings.setUrl(u"settings.txt");
    }
    void TearDown() override { g_currentPlayer = -1; }

    int load(const std::string& bytes) {
        dir.write("settings.txt", bytes);
        return settings.LoadFromDisk();
    }
    std::string saved() const {
        std::ifstream in(dir.path() / "settings.txt", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

TEST_F(ConfigTest, ReadsFiveLinesAndStartsTheMusicAtItsChosenVolume) {
    ASSERT_EQ(load("0\r\n280\r\n0\r\n3\r\n0\r\n17\r\n"), 0);
    EXPECT_EQ(settings.fullscreen, 0);
    EXPECT_EQ(settings.musiklautsoll, 280);
    EXPECT_EQ(settings.musiklaut, 280);
    EXPECT_EQ(settings.soundlaut, 0);
    EXPECT_EQ(g_currentPlayer, 3);
    load("1\n  12\nloud\n-1\n4");
    EXPECT_EQ(settings.musiklautsoll, 12);
    EXPECT_EQ(settings.soundlaut, 0);
    EXPECT_EQ(g_currentPlayer, -1);
    EXPECT_EQ(settings.sprache, 4);
}

TEST_F(ConfigTest, ShortFilesReadTheMissingLinesAsZero) {
    load("1\r\n200\r\n");
    EXPECT_EQ(settings.fullscreen, 1);
    EXPECT_EQ(settings.musiklautsoll, 200);
    EXPECT_EQ(settings.soundlaut, 0);
    EXPECT_EQ(g_currentPlayer, 0);
    load("");
    EXPECT_EQ(settings.fullscreen, 0);
    EXPECT_EQ(settings.musiklautsoll, 0);
    EXPECT_EQ(settings.musiklaut, 0);
    EXPECT_EQ(settings.soundlaut, 0);
    EXPECT_EQ(g_currentPlayer, 0);
}

TEST_F(ConfigTest, OutOfRangeVolumesAreClampedAndUnknownProfilesMeanNone) {
    load("1\r\n9999\r\n-5\r\n57\r\n0\r\n");
    EXPECT_EQ(settings.musiklautsoll, 280);
    EXPECT_EQ(settings.soundlaut, 0);
    EXPECT_EQ(g_currentPlayer, -1);
    load("1\r\n280\r\n281\r\n0\r\n0\r\n");
    EXPECT_EQ(settings.musiklautsoll, 280);
    EXPECT_EQ(settings.soundlaut, 280);
}

// Slots 0..8 exist; a file naming slot 9 would send play to a slot past the roster.
TEST_F(ConfigTest, TheProfileSlotIsKeptUpToTheLastSlotAndNoFurther) {
    for (auto [line, slot] : {std::pair{"8", 8}, {"9", -1}, {"-1", -1}, {"-2", -1}, {"0", 0}}) {
        load(std::string("1\r\n140\r\n210\r\n") + line + "\r\n0\r\n");
        EXPECT_EQ(g_currentPlayer, slot) << "slot line " << line;
    }
}

TEST_F(ConfigTest, AMissingFileChangesNothing) {
    settings.Reset();
    std::filesystem::create_directories(dir.path() / "folder");
    EXPECT_EQ(settings.LoadFromDisk(), -1);
    settings.setUrl(u"folder");
    EXPECT_EQ(settings.LoadFromDisk(), -1);
    EXPECT_EQ(settings.fullscreen, 1);
    EXPECT_EQ(settings.soundlaut, 210);
}

TEST_F(ConfigTest, ResetThenSaveWritesTheFirstStartFile) {
    settings.sprache = 2;
    settings.musiklaut = 33;
    settings.soundlautsoll = 9;
    g_currentPlayer = 5;
    mousePointer._useGFXPointer = 0;
    settings.Reset();
    EXPECT_EQ(mousePointer._useGFXPointer, 1);
    EXPECT_EQ(settings.sprache, 2) << "Reset keeps what it does not set";
    EXPECT_EQ(settings.musiklaut, 33);
    EXPECT_EQ(settings.soundlautsoll, 9);
    ASSERT_EQ(settings.SaveToDisk(), 0);
    EXPECT_EQ(saved(), "1\r\n140\r\n210\r\n-1\r\n2\r\n33\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "settings.txt.tmp"));
}

TEST_F(ConfigTest, AFailedSaveKeepsTheOldFile) {
    dir.write("settings.txt", "old");
    std::filesystem::create_directories(dir.path() / "settings.txt.tmp");
    EXPECT_EQ(settings.SaveToDisk(), -1);
    EXPECT_EQ(saved(), "old");
    TConfig unplaced;
    EXPECT_EQ(unplaced.SaveToDisk(), -1);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / ".tmp"));
}

TEST(ConfigAtStart, TheGameStartsWithTheFirstStartSettings) {
    TConfig fresh;
    EXPECT_EQ(fresh.fullscreen, 0);
    EXPECT_EQ(fresh.musiklautsoll, 0);
    EXPECT_EQ(fresh.soundlaut, 0);
    TConfig start = startingConfig();
    EXPECT_EQ(start.fullscreen, 1);
    EXPECT_EQ(start.musiklautsoll, 140);
    EXPECT_EQ(start.musiklaut, 140);
    EXPECT_EQ(start.soundlaut, 210);
}

}  // namespace
