// Loading font files and drawing text with them.
#include <gtest/gtest.h>

#include "font/bitmap_font.h"
#include "font/font_file_writer.h"
#include "font/game_fonts.h"
#include "font/text_fx.h"
#include "platform/headless_fixture.h"

namespace {

const Rgba WHITE{255, 255, 255, 255};
const Rgba RED{255, 0, 0, 255};

class FontTest : public HeadlessDisplay {
protected:
    // Writes records to a font file in the test folder and returns its name.
    String writeFont(const std::vector<GlyphLayer>& glyphs, const std::string& tail = "") {
        std::string bytes;
        for (const GlyphLayer& glyph : glyphs) bytes += fontRecord(glyph, (folder / "glyph.png").string());
        std::ofstream(folder / "font.zgf", std::ios::binary) << bytes + tail;
        return file("font.zgf");
    }

    // A font with a 10-pixel space, a white "A" (8 wide, advance 10) with a red border and shadow.
    std::vector<GlyphLayer> basicGlyphs() {
        return {{32, "FACE", solidGlyph(1, 1, Rgba{}), 0, 0, 4, 10, 6},
                {'A', "FACE", solidGlyph(8, 10, WHITE), 0, 0, 8, 10, 10},
                {'A', "BORDER", solidGlyph(10, 12, RED), -1, -1, 10, 12, 10},
                {'A', "SHADOW", solidGlyph(10, 12, RED), 2, 2, 10, 12, 10},
                {'B', "FACE", solidGlyph(6, 10, WHITE), 0, 0, 6, 10, 7}};
    }

    TBitmapFont font;
};

TEST_F(FontTest, LoadsLayersAndAnswersQueries) {
    font.Load(writeFont(basicGlyphs()), 2);
    ASSERT_EQ(font.FontLoaded(), 1);
    EXPECT_EQ(font.GetFontHeight(), 10);
    EXPECT_EQ(font.GetCharOffset('A'), 10);
    EXPECT_EQ(font.GetFaceInfo('A')->Width, 8);
    EXPECT_EQ(font.GetCharBorderOffset('A').X, -1);
    EXPECT_EQ(font.GetCharShadowOffset('A').Y, 2);
    EXPECT_TRUE(font.GetShadowImage('A'));
    ASSERT_TRUE(font.GetBorderInfo('B').has_value()) << "all three entries exist once a layer is read";
    EXPECT_FALSE(font.GetBorderImage('B'));
    EXPECT_FALSE(font.GetFaceInfo('Z').has_value());
    EXPECT_EQ(font.GetCharOffset('Z'), 0);
    EXPECT_EQ(font.GetCharBorderOffset('Z').X, 0);
}

TEST_F(FontTest, LargeCodesGrowTheTablesAndKeepWhatIsLoaded) {
    std::vector<GlyphLayer> glyphs = basicGlyphs();
    glyphs.push_back({300, "FACE", solidGlyph(4, 4, WHITE), 0, 0, 4, 4, 5});
    font.Load(writeFont(glyphs), 2);
    EXPECT_EQ(font.PrivateData.Face.size(), 65536u);
    EXPECT_EQ(font.PrivateData.Shadow.size(), 65536u);
    EXPECT_EQ(font.GetCharOffset('A'), 10);
    EXPECT_EQ(font.GetTxtWidth(u"\u012C"), 4);
}

TEST_F(FontTest, SecondFaceRecordTakesItsHandleFromTheEarlierOffsets) {
    font.Load(writeFont({{'C', "FACE", solidGlyph(4, 4, WHITE), 3, 5, 4, 4, 5},
                         {'C', "FACE", solidGlyph(4, 4, WHITE), 7, 7, 4, 4, 5}}),
              2);
    float hx = 0, hy = 0;
    getImageHandle(font.GetFaceImage('C'), hx, hy);
    EXPECT_EQ(hx, -3);
    EXPECT_EQ(hy, -5);
}

TEST_F(FontTest, MissingFileStaysUnloadedQuietly) {
    EXPECT_NO_THROW(font.Load(file("nothing.zgf"), 2));
    EXPECT_EQ(font.FontLoaded(), 0);
    EXPECT_EQ(loadBitmapFont(file("nothing.zgf"), nullptr), nullptr);
}

TEST_F(FontTest, CorruptFilesRaiseTheLoadException) {
    std::vector<GlyphLayer> wrongLayer = basicGlyphs();
    wrongLayer[1].layer = "OUTLINE";
    String name = writeFont(wrongLayer);
    try {
        font.Load(name, 2);
        FAIL() << "no exception";
    } catch (const TBitmapFontLoadException& error) {
        EXPECT_EQ(error.ToString(), u"Unable to load the bitmapfont due to corrupted or unsuported file format");
        EXPECT_EQ(error.GetFontObject(), &font);
    }
    EXPECT_EQ(font.FontLoaded(), 0);

    std::string truncated;
    appendInt(truncated, 'A');
    truncated += "FACE\n";
    EXPECT_THROW(TBitmapFont().Load(writeFont(basicGlyphs(), truncated), 2), TBitmapFontLoadException);
    std::string badCode;
    appendInt(badCode, 70000);
    EXPECT_THROW(TBitmapFont().Load(writeFont({}, badCode), 2), TBitmapFontLoadException);
}

// Codes run 0..65535: the last code of the table loads, one past it and below zero are damage;
// 255 still fits the small table, 256 grows it.
TEST_F(FontTest, CharacterCodesAreAcceptedUpToTheLastOfTheTable) {
    font.Load(writeFont({{255, "FACE", solidGlyph(4, 4, WHITE), 0, 0, 4, 4, 5}}), 2);
    ASSERT_EQ(font.FontLoaded(), 1);
    EXPECT_EQ(font.PrivateData.Face.size(), 256u);
    TBitmapFont grown;
    grown.Load(writeFont({{256, "FACE", solidGlyph(4, 4, WHITE), 0, 0, 4, 4, 5}}), 2);
    EXPECT_EQ(grown.PrivateData.Face.size(), 65536u);
    TBitmapFont last;
    last.Load(writeFont({{65535, "FACE", solidGlyph(4, 4, WHITE), 0, 0, 4, 4, 6}}), 2);
    ASSERT_EQ(last.FontLoaded(), 1);
    EXPECT_EQ(last.GetTxtWidth(u"\uFFFF"), 4);
    for (int code : {65536, -1}) {
        TBitmapFont past;
        EXPECT_THROW(past.Load(writeFont({{code, "FACE", solidGlyph(4, 4, WHITE), 0, 0, 4, 4, 5}}), 2),
                     TBitmapFontLoadException)
            << code;
        EXPECT_EQ(past.FontLoaded(), 0) << code;
    }
}

TEST_F(FontTest, ProgressIsReportedWhenItsWholePartChanges) {
    std::vector<float> reports;
    font.SetProgressFunction([&](float percent) { reports.push_back(percent); });
    font.Load(writeFont(basicGlyphs()), 2);
    ASSERT_FALSE(reports.empty());
    EXPECT_FLOAT_EQ(reports.front(), 12.5f);  // code 32 of 256
    EXPECT_EQ(reports.size(), 2u) << "A's three layers and B (25.8 %) share the whole part 25";
}

TEST_F(FontTest, WidthTruncatesAfterEveryCharacterAndEndsWithTheLastDrawWidth) {
    font.Load(writeFont(basicGlyphs()), 2);
    font.Kerning.SetHKerning(0.5f);
    // A: 10 + 0.5 → 10; B: 10 + 7 + 0.5 → 17; last B: + 6 - 7.
    EXPECT_EQ(font.GetTxtWidth(u"AB"), 16);
    EXPECT_EQ(font.GetTxtWidth(u"A?B"), 16) << "characters without a face add nothing";
    EXPECT_EQ(font.GetTxtWidth(u""), 0);
}

TEST_F(FontTest, LayersUseTheirBlendsAndTheOldBlendReturns) {
    font.Load(writeFont(basicGlyphs()), 2);
    font.SetShadowBlend(BLEND_LIGHT);
    setBlend(BLEND_SOLID);
    font.DrawText(u"A", 100, 100, 1, 0);
    EXPECT_EQ(getBlend(), BLEND_SOLID);
    Pixmap screen = grabBackBuffer();
    EXPECT_TRUE(headless::nearColour(screen.at(104, 105), 255, 255, 255)) << "face on top";
    EXPECT_TRUE(headless::nearColour(screen.at(99, 99), 255, 0, 0)) << "border around it";
    EXPECT_TRUE(headless::nearColour(screen.at(111, 113), 255, 0, 0)) << "shadow below right";
}

TEST_F(FontTest, LineFeedStartsANewLineAtTheSameX) {
    font.Load(writeFont(basicGlyphs()), 2);
    font.SetDrawShadow(0);
    font.SetDrawBorder(0);
    font.Kerning.SetVKerning(3);
    setBlend(BLEND_ALPHA);
    font.DrawText(u"A\nB", 50, 50, 1, 0);
    Pixmap screen = grabBackBuffer();
    EXPECT_TRUE(headless::nearColour(screen.at(52, 52), 255, 255, 255));
    EXPECT_TRUE(headless::nearColour(screen.at(52, 64), 255, 255, 255)) << "second line 13 lower";
    EXPECT_TRUE(headless::nearColour(screen.at(52, 61), 0, 0, 0));
    EXPECT_TRUE(headless::nearColour(screen.at(61, 52), 0, 0, 0)) << "nothing drawn beside the first letter";
}

TEST_F(FontTest, CentredTextStartsHalfItsWidthLeft) {
    font.Load(writeFont(basicGlyphs()), 2);
    font.SetDrawShadow(0);
    font.SetDrawBorder(0);
    setBlend(BLEND_ALPHA);
    font.DrawText(u"AB", 200, 50, 1, 1);  // width 16: starts at 192
    Pixmap screen = grabBackBuffer();
    EXPECT_TRUE(headless::nearColour(screen.at(192, 52), 255, 255, 255));
    EXPECT_TRUE(headless::nearColour(screen.at(191, 52), 0, 0, 0));
}

TEST_F(FontTest, MaxWidthBreaksAtCharacters) {
    font.Load(writeFont(basicGlyphs()), 2);
    font.SetDrawShadow(0);
    font.SetDrawBorder(0);
    setBlend(BLEND_ALPHA);
    font.DrawTextMaxWidth(u"AAA", 10, 10, 25, 1);  // two A fit (20 + 8 ≥ 24 breaks the third)
    Pixmap screen = grabBackBuffer();
    EXPECT_TRUE(headless::nearColour(screen.at(22, 12), 255, 255, 255));
    EXPECT_TRUE(headless::nearColour(screen.at(32, 12), 0, 0, 0));
    EXPECT_TRUE(headless::nearColour(screen.at(12, 22), 255, 255, 255)) << "third A on the next line";
}

TEST_F(FontTest, MaxWidthNarrowerThanTheFirstGlyphKeepsTheFirstLine) {
    font.Load(writeFont(basicGlyphs()), 2);
    font.SetDrawShadow(0);
    font.SetDrawBorder(0);
    setBlend(BLEND_ALPHA);
    font.DrawTextMaxWidth(u"A", 10, 10, 2, 1);
    EXPECT_TRUE(headless::nearColour(grabBackBuffer().at(12, 12), 255, 255, 255));
}

// Counts glyph layers and hides the faces of one character.
class CountingHook : public iTextRendererFXBase {
public:
    int begins = 0, faces = 0, borders = 0;
    void DrawTextBegin(TDrawTextAction&) override { ++begins; }
    void DrawBorderChar(TDrawCharAction&) override { ++borders; }
    void DrawFaceChar(TDrawCharAction& action) override {
        ++faces;
        if (action.Char == 'B') action.Handled = 1;
    }
};

TEST_F(FontTest, HooksSeeEveryGlyphLayerAndMaySuppressIt) {
    font.Load(writeFont(basicGlyphs()), 2);
    auto hook = std::make_shared<CountingHook>();
    font.RenderFX = hook;
    setBlend(BLEND_ALPHA);
    font.DrawText(u"AB", 10, 10, 1, 0);
    EXPECT_EQ(hook->begins, 1);
    EXPECT_EQ(hook->faces, 2);
    EXPECT_EQ(hook->borders, 1) << "B has no border picture";
    Pixmap screen = grabBackBuffer();
    EXPECT_TRUE(headless::nearColour(screen.at(22, 12), 0, 0, 0)) << "B's face was suppressed";
}

TEST(TextGeometry, RotationAndRounding) {
    TDrawingPoint start = TDrawingPoint::Create(10, 20);
    TDrawingPoint pen = TDrawingPoint::Create(30, 20);
    TDrawingPoint turned = rotateAboutPoint(90, pen, start);
    EXPECT_NEAR(turned.X, 10, 1e-4);
    EXPECT_NEAR(turned.Y, 40, 1e-4);
    EXPECT_EQ(rotateAboutPoint(0.005f, pen, start).X, 30);
    EXPECT_EQ(roundHalfAway(2.5), 3);
    EXPECT_EQ(roundHalfAway(-2.5), -3);
    EXPECT_EQ(roundHalfAway(0), 0);
}

TEST(TextSafety, NullFontAndExceptionTexts) {
    try {
        drawTextSafe(nullptr, u"x", 0, 0, 1);
        FAIL();
    } catch (const TDrawTextException& error) {
        EXPECT_EQ(error.ToString(), u"Can't draw text becouse the bitmapfont is null.");
    }
    EXPECT_EQ(TDrawTextException(u"", nullptr).ToString(), u"The requested action could not be completed.");
}

}  // namespace

namespace {

// The fonts the data tool writes load through the game's loader.
TEST(GeneratedFonts, LoadWithTheirLayers) {
    auto text = loadBitmapFont(u"data/fonts/text.zgf", nullptr);
    ASSERT_NE(text, nullptr) << "run from the build folder with its data";
    EXPECT_GT(text->GetFontHeight(), 0);
    EXPECT_TRUE(text->GetBorderImage('A'));
    EXPECT_TRUE(text->GetShadowImage('A'));
    text->Kerning.SetHKerning(1.0f);
    EXPECT_LT(text->GetTxtWidth(u"Maximilianus"), 140);
    auto header = loadBitmapFont(u"data/fonts/header.zgf", nullptr);
    ASSERT_NE(header, nullptr);
    EXPECT_FALSE(header->GetBorderImage('A'));
    EXPECT_GT(header->GetFontHeight(), text->GetFontHeight());
}

}  // namespace

namespace {

TEST(GameFonts, TextHasBorderAndShadowHeaderOnlyFaces) {
    loadGameFonts();
    EXPECT_EQ(fontText.FontLoaded(), 1) << "run from the build folder with its data";
    EXPECT_EQ(fontText.GetDrawBorder(), 1);
    EXPECT_EQ(fontText.GetDrawShadow(), 1);
    EXPECT_EQ(fontHeader.GetDrawBorder(), 0);
    EXPECT_EQ(fontHeader.GetDrawShadow(), 0);
    EXPECT_FLOAT_EQ(fontText.Kerning.GetHKerning(), 1.0f);
    EXPECT_FLOAT_EQ(fontHeader.Kerning.GetHKerning(), 1.0f);
}

}  // namespace
