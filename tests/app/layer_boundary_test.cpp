// Only the platform layer may include SDL or the codec libraries.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

TEST(LayerBoundary, NoSdlOrCodecIncludesAboveThePlatform) {
    const std::regex forbidden(R"(#\s*include\s*[<"](SDL|png\.h|jpeglib|vorbis|ogg/))");
    const std::filesystem::path src = std::filesystem::path(PENDREL_SOURCE_DIR) / "src";
    int checked = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(src)) {
        if (!entry.is_regular_file()) continue;
        if (entry.path().parent_path().filename() == "platform") continue;
        std::ifstream file(entry.path());
        std::string line;
        for (int number = 1; std::getline(file, line); ++number) {
            EXPECT_FALSE(std::regex_search(line, forbidden)) << entry.path() << ":" << number << ": " << line;
        }
        ++checked;
    }
    EXPECT_GT(checked, 10);
}
