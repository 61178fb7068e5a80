// Whole levels played by the built-in player through the mouse: every level is won within a
// bounded number of frames, the profile saved at the end holds the next level, and a later
// start finds the roster without writing anything.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>

#include "e2e/game_process.h"

namespace {

// About 12 minutes of play at 40 frames per second; a level the built-in player cannot win
// in that time counts as not winnable.
constexpr int FRAME_BOUND = 30000;

std::vector<std::string> autoplayArgs(int level, const std::filesystem::path& dump) {
    return {"--headless", "--no-pixels", "--seed",   "11",
            "--level",    std::to_string(level),     "--autoplay", "--frames",
            std::to_string(FRAME_BOUND),             "--dump",     dump.string()};
}

std::filesystem::path saveFolder(const GameProcess& game) { return game.lockFile().parent_path() / "data" / "Pendrel"; }

std::map<std::string, std::filesystem::file_time_type> fileTimes(const std::filesystem::path& folder) {
    std::map<std::string, std::filesystem::file_time_type> times;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        times[entry.path().filename().string()] = entry.last_write_time();
    return times;
}

class LevelWin : public ::testing::TestWithParam<int> {
protected:
    GameProcess game;
};

TEST_P(LevelWin, BuiltInPlayerWinsTheLevel) {
    int level = GetParam();
    std::filesystem::path dump = game.scratch("won.json");
    GameResult result = game.run(autoplayArgs(level, dump));
    ASSERT_EQ(result.exitCode, 0) << result.errorOutput;
    nlohmann::json state = GameProcess::readDump(dump);
    int slot = state["g_currentPlayer"];
    ASSERT_GE(slot, 1);
    EXPECT_EQ(state["sceneMatch3"]["_winrun"], -1) << "level " << level << " not won in " << FRAME_BOUND << " frames";
    EXPECT_LT(state["g_frame"].get<int>(), FRAME_BOUND);
    EXPECT_GT(state["autoplay"]["moves"].get<int>(), 0);
    EXPECT_GT(state["autoplay"]["winSeconds"].get<int>(), 0) << "the seconds of play when the win began";
    EXPECT_EQ(state["players"][slot]["Level"], level + 1);
    EXPECT_GE(state["players"][slot]["StoryLevel"].get<int>(), std::min(level + 1, 80));  // the story ends at 80
}

// Levels 1 to 12 are played one after another by the soak, on one profile.
INSTANTIATE_TEST_SUITE_P(AllLevels, LevelWin, ::testing::Range(13, 81));

TEST(LevelSave, ProfileOnDiskHoldsTheNextLevelAndALaterStartWritesNothing) {
    GameProcess game;
    std::filesystem::path won = game.scratch("won.json");
    ASSERT_EQ(game.run(autoplayArgs(1, won)).exitCode, 0);
    auto before = fileTimes(saveFolder(game));
    EXPECT_EQ(before.count("players1.ppp"), 1u);
    EXPECT_EQ(before.count("besttimes.ppp"), 1u);
    EXPECT_EQ(before.count("players0.ppp"), 0u);

    std::filesystem::path later = game.scratch("later.json");
    GameResult result = game.run({"--headless", "--no-pixels", "--frames", "5", "--dump", later.string()});
    ASSERT_EQ(result.exitCode, 0) << result.errorOutput;
    nlohmann::json state = GameProcess::readDump(later);
    EXPECT_EQ(state["g_currentPlayer"], 1);
    EXPECT_EQ(state["players"][1]["Level"], 2);
    EXPECT_EQ(fileTimes(saveFolder(game)), before);
}

}  // namespace
