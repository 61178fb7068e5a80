// Small hand-made level texts for the compiler's tests: a valid board that each
// test breaks in one place.
#pragma once

#include <string>
#include <vector>

#include "level_source.h"

namespace levels_testing {

// A 13x20 map of empty positions with a 6x6 block of plain cells in rows 3-8, columns 3-8.
inline std::vector<std::string> blockMap() {
    std::vector<std::string> map(13, std::string(20, '.'));
    for (int row = 3; row <= 8; ++row) {
        for (int column = 3; column <= 8; ++column) {
            map[size_t(row - 1)][size_t(column - 1)] = 'o';
        }
    }
    return map;
}

// Marks the map position at file row and column (both from 1).
inline void put(std::vector<std::string>& map, int row, int column, char character) {
    map[size_t(row - 1)][size_t(column - 1)] = character;
}

inline std::string levelText(const std::vector<std::string>& map, const std::string& goals) {
    std::string text = "# test board\r\ngoals " + goals + "\r\n";
    for (const std::string& line : map) {
        text += line + "\r\n";
    }
    return text;
}

inline levels::LevelSource parse(const std::vector<std::string>& map, int number = 10,
                                 const std::string& goals = "5 5 8 8 8") {
    return levels::parseLevelSource(levelText(map, goals), "test.txt", number);
}

}  // namespace levels_testing
