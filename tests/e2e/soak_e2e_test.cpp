// A soak of the first twelve levels on one save folder: each level is a run of its own, played
// by the built-in player with a meteor called in every few hundred frames, so points, power-up
// unlocks and the profile carry over from run to run. After each run the saved state must be
// whole: the level won, nothing negative, every item on the board.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>

#include "e2e/game_process.h"

namespace {

constexpr int FRAME_BOUND = 30000;
constexpr int LAST_SOAK_LEVEL = 12;
constexpr int METEOR_EVERY = 150;  // frames between two presses of the meteor key

// F8 tapped every few hundred frames once play has begun.
std::string meteorScript() {
    std::ostringstream text;
    for (int frame = 200; frame < FRAME_BOUND; frame += METEOR_EVERY) text << frame << " tap f8\n";
    return text.str();
}

const char* const POWER_UP_NAMES[] = {"puRemoveLine", "puRemoveSameItem", "puReplaceAllItems", "puThrowExplosive"};
const char* const RESUME_UNLOCK_FIELDS[] = {"resumeRemoveLineIsUnlocked", "resumeRemoveSameItemsIsUnlocked",
                                            "resumeReplaceAllItemsIsUnlocked", "resumeThrowExplosiveIsUnlocked"};

void expectNoNegativeCounts(const nlohmann::json& player, int level) {
    for (const char* field : {"StoryPoints", "LevelPoints", "anzItems", "anzMoss", "time"})
        EXPECT_GE(player[field].get<int>(), 0) << field << " after level " << level;
    for (const nlohmann::json& count : player["itemsDestroyed"]) EXPECT_GE(count.get<int>(), 0) << "level " << level;
}

// Every item lies in a column of the board and no lower than its lowest cell; new items may
// still wait above the board.
void expectItemsOnTheBoard(const nlohmann::json& board, int level) {
    float left = 1e9f, right = -1e9f, bottom = -1e9f;
    for (const nlohmann::json& cell : board["cells"]) {
        if (cell["_CellA"].get<int>() >= 100) continue;
        left = std::min(left, cell["_CellX"].get<float>());
        right = std::max(right, cell["_CellX"].get<float>());
        bottom = std::max(bottom, cell["_CellY"].get<float>());
    }
    for (const nlohmann::json& item : board["items"]) {
        int type = item["_itemA"];
        if (type <= 0 || type >= 999) continue;
        float x = item["_itemX"], y = item["_itemY"];
        EXPECT_TRUE(x >= left && x <= right && y <= bottom) << "item " << item["slot"] << " at " << x << "," << y
                                                             << " outside the board of level " << level;
    }
    EXPECT_GE(board["_mosscount"].get<int>(), 0);
}

TEST(Soak, FirstTwelveLevelsOnOneSaveFolderWithMeteors) {
    GameProcess game;
    std::string script = game.script("meteors.txt", meteorScript());
    int playerSlot = 0;
    int previousUnlocks[4] = {};
    int unlockedAtEnd = 0;
    int previousPoints = 0;
    for (int level = 1; level <= LAST_SOAK_LEVEL; ++level) {
        std::filesystem::path dump = game.scratch("level" + std::to_string(level) + ".json");
        GameResult result = game.run({"--headless", "--no-pixels", "--seed", std::to_string(100 + level), "--level",
                                      std::to_string(level), "--autoplay", "--frames", std::to_string(FRAME_BOUND),
                                      "--script", script, "--dump", dump.string()});
        ASSERT_EQ(result.exitCode, 0) << "level " << level << "\n" << result.errorOutput;
        EXPECT_EQ(result.errorOutput.find("runtime error"), std::string::npos) << result.errorOutput;
        nlohmann::json state = GameProcess::readDump(dump);
        int slot = state["g_currentPlayer"];
        if (level == 1) playerSlot = slot;
        ASSERT_EQ(slot, playerSlot) << "every run plays on with the same profile";
        const nlohmann::json& player = state["players"][slot];
        ASSERT_EQ(state["sceneMatch3"]["_winrun"], -1) << "level " << level << " not won";
        EXPECT_EQ(player["Level"], level + 1) << "the profile of the run before was carried over";
        expectNoNegativeCounts(player, level);
        // Every point a level earns goes to the level and the game alike, and unlocks only spend.
        int gained = player["StoryPoints"].get<int>() - previousPoints;
        EXPECT_LE(gained, state["sceneMatch3"]["_wonLevelPoints"].get<int>()) << "points paid twice in level " << level;
        previousPoints = player["StoryPoints"];
        expectItemsOnTheBoard(state["sceneMatch3"], level);
        for (int k = 0; k < 4; ++k) {
            int unlocked = player[RESUME_UNLOCK_FIELDS[k]];
            EXPECT_GE(unlocked, previousUnlocks[k]) << POWER_UP_NAMES[k] << " was locked again after level " << level;
            previousUnlocks[k] = unlocked;
        }
        EXPECT_EQ(state["meteor"]["isRaining"], 0);
    }
    for (int unlocked : previousUnlocks) unlockedAtEnd += unlocked;
    EXPECT_GE(unlockedAtEnd, 1) << "the soak bought no power-up, so it did not exercise them";
}

}  // namespace
