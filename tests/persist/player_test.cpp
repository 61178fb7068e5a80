// The player profile: its operations, the profile file byte for byte, the resume record
// and the handling of damaged files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/power_up.h"
#include "match3/scene_match3.h"
#include "persist/player.h"
#include "scenes/story.h"
#include "test_support.h"

namespace {

class PlayerTest : public ::testing::Test {
protected:
    ScopedWorkDir dir;
    TSpieler p;

    void SetUp() override {
        resetShellGlobals();
        resetSharedState();
        resetPlayers();
        sceneMatch3.resetAll();
        p.SetURL(u"players1.ppp");
    }
    void TearDown() override { sceneMatch3.resetAll(); }

    std::string fileBytes(const std::string& name) const {
        std::ifstream in(dir.path() / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static int intAt(const std::string& bytes, int index) {  // 1-based, as the format counts
        size_t at = size_t(index - 1) * 4;
        return int(uint32_t(uint8_t(bytes[at])) | uint32_t(uint8_t(bytes[at + 1])) << 8 |
                   uint32_t(uint8_t(bytes[at + 2])) << 16 | uint32_t(uint8_t(bytes[at + 3])) << 24);
    }
};

TEST_F(PlayerTest, ErasedProfileFileHoldsTheStartValues) {
    p.Erase();
    ASSERT_EQ(p.SaveToDisk(), 0);
    EXPECT_EQ(p.isAlreadySaved, 1);
    std::string bytes = fileBytes("players1.ppp");
    ASSERT_EQ(bytes.size(), 7436u);
    EXPECT_EQ(intAt(bytes, 1), 1);   // StoryPage
    EXPECT_EQ(intAt(bytes, 2), 1);   // StoryLevel
    EXPECT_EQ(intAt(bytes, 5), 1);   // Level
    for (int i = 6; i <= 9; ++i) EXPECT_EQ(intAt(bytes, i), 0);
    for (int i = 10; i <= 13; ++i) EXPECT_EQ(intAt(bytes, i), 1);  // first-time flags
    EXPECT_EQ(intAt(bytes, 16), 1);  // resumeLevel
    EXPECT_EQ(intAt(bytes, 20), 3);  // gtGameType
    EXPECT_EQ(intAt(bytes, 22), 1);  // isHelp
    EXPECT_EQ(intAt(bytes, 26), 2);  // skipfill
    EXPECT_EQ(intAt(bytes, 1859), 0);  // name length
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "players1.ppp.tmp"));
}

TEST_F(PlayerTest, FileKeepsTheResumeOrderAndTheBoard) {
    p.Erase();
    p.resumePoints = 11;
    p.resumeLevel = 12;
    p.resumeTime = 13;
    p.resumeGTGameType = 14;
    p.resumeItemX[2] = 80;
    p.resumeItemKaefCol[260] = -1;
    p.pusoll[7] = 9;
    p.resumeItemsDestroyed[5] = 4;
    p.SaveToDisk();
    std::string bytes = fileBytes("players1.ppp");
    EXPECT_EQ(intAt(bytes, 15), 11);
    EXPECT_EQ(intAt(bytes, 16), 12);
    EXPECT_EQ(intAt(bytes, 17), 13);
    EXPECT_EQ(intAt(bytes, 18), 14);
    EXPECT_EQ(intAt(bytes, 27 + 7 + 3), 80);  // cell 2, fourth value
    EXPECT_EQ(intAt(bytes, 1846), -1);
    EXPECT_EQ(intAt(bytes, 1851), 4);
    EXPECT_EQ(intAt(bytes, 1858), 9);
}

TEST_F(PlayerTest, NameIsStoredTrimmedAndLoadsBack) {
    p.Erase();
    p.Name = u"  Ada Lovel\u00e9  ";
    p.StoryPoints = 1234;
    p.SaveToDisk();
    std::string bytes = fileBytes("players1.ppp");
    EXPECT_EQ(intAt(bytes, 1859), 10);
    EXPECT_EQ(bytes.substr(7436), "Ada Lovel\xe9");
    TSpieler loaded;
    loaded.SetURL(u"players1.ppp");
    ASSERT_EQ(loaded.LoadFromDisk(), 0);
    EXPECT_EQ(loaded.Name, u"Ada Lovel\u00e9");
    EXPECT_EQ(loaded.StoryPoints, 1234);
    EXPECT_EQ(loaded.isStoryPageShow, 1);  // level 1 opens story page 1
    EXPECT_EQ(sceneStory._page, 1);
}

TEST_F(PlayerTest, TruncatedFileIsAFailedLoadKeptAside) {
    p.Erase();
    p.Name = u"Bo";
    p.SaveToDisk();
    std::string bytes = fileBytes("players1.ppp");
    dir.write("players1.ppp", bytes.substr(0, 5000));
    TSpieler loaded;
    loaded.SetURL(u"players1.ppp");
    loaded.Name = u"old";
    EXPECT_EQ(loaded.LoadFromDisk(), -1);
    EXPECT_EQ(loaded.Name, u"");
    EXPECT_EQ(loaded.Level, 1);
    EXPECT_EQ(fileBytes("players1.ppp.bad"), bytes.substr(0, 5000));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "players1.ppp"));
}

TEST_F(PlayerTest, ImpossibleNameLengthIsAFailedLoad) {
    p.Erase();
    p.SaveToDisk();
    std::string good = fileBytes("players1.ppp");
    for (int length : {-1, 5, 300}) {
        std::string bytes = good;
        for (int b = 0; b < 4; ++b) bytes[7432 + size_t(b)] = char((uint32_t(length) >> (8 * b)) & 0xff);
        bytes += "abc";
        dir.write("players1.ppp", bytes);
        TSpieler loaded;
        loaded.SetURL(u"players1.ppp");
        EXPECT_EQ(loaded.LoadFromDisk(), -1) << length;
        EXPECT_EQ(fileBytes("players1.ppp.bad"), bytes) << length;
    }
}

// Stored names hold up to 255 characters: a name of exactly that length is a good profile, one
// character more marks a damaged file; a longer name is written cut to the limit.
TEST_F(PlayerTest, NameLengthIsExactUpToTheLimit) {
    p.Erase();
    p.Name = String(255, u'n');
    ASSERT_EQ(p.SaveToDisk(), 0);
    const std::string longest = fileBytes("players1.ppp");
    EXPECT_EQ(intAt(longest, 1859), 255);
    TSpieler loaded;
    loaded.SetURL(u"players1.ppp");
    ASSERT_EQ(loaded.LoadFromDisk(), 0) << "exactly the limit is no damage";
    EXPECT_EQ(loaded.Name, String(255, u'n'));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "players1.ppp.bad"));

    std::string oneMore = longest + "n";
    oneMore[7432] = char(256 & 0xff);
    oneMore[7433] = char(256 >> 8);
    dir.write("players1.ppp", oneMore);
    EXPECT_EQ(loaded.LoadFromDisk(), -1);
    EXPECT_EQ(fileBytes("players1.ppp.bad"), oneMore);

    p.Name = String(256, u'm');
    ASSERT_EQ(p.SaveToDisk(), 0);
    EXPECT_EQ(intAt(fileBytes("players1.ppp"), 1859), 255);
    EXPECT_EQ(fileBytes("players1.ppp").size(), 7436u + 255u);
}

// A save that cannot be completed reports it, keeps the old profile and is not counted as saved.
TEST_F(PlayerTest, AFailedSaveKeepsTheOldProfileAndSaysSo) {
    p.Erase();
    p.Name = u"Old";
    ASSERT_EQ(p.SaveToDisk(), 0);
    const std::string old = fileBytes("players1.ppp");
    p.Name = u"New";
    p.isAlreadySaved = 0;
    std::filesystem::create_directories(dir.path() / "players1.ppp.tmp");
    EXPECT_EQ(p.SaveToDisk(), -1);
    EXPECT_EQ(p.isAlreadySaved, 0);
    EXPECT_EQ(fileBytes("players1.ppp"), old);
}

TEST_F(PlayerTest, MissingFileLoadsNothing) {
    EXPECT_EQ(p.LoadFromDisk(), -1);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "players1.ppp.bad"));
}

TEST_F(PlayerTest, LevelUpAdvancesTheStoryUpTo80) {
    p.Erase();
    p.Level = p.StoryLevel = 80;
    p.LevelUp();
    EXPECT_EQ(p.StoryLevel, 80);
    EXPECT_EQ(p.isStoryFinished, 1);
    EXPECT_EQ(p.Level, 81);
    p.checkStoryPage();
    EXPECT_EQ(sceneStory._page, 10);
    p.Level = 5;
    p.StoryLevel = 9;
    p.LevelUp();
    EXPECT_EQ(p.Level, 6);
    EXPECT_EQ(p.StoryLevel, 9);
    p.checkStoryPage();
    EXPECT_EQ(p.isStoryPageShow, 0);
}

TEST_F(PlayerTest, ChaptersAndPoints) {
    EXPECT_EQ(p.isChapterLevel(40), 1);
    EXPECT_EQ(p.isChapterLevel(41), 0);
    p.Level = 70;
    EXPECT_EQ(p.getChapterLevel(), 7);
    p.StoryPoints = 30;
    p.decStoryPoints(50);
    EXPECT_EQ(p.StoryPoints, 0);
    p.isResume = 1;
    p.resumeLevel = 33;
    EXPECT_EQ(p.getCurrentLevel(), 33);
}

TEST_F(PlayerTest, GoalsLeftNeverBelowZeroAndNoneForBombs) {
    std::string table(4 * 400, '\0');
    table[4 * 5 + 2 * 4] = 7;  // level 2, kind 3
    dir.write("data/levels/lvla000.lvl", table);
    p.loadAllItemsToDestroyFromDisk(u"data/levels/lvla000.lvl");
    EXPECT_EQ(p.itemsToDestroyData[2][3], 7);
    p.itemsDestroyed[3] = 5;
    EXPECT_EQ(p.getItemsLeftToDestroy(2, 3), 2);
    p.itemsDestroyed[3] = 9;
    EXPECT_EQ(p.getItemsLeftToDestroy(2, 3), 0);
    EXPECT_EQ(p.getItemsLeftToDestroy(2, 10), 0);
    EXPECT_EQ(p.getItemsLeftToDestroy(2, 12), 0);
    EXPECT_EQ(p.isAllItemsDestroyed(2), 1);
    p.maxItemsToDestroy = 0;
    EXPECT_EQ(p.isAllItemsDestroyed(2), 0);
}

TEST_F(PlayerTest, SuspendedLevelSurvivesTheFile) {
    p.Erase();
    p.Level = 14;
    p.LevelPoints = 321;
    p.time = 95;
    p.itemsDestroyed[2] = 6;
    sceneMatch3._itemA[3] = 18;
    sceneMatch3._itemX[3] = 128.9f;
    sceneMatch3._itemY[3] = -20;
    sceneMatch3._cellMoss[4] = 1;
    p.SuspendLevel();
    p.SaveToDisk();
    sceneMatch3.resetAll();
    TSpieler loaded;
    loaded.SetURL(u"players1.ppp");
    ASSERT_EQ(loaded.LoadFromDisk(), 0);
    loaded.ContinueLevel();
    EXPECT_EQ(loaded.Level, 14);
    EXPECT_EQ(loaded.LevelPoints, 321);
    EXPECT_EQ(loaded.time, 95);
    EXPECT_EQ(loaded.itemsDestroyed[2], 6);
    EXPECT_EQ(loaded.isResume, 0);
    EXPECT_EQ(sceneMatch3._itemA[3], 18);
    EXPECT_EQ(sceneMatch3._itemX[3], 128);  // positions come back whole
    EXPECT_EQ(sceneMatch3._itemY[3], -20);
    EXPECT_EQ(sceneMatch3._cellMoss[4], 1);
}

TEST_F(PlayerTest, NewCampaignKeepsThePlayer) {
    p.Erase();
    p.Name = u"Cy";
    p.isHelp = 0;
    p.gtGameType = 5;
    p.StoryPoints = 99;
    p.Level = 30;
    p.NewZelto();
    EXPECT_EQ(p.Name, u"Cy");
    EXPECT_EQ(p.isHelp, 0);
    EXPECT_EQ(p.gtGameType, 5);
    EXPECT_EQ(p.StoryPoints, 0);
    EXPECT_EQ(p.Level, 1);
    puRemoveSameItem.isUnlocked = 1;
    puRemoveSameItem.isFirstTime = 0;
    p.suspendPowerUps();
    EXPECT_EQ(p.resumeRemoveSameItemsIsUnlocked, 1);
    EXPECT_EQ(p.resumeRemoveSameItemsIsFirstTime, 0);
}

}  // namespace
