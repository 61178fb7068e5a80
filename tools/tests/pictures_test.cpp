// The pictures tools' output as the game will read it: intro pages named by
// the splash configuration and painted with each edition's words, pointers whose
// tip is the top-left pixel, a window icon whose first entry is a 32x32 picture,
// and byte-identical reruns.
#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "decoders.h"
#include "pictures/branding.h"
#include "pictures/generators.h"

using namespace testing_tools;

namespace {

std::filesystem::path introWords(const std::string& language) {
    return std::filesystem::path(PENDREL_ASSETS_DIR) / "branding" / ("intro." + language + ".txt");
}

void writeAll(const std::filesystem::path& out) {
    pictures::writeBranding(out, introWords("en"));
    pictures::writePointers(out);
    pictures::writeIcon(out);
}

std::vector<std::string> splashLines() {
    const tools::Bytes bytes =
        readBytes(std::filesystem::path(PENDREL_ASSETS_DIR) / "branding/splashconfig.txt");
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        EXPECT_EQ(line.back(), '\r') << "line without CR LF: " << line;
        line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The game draws a pointer with its top-left corner at the mouse position, so
// the tip must be the topmost and leftmost part of the picture, in its corner.
void expectTipAtTopLeft(const tools::RgbaImage& image) {
    ASSERT_EQ(image.width, 32);
    ASSERT_EQ(image.height, 32);
    int top = 32, left = 32, xAtTop = 32;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (image.pixels[size_t(y * 32 + x) * 4 + 3] < 128) {
                continue;
            }
            if (y < top) {
                top = y;
                xAtTop = x;
            }
            left = std::min(left, x);
        }
    }
    EXPECT_LE(top, 2);
    EXPECT_LE(left, 2);
    EXPECT_LE(xAtTop, 3) << "the top of the picture must be the tip, not a flat edge";
}

uint32_t littleEndian(const tools::Bytes& bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | bytes.at(at + size_t(i));
    }
    return value;
}

}  // namespace

TEST(Pictures, SplashConfigNamesTheIntroPagesInBlocksTheGameReads) {
    const ScratchFolder folder("branding");
    const auto& out = folder.path();
    pictures::writeBranding(out, introWords("en"));
    const std::vector<std::string> lines = splashLines();
    ASSERT_LE(lines.size(), 29u);
    ASSERT_NE(lines.back().substr(0, 4), ";---") << "a final separator opens an empty page";
    int pages = 1;
    for (const std::string& line : lines) {
        if (line.rfind(";---", 0) == 0) {
            ++pages;
        } else if (line.substr(0, 4) == "file") {
            const tools::RgbaImage page = decodeJpeg(out / "data/branding" / line.substr(5));
            EXPECT_EQ(page.width, 1024) << line;
            EXPECT_EQ(page.height, 768) << line;
        }
    }
    EXPECT_EQ(pages, 2);
}

std::string introErrorOf(const std::string& source) {
    try {
        pictures::checkIntroWordsFit(pictures::parseIntroWords(source));
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "";
}

TEST(IntroWords, ReadsTheThreeTextsAndRefusesMalformedSourcesNamingTheLine) {
    const pictures::IntroWords words =
        pictures::parseIntroWords("# comment\r\n\r\nteam = Das Team\r\npresents=zeigt\nsubtitle=Ein Spiel\n");
    EXPECT_EQ(words.team, "Das Team");
    EXPECT_EQ(words.presents, "zeigt");
    EXPECT_EQ(words.subtitle, "Ein Spiel");
    const std::string valid = "team=T\npresents=p\nsubtitle=S\n";
    EXPECT_EQ(introErrorOf(valid), "");
    EXPECT_NE(introErrorOf(valid + "title=X\n").find("line 4: unknown key \"title\""), std::string::npos);
    EXPECT_NE(introErrorOf(valid + "team=U\n").find("line 4: \"team\" given twice"), std::string::npos);
    EXPECT_NE(introErrorOf("team=\n").find("line 1: \"team\" without a text"), std::string::npos);
    EXPECT_NE(introErrorOf("just words\n").find("line 1"), std::string::npos);
    EXPECT_NE(introErrorOf("team=T\npresents=p\n").find("no \"subtitle\" line"), std::string::npos);
}

TEST(IntroWords, BothEditionsFitTheirPagesAndTooWideWordsAreRefused) {
    for (const char* language : {"en", "de"}) {
        const tools::Bytes source = readBytes(introWords(language));
        EXPECT_EQ(introErrorOf(std::string(source.begin(), source.end())), "") << language;
    }
    const std::string wide(40, 'W');
    EXPECT_NE(introErrorOf("team=" + wide + "\npresents=p\nsubtitle=S\n").find("the team"), std::string::npos);
    EXPECT_NE(introErrorOf("team=T\npresents=" + wide + "\nsubtitle=S\n").find("the presents"), std::string::npos);
    EXPECT_NE(introErrorOf("team=T\npresents=p\nsubtitle=" + wide + "\n").find("the subtitle"), std::string::npos);
}

TEST(Pictures, PointersAre32PixelsWithTheirTipAtTheTopLeft) {
    const ScratchFolder folder("pointers");
    const auto& out = folder.path();
    pictures::writePointers(out);
    expectTipAtTopLeft(decodePng(readBytes(out / "data/ui/cursor.png")));
    expectTipAtTopLeft(decodePng(readBytes(out / "data/ui/key.png")));
}

TEST(Pictures, IconStartsWithA32PixelEntryAndEveryEntryDecodes) {
    const ScratchFolder folder("icon");
    const auto& out = folder.path();
    pictures::writeIcon(out);
    const tools::Bytes ico = readBytes(out / "data/icon32.ico");
    ASSERT_GE(ico.size(), 22u);
    EXPECT_EQ(littleEndian(ico, 0, 2), 0u);
    EXPECT_EQ(littleEndian(ico, 2, 2), 1u);
    const uint32_t count = littleEndian(ico, 4, 2);
    ASSERT_GE(count, 1u);
    EXPECT_EQ(ico[6], 32);
    EXPECT_EQ(ico[7], 32);
    for (uint32_t i = 0; i < count; ++i) {
        const size_t entry = 6 + 16 * size_t(i);
        EXPECT_EQ(littleEndian(ico, entry + 6, 2), 32u) << "bits per pixel of entry " << i;
        const uint32_t size = littleEndian(ico, entry + 8, 4);
        const uint32_t offset = littleEndian(ico, entry + 12, 4);
        ASSERT_LE(size_t(offset) + size, ico.size());
        const tools::RgbaImage picture =
            decodePng(tools::Bytes(ico.begin() + offset, ico.begin() + offset + size));
        EXPECT_EQ(picture.width, ico[entry]);
        EXPECT_EQ(picture.height, ico[entry + 1]);
    }
}

TEST(Pictures, ThemeIconsComeInEverySizeTheDesktopAsksFor) {
    const ScratchFolder folder("theme-icons");
    pictures::writeThemeIcons(folder.path(), "org.example.Game");
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const tools::RgbaImage icon =
            decodePng(readBytes(folder.path() / "icons/hicolor" / name / "apps/org.example.Game.png"));
        EXPECT_EQ(icon.width, size);
        EXPECT_EQ(icon.height, size);
    }
}

TEST(Pictures, ASecondRunWritesTheSameBytes) {
    const ScratchFolder first("first-run"), again("second-run");
    writeAll(first.path());
    writeAll(again.path());
    for (const char* file : {"data/branding/studio.jpg", "data/branding/title.jpg", "data/ui/cursor.png",
                             "data/ui/key.png", "data/icon32.ico"}) {
        EXPECT_EQ(readBytes(again.path() / file), readBytes(first.path() / file)) << file;
    }
}
