// One level as its designer writes it: the 20x13 map of characters and the five
// goal counts, parsed from the readable source text in assets/levels/. The map
// characters stand for the cell codes of the game's level files.
#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <string>

namespace levels {

constexpr int kColumns = 20;
constexpr int kRows = 13;
constexpr int kColours = 5;

// Map characters and the cell codes they compile to (the file stores code - 1).
constexpr char kEmpty = '.';  // no cell
constexpr char kCell = 'o';   // plain cell, code 1
constexpr char kMoss = 'm';   // moss cell, code 4
constexpr char kStone = 'S';  // stone block, code 5
constexpr char kDoor = 'D';   // door block, code 6

// A level that breaks a rule or cannot be read; the message names file, row and column.
class LevelError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct LevelSource {
    std::string file;  // file name, for messages
    int number = 0;    // level number 1..80
    // map[row - 1][column - 1] for file rows 1..13 and columns 1..20.
    std::array<std::array<char, kColumns>, kRows> map{};
    std::array<int, kColours> goals{};  // goal count of colours 1..5
};

// Parses a source text: '#' comment lines, one "goals A B C D E" line and the
// 13 map lines of 20 characters, in any order of goals and map. Throws LevelError.
LevelSource parseLevelSource(const std::string& text, const std::string& file, int number);

// The cell code a map character stands for (0 for no cell), or nothing when the
// character is not in the legend.
std::optional<int> cellCode(char mapCharacter);

// "FILE row R column C: what" for a message about one map position.
std::string atPosition(const LevelSource& level, int row, int column, const std::string& what);

}  // namespace levels
