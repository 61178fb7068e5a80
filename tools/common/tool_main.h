// The shared entry of the data tools: each takes the output folder (the build folder, the
// game's working folder) as its one argument and reports a failure with a non-zero exit.
#pragma once

#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>

// Runs `body` with the output folder from the command line: 0 on success, 1 when it threw, 2 on bad usage.
inline int runDataTool(int argc, char** argv, const std::function<void(const std::filesystem::path&)>& body) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    try {
        body(argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", std::filesystem::path(argv[0]).filename().c_str(), error.what());
        return 1;
    }
    return 0;
}
