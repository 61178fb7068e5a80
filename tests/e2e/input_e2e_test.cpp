// Scripted input reaching the game as a player's would: typed text, a key released, the
// window losing and regaining the focus and the right button, each seen in the game's state;
// and a level left by losing the focus, saved and resumed by a fresh start.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <tuple>

#include "e2e/game_process.h"

namespace {

// Frames of the plain start before the main menu takes clicks: the intro's two pages and the
// load screen.
constexpr int MENU = 770;
constexpr int POPUP_CHAMPIONS = 111;
constexpr int POPUP_OPEN = 16;
constexpr int BURST_FRAGMENT = 109200;  // pieces of the burst the main menu starts under a right click

TEST(ScriptedInput, TypeKeyUpFocusAndTheRightButtonReachTheGame) {
    GameProcess game;
    std::ostringstream s;
    s << MENU + 10 << " click 905 666\n"  // start: no player yet, so the name entry
      << MENU + 40 << " type Cy\n"
      << MENU + 45
      << " tap enter\n"
      // Enter held, then let go: the champions opened afterwards would close at once on a held Enter.
      << MENU + 80 << " keydown enter\n"
      << MENU + 85 << " keyup enter\n"
      << MENU + 100 << " click 355 666\n"
      << MENU + 140 << " focus lost\n"
      << MENU + 150 << " focus gained\n"
      << MENU + 160 << " move 300 300\n"
      << MENU + 161 << " press right\n";
    std::string dumpFile = game.scratch("input.json").string();
    GameResult result =
        game.run({"--headless", "--no-pixels", "--seed", "5", "--script", game.script("input.txt", s.str()), "--frames",
                  std::to_string(MENU + 163), "--dump", dumpFile});
    ASSERT_EQ(result.exitCode, 0) << result.errorOutput;
    nlohmann::json state = GameProcess::readDump(dumpFile);
    EXPECT_EQ(state["players"][1]["Name"], "Cy") << "the typed name";
    EXPECT_EQ(state["popupHandler"]["State"], POPUP_CHAMPIONS);
    EXPECT_EQ(state["popupHandler"]["runtime"], POPUP_OPEN) << "Enter was released before the champions opened";
    EXPECT_EQ(state["g_suspended"], 0) << "the focus came back";
    EXPECT_EQ(state["g_pause"], 1) << "the focus was lost: paused until a click";
    EXPECT_GT(state["effects"].value(std::to_string(BURST_FRAGMENT), 0), 0) << "sparks under the right click";
}

// Items, moss, blocks and doors of a dump's board, by position.
using Piece = std::tuple<std::string, int, int, int>;
std::set<Piece> boardOf(const nlohmann::json& level) {
    std::set<Piece> pieces;
    for (const nlohmann::json& item : level["items"]) {
        if (item["_itemA"].get<int>() == 0) continue;
        pieces.insert({"item", item["_itemA"], int(item["_itemX"].get<double>()), int(item["_itemY"].get<double>())});
    }
    for (const nlohmann::json& cell : level["cells"]) {
        if (cell["_CellA"].get<int>() == 0) continue;
        const int x = int(cell["_CellX"].get<double>()), y = int(cell["_CellY"].get<double>());
        for (const char* layer : {"_cellMoss", "_cellStone", "_cellDoor"})
            if (cell[layer].get<int>() != 0) pieces.insert({layer, cell[layer], x, y});
    }
    return pieces;
}

// The built-in player plays level 5 for a while; the focus is lost while the board is at rest.
// A fresh start then resumes the level through the main menu's resume question and the roadmap.
TEST(SuspendSave, ALevelLeftByLosingTheFocusIsResumedWithItsBoardPointsAndTime) {
    GameProcess game;
    constexpr int LOST = 500;
    std::string left = game.scratch("left.json").string();
    GameResult result = game.run({"--headless", "--no-pixels", "--seed", "11", "--level", "5", "--autoplay", "--script",
                                  game.script("leave.txt", std::to_string(LOST) + " focus lost\n"), "--frames",
                                  std::to_string(LOST + 2), "--dump", left});
    ASSERT_EQ(result.exitCode, 0) << result.errorOutput;
    nlohmann::json before = GameProcess::readDump(left);
    ASSERT_EQ(before["g_scene"], 12) << "still in the level";
    ASSERT_EQ(before["sceneMatch3"]["_winrun"], 0) << "the level is still being played";
    ASSERT_EQ(before["sceneMatch3"]["_inruhe"], 1) << "the board is at rest when the focus goes";
    const int slot = before["g_currentPlayer"];
    const nlohmann::json& player = before["players"][slot];
    ASSERT_GT(player["LevelPoints"].get<int>(), 0) << "points were made before leaving";
    ASSERT_GT(player["time"].get<int>(), 0);

    std::ostringstream s;
    s << MENU + 10 << " click 905 666\n"   // start: the player has a level to resume
      << MENU + 40 << " click 617 484\n"   // resume: the roadmap
      << MENU + 80 << " click 925 666\n";  // its start button plays the suspended level
    std::string resumed = game.scratch("resumed.json").string();
    result = game.run({"--headless", "--no-pixels", "--seed", "3", "--script", game.script("resume.txt", s.str()),
                       "--frames", std::to_string(MENU + 230), "--dump", resumed});
    ASSERT_EQ(result.exitCode, 0) << result.errorOutput;
    nlohmann::json after = GameProcess::readDump(resumed);
    ASSERT_EQ(after["g_scene"], 12) << "the level runs again";
    EXPECT_EQ(after["g_currentPlayer"], slot);
    EXPECT_EQ(after["players"][slot]["Level"], 5);
    EXPECT_EQ(after["players"][slot]["LevelPoints"], player["LevelPoints"]);
    const std::set<Piece> board = boardOf(before["sceneMatch3"]);
    EXPECT_GT(
        std::count_if(board.begin(), board.end(), [](const Piece& piece) { return std::get<0>(piece) != "item"; }), 0)
        << "the level has moss or blocks";
    EXPECT_EQ(boardOf(after["sceneMatch3"]), board);
    // The clock goes on from the saved time, for the few seconds the resumed level has run.
    EXPECT_GE(after["players"][slot]["time"].get<int>(), player["time"].get<int>());
    EXPECT_LE(after["players"][slot]["time"].get<int>(), player["time"].get<int>() + 4);
}

}  // namespace
