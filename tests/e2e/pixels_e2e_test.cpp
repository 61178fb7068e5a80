// The game's pictures do not depend on how a frame is drawn: the same runs, drawn with still
// layers composed and drawn straightforwardly (PENDREL_PLAIN_DRAWING), give the same
// screenshots of the intro, levels 1, 17 and 42, the level menu and a won level's summary.
#include <gtest/gtest.h>

#include <sstream>

#include "e2e/game_process.h"
#include "platform/platform.h"

namespace {

// Blending in another order may round differently, by this much at the most.
constexpr int TOLERANCE = 2;

struct Shots {
    std::vector<std::string> args;
    std::vector<int> frames;
    std::string extraScript;  // input of the run, in script lines
};

// Runs the game with one shot per frame; returns the shot files.
std::vector<std::filesystem::path> shoot(GameProcess& game, const Shots& shots, const std::string& tag) {
    std::ostringstream script;
    std::vector<std::filesystem::path> files;
    for (int frame : shots.frames) {
        files.push_back(game.scratch(tag + "-" + std::to_string(frame) + ".png"));
        script << frame << " shot " << files.back().string() << "\n";
    }
    script << shots.extraScript;
    std::vector<std::string> args = shots.args;
    args.insert(args.end(),
                {"--script", game.script(tag + ".txt", script.str()), "--frames", std::to_string(shots.frames.back())});
    GameResult result = game.run(args);
    EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
    return files;
}

::testing::AssertionResult alike(const std::filesystem::path& composedFile, const std::filesystem::path& plainFile) {
    PixmapPtr composed = loadPixmap(toString16(composedFile.string()));
    PixmapPtr plain = loadPixmap(toString16(plainFile.string()));
    if (!composed || !plain) return ::testing::AssertionFailure() << "missing " << plainFile.filename();
    if (composed->width != plain->width || composed->height != plain->height)
        return ::testing::AssertionFailure() << "sizes differ: " << plainFile.filename();
    int worst = 0, differing = 0;
    for (size_t i = 0; i < plain->pixels.size(); ++i) {
        const Rgba& a = composed->pixels[i];
        const Rgba& b = plain->pixels[i];
        int difference = std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
        worst = std::max(worst, difference);
        differing += difference > 0;
    }
    if (worst <= TOLERANCE) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << plainFile.filename() << ": " << differing << " pixels differ, by up to "
                                         << worst;
}

void expectSamePictures(const Shots& shots) {
    GameProcess game;
    std::vector<std::filesystem::path> composed = shoot(game, shots, "composed");
    std::filesystem::remove_all(game.saveFolder());
    game.setEnvironment("PENDREL_PLAIN_DRAWING", "1");
    std::vector<std::filesystem::path> plain = shoot(game, shots, "plain");
    for (size_t i = 0; i < plain.size(); ++i) EXPECT_TRUE(alike(composed[i], plain[i]));
}

}  // namespace

TEST(SamePixels, IntroPages) { expectSamePictures({{"--headless", "--seed", "1"}, {60, 180, 400}, ""}); }

// Level 1 played by the built-in player: the board fading in, play, the win and its summary.
TEST(SamePixels, LevelOneToItsSummary) {
    expectSamePictures({{"--headless", "--seed", "11", "--level", "1", "--autoplay"}, {30, 120, 300, 450, 500}, ""});
}

TEST(SamePixels, LevelSeventeenInPlay) {
    expectSamePictures({{"--headless", "--seed", "11", "--level", "17", "--autoplay"}, {100, 400}, ""});
}

// Level 42 standing still under the start sign, then its menu opened by the close button.
TEST(SamePixels, LevelFortyTwoAndItsMenu) {
    expectSamePictures({{"--headless", "--seed", "11", "--level", "42"}, {120, 215, 260}, "200 click 937 29\n"});
}
