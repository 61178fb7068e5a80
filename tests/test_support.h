// Shared test helpers: a temporary working folder for tests that read game files by
// their relative "data/…" names.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

// Creates an empty folder, makes it the working folder, and restores and removes it at the end.
class ScopedWorkDir {
public:
    ScopedWorkDir() : previous_(std::filesystem::current_path()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "pendrel-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
        std::filesystem::current_path(path_);
    }
    ~ScopedWorkDir() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(path_);
    }
    ScopedWorkDir(const ScopedWorkDir&) = delete;
    ScopedWorkDir& operator=(const ScopedWorkDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes a file below the folder, creating its parent folders.
    void write(const std::string& relative, const std::string& bytes) const {
        std::filesystem::path file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
    }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};
