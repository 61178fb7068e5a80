// Reads the designer's level text: comment lines, the goals line and the map.
#include "level_source.h"

#include <sstream>

namespace levels {

namespace {

std::string atLine(const std::string& file, int line, const std::string& what) {
    return file + " line " + std::to_string(line) + ": " + what;
}

// Reads "goals A B C D E": five whole counts from 0 to 999 (the goal bar shows three digits).
std::array<int, kColours> parseGoals(const std::string& line, const std::string& file,
                                     int lineNumber) {
    std::istringstream in(line);
    std::string word;
    in >> word;
    std::array<int, kColours> goals{};
    for (int& goal : goals) {
        std::string token;
        if (!(in >> token) || token.find_first_not_of("0123456789") != std::string::npos ||
            token.size() > 3) {
            throw LevelError(atLine(file, lineNumber, "goals need five counts from 0 to 999"));
        }
        goal = std::stoi(token);
    }
    if (std::string extra; in >> extra) {
        throw LevelError(atLine(file, lineNumber, "goals need exactly five counts, found more"));
    }
    return goals;
}

}  // namespace

std::optional<int> cellCode(char mapCharacter) {
    switch (mapCharacter) {
    case kEmpty: return 0;
    case kCell: return 1;
    case kMoss: return 4;
    case kStone: return 5;
    case kDoor: return 6;
    default: return std::nullopt;
    }
}

std::string atPosition(const LevelSource& level, int row, int column, const std::string& what) {
    return level.file + " row " + std::to_string(row) + " column " + std::to_string(column) + ": " +
           what;
}

LevelSource parseLevelSource(const std::string& text, const std::string& file, int number) {
    LevelSource level;
    level.file = file;
    level.number = number;
    bool haveGoals = false;
    int rows = 0;
    std::istringstream in(text);
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (line.starts_with("goals")) {
            if (haveGoals) {
                throw LevelError(atLine(file, lineNumber, "a second goals line"));
            }
            level.goals = parseGoals(line, file, lineNumber);
            haveGoals = true;
            continue;
        }
        if (rows == kRows) {
            throw LevelError(atLine(file, lineNumber, "more than 13 map rows"));
        }
        if (line.size() != size_t(kColumns)) {
            throw LevelError(atLine(
                file, lineNumber,
                "a map row needs exactly 20 characters, found " + std::to_string(line.size())));
        }
        for (int column = 0; column < kColumns; ++column) {
            if (!cellCode(line[size_t(column)])) {
                throw LevelError(atPosition(
                    level, rows + 1, column + 1,
                    std::string("unknown map character '") + line[size_t(column)] + "'"));
            }
            level.map[size_t(rows)][size_t(column)] = line[size_t(column)];
        }
        ++rows;
    }
    if (rows != kRows) {
        throw LevelError(file + ": the map needs 13 rows, found " + std::to_string(rows));
    }
    if (!haveGoals) {
        throw LevelError(file + ": no goals line");
    }
    return level;
}

}  // namespace levels
