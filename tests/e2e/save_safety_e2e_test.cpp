// Saves that survive the worst: the game killed with SIGKILL at random moments while it plays,
// suspends, saves a won level, takes a name and sets options leaves every save file complete
// and starts again on them; a full disk and a read-only save folder leave the previous save
// complete while the game goes on, and the player is told once.
#include <gtest/gtest.h>

#include <linux/capability.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <thread>

#include "e2e/game_process.h"
#include "persist/player.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t PROFILE_FIXED_BYTES = 7436;  // 1858 integers and the name length
constexpr size_t BEST_TIMES_BYTES = 1280;     // 80 times and 12-byte names
constexpr int SETTINGS_LINES = 6;

std::string fileBytes(const fs::path& file) {
    std::ifstream input(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(input), {});
}

uint32_t littleEndian(const std::string& bytes, size_t offset) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value |= uint32_t(uint8_t(bytes[offset + i])) << (8 * i);
    return value;
}

// Empty when the save file is complete, else what is wrong with it.
std::string problemOf(const fs::path& file) {
    const std::string name = file.filename().string();
    const std::string bytes = fileBytes(file);
    if (name == "besttimes.ppp")
        return bytes.size() == BEST_TIMES_BYTES ? "" : "best times of " + std::to_string(bytes.size()) + " bytes";
    if (name == "settings.txt") {
        std::istringstream lines(bytes);
        int count = 0;
        for (std::string line; std::getline(lines, line); ++count) {
            if (line.size() < 2 || line.back() != '\r' || line.find_first_not_of("-0123456789\r") != std::string::npos)
                return "settings line '" + line + "'";
        }
        const bool whole = count == SETTINGS_LINES && bytes.back() == '\n';
        return whole ? "" : "settings of " + std::to_string(count) + " lines";
    }
    if (name.rfind("players", 0) == 0 && file.extension() == ".ppp") {
        if (bytes.size() < PROFILE_FIXED_BYTES) return "profile of " + std::to_string(bytes.size()) + " bytes";
        const uint32_t nameLength = littleEndian(bytes, PROFILE_FIXED_BYTES - 4);
        const bool whole = nameLength <= 12 && bytes.size() == PROFILE_FIXED_BYTES + nameLength;
        return whole ? "" : "profile of " + std::to_string(bytes.size()) + " bytes, name " + std::to_string(nameLength);
    }
    return "unexpected file";
}

// Every save file of the folder complete; the temporary files a save writes first are not
// save files (the next save writes them anew).
void expectCompleteSaves(const fs::path& folder, const std::string& when) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == ".tmp") continue;
        EXPECT_EQ(problemOf(entry.path()), "") << entry.path().filename() << " " << when;
    }
}

// Removes the temporary files a save writes first; true when there were any, that is when the
// last kill fell between a save's first byte and its replacing the old file.
bool removeTemporaryFiles(const fs::path& folder) {
    bool any = false;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() != ".tmp") continue;
        fs::remove(entry.path());
        any = true;
    }
    return any;
}

std::map<std::string, std::string> folderContents(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        files[entry.path().filename().string()] = fileBytes(entry.path());
    return files;
}

int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

void waitFor(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
}

// --- Scripts of the moments that save ---

// Level play with the window losing and regaining the focus every few dozen frames (each
// suspension saves the player), a click to go on; the built-in player wins the level.
std::string suspensionScript() {
    std::ostringstream s;
    for (int frame = 40; frame < 1200; frame += 45)
        s << frame << " focus lost\n" << frame + 2 << " focus gained\n" << frame + 4 << " click 5 5\n";
    return s.str();
}

// Frames of the plain start before the main menu (intro pages and load screen).
constexpr int MENU = 770;

// From the plain start: a name entered, then the options opened and closed with Enter over and
// over (each close saves the settings).
std::string frontEndScript() {
    std::ostringstream s;
    s << MENU + 10 << " click 905 666\n" << MENU + 40 << " type Kit\n" << MENU + 45 << " tap enter\n";
    for (int frame = MENU + 80; frame < MENU + 600; frame += 30)
        s << frame << " click 665 666\n" << frame + 20 << " tap enter\n";
    return s.str();
}

class SaveSafety : public ::testing::Test {
protected:
    GameProcess game;

    GameResult play(const std::vector<std::string>& args) {
        std::vector<std::string> all{"--headless", "--no-pixels", "--seed", "3"};
        all.insert(all.end(), args.begin(), args.end());
        return game.run(all);
    }
};

// The save files as the game reads them back: each one loads without being set aside as damaged.
void expectSavesLoad(const fs::path& folder, const std::string& when) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("players", 0) != 0 || entry.path().extension() != ".ppp") continue;
        TSpieler profile;
        profile.SetURL(toString16(entry.path().string()));
        EXPECT_EQ(profile.LoadFromDisk(), 0) << name << " " << when;
    }
}

// One kind of moment that saves, and how the kills fall on it.
struct KillPlan {
    const char* name;
    bool freshFolder;  // every run starts without a save folder (a first start)
    int kills;
    unsigned seed;
};

std::ostream& operator<<(std::ostream& out, const KillPlan& plan) { return out << plan.name; }

class KilledGame : public SaveSafety, public ::testing::WithParamInterface<KillPlan> {
protected:
    std::vector<std::string> scenarioArgs() const {
        if (std::string(GetParam().name).find("level") != std::string::npos)
            return {"--level", "1", "--autoplay", "--script", game.script("suspend.txt", suspensionScript())};
        return {"--script", game.script("front.txt", frontEndScript()), "--frames", std::to_string(MENU + 620)};
    }

    // Starts the game and kills it with SIGKILL after `delay`.
    void killAfter(const std::vector<std::string>& args, std::chrono::microseconds delay) {
        std::vector<std::string> all{"--headless", "--no-pixels", "--seed", "3"};
        all.insert(all.end(), args.begin(), args.end());
        const pid_t pid = game.start(all);
        std::this_thread::sleep_for(delay);
        kill(pid, SIGKILL);
        waitFor(pid);
    }

    // Starts the game and kills it with SIGKILL `delay` after the `nth` temporary file of a save
    // appeared in the save folder (or when the run ends first).
    void killInsideSave(const std::vector<std::string>& args, int nth, std::chrono::microseconds delay) {
        std::vector<std::string> all{"--headless", "--no-pixels", "--seed", "3"};
        all.insert(all.end(), args.begin(), args.end());
        const int watch = inotify_init1(IN_NONBLOCK);
        inotify_add_watch(watch, game.saveFolder().c_str(), IN_CREATE);
        const pid_t pid = game.start(all);
        for (int seen = 0; seen <= nth && waitForTemporaryFile(watch);) ++seen;
        std::this_thread::sleep_for(delay);
        kill(pid, SIGKILL);
        waitFor(pid);
        close(watch);
    }

    // True when a temporary file was made in the watched folder within a few seconds.
    static bool waitForTemporaryFile(int watch) {
        alignas(inotify_event) char buffer[4096];
        pollfd ready{watch, POLLIN, 0};
        while (poll(&ready, 1, 5000) > 0) {
            const ssize_t got = read(watch, buffer, sizeof buffer);
            for (ssize_t at = 0; at < got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if (event->len > 0 && fs::path(event->name).extension() == ".tmp") return true;
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        return false;
    }

    void expectRestartOnTheSaves(const std::string& when) {
        GameResult again = play({"--frames", "20"});
        EXPECT_EQ(again.exitCode, 0) << when << "\n" << again.errorOutput;
        expectCompleteSaves(game.saveFolder(), when);
    }
};

// Each run is killed at a moment drawn evenly from the time a whole run takes, so kills fall
// on loading, play and every save of the run; after each kill the saves must be complete and
// load, and every so often the game is started again on them.
TEST_P(KilledGame, LeavesCompleteSavesAndStartsAgain) {
    const KillPlan& plan = GetParam();
    const std::vector<std::string> args = scenarioArgs();
    const auto begin = std::chrono::steady_clock::now();
    ASSERT_EQ(play(args).exitCode, 0);
    const auto span = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - begin);
    std::mt19937 random(plan.seed);
    std::uniform_int_distribution<long long> moment(0, span.count());
    fs::remove_all(game.saveFolder());
    int midSave = 0;
    for (int kill = 1; kill <= plan.kills; ++kill) {
        if (plan.freshFolder) fs::remove_all(game.saveFolder());
        killAfter(args, std::chrono::microseconds(moment(random)));
        const std::string when = "after kill " + std::to_string(kill);
        if (!fs::is_directory(game.saveFolder())) continue;
        midSave += removeTemporaryFiles(game.saveFolder()) ? 1 : 0;
        expectCompleteSaves(game.saveFolder(), when);
        expectSavesLoad(game.saveFolder(), when);
        if (kill % 20 == 0) expectRestartOnTheSaves(when);
        if (HasFailure()) return;
    }
    std::cout << plan.kills << " kills, " << midSave << " of them inside a save (its temporary file left behind)\n";
}

// Kills aimed at the saves themselves: each run is killed just after one of its saves began
// writing (its temporary file appeared), a few dozen microseconds later or at once.
TEST_F(KilledGame, KilledWhileSavingLeavesCompleteSaves) {
    const std::vector<std::string> args = {"--level", "1", "--autoplay", "--script",
                                           game.script("suspend.txt", suspensionScript())};
    ASSERT_EQ(play({"--level", "1", "--frames", "30"}).exitCode, 0);
    std::mt19937 random(5);
    std::uniform_int_distribution<int> nth(0, 6);
    std::uniform_int_distribution<int> delay(0, 60);
    int midSave = 0;
    constexpr int KILLS = 40;
    for (int kill = 1; kill <= KILLS; ++kill) {
        killInsideSave(args, nth(random), std::chrono::microseconds(delay(random)));
        const std::string when = "after aimed kill " + std::to_string(kill);
        midSave += removeTemporaryFiles(game.saveFolder()) ? 1 : 0;
        expectCompleteSaves(game.saveFolder(), when);
        expectSavesLoad(game.saveFolder(), when);
        if (kill % 20 == 0) expectRestartOnTheSaves(when);
        if (HasFailure()) return;
    }
    std::cout << KILLS << " aimed kills, " << midSave << " of them inside a save (its temporary file left behind)\n";
}

// 200 kills in all, split so that the test runs spread over parallel test processes.
INSTANTIATE_TEST_SUITE_P(Kills, KilledGame,
                         ::testing::Values(KillPlan{"level play, suspension and the won level", false, 40, 1},
                                           KillPlan{"level play from a first start", true, 40, 2},
                                           KillPlan{"name entry and options from a first start", true, 60, 3},
                                           KillPlan{"name entry and options again", true, 60, 4}),
                         [](const ::testing::TestParamInfo<KillPlan>& info) {
                             return "plan" + std::to_string(info.index);
                         });

// The first line of the edition's save-failure text, as the message box shows it.
std::string saveFailureText() {
    std::istringstream lines(fileBytes(fs::path(PENDREL_BUILD_DIR) / "data/texts/codetexts.txt"));
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("savefailed=", 0) == 0) return line.substr(11, line.find("%n") - 11);
    return "savefailed text missing";
}

constexpr int FRAME_BOUND = 5000;

// A player in level 1 with every save file written, then a run that suspends the level again and
// again and wins it while the saves fail: the run ends as usual, the profile stays as it was,
// and the player is told once.
class FailingSaves : public SaveSafety {
protected:
    // `failing` makes the saves of the child fail.
    void expectPreviousSaveKeptAndToldOnce(std::function<void()> failing) {
        ASSERT_EQ(play({"--level", "1", "--frames", "30"}).exitCode, 0);
        game.childSetup = std::move(failing);
        const std::map<std::string, std::string> before = folderContents(game.saveFolder());
        const fs::path trace = game.scratch("trace.txt");
        const std::string script = game.script("suspend.txt", suspensionScript());
        // No dump: a full disk would cut it. The built-in player ends the run once the level is won.
        GameResult result = play({"--level", "1", "--autoplay", "--script", script, "--trace", trace.string(),
                                  "--frames", std::to_string(FRAME_BOUND), "--stats"});
        game.childSetup = nullptr;
        ASSERT_EQ(result.exitCode, 0) << result.errorOutput;
        EXPECT_EQ(result.errorOutput.find("frames=" + std::to_string(FRAME_BOUND)), std::string::npos)
            << "the level was played to its win: " << result.errorOutput;
        EXPECT_EQ(folderContents(game.saveFolder()).at("players1.ppp"), before.at("players1.ppp"));
        expectCompleteSaves(game.saveFolder(), "after the failed saves");
        EXPECT_EQ(occurrences(result.errorOutput, saveFailureText()), 1) << result.errorOutput;
        const std::string traced = fileBytes(trace);
        EXPECT_EQ(occurrences(traced, "Speichern fehlgeschlagen"), 1) << traced;
        EXPECT_GE(occurrences(traced, "Profil nicht gespeichert"), 3) << "several saves failed";
    }
};

TEST_F(FailingSaves, AFullDiskKeepsThePreviousSave) {
    // Files may grow to 7000 bytes: the settings and best times fit, a profile does not.
    expectPreviousSaveKeptAndToldOnce([] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{7000, 7000};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
}

TEST_F(FailingSaves, AReadOnlySaveFolderKeepsThePreviousSave) {
    expectPreviousSaveKeptAndToldOnce([folder = game.saveFolder()] {
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
        // Root writes anywhere unless it gives up overriding file permissions.
        for (int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            prctl(PR_CAPBSET_DROP, capability, 0, 0, 0);
    });
    fs::permissions(game.saveFolder(), fs::perms::owner_all);
}

}  // namespace
