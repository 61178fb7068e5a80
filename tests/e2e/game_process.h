// Runs the game binary as a child process for end-to-end tests: arguments, working folder,
// its own runtime folder (so parallel runs do not meet at the single-instance lock),
// exit code and standard error.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

struct GameResult {
    int exitCode = -1;
    std::string errorOutput;
};

class GameProcess {
public:
    // A private runtime folder and scratch folder for this test; `binary` is the program to run.
    explicit GameProcess(std::filesystem::path binary = PENDREL_GAME_BINARY);
    ~GameProcess();

    // Runs the game to its end; the working folder defaults to the build folder.
    GameResult run(const std::vector<std::string>& args, const std::filesystem::path& workDir = PENDREL_BUILD_DIR);
    // Starts the game without waiting; returns its process id.
    pid_t start(const std::vector<std::string>& args, const std::filesystem::path& workDir = PENDREL_BUILD_DIR);
    // Ends a process this test started and reaps it.
    void stop(pid_t pid);

    // Sets an environment variable for the runs to come ($PENDREL_DATA is unset unless set here).
    void setEnvironment(const std::string& name, const std::string& value) { environment_[name] = value; }

    // A file in this test's scratch folder.
    std::filesystem::path scratch(const std::string& name) const { return scratch_ / name; }
    std::filesystem::path lockFile() const { return runtime_ / "Pendrel.lock"; }
    // The game's save folder under this test's own per-user data folder.
    std::filesystem::path saveFolder() const { return runtime_ / "data" / "Pendrel"; }
    // Writes a script file into the scratch folder and returns its path.
    std::string script(const std::string& name, const std::string& text) const;
    // Reads a --dump file.
    static nlohmann::json readDump(const std::filesystem::path& file);

    // Run in the child before the game starts (limits, privileges); none by default.
    std::function<void()> childSetup;

private:
    pid_t spawn(const std::vector<std::string>& args, const std::filesystem::path& workDir,
                const std::filesystem::path& errorFile) const;

    std::filesystem::path binary_;
    std::map<std::string, std::string> environment_;
    std::filesystem::path runtime_;
    std::filesystem::path scratch_;
};
