// A level started directly and won by the built-in player: the profile saved at the end holds
// the next level, and a later start finds the roster without writing anything. (Every level is
// won in the campaign run, on the profile the levels before leave.)
#include <gtest/gtest.h>

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

TEST(LevelSave, ProfileOnDiskHoldsTheNextLevelAndALaterStartWritesNothing) {
    GameProcess game;
    std::filesystem::path won = game.scratch("won.json");
    ASSERT_EQ(game.run(autoplayArgs(1, won)).exitCode, 0);
    nlohmann::json report = GameProcess::readDump(won)["autoplay"];
    EXPECT_GT(report["moves"].get<int>(), 0);
    EXPECT_GT(report["winSeconds"].get<int>(), 0) << "the seconds of play when the win began";
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
