// The roster: the save folder on first and later starts, saving the current player, the
// best-time file, the roster order, the champion list, the name check and the player that
// a level started from the command line gets.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "app/subsystem_hooks.h"
#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/scene_match3.h"
#include "persist/config.h"
#include "persist/language_file.h"
#include "persist/player.h"
#include "persist/roster.h"
#include "test_support.h"
#include "ui/scene.h"

namespace fs = std::filesystem;

namespace {

class RosterTest : public ::testing::Test {
protected:
    ScopedWorkDir dir;
    std::map<String, String> texts = languageFile.lang;

    void SetUp() override {
        resetShellGlobals();
        resetSharedState();
        resetPlayers();
        sceneMatch3.resetAll();
        config = startingConfig();
        g_saveDir.clear();
        languageFile.lang[u"noname"] = u"Apprentice";
    }
    void TearDown() override {
        languageFile.lang = texts;
        config = startingConfig();
        resetPlayers();
        sceneMatch3.resetAll();
        g_saveDir.clear();
    }

    String userFolder() const { return toString16((dir.path() / "home" / "share").string() + "/"); }
    fs::path saveFolder() const { return dir.path() / "home" / "share" / "Pendrel"; }

    static std::string bytesOf(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static int intAt(const std::string& bytes, size_t at) {
        return int(uint32_t(uint8_t(bytes[at])) | uint32_t(uint8_t(bytes[at + 1])) << 8 |
                   uint32_t(uint8_t(bytes[at + 2])) << 16 | uint32_t(uint8_t(bytes[at + 3])) << 24);
    }
    // Every file of a folder with its bytes and its modification time.
    static std::map<std::string, std::pair<std::string, fs::file_time_type>> snapshot(const fs::path& folder) {
        std::map<std::string, std::pair<std::string, fs::file_time_type>> files;
        for (const auto& entry : fs::directory_iterator(folder))
            files[entry.path().filename().string()] = {bytesOf(entry.path()), fs::last_write_time(entry.path())};
        return files;
    }
    // Goal table whose count for level L and kind K is 10 * L + K.
    void writeGoalTable() const {
        std::string bytes;
        for (int level = 1; level <= 80; ++level)
            for (int kind = 1; kind <= 5; ++kind)
                for (int shift = 0; shift < 32; shift += 8) bytes += char(((10 * level + kind) >> shift) & 0xFF);
        dir.write("data/levels/lvla000.lvl", bytes);
    }
};

TEST_F(RosterTest, FirstStartCreatesSettingsEightEmptyProfilesAndTheBestTimes) {
    loadRoster(userFolder());
    EXPECT_EQ(g_saveDir, userFolder() + u"Pendrel/");
    EXPECT_EQ(bytesOf(saveFolder() / "settings.txt").substr(0, 20), "1\r\n140\r\n210\r\n-1\r\n0\r\n");
    EXPECT_EQ(g_currentPlayer, -1);
    EXPECT_FALSE(fs::exists(saveFolder() / "players0.ppp"));
    for (int slot = 1; slot <= 8; ++slot) {
        std::string profile = bytesOf(saveFolder() / ("players" + std::to_string(slot) + ".ppp"));
        ASSERT_EQ(profile.size(), 7436u) << slot;
        EXPECT_EQ(intAt(profile, 4), 1) << slot;  // StoryLevel of an empty profile
        EXPECT_EQ(players[size_t(slot)].url, g_saveDir + u"players" + intToString(slot) + u".ppp");
    }
    std::string times = bytesOf(saveFolder() / "besttimes.ppp");
    ASSERT_EQ(times.size(), 1280u);
    for (size_t record = 0; record < 80; ++record) {
        EXPECT_EQ(intAt(times, record * 16), -1);
        EXPECT_EQ(times.substr(record * 16 + 4, 12), std::string(12, ' '));
    }
    EXPECT_EQ(bestTimes[80], -1);
}

TEST_F(RosterTest, SecondStartReadsEverythingAndWritesNothing) {
    loadRoster(userFolder());
    players[3].Name = u"Mira";
    players[3].StoryPoints = 300;
    players[3].SaveToDisk();
    g_currentPlayer = 3;
    config.soundlaut = 77;
    config.SaveToDisk();
    bestTimes[4] = 95;
    bestTimeNames[4] = u"Mira";
    saveBestTimes();
    for (const auto& entry : fs::directory_iterator(saveFolder()))
        fs::last_write_time(entry.path(), fs::last_write_time(entry.path()) - std::chrono::hours(1));
    auto before = snapshot(saveFolder());

    resetPlayers();
    config = startingConfig();
    g_currentPlayer = -1;
    bestTimes.fill(0);
    loadRoster(userFolder());

    EXPECT_EQ(snapshot(saveFolder()), before);
    EXPECT_EQ(players[3].Name, u"Mira");
    EXPECT_EQ(players[3].StoryPoints, 300);
    EXPECT_EQ(players[5].Level, 1);
    EXPECT_EQ(g_currentPlayer, 3);
    EXPECT_EQ(config.soundlaut, 77);
    EXPECT_EQ(bestTimes[4], 95);
    EXPECT_EQ(bestTimeNames[4], u"Mira");
    EXPECT_EQ(bestTimes[5], -1);
}

TEST_F(RosterTest, MissingFilesInAnExistingFolderGiveEmptySlotsWithoutWriting) {
    fs::create_directories(saveFolder());
    loadRoster(userFolder());
    EXPECT_TRUE(fs::is_empty(saveFolder()));
    EXPECT_EQ(players[2].Level, 1);
    EXPECT_TRUE(isEmptyProfile(2));
    EXPECT_EQ(bestTimes[1], -1);
    EXPECT_EQ(config.musiklautsoll, 140);
}

TEST_F(RosterTest, AnUncreatableOrMissingUserFolderFallsBackToTheWorkingFolder) {
    dir.write("home", "a file where the folder should be");
    loadRoster(userFolder());
    EXPECT_EQ(g_saveDir, u"data/saves/");
    EXPECT_TRUE(fs::exists(dir.path() / "data" / "saves" / "players8.ppp"));
    EXPECT_EQ(bytesOf(dir.path() / "data" / "saves" / "besttimes.ppp").size(), 1280u);

    players[2].Name = u"Kai";
    players[2].SaveToDisk();
    resetPlayers();
    loadRoster(u"");  // the system knows no per-user folder
    EXPECT_EQ(g_saveDir, u"data/saves/");
    EXPECT_EQ(players[2].Name, u"Kai");
}

TEST_F(RosterTest, NoFolderAtAllKeepsTheRosterInMemory) {
    dir.write("home", "not a folder");
    dir.write("data", "not a folder either");
    loadRoster(userFolder());
    EXPECT_EQ(config.fullscreen, 1);
    EXPECT_EQ(players[1].Level, 1);
    EXPECT_EQ(bestTimes[80], -1);
    players[1].Name = u"Kai";
    EXPECT_EQ(players[1].SaveToDisk(), -1);
}

TEST_F(RosterTest, StartUpHookUsesTheXdgDataFolder) {
    const char* previous = std::getenv("XDG_DATA_HOME");
    std::string kept = previous ? previous : "";
    setenv("XDG_DATA_HOME", (dir.path() / "home" / "share").c_str(), 1);
    loadSettingsAndRoster();
    if (previous)
        setenv("XDG_DATA_HOME", kept.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(g_saveDir, userFolder() + u"Pendrel/");
    EXPECT_TRUE(fs::exists(saveFolder() / "settings.txt"));
}

TEST_F(RosterTest, SavingInALevelStoresItForResumingOrAsWon) {
    loadRoster(userFolder());
    g_currentPlayer = 2;
    g_scene = SCENE_MATCH3;
    players[2].Level = 6;
    saveCurrentPlayer(2);
    EXPECT_EQ(players[2].isResume, 1);
    EXPECT_EQ(players[2].resumeLevel, 6);
    EXPECT_EQ(intAt(bytesOf(saveFolder() / "players2.ppp"), 13 * 4), 1);  // isResume on disk

    players[4].Level = 9;
    sceneMatch3._winrun = 5;
    g_currentPlayer = 4;
    saveCurrentPlayer(4);
    EXPECT_EQ(players[4].isResume, 0);
    EXPECT_EQ(intAt(bytesOf(saveFolder() / "players4.ppp"), 4 * 4), 10) << "the win behind the summary is kept";
    EXPECT_EQ(players[4].Level, 9) << "the summary still shows the level it is about";
}

TEST_F(RosterTest, BestTimeIsRecordedOnlyWhenBetterAndSaved) {
    loadRoster(userFolder());
    EXPECT_EQ(recordBestTime(3, 95, u"Ada"), 1) << "none stored yet";
    EXPECT_EQ(recordBestTime(3, 95, u"Bea"), 0) << "equal is not better";
    EXPECT_EQ(recordBestTime(3, 120, u"Bea"), 0);
    EXPECT_EQ(trim(bestTimeNames[3]), u"Ada");
    EXPECT_EQ(recordBestTime(3, 80, u"Cassiopeia-Longname"), 1);
    EXPECT_EQ(bestTimes[3], 80);
    EXPECT_EQ(bestTimeNames[3], u"Cassiopeia-L") << "cut to the record's 12 characters";
    EXPECT_EQ(recordBestTime(0, 10, u"Ada") + recordBestTime(81, 10, u"Ada"), 0);
    EXPECT_EQ(bytesOf(saveFolder() / "besttimes.ppp").size(), 1280u);
    bestTimes[3] = -1;
    ASSERT_EQ(loadBestTimes(), 0);
    EXPECT_EQ(bestTimes[3], 80) << "the table on disk holds it";
}

TEST_F(RosterTest, SavingOnSuspendSkipsThePlayerInTheRoadmapButKeepsTheSettings) {
    loadRoster(userFolder());
    g_currentPlayer = 2;
    players[2].StoryPoints = 40;
    config.soundlaut = 12;
    g_scene = SCENE_ROADMAP;
    saveOnSuspend();
    EXPECT_EQ(intAt(bytesOf(saveFolder() / "players2.ppp"), 2 * 4), 0);
    EXPECT_EQ(bytesOf(saveFolder() / "settings.txt").substr(0, 15), "1\r\n140\r\n12\r\n2\r\n");

    g_scene = SCENE_MAINMENU;
    saveOnSuspend();
    EXPECT_EQ(intAt(bytesOf(saveFolder() / "players2.ppp"), 2 * 4), 40);
}

TEST_F(RosterTest, SaveWithoutAPlayerWritesNothing) {
    loadRoster(userFolder());
    auto before = snapshot(saveFolder());
    saveCurrentPlayer(-1);
    saveCurrentPlayer(0);
    EXPECT_EQ(snapshot(saveFolder()), before);
}

TEST_F(RosterTest, BestTimeNamesArePaddedToTwelveBytesAndReadBackTrimmed) {
    loadRoster(userFolder());
    bestTimes[1] = 75;
    bestTimeNames[1] = u"ABCDEFGHIJKL";
    bestTimes[2] = 3725;
    bestTimeNames[2] = u"Bob";
    ASSERT_EQ(saveBestTimes(), 0);
    std::string bytes = bytesOf(saveFolder() / "besttimes.ppp");
    ASSERT_EQ(bytes.size(), 1280u);
    EXPECT_EQ(intAt(bytes, 0), 75);
    EXPECT_EQ(bytes.substr(4, 12), "ABCDEFGHIJKL");
    EXPECT_EQ(intAt(bytes, 16), 3725);
    EXPECT_EQ(bytes.substr(20, 12), "Bob         ");
    EXPECT_EQ(bestTimeNames[2], u"Bob         ");  // the table keeps the padded form

    bestTimeNames.fill(u"");
    ASSERT_EQ(loadBestTimes(), 0);
    EXPECT_EQ(bestTimeNames[1], u"ABCDEFGHIJKL");
    EXPECT_EQ(bestTimeNames[2], u"Bob");
    EXPECT_EQ(bestTimes[2], 3725);
}

TEST_F(RosterTest, OverlongBestTimeNamesKeepTheRecordSizeAndShortFilesLoadWhatTheyHold) {
    loadRoster(userFolder());
    bestTimeNames[1] = u"ABCDEFGHIJKLMNOP";
    saveBestTimes();
    EXPECT_EQ(bytesOf(saveFolder() / "besttimes.ppp").size(), 1280u);

    fs::resize_file(saveFolder() / "besttimes.ppp", 40);
    EXPECT_EQ(loadBestTimes(), -1);
    EXPECT_EQ(bestTimeNames[1], u"ABCDEFGHIJKL");
    EXPECT_EQ(bestTimes[2], -1);
    EXPECT_EQ(bestTimeNames[3], u"");
}

TEST_F(RosterTest, RosterOrderIsByPointsWithTiesInSlotOrder) {
    players[1].StoryPoints = 300;
    players[2].StoryPoints = 500;
    players[3].StoryPoints = 500;
    sortRoster();
    EXPECT_EQ(rosterOrder, (std::array<int, 9>{0, 2, 3, 1, 4, 5, 6, 7, 8}));
}

TEST_F(RosterTest, ChampionsAreListedByStoryLevelWithTiesInSlotOrder) {
    for (int slot = 1; slot <= 8; ++slot) {
        players[size_t(slot)].StoryLevel = 1;
        players[size_t(slot)].Name = u"P" + intToString(slot);
        players[size_t(slot)].StoryPoints = 10 * slot;
    }
    players[3].StoryLevel = 5;
    players[6].StoryLevel = 7;
    buildChampionList();
    const String expected[] = {u"P6", u"P3", u"P1", u"P2", u"P4", u"P5", u"P7", u"P8"};
    for (size_t row = 1; row <= 8; ++row) EXPECT_EQ(championNames[row], expected[row - 1]) << row;
    EXPECT_EQ(championLevels[1], 7);
    EXPECT_EQ(championPoints[1], 60);
    EXPECT_EQ(championNames[9], u"");
    EXPECT_EQ(championLevels[9], -1);
}

TEST_F(RosterTest, NameCheckGivesBlankNamesTheNonameTextAndTrims) {
    g_currentPlayer = 4;
    players[4].Name = u"    ";
    EXPECT_EQ(checkPlayerName(), 1);
    EXPECT_EQ(players[4].Name, u"Apprentice");
    players[4].Name = u"  Mira ";
    checkPlayerName();
    EXPECT_EQ(players[4].Name, u"Mira");
}

TEST_F(RosterTest, LevelPlayerOnAnEmptyRosterTakesTheFirstSlot) {
    writeGoalTable();
    loadRoster(userFolder());
    EXPECT_EQ(ensureLevelPlayer(7), 1);
    EXPECT_EQ(g_currentPlayer, 1);
    TSpieler& player = players[1];
    EXPECT_EQ(player.Name, u"Apprentice");
    EXPECT_EQ(player.Level, 7);
    EXPECT_EQ(player.StoryLevel, 7);
    EXPECT_EQ(player.levelSelected, 7);
    EXPECT_EQ(player.itemsToDestroyData[7][3], 73);
    EXPECT_EQ(bytesOf(saveFolder() / "settings.txt").substr(0, 19), "1\r\n140\r\n210\r\n1\r\n0\r\n");
    std::string profile = bytesOf(saveFolder() / "players1.ppp");
    EXPECT_EQ(intAt(profile, 1858 * 4), 10);  // the name's length
    EXPECT_EQ(profile.substr(1859 * 4), "Apprentice");
}

TEST_F(RosterTest, LevelPlayerKeepsTheCurrentPlayerAndItsProgress) {
    writeGoalTable();
    loadRoster(userFolder());
    players[1].Name = u"Kai";
    players[2].Name = u"Mira";
    players[2].StoryLevel = 12;
    players[2].isResume = 1;
    players[2].resumeLevel = 5;
    g_currentPlayer = 2;

    ensureLevelPlayer(5);
    EXPECT_EQ(players[2].Level, 5);
    EXPECT_EQ(players[2].isResume, 1);  // the interrupted game of that level continues

    ensureLevelPlayer(3);
    EXPECT_EQ(g_currentPlayer, 2);
    EXPECT_EQ(players[2].Name, u"Mira");
    EXPECT_EQ(players[2].StoryLevel, 12);
    EXPECT_EQ(players[2].Level, 3);
    EXPECT_EQ(players[2].isResume, 0);
    EXPECT_TRUE(isEmptyProfile(3));
}

TEST_F(RosterTest, LevelPlayerReplacesAnEmptyCurrentSlotAndClampsTheLevel) {
    loadRoster(userFolder());
    players[1].Name = u"Kai";
    g_currentPlayer = 4;
    EXPECT_EQ(ensureLevelPlayer(500), 2);
    EXPECT_EQ(players[2].Name, u"Apprentice");
    EXPECT_EQ(players[2].Level, 80);
}

}  // namespace
