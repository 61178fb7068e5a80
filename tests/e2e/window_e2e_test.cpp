// The game in a real window on a private X server without a window manager, where nobody
// resizes a window for it: the frame must fit what is really on screen, in full screen from
// the start and when a window is switched to full screen and keeps its size.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <fstream>

#include "e2e/game_process.h"

namespace {

// A private Xvfb of 1280×1024, started and ended by the test; its display name is empty when
// the server is missing or does not come up.
class PrivateXServer {
public:
    PrivateXServer() {
        if (access("/usr/bin/Xvfb", X_OK) != 0) return;
        const int number = freeDisplayNumber();
        const std::string name = ":" + std::to_string(number);
        pid_ = fork();
        if (pid_ == 0) {
            int devNull = open("/dev/null", O_WRONLY);
            dup2(devNull, STDOUT_FILENO);
            dup2(devNull, STDERR_FILENO);
            execl("/usr/bin/Xvfb", "Xvfb", name.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        if (pid_ > 0 && waitUntilListening(socketPath(number))) display_ = name;
    }
    ~PrivateXServer() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    const std::string& display() const { return display_; }

private:
    static std::string socketPath(int number) { return "/tmp/.X11-unix/X" + std::to_string(number); }

    // A display number no server holds, away from the low numbers desktops use.
    static int freeDisplayNumber() {
        for (int number = 90 + getpid() % 100;; ++number)
            if (access(socketPath(number).c_str(), F_OK) != 0 &&
                access(("/tmp/.X" + std::to_string(number) + "-lock").c_str(), F_OK) != 0)
                return number;
    }

    // The server takes a while before it listens on its display.
    static bool waitUntilListening(const std::string& path) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        for (int attempt = 0; attempt < 200; ++attempt) {
            int probe = socket(AF_UNIX, SOCK_STREAM, 0);
            bool listening = connect(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
            close(probe);
            if (listening) return true;
            usleep(50000);
        }
        return false;
    }

    pid_t pid_ = -1;
    std::string display_;
};

class Window : public ::testing::Test {
protected:
    void SetUp() override {
        if (server.display().empty()) GTEST_SKIP() << "no Xvfb on this machine";
        game.setEnvironment("DISPLAY", server.display());
        game.setEnvironment("SDL_AUDIODRIVER", "dummy");
        game.setEnvironment("SDL_VIDEODRIVER", "x11");  // no quiet fallback to another driver
        game.setEnvironment("LSAN_OPTIONS", "suppressions=" PENDREL_SOURCE_DIR "/tests/e2e/window_leaks.supp");
    }

    // The settings of a player who chose full screen (1) or the window (0).
    void chooseFullScreen(int fullScreen) {
        std::filesystem::create_directories(game.saveFolder());
        std::ofstream(game.saveFolder() / "settings.txt", std::ios::binary)
            << fullScreen << "\r\n100\r\n100\r\n-1\r\n0\r\n100\r\n";
    }

    nlohmann::json playLevel42(int frames, const std::string& script = "") {
        std::string dump = game.scratch("window.json").string();
        std::vector<std::string> args = {"--level",    "42",       "--seed",   "1",
                                         "--renderer", "software", "--frames", std::to_string(frames),
                                         "--dump",     dump};
        if (!script.empty()) args.insert(args.end(), {"--script", game.script("window.txt", script)});
        GameResult result = game.run(args);
        EXPECT_EQ(result.exitCode, 0) << result.errorOutput;
        return GameProcess::readDump(dump);
    }

    PrivateXServer server;
    GameProcess game;
};

}  // namespace

TEST_F(Window, FullScreenFromTheStartCoversTheScreen) {
    chooseFullScreen(1);
    nlohmann::json window = playLevel42(40)["window"];
    EXPECT_EQ(window["width"], 1280);
    EXPECT_EQ(window["height"], 1024);
    EXPECT_EQ(window["frame"], nlohmann::json({0, 32, 1280, 960}));
}

TEST_F(Window, AWindowThatRefusesToGrowKeepsTheWholeFrame) {
    chooseFullScreen(0);
    // In-game menu, its options, the full-screen check box: SDL now takes the window for the
    // screen's size, but no window manager grows it.
    nlohmann::json state = playLevel42(260, "150 click 937 29\n190 click 606 361\n230 click 302 434\n");
    EXPECT_EQ(state["config"]["fullscreen"], 1);
    EXPECT_EQ(state["window"]["width"], 1024);
    EXPECT_EQ(state["window"]["height"], 768);
    EXPECT_EQ(state["window"]["frame"], nlohmann::json({0, 0, 1024, 768}));
}
