// The way into the game from a plain start, as a new player takes it: the intro, the load
// screen and the main menu; the first player named, a second one added and the first chosen
// again, the champions, the music volume dragged in the options, and quitting through the
// question, with the save files checked afterwards.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "data/font_reader.h"
#include "e2e/game_process.h"
#include "platform/platform.h"

namespace {

const std::filesystem::path BUILD = PENDREL_BUILD_DIR;

std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream input(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(input), {});
}

std::vector<std::string> fileLines(const std::filesystem::path& file) {
    std::istringstream text(fileBytes(file));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The y of the middle of the player manager's row `row` (from 1): the rows hang below the top
// of the list panel, 1.1 of the text font's line apart.
int managerRowY(int row) {
    PixmapPtr panel = loadPixmap(toString16((BUILD / "data/ui/playermenu.png").string()));
    const float rowHeight = float(font_reader::fontHeight(font_reader::readFontFile(BUILD / "data/fonts/text.zgf"))) * 1.1f;
    const float top = 384 - float(panel ? panel->height : 0) / 2;
    return int(top + rowHeight * float(row) + rowHeight / 2 + 3);
}

// Frames of the plain start: the intro's two pages, then the 430 frames of the load screen.
constexpr int MENU = 770;

std::string frontDoorScript(const GameProcess& game) {
    std::ostringstream s;
    s << MENU << " shot " << game.scratch("menu.png").string() << "\n"
      << MENU + 10 << " click 905 666\n"  // start: no player yet, so the name entry
      << MENU + 40 << " type Ada\n"
      << MENU + 45 << " tap enter\n"
      << MENU + 80 << " click 115 666\n"  // player: the manager
      << MENU + 110 << " click 323 584\n"  // new player
      << MENU + 130 << " type Bea\n"
      << MENU + 135 << " tap enter\n"
      << MENU + 170 << " click 115 666\n"
      << MENU + 200 << " click 512 " << managerRowY(1) << "\n"  // Ada, the first row
      << MENU + 210 << " shot " << game.scratch("manager.png").string() << "\n"
      << MENU + 220 << " click 512 584\n"  // ok
      << MENU + 250 << " click 355 666\n"  // champions
      << MENU + 280 << " shot " << game.scratch("champions.png").string() << "\n"
      << MENU + 285 << " tap escape\n"
      << MENU + 320 << " click 665 666\n"  // options; the music knob rests at 372 + 140
      << MENU + 350 << " move 512 292\n"
      << MENU + 351 << " press left\n"
      << MENU + 353 << " move 560 292\n"
      << MENU + 355 << " move 600 292\n"
      << MENU + 357 << " release left\n"
      << MENU + 360 << " tap enter\n"
      << MENU + 400 << " click 937 29\n"  // the menu button asks whether to quit
      << MENU + 430 << " tap enter\n";
    return game.script("front-door.txt", s.str());
}

class FrontDoor : public ::testing::Test {
protected:
    GameProcess game;
};

TEST_F(FrontDoor, ANewPlayerComesInNamesTwoPlayersSetsTheMusicAndQuits) {
    std::string dumpFile = game.scratch("end.json").string();
    GameResult result = game.run(
        {"--headless", "--seed", "5", "--script", frontDoorScript(game), "--frames", "1400", "--dump", dumpFile});
    ASSERT_EQ(result.exitCode, 0) << result.errorOutput;
    nlohmann::json state = GameProcess::readDump(dumpFile);
    EXPECT_EQ(state["g_quit"], 1) << "the quit question ended the run before its frame limit";
    EXPECT_LT(state["g_frame"].get<int>(), 1400);

    const std::filesystem::path saves = game.saveFolder();
    EXPECT_NE(fileBytes(saves / "players1.ppp").find("Ada"), std::string::npos);
    EXPECT_NE(fileBytes(saves / "players2.ppp").find("Bea"), std::string::npos);
    std::vector<std::string> settings = fileLines(saves / "settings.txt");
    ASSERT_GE(settings.size(), 4u);
    EXPECT_EQ(settings[1], "228") << "the music knob was dragged from 140 by 88 pixels";
    EXPECT_EQ(settings[3], "1") << "Ada was chosen again in the manager";
    EXPECT_EQ(state["players"][1]["Name"], "Ada");
    EXPECT_EQ(state["players"][2]["Name"], "Bea");
    EXPECT_EQ(state["roster"]["championNames"][1], "Ada");
}

}  // namespace
