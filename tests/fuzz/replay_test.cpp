// Replays every seed and every minimised fuzzing finding through the fuzzing entries, so a
// fault found by fuzzing stays fixed in the normal (gcc, sanitizer) test build.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "fuzz/fuzz_targets.h"
#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/scene_match3.h"
#include "persist/player.h"
#include "platform/headless_fixture.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

const fs::path FUZZ_FOLDER = fs::path(PENDREL_SOURCE_DIR) / "tests" / "fuzz";

std::vector<fs::path> filesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    if (!fs::is_directory(folder)) return files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().filename().string().front() != '.') files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<uint8_t> bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FuzzReplay : public ::testing::Test {
protected:
    static void SetUpTestSuite() { headless::startPlatform(); }
    static void TearDownTestSuite() { shutdownPlatform(); }
    void TearDown() override {
        sceneMatch3.resetAll();
        resetPlayers();
        resetSharedState();
        resetShellGlobals();
    }

    // Runs every file of the target's seed and regression folders; returns how many there were.
    static size_t replay(const FuzzTarget& target) {
        size_t count = 0;
        for (const char* kind : {"seeds", "regressions"}) {
            for (const fs::path& file : filesIn(FUZZ_FOLDER / kind / target.name)) {
                SCOPED_TRACE(file.string());
                const std::vector<uint8_t> bytes = bytesOf(file);
                target.run(bytes.data(), bytes.size());
                ++count;
            }
        }
        return count;
    }
};

TEST_F(FuzzReplay, EverySeedAndFindingOfEveryTargetIsReadQuietly) {
    for (const FuzzTarget& target : fuzzTargets()) {
        SCOPED_TRACE(target.name);
        EXPECT_GT(replay(target), 0u) << "every target has seed files";
    }
}

TEST_F(FuzzReplay, EveryFolderNamesATarget) {
    for (const char* kind : {"seeds", "regressions"}) {
        if (!fs::is_directory(FUZZ_FOLDER / kind)) continue;
        for (const fs::directory_entry& entry : fs::directory_iterator(FUZZ_FOLDER / kind))
            EXPECT_NE(findFuzzTarget(entry.path().filename().string()), nullptr) << entry.path();
    }
}

// The faults fuzzing is there to find, written by hand: files the player can damage or
// replace, each met where the game meets it.
TEST_F(FuzzReplay, APathNamingAFolderOrADeviceReadsAsNothing) {
    const FuzzTarget& splash = *findFuzzTarget("splash");
    for (std::string text : {"file=\ntime=5\n", "file=.\n", "file=../../../../../dev/zero\n", "file=../branding\n"}) {
        SCOPED_TRACE(text);
        splash.run(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    }
    EXPECT_EQ(loadImage(u"/dev/zero", 0), nullptr);
    EXPECT_EQ(loadSound(u"/", 0), nullptr);
    EXPECT_EQ(readFile(u"/dev/null"), nullptr);
    EXPECT_THROW(loadText(u"/"), StreamError);
}

TEST_F(FuzzReplay, AWavChunkLongerThanTheFileIsRefusedBeforeItIsAllocated) {
    ScopedWorkDir folder;
    // A data chunk claiming almost 4 GiB behind a 44-byte file: SDL would allocate the claim.
    std::string wav(
        "RIFF\xb8\x59\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x44\xac\0\0\x88\x58\x01\0\x02\0\x10\0data\x94\xff\xff\xff", 44);
    folder.write("huge.wav", wav);
    EXPECT_EQ(loadSound(u"huge.wav", 0), nullptr);
    wav.replace(40, 4, std::string("\x04\0\0\0", 4));
    folder.write("small.wav", wav + std::string(4, '\x10'));
    EXPECT_NE(loadSound(u"small.wav", 0), nullptr) << "the same header with its four bytes present loads";
}

}  // namespace
