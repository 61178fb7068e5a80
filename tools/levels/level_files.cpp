// Compiles checked level sources into the game's binary level files.
#include "level_files.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "level_rules.h"

namespace levels {

namespace {

void appendInt32(tools::Bytes& bytes, std::int32_t value) {
    const auto bits = std::uint32_t(value);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(std::uint8_t(bits >> shift));
    }
}

std::string threeDigits(int number) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", number);
    return digits;
}

}  // namespace

tools::Bytes encodeLevel(const LevelSource& level) {
    tools::Bytes bytes;
    for (const auto& line : level.map) {
        for (char character : line) {
            appendInt32(bytes, *cellCode(character) - 1);
        }
    }
    return bytes;
}

tools::Bytes encodeGoalTable(const std::vector<LevelSource>& levels) {
    tools::Bytes bytes;
    for (const LevelSource& level : levels) {
        for (int goal : level.goals) {
            appendInt32(bytes, goal);
        }
    }
    return bytes;
}

std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw LevelError(path.filename().string() + ": cannot read " + path.string());
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string sourceName(int number) {
    return "level" + threeDigits(number) + ".txt";
}

std::filesystem::path levelPath(int number) {
    return std::filesystem::path("data/levels") / ("lvla" + threeDigits(number) + ".lvl");
}

std::vector<LevelSource> loadLevels(const std::filesystem::path& sourceFolder) {
    std::vector<LevelSource> levels;
    for (int number = 1; number <= kLevelCount; ++number) {
        const std::string name = sourceName(number);
        levels.push_back(parseLevelSource(readText(sourceFolder / name), name, number));
        checkLevel(levels.back());
    }
    return levels;
}

void writeLevels(const std::vector<LevelSource>& levels, const std::filesystem::path& out) {
    for (const LevelSource& level : levels) {
        tools::writeFile(out / levelPath(level.number), encodeLevel(level));
    }
    tools::writeFile(out / levelPath(0), encodeGoalTable(levels));
}

}  // namespace levels
