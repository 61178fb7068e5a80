// The two generated fonts read back record by record: well formed to the last
// byte, every Latin-1 character present in the layers each font is drawn with,
// and sized so that player names fit the name field.
#include <gtest/gtest.h>

#include "font_reader.h"

using font_reader::Font;

namespace {

constexpr int NAME_FIELD_WIDTH = 140;

const Font& textFont() {
    static const Font font = font_reader::readFontFile("data/fonts/text.zgf");
    return font;
}

const Font& headerFont() {
    static const Font font = font_reader::readFontFile("data/fonts/header.zgf");
    return font;
}

void expectAllCharacters(const Font& font, const std::string& layer) {
    ASSERT_TRUE(font.count(layer)) << layer;
    for (int code = 32; code <= 255; ++code) {
        EXPECT_TRUE(font.at(layer).count(code)) << layer << " of character " << code;
    }
}

// Border and shadow pictures are placed by their offsets and drawn whole, so their
// drawn extent is the picture itself; faces all share the line height.
void expectConsistentLayers(const Font& font) {
    const int lineHeight = font_reader::fontHeight(font);
    for (const auto& [name, layers] : font) {
        for (const auto& [code, layer] : layers) {
            EXPECT_EQ(layer.charwidth, font.at("FACE").at(code).charwidth) << name << " " << code;
            if (name == "FACE") {
                EXPECT_EQ(layer.drawHeight, lineHeight) << code;
                EXPECT_EQ(layer.pictureHeight, lineHeight) << code;
                EXPECT_EQ(layer.offsetX, 0) << code;
                EXPECT_EQ(layer.offsetY, 0) << code;
            } else if (layer.drawWidth > 0) {
                EXPECT_EQ(layer.pictureWidth, layer.drawWidth) << name << " " << code;
                EXPECT_EQ(layer.pictureHeight, layer.drawHeight) << name << " " << code;
            }
        }
    }
}

}  // namespace

TEST(GeneratedFonts, ReadToTheEndAsWellFormedRecords) {
    EXPECT_NO_THROW(textFont());
    EXPECT_NO_THROW(headerFont());
}

TEST(GeneratedFonts, TextFontHasFaceBorderAndShadowForEveryCharacter) {
    expectAllCharacters(textFont(), "FACE");
    expectAllCharacters(textFont(), "BORDER");
    expectAllCharacters(textFont(), "SHADOW");
    EXPECT_EQ(textFont().size(), 3u);
    expectConsistentLayers(textFont());
}

TEST(GeneratedFonts, HeaderFontHasFacesOnly) {
    expectAllCharacters(headerFont(), "FACE");
    EXPECT_EQ(headerFont().size(), 1u);
    expectConsistentLayers(headerFont());
}

TEST(GeneratedFonts, SpaceGivesTheLineHeightAndTitlesStandOut) {
    const int text = font_reader::fontHeight(textFont());
    const int header = font_reader::fontHeight(headerFont());
    EXPECT_GE(text, 16);
    EXPECT_LE(text, 24);
    EXPECT_GE(header, text * 3 / 2);
    EXPECT_GT(textFont().at("FACE").at(32).charwidth, 0);
}

TEST(GeneratedFonts, LongNamesFitTheNameField) {
    for (const std::u16string name : {u"Maximilianus", u"Wilhelmina W", u"Magdalena M.", u"Jean-Baptist",
                                      u"Bartholomäus", u"Gwendolynnee", u"Großmutter M"}) {
        ASSERT_EQ(name.size(), 12u);
        EXPECT_LT(font_reader::textWidth(textFont(), name), NAME_FIELD_WIDTH) << std::string(name.begin(), name.end());
    }
}

// A name of the widest letters stops growing early, but still holds eight of them.
TEST(GeneratedFonts, EightOfTheWidestLettersFitTheNameField) {
    int widest = 32;
    for (const auto& [code, face] : textFont().at("FACE")) {
        if (face.charwidth > textFont().at("FACE").at(widest).charwidth) widest = code;
    }
    EXPECT_LT(font_reader::textWidth(textFont(), std::u16string(8, char16_t(widest))), NAME_FIELD_WIDTH);
}
