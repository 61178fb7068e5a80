// A save that fails tells the player once per run, whichever file failed, and the game's
// files stay as they were.
#include <gtest/gtest.h>

#include <filesystem>

#include "game/globals.h"
#include "persist/config.h"
#include "persist/language_file.h"
#include "persist/player.h"
#include "persist/roster.h"
#include "persist/save_notice.h"
#include "test_support.h"

namespace {

class SaveNotice : public ::testing::Test {
protected:
    ScopedWorkDir dir;
    vexaTLanguageFile savedTexts = languageFile;
    void SetUp() override {
        resetSaveFailureNotice();
        languageFile.lang[u"savefailed"] = u"Progress not saved.%nThe game goes on.";
    }
    void TearDown() override {
        languageFile = savedTexts;
        resetSaveFailureNotice();
        resetPlayers();
        g_currentPlayer = -1;
    }
};

TEST_F(SaveNotice, TheFirstFailedSaveTellsThePlayerAndLaterOnesStayQuiet) {
    // A folder where the file should be cannot be replaced, as a full or read-only disk refuses it.
    std::filesystem::create_directories(dir.path() / "settings.txt" / "inside");
    std::filesystem::create_directories(dir.path() / "players1.ppp" / "inside");
    TConfig settings;
    settings.setUrl(u"settings.txt");
    TSpieler& player = players[1];
    player.SetURL(u"players1.ppp");

    ::testing::internal::CaptureStderr();
    EXPECT_EQ(settings.SaveToDisk(), -1);
    EXPECT_TRUE(saveFailureReported());
    const std::string first = ::testing::internal::GetCapturedStderr();
    ::testing::internal::CaptureStderr();
    for (int attempt = 0; attempt < 5; ++attempt) {
        EXPECT_EQ(player.SaveToDisk(), -1);
        EXPECT_EQ(settings.SaveToDisk(), -1);
    }
    const std::string later = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(first.find("Progress not saved.\nThe game goes on."), std::string::npos) << first;
    EXPECT_EQ(later, "");
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "players1.ppp" / "inside"));
}

TEST_F(SaveNotice, SavesThatSucceedTellNothing) {
    TConfig settings;
    settings.setUrl(u"settings.txt");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(settings.SaveToDisk(), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(saveFailureReported());
}

}  // namespace
