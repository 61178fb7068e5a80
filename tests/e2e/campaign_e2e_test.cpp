// The whole campaign played from a plain start by the built-in player, through the front end
// only: the intro and the load screen, a new player, "new game", the story pages, the roadmap
// (its points and its start button), all 80 levels with one of every chapter left half-way
// and resumed, the last pages and the quit question. The run ends by itself; its dump and the
// save folder must show the campaign finished and every level's best time kept.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "e2e/game_process.h"

namespace {

// Far more than the campaign takes (about 140,000 frames); a stuck run stops here.
constexpr int FRAME_BOUND = 400000;

int intAt(const std::string& bytes, size_t offset) {
    uint32_t value = 0;
    for (int b = 3; b >= 0; --b) value = (value << 8) | uint8_t(bytes[offset + size_t(b)]);
    return int(value);
}

TEST(Campaign, BuiltInPlayerPlaysTheWholeCampaignFromThePlainStart) {
    GameProcess game;
    std::filesystem::path dump = game.scratch("end.json"), trace = game.scratch("trace.txt");
    GameResult result = game.run({"--headless", "--no-pixels", "--seed", "1", "--autoplay", "--frames",
                                  std::to_string(FRAME_BOUND), "--dump", dump.string(), "--trace", trace.string()});
    ASSERT_EQ(result.exitCode, 0) << result.errorOutput;
    EXPECT_EQ(result.errorOutput.find("runtime error"), std::string::npos) << result.errorOutput;
    nlohmann::json state = GameProcess::readDump(dump);
    EXPECT_EQ(state["g_quit"], 1) << "the quit question ended the run";
    EXPECT_LT(state["g_frame"].get<int>(), FRAME_BOUND);
    int slot = state["g_currentPlayer"];
    ASSERT_GE(slot, 1);
    const nlohmann::json& player = state["players"][slot];
    EXPECT_EQ(player["Name"], "Autoplay");
    EXPECT_EQ(player["isStoryFinished"], 1);
    EXPECT_EQ(player["StoryLevel"], 80);
    EXPECT_EQ(player["Level"], 1) << "the last page starts the campaign anew";
    EXPECT_EQ(player["isResume"], 0);
    EXPECT_EQ(state["roster"]["championNames"][1], "Autoplay");
    EXPECT_EQ(state["roster"]["championLevels"][1], 80);

    // One level of every chapter was left through the menu's "exit" and resumed (it was won).
    std::ifstream traceFile(trace);
    int leftHalfWay = 0;
    for (std::string line; std::getline(traceFile, line);) leftHalfWay += line.find("zur Haelfte") != std::string::npos;
    EXPECT_EQ(leftHalfWay, 8);

    std::ifstream file(game.saveFolder() / "besttimes.ppp", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), {});
    ASSERT_EQ(bytes.size(), 1280u);
    for (int level = 1; level <= 80; ++level) {
        const size_t record = size_t(level - 1) * 16;
        EXPECT_GE(intAt(bytes, record), 0) << "no best time for level " << level;
        EXPECT_EQ(bytes.substr(record + 4, 8), "Autoplay") << "level " << level;
    }
}

}  // namespace
