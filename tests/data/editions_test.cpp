// The pictures that carry words were painted from the sources of the edition this build
// was made for: the painting tools log each source with its checksum and every picture
// with its own, and the pictures in the data folder still have the checksums logged.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <zlib.h>

namespace {

const std::filesystem::path ASSETS_DIR = std::filesystem::path(PENDREL_SOURCE_DIR) / "assets";

std::string crcOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    EXPECT_TRUE(in) << file;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(bytes.data()), uInt(bytes.size()));
    std::ostringstream hex;
    hex.width(8);
    hex.fill('0');
    hex << std::hex << crc;
    return hex.str();
}

// A tool's log: the "source" line's name and checksum, and the checksum of each picture.
struct SourceLog {
    std::string source, sourceCrc;
    std::map<std::string, std::string> pictures;
};

SourceLog readLog(const std::filesystem::path& file) {
    std::ifstream in(file);
    EXPECT_TRUE(in) << file;
    SourceLog log;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string name, crc;
        words >> name >> crc;
        if (name == "source") {
            log.source = crc;
            words >> log.sourceCrc;
        } else {
            log.pictures[name] = crc;
        }
    }
    return log;
}

// Every picture the log names lies in `folder` with the checksum logged, and the log's source
// is the edition's own file as it is now.
void expectPaintedFrom(const std::string& logName, const std::filesystem::path& source, const std::string& folder,
                       const std::vector<std::string>& pictures) {
    const SourceLog log = readLog(std::filesystem::path("contact") / logName);
    EXPECT_EQ(log.source, source.filename().string()) << logName << ": painted from another edition's source";
    EXPECT_EQ(log.sourceCrc, crcOf(source)) << logName << ": painted before the source last changed";
    EXPECT_EQ(log.pictures.size(), pictures.size()) << logName;
    for (const std::string& picture : pictures) {
        ASSERT_TRUE(log.pictures.count(picture)) << logName << " does not name " << picture;
        EXPECT_EQ(log.pictures.at(picture), crcOf(std::filesystem::path("data") / folder / picture))
            << picture << " was not painted by the logged run";
    }
}

TEST(EditionPictures, StoryPagesWerePaintedFromTheBuiltEditionsStory) {
    std::vector<std::string> pages;
    for (int page = 1; page <= 11; ++page) pages.push_back("story" + std::to_string(page) + ".jpg");
    expectPaintedFrom("story_source.txt", ASSETS_DIR / "story" / ("story." PENDREL_LANGUAGE ".txt"), "story", pages);
}

TEST(EditionPictures, IntroPagesWerePaintedFromTheBuiltEditionsWords) {
    expectPaintedFrom("branding_source.txt", ASSETS_DIR / "branding" / ("intro." PENDREL_LANGUAGE ".txt"), "branding",
                      {"studio.jpg", "title.jpg"});
}

}  // namespace
