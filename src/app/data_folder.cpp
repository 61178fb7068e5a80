// Data folder lookup.
#include "app/data_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/platform.h"

namespace fs = std::filesystem;

namespace {

// The running program's path from /proc/self/exe; "" when it cannot be read.
std::string executablePath() {
    std::error_code error;
    const fs::path path = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

}  // namespace

std::vector<std::string> dataFolderCandidates(const char* environment, const std::string& executable) {
    std::vector<std::string> candidates;
    if (environment != nullptr && environment[0] != '\0') candidates.push_back(environment);
    if (!executable.empty()) {
        const fs::path prefix = fs::path(executable).parent_path().parent_path();
        candidates.push_back((prefix / "share" / "pendrel").lexically_normal().string());
    }
    candidates.push_back("data");
    return candidates;
}

std::optional<std::string> firstExistingFolder(const std::vector<std::string>& candidates) {
    for (const std::string& folder : candidates) {
        std::error_code error;
        if (fs::is_directory(folder, error)) return folder;
    }
    return std::nullopt;
}

std::string missingDataMessage(const std::vector<std::string>& tried) {
    std::string message = "The game's data folder was not found. Folders tried:";
    for (const std::string& folder : tried) {
        std::error_code error;
        const fs::path absolute = fs::absolute(folder, error);
        message += "\n  " + (error ? folder : absolute.lexically_normal().string());
    }
    return message + "\nSet PENDREL_DATA to the folder that holds the game's data.";
}

std::optional<std::string> locateDataFolder() {
    const std::vector<std::string> candidates = dataFolderCandidates(std::getenv("PENDREL_DATA"), executablePath());
    const std::optional<std::string> folder = firstExistingFolder(candidates);
    if (!folder) return missingDataMessage(candidates);
    setDataFolder(*folder);
    return std::nullopt;
}
