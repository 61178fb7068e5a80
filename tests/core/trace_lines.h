// Reads the trace file that debugLog writes, for tests that check trace texts.
#pragma once

#include <fstream>
#include <string>
#include <utility>
#include <vector>

// The lines added to a trace file since the previous call, keeping only those that
// start with `prefix` (the platform may trace its own lines in between; "" keeps all).
class TraceLines {
public:
    TraceLines(std::string file, std::string linePrefix) : path(std::move(file)), prefix(std::move(linePrefix)) {}

    std::vector<std::string> fresh() {
        std::ifstream file(path);
        std::vector<std::string> result;
        std::string line;
        for (size_t index = 0; std::getline(file, line); ++index) {
            if (index < seen) continue;
            seen = index + 1;
            if (line.rfind(prefix, 0) == 0) result.push_back(line);
        }
        return result;
    }

private:
    std::string path;
    std::string prefix;
    size_t seen = 0;
};
