// The layers of src/ and the one direction their includes may take: only the platform layer
// includes SDL or the codec libraries, and every folder includes only the folders below it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

// Each folder's rank: a folder may include its own headers and those of lower ranks. The
// front-end scenes sit above the board, whose pieces the scene table and previews use.
const std::map<std::string, int> LAYER_RANKS = {
    {"platform", 0}, {"core", 1}, {"font", 1}, {"game", 2}, {"persist", 3},
    {"ui", 4},       {"match3", 5}, {"scenes", 6}, {"app", 7},
};

struct Include {
    std::filesystem::path file;
    int line = 0;
    std::string text;
};

std::vector<Include> includesBelow(const std::filesystem::path& root, const std::regex& pattern) {
    std::vector<Include> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream file(entry.path());
        std::string line;
        for (int number = 1; std::getline(file, line); ++number)
            if (std::regex_search(line, pattern)) found.push_back({entry.path(), number, line});
    }
    return found;
}

// The folders an include line of a file in `folder` reaches against the layer order; empty when allowed.
std::string layerViolation(const std::string& folder, const std::string& line) {
    static const std::regex local(R"(#\s*include\s*"([a-z0-9_]+)/)");
    std::smatch match;
    if (!std::regex_search(line, match, local)) return "";
    auto from = LAYER_RANKS.find(folder);
    auto to = LAYER_RANKS.find(match[1].str());
    if (from == LAYER_RANKS.end() || to == LAYER_RANKS.end()) return "unknown folder";
    if (to->second > from->second) return folder + " includes " + to->first;
    return "";
}

const std::filesystem::path SOURCES = std::filesystem::path(PENDREL_SOURCE_DIR) / "src";

}  // namespace

TEST(LayerBoundary, NoSdlOrCodecIncludesAboveThePlatform) {
    const std::regex forbidden(R"(#\s*include\s*[<"](SDL|png\.h|jpeglib|vorbis|ogg/))");
    int checked = 0;
    for (const Include& include : includesBelow(SOURCES, forbidden)) {
        EXPECT_EQ(include.file.parent_path().filename(), "platform") << include.file << ":" << include.line;
        ++checked;
    }
    EXPECT_GT(checked, 3);
}

TEST(LayerBoundary, EveryIncludeGoesDownTheLayers) {
    const std::regex anyLocal(R"(#\s*include\s*")");
    int checked = 0;
    for (const Include& include : includesBelow(SOURCES, anyLocal)) {
        std::string folder = include.file.parent_path().filename().string();
        EXPECT_EQ(layerViolation(folder, include.text), "") << include.file << ":" << include.line << ": " << include.text;
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

TEST(LayerBoundary, TheRuleRefusesUpwardIncludes) {
    EXPECT_EQ(layerViolation("persist", R"(#include "match3/scene_match3.h")"), "persist includes match3");
    EXPECT_EQ(layerViolation("ui", R"(#include "app/globals.h")"), "ui includes app");
    EXPECT_EQ(layerViolation("game", R"(#include "persist/player.h")"), "game includes persist");
    EXPECT_EQ(layerViolation("match3", R"(#include "scenes/intro.h")"), "match3 includes scenes");
    EXPECT_EQ(layerViolation("font", R"(#include "core/bild.h")"), "");
    EXPECT_EQ(layerViolation("scenes", R"(#include "match3/scene_match3.h")"), "");
    EXPECT_EQ(layerViolation("app", R"(#include "platform/platform.h")"), "");
    EXPECT_EQ(layerViolation("ui", R"(#include "extra/thing.h")"), "unknown folder");
}
