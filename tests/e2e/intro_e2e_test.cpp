// The game itself, headless: the intro's pages, skipping, repeatability, the
// single-instance guard, the version boxes and bad scripts.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "e2e/game_process.h"
#include "platform/platform.h"

namespace {

const std::filesystem::path BUILD = PENDREL_BUILD_DIR;

std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream input(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(input), {});
}

// Mean absolute difference per channel between a screenshot and a branding page.
double differenceToPage(const std::filesystem::path& shot, const std::string& page) {
    PixmapPtr a = loadPixmap(toString16(shot.string()));
    PixmapPtr b = loadPixmap(toString16((BUILD / "data/branding" / page).string()));
    if (!a || !b || a->width != b->width || a->height != b->height) return 255;
    double sum = 0;
    for (size_t i = 0; i < a->pixels.size(); ++i) {
        sum += std::abs(a->pixels[i].r - b->pixels[i].r) + std::abs(a->pixels[i].g - b->pixels[i].g) +
               std::abs(a->pixels[i].b - b->pixels[i].b);
    }
    return sum / (3.0 * double(a->pixels.size()));
}

class GameRun : public ::testing::Test {
protected:
    GameProcess game;
};

TEST_F(GameRun, IntroShowsTheStudioPageThenTheTitlePage) {
    std::string script = game.script("pages.txt", "60 shot " + game.scratch("studio.png").string() + "\n" +
                                                      "180 shot " + game.scratch("title.png").string() + "\n");
    GameResult result = game.run({"--headless", "--seed", "1", "--script", script, "--frames", "180"});
    ASSERT_EQ(result.exitCode, 0) << result.errorOutput;
    EXPECT_LT(differenceToPage(game.scratch("studio.png"), "studio.jpg"), 2.0);
    EXPECT_LT(differenceToPage(game.scratch("title.png"), "title.jpg"), 2.0);
    EXPECT_GT(differenceToPage(game.scratch("studio.png"), "title.jpg"), 10.0);
}

TEST_F(GameRun, AClickSkipsTheSkippableTitlePage) {
    std::string dumpFile = game.scratch("skip.json").string();
    std::string script = game.script("skip.txt", "30 click 500 400\n150 click 500 400\n");
    GameResult result =
        game.run({"--headless", "--no-pixels", "--script", script, "--frames", "170", "--dump", dumpFile});
    ASSERT_EQ(result.exitCode, 0) << result.errorOutput;
    nlohmann::json state = GameProcess::readDump(dumpFile);
    EXPECT_EQ(state["g_scene"], -1) << "the click on the title page leads to the load screen";

    std::string unskipped = game.scratch("noskip.json").string();
    result = game.run({"--headless", "--no-pixels", "--frames", "170", "--dump", unskipped});
    ASSERT_EQ(result.exitCode, 0) << result.errorOutput;
    state = GameProcess::readDump(unskipped);
    EXPECT_EQ(state["g_scene"], -2);
    EXPECT_EQ(state["sceneIntro"]["_page"], 2);
}

TEST_F(GameRun, SameSeedAndScriptGiveIdenticalScreenshots) {
    for (const char* name : {"a", "b"}) {
        std::string shot = game.scratch(std::string(name) + ".png").string();
        std::string script = game.script(std::string(name) + ".txt", "10 click 10 10\n125 shot " + shot + "\n");
        ASSERT_EQ(game.run({"--headless", "--seed", "42", "--script", script, "--frames", "125"}).exitCode, 0);
    }
    std::string first = fileBytes(game.scratch("a.png"));
    EXPECT_GT(first.size(), 1000u);
    EXPECT_EQ(first, fileBytes(game.scratch("b.png")));
}

// True once process `pid` holds a lock on `file`, as /proc/locks lists it; waits up to a minute.
bool waitForLock(pid_t pid, const std::filesystem::path& file) {
    for (int wait = 0; wait < 3000; ++wait) {
        struct stat info {};
        if (::stat(file.c_str(), &info) == 0) {
            const std::string inode = ":" + std::to_string(info.st_ino) + " ";
            std::ifstream locks("/proc/locks");
            for (std::string line; std::getline(locks, line);) {
                std::istringstream words(line);
                std::string number, kind, mode, access;
                long owner = 0;
                words >> number >> kind >> mode >> access >> owner;
                if (kind == "FLOCK" && owner == pid && (line + " ").find(inode) != std::string::npos) return true;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

TEST_F(GameRun, SecondCopyExitsAtOnceWhileOneRuns) {
    pid_t first = game.start({"--headless", "--no-pixels", "--frames", "100000000"});
    if (!waitForLock(first, game.lockFile())) {
        game.stop(first);
        FAIL() << "the first copy never held its lock";
    }
    std::string dumpFile = game.scratch("second.json").string();
    GameResult second = game.run({"--headless", "--no-pixels", "--frames", "5", "--dump", dumpFile});
    game.stop(first);
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_FALSE(std::filesystem::exists(dumpFile)) << "the second copy ended before running a frame";
    EXPECT_EQ(second.errorOutput, "");
}

TEST_F(GameRun, VersionOptionReportsBothTexts) {
    GameResult result = game.run({"--headless", "--no-pixels", "-v", "--frames", "1"});
    ASSERT_EQ(result.exitCode, 0);
    size_t japanese = result.errorOutput.find("1.0-JAP");
    ASSERT_NE(japanese, std::string::npos) << result.errorOutput;
    EXPECT_NE(result.errorOutput.find("1.0", japanese + 7), std::string::npos) << result.errorOutput;
}

TEST_F(GameRun, MalformedScriptLineStopsWithCodeTwo) {
    std::string script = game.script("bad.txt", "# fine\n5 click 1 2\n7 wiggle\n");
    GameResult result = game.run({"--headless", "--script", script});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.errorOutput.find("bad.txt:3"), std::string::npos) << result.errorOutput;
}

TEST_F(GameRun, WithoutDataTheGameGoesStraightToTheLoadScreen) {
    // An empty data folder: every file is missing, quietly. (Without any data folder the game
    // names the folders it tried and ends with 1: install_e2e_test.cpp.)
    std::filesystem::path empty = game.scratch("empty");
    std::filesystem::create_directories(empty / "data");
    std::string dumpFile = game.scratch("nodata.json").string();
    GameResult result = game.run({"--headless", "--frames", "20", "--dump", dumpFile}, empty);
    ASSERT_EQ(result.exitCode, 0) << result.errorOutput;
    EXPECT_EQ(GameProcess::readDump(dumpFile)["g_scene"], -1);
}

TEST_F(GameRun, DamagedFontFileEndsWithABoxNamingIt) {
    std::filesystem::path folder = game.scratch("badfont");
    std::filesystem::create_directories(folder / "data/fonts");
    std::ofstream(folder / "data/fonts/text.zgf", std::ios::binary) << std::string("\x41\0\0\0OUTLINE\n", 12);
    std::string dumpFile = game.scratch("badfont.json").string();
    GameResult result = game.run({"--headless", "--frames", "5", "--dump", dumpFile}, folder);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.errorOutput.find("data/fonts/text.zgf"), std::string::npos) << result.errorOutput;
    EXPECT_FALSE(std::filesystem::exists(dumpFile)) << "the game ended before its first frame";
}

TEST_F(GameRun, CloseRequestOpensTheQuitQuestion) {
    std::string dumpFile = game.scratch("close.json").string();
    std::string script = game.script("close.txt", "12 close\n");
    GameResult result = game.run({"--headless", "--no-pixels", "--frames", "20", "--script", script, "--dump", dumpFile});
    ASSERT_EQ(result.exitCode, 0) << result.errorOutput;
    nlohmann::json dump = GameProcess::readDump(dumpFile);
    EXPECT_EQ(dump["g_quit"], 0);
    EXPECT_EQ(dump["popupHandler"]["State"], 99);
}

TEST_F(GameRun, QuitQuestionInALevelEndsTheGameWithEnter) {
    std::string dumpFile = game.scratch("quit.json").string();
    std::string script = game.script("quit.txt", "100 close\n130 tap enter\n");
    GameResult result =
        game.run({"--headless", "--no-pixels", "--level", "1", "--frames", "400", "--script", script, "--dump", dumpFile});
    ASSERT_EQ(result.exitCode, 0) << result.errorOutput;
    nlohmann::json dump = GameProcess::readDump(dumpFile);
    EXPECT_EQ(dump["g_quit"], 1);
    EXPECT_LT(dump["g_frame"].get<int>(), 400);
}

}  // namespace
