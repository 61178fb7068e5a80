// The campaign played from a plain start by the built-in player, through the front end only:
// the intro and the load screen, a new player, "new game", the story pages, the roadmap (its
// points and its start button), the levels of the first chapters with one of every chapter left
// half-way and resumed. The run is cut after its first chapters; its dump, trace and save folder
// must show the way it took.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "e2e/game_process.h"

namespace {

// Enough for the first two chapters and part of the third (about 20,000 frames a chapter).
constexpr int FRAME_BOUND = 55000;
constexpr int CHAPTERS_PLAYED = 2;

int intAt(const std::string& bytes, size_t offset) {
    uint32_t value = 0;
    for (int b = 3; b >= 0; --b) value = (value << 8) | uint8_t(bytes[offset + size_t(b)]);
    return int(value);
}

TEST(Campaign, BuiltInPlayerPlaysTheFirstChaptersFromThePlainStart) {
    GameProcess game;
    std::filesystem::path dump = game.scratch("end.json"), trace = game.scratch("trace.txt");
    GameResult result = game.run({"--headless", "--no-pixels", "--seed", "1", "--autoplay", "--frames",
                                  std::to_string(FRAME_BOUND), "--dump", dump.string(), "--trace", trace.string()});
    ASSERT_EQ(result.exitCode, 0) << result.errorOutput;
    EXPECT_EQ(result.errorOutput.find("runtime error"), std::string::npos) << result.errorOutput;
    nlohmann::json state = GameProcess::readDump(dump);
    int slot = state["g_currentPlayer"];
    ASSERT_GE(slot, 1);
    const nlohmann::json& player = state["players"][slot];
    EXPECT_EQ(player["Name"], "Autoplay");
    EXPECT_GT(player["StoryLevel"].get<int>(), 10 * CHAPTERS_PLAYED) << "two chapters through the roadmap";

    // A level of each chapter played was left through the menu's "exit" and resumed (it was won).
    std::ifstream traceFile(trace);
    int leftHalfWay = 0;
    for (std::string line; std::getline(traceFile, line);) leftHalfWay += line.find("zur Haelfte") != std::string::npos;
    EXPECT_GE(leftHalfWay, CHAPTERS_PLAYED);

    std::ifstream file(game.saveFolder() / "besttimes.ppp", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), {});
    ASSERT_EQ(bytes.size(), 1280u);
    for (int level = 1; level <= 10 * CHAPTERS_PLAYED; ++level) {
        const size_t record = size_t(level - 1) * 16;
        EXPECT_GE(intAt(bytes, record), 0) << "no best time for level " << level;
        EXPECT_EQ(bytes.substr(record + 4, 8), "Autoplay") << "level " << level;
    }
}

}  // namespace
