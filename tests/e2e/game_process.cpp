// Child processes of the game for end-to-end tests.
#include "e2e/game_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <sstream>
#include <utility>

namespace {

std::filesystem::path makeTempFolder(const char* prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / (std::string(prefix) + "XXXXXX")).string();
    return mkdtemp(pattern.data());
}

int waitFor(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

GameProcess::GameProcess(std::filesystem::path binary)
    : binary_(std::move(binary)), runtime_(makeTempFolder("pendrel-run-")), scratch_(runtime_ / "scratch") {
    std::filesystem::create_directories(scratch_);
}

GameProcess::~GameProcess() { std::filesystem::remove_all(runtime_); }

pid_t GameProcess::spawn(const std::vector<std::string>& args, const std::filesystem::path& workDir,
                         const std::filesystem::path& errorFile) const {
    pid_t pid = fork();
    if (pid != 0) return pid;
    if (childSetup) childSetup();
    std::filesystem::current_path(workDir);
    setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
    setenv("XDG_DATA_HOME", (runtime_ / "data").c_str(), 1);
    unsetenv("PENDREL_DATA");
    for (const auto& [name, value] : environment_) setenv(name.c_str(), value.c_str(), 1);
    int errorOut = open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(errorOut, 2);
    std::vector<char*> argv{const_cast<char*>(binary_.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(binary_.c_str(), argv.data());
    _exit(127);
}

GameResult GameProcess::run(const std::vector<std::string>& args, const std::filesystem::path& workDir) {
    std::filesystem::path errorFile = runtime_ / "stderr.txt";
    GameResult result;
    result.exitCode = waitFor(spawn(args, workDir, errorFile));
    std::ifstream errors(errorFile);
    std::ostringstream text;
    text << errors.rdbuf();
    result.errorOutput = text.str();
    return result;
}

pid_t GameProcess::start(const std::vector<std::string>& args, const std::filesystem::path& workDir) {
    return spawn(args, workDir, runtime_ / "stderr-background.txt");
}

void GameProcess::stop(pid_t pid) {
    kill(pid, SIGTERM);
    waitFor(pid);
}

std::string GameProcess::script(const std::string& name, const std::string& text) const {
    std::filesystem::path file = scratch(name);
    std::ofstream(file) << text;
    return file.string();
}

nlohmann::json GameProcess::readDump(const std::filesystem::path& file) {
    std::ifstream input(file);
    if (!input) return nullptr;
    return nlohmann::json::parse(input, nullptr, false);
}
