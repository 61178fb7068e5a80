// The game away from its build folder: the data folder lookup, and the game installed into a
// staging folder with its desktop files, started from another working folder.
#include <gtest/gtest.h>

#include <cstdio>

#include "e2e/game_process.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

struct CommandResult {
    int status = -1;
    std::string output;  // standard output and error together
};

CommandResult runCommand(const std::string& command) {
    CommandResult result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.output.append(buffer, got);
    result.status = pclose(pipe);
    return result;
}

std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

const std::vector<std::string> SHORT_RUN = {"--headless", "--no-pixels", "--frames", "5"};

}  // namespace

TEST(DataLookup, WithoutDataTheGameNamesTheFoldersItTriedAndEndsWith1) {
    const ScopedWorkDir empty;
    GameProcess game;
    GameResult result = game.run(SHORT_RUN, empty.path());
    EXPECT_EQ(result.exitCode, 1);
    const fs::path besideProgram = fs::path(PENDREL_GAME_BINARY).parent_path().parent_path() / "share/pendrel";
    EXPECT_NE(result.errorOutput.find(besideProgram.lexically_normal().string()), std::string::npos)
        << result.errorOutput;
    EXPECT_NE(result.errorOutput.find((empty.path() / "data").string()), std::string::npos) << result.errorOutput;

    game.setEnvironment("PENDREL_DATA", (empty.path() / "nowhere").string());
    result = game.run(SHORT_RUN, empty.path());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.errorOutput.find((empty.path() / "nowhere").string()), std::string::npos) << result.errorOutput;

    // The variable names a data folder: the game starts from the empty folder.
    game.setEnvironment("PENDREL_DATA", PENDREL_BUILD_DIR "/data");
    const fs::path dump = game.scratch("state.json");
    std::vector<std::string> args = SHORT_RUN;
    args.insert(args.end(), {"--dump", dump.string()});
    result = game.run(args, empty.path());
    ASSERT_EQ(result.exitCode, 0) << result.errorOutput;
    EXPECT_EQ(result.errorOutput, "");
    EXPECT_EQ(GameProcess::readDump(dump)["g_frame"], 5);
}

TEST(InstalledGame, StagedInstallValidatesAndWinsLevel1FromAnotherFolder) {
    const ScopedWorkDir work;
    const fs::path usr = work.path() / "stage/usr";
    const CommandResult install = runCommand("DESTDIR=" + quoted(work.path() / "stage") +
                                             " " PENDREL_CMAKE " --install " PENDREL_BUILD_DIR " --prefix /usr");
    ASSERT_EQ(install.status, 0) << install.output;

    const fs::path desktop = usr / "share/applications" / PENDREL_APP_ID ".desktop";
    const CommandResult entry = runCommand("desktop-file-validate " + quoted(desktop));
    EXPECT_EQ(entry.status, 0) << entry.output;
    EXPECT_EQ(entry.output, "");
    const fs::path metainfo = usr / "share/metainfo" / PENDREL_APP_ID ".metainfo.xml";
    const CommandResult appstream = runCommand("appstreamcli validate --no-net --pedantic " + quoted(metainfo));
    EXPECT_EQ(appstream.status, 0) << appstream.output;
    for (const char* size : {"16x16", "32x32", "48x48", "64x64", "128x128", "256x256"}) {
        EXPECT_TRUE(fs::is_regular_file(usr / "share/icons/hicolor" / size / "apps" / PENDREL_APP_ID ".png")) << size;
    }
    EXPECT_TRUE(fs::is_regular_file(usr / "share/man/man6/pendrel.6.gz"));

    // Started from an empty folder, the installed program finds share/pendrel/ beside its own.
    const fs::path elsewhere = work.path() / "elsewhere";
    fs::create_directory(elsewhere);
    GameProcess game(usr / "bin/pendrel");
    const fs::path dump = game.scratch("won.json");
    const GameResult result = game.run({"--headless", "--no-pixels", "--seed", "11", "--level", "1", "--autoplay",
                                        "--frames", "30000", "--dump", dump.string()},
                                       elsewhere);
    ASSERT_EQ(result.exitCode, 0) << result.errorOutput;
    EXPECT_EQ(result.errorOutput, "");
    const nlohmann::json state = GameProcess::readDump(dump);
    EXPECT_EQ(state["sceneMatch3"]["_winrun"], -1) << "level 1 not won";
    EXPECT_EQ(state["players"][state["g_currentPlayer"].get<int>()]["Level"], 2);
    EXPECT_TRUE(fs::is_empty(elsewhere));
}
