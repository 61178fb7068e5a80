// Drawing on the headless display: the state defaults, the five blend modes against their
// formulas, placement under handle, scale and rotation, viewport clipping, filtering,
// pixel changes through lockImage, the small font and reopening the display.
#include <cmath>

#include "platform/headless_fixture.h"

using headless::nearColour;
using headless::solidImage;

namespace {

const Rgba WHITE{255, 255, 255, 255};
const Rgba BLACK{0, 0, 0, 255};

bool lit(const Pixmap& screen, int x, int y) { return screen.at(x, y).r > 0; }

}  // namespace

using Drawing = HeadlessDisplay;

TEST_F(Drawing, OpeningTheDisplayResetsTheDrawingState) {
    setBlend(BLEND_LIGHT);
    setColor(256, -32, 7);
    setAlpha(0.25f);
    setRotation(30);
    setScale(-2, 3);
    setVirtualResolution(800, 600);
    int r, g, b;
    getColor(r, g, b);
    EXPECT_EQ(r, 256);  // stored as given, clamped only when drawing
    EXPECT_EQ(g, -32);

    ASSERT_TRUE(openDisplay(1024, 768, 0, 60, 0));
    float sx, sy;
    getColor(r, g, b);
    getScale(sx, sy);
    EXPECT_EQ(getBlend(), BLEND_MASK);
    EXPECT_EQ(r + g + b, 3 * 255);
    EXPECT_EQ(getAlpha(), 1.0f);
    EXPECT_EQ(getRotation(), 0.0f);
    EXPECT_EQ(sx, 1.0f);
    EXPECT_EQ(sy, 1.0f);
    EXPECT_EQ(virtualWidth(), 1024.0f);
    EXPECT_EQ(virtualHeight(), 768.0f);
    EXPECT_EQ(displayWidth(), 1024);
    EXPECT_EQ(displayHeight(), 768);
    EXPECT_EQ(activeWindow(), 1);
    EXPECT_EQ(graphicsModeExists(1024, 768, 0, 0), 1);
    EXPECT_EQ(graphicsModeExists(1280, 1024, 0, 0), 0);
}

TEST_F(Drawing, BlendModesFollowTheirFormulas) {
    // Texel (200, 100, 50) under drawing colour (255, 128, 255) gives src = (200, 50, 50);
    // the destination is (40, 80, 120).
    struct Case {
        int mode, texelAlpha;
        float alpha;
        int r, g, b;
    };
    const Case cases[] = {
        {BLEND_MASK, 255, 1.0f, 200, 50, 50},   {BLEND_MASK, 200, 1.0f, 200, 50, 50},
        {BLEND_MASK, 100, 1.0f, 40, 80, 120},   {BLEND_MASK, 200, 0.5f, 40, 80, 120},
        {BLEND_MASK, 255, 0.6f, 200, 50, 50},   {BLEND_SOLID, 60, 0.3f, 200, 50, 50},
        {BLEND_ALPHA, 255, 0.5f, 120, 65, 85},  {BLEND_ALPHA, 128, 1.0f, 120, 65, 85},
        {BLEND_ALPHA, 255, 0.0f, 40, 80, 120},  {BLEND_LIGHT, 255, 0.5f, 140, 105, 145},
        {BLEND_LIGHT, 255, 1.0f, 240, 130, 170}, {BLEND_SHADE, 255, 1.0f, 31, 16, 24},
    };
    Image destination = solidImage(20, 20, Rgba{40, 80, 120, 255});
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << ", texel alpha " << c.texelAlpha << ", alpha " << c.alpha);
        Image source = solidImage(10, 10, Rgba{200, 100, 50, uint8_t(c.texelAlpha)});
        setBlend(BLEND_SOLID);
        setColor(255, 255, 255);
        setAlpha(1);
        drawImage(destination, 0, 0, 0);
        setBlend(c.mode);
        setColor(255, 128, 255);
        setAlpha(c.alpha);
        drawImage(source, 5, 5, 0);
        Pixmap screen = grabBackBuffer();
        EXPECT_TRUE(nearColour(screen.at(10, 10), c.r, c.g, c.b));
        EXPECT_TRUE(nearColour(screen.at(2, 2), 40, 80, 120));
        EXPECT_EQ(screen.at(10, 10).a, 255);
    }
}

TEST_F(Drawing, ColourIsClampedWhenDrawing) {
    setColor(256, -32, 128);
    drawImage(solidImage(4, 4, WHITE), 0, 0, 0);
    EXPECT_TRUE(nearColour(grabBackBuffer().at(1, 1), 255, 0, 128));
}

TEST_F(Drawing, HandleAndScalePlaceTheFrame) {
    Image square = solidImage(10, 10, WHITE);
    midHandleImage(square);
    setScale(2, 2);
    drawImage(square, 100, 100, 0);
    Pixmap screen = grabBackBuffer();
    for (int i = 90; i < 110; ++i) {
        EXPECT_TRUE(lit(screen, i, 100) && lit(screen, 100, i)) << i;
    }
    EXPECT_FALSE(lit(screen, 89, 100));
    EXPECT_FALSE(lit(screen, 110, 100));
    EXPECT_FALSE(lit(screen, 100, 89));
    EXPECT_FALSE(lit(screen, 100, 110));
}

TEST_F(Drawing, NegativeScaleMirrorsAboutTheHandle) {
    Pixmap halves = headless::solidPixmap(10, 4, Rgba{255, 0, 0, 255});
    for (int y = 0; y < 4; ++y)
        for (int x = 5; x < 10; ++x) halves.at(x, y) = Rgba{0, 0, 255, 255};
    Image picture = loadImage(halves, 0);
    setScale(-1, 1);
    drawImage(picture, 50, 0, 0);  // handle (0, 0): the picture now spans x 40..49
    Pixmap screen = grabBackBuffer();
    EXPECT_TRUE(nearColour(screen.at(41, 1), 0, 0, 255));
    EXPECT_TRUE(nearColour(screen.at(48, 1), 255, 0, 0));
    EXPECT_TRUE(nearColour(screen.at(51, 1), 0, 0, 0));
}

TEST_F(Drawing, PositiveRotationTurnsClockwiseAboutTheHandle) {
    Image bar = solidImage(20, 10, WHITE);
    setRotation(90);
    drawImage(bar, 200, 200, 0);  // the bar's length now points down, its height to the left
    Pixmap screen = grabBackBuffer();
    EXPECT_TRUE(lit(screen, 195, 215));
    EXPECT_FALSE(lit(screen, 205, 205));
    EXPECT_FALSE(lit(screen, 195, 195));
}

TEST_F(Drawing, ViewportClipsDrawing) {
    Image full = solidImage(1024, 768, WHITE);
    setViewport(0, 0, 1, 768);
    drawImage(full, 0, 0, 0);
    Pixmap screen = grabBackBuffer();
    EXPECT_TRUE(lit(screen, 0, 0));
    EXPECT_TRUE(lit(screen, 0, 767));
    EXPECT_FALSE(lit(screen, 1, 0));
    EXPECT_FALSE(lit(screen, 1, 767));

    cls();
    setViewport(0, 0, 0, 768);
    drawImage(full, 0, 0, 0);
    EXPECT_FALSE(lit(grabBackBuffer(), 0, 0));
}

TEST_F(Drawing, VirtualResolutionScalesPositionsAndViewport) {
    setVirtualResolution(512, 384);
    setViewport(10, 10, 20, 20);
    drawImage(solidImage(512, 384, WHITE), 0, 0, 0);
    Pixmap screen = grabBackBuffer();
    EXPECT_TRUE(lit(screen, 20, 20));
    EXPECT_TRUE(lit(screen, 59, 59));
    EXPECT_FALSE(lit(screen, 19, 30));
    EXPECT_FALSE(lit(screen, 60, 30));

    cls();
    setViewport(0, 0, 512, 384);
    drawImage(solidImage(5, 5, WHITE), 100, 100, 0);  // lands on pixels 200..209
    screen = grabBackBuffer();
    EXPECT_TRUE(lit(screen, 200, 200));
    EXPECT_TRUE(lit(screen, 209, 209));
    EXPECT_FALSE(lit(screen, 199, 205));
    EXPECT_FALSE(lit(screen, 210, 205));
}

TEST_F(Drawing, FilteredImagesBlendBetweenTexels) {
    Pixmap pair = headless::solidPixmap(2, 1, BLACK);
    pair.at(1, 0) = WHITE;
    setScale(8, 8);
    drawImage(loadImage(pair, 0), 0, 0, 0);
    drawImage(loadImage(pair, IMAGE_FILTERED), 0, 20, 0);
    Pixmap screen = grabBackBuffer();
    for (int x = 0; x < 16; ++x) {
        int nearest = screen.at(x, 4).r;
        EXPECT_TRUE(nearest == 0 || nearest == 255) << x;
    }
    int middle = screen.at(8, 24).r;
    EXPECT_GT(middle, 20);
    EXPECT_LT(middle, 235);
}

TEST_F(Drawing, LockedPixelsShowOnTheNextDraw) {
    Image picture = createImage(4, 4, 1, 0);
    Pixmap* pixels = lockImage(picture, 0, true, true);
    ASSERT_NE(pixels, nullptr);
    for (Rgba& p : pixels->pixels) p = Rgba{255, 0, 0, 255};
    unlockImage(picture, 0);
    drawImage(picture, 0, 0, 0);
    EXPECT_TRUE(nearColour(grabBackBuffer().at(1, 1), 255, 0, 0));

    lockImage(picture, 0, false, true)->at(1, 1) = Rgba{0, 255, 0, 255};
    unlockImage(picture, 0);
    drawImage(picture, 0, 0, 0);
    setBlend(BLEND_ALPHA);
    drawImage(picture, 10, 0, 0);
    Pixmap screen = grabBackBuffer();
    EXPECT_TRUE(nearColour(screen.at(1, 1), 0, 255, 0));
    EXPECT_TRUE(nearColour(screen.at(11, 1), 0, 255, 0));
}

TEST_F(Drawing, ImagesSurviveReopeningTheDisplay) {
    Image picture = solidImage(4, 4, Rgba{0, 0, 255, 255});
    drawImage(picture, 0, 0, 0);
    ASSERT_TRUE(openDisplay(1024, 768, 0, 60, 0));
    cls();
    EXPECT_TRUE(nearColour(grabBackBuffer().at(1, 1), 0, 0, 0));
    drawImage(picture, 0, 0, 0);
    EXPECT_TRUE(nearColour(grabBackBuffer().at(1, 1), 0, 0, 255));
}

TEST_F(Drawing, SmallFontDrawsInsideItsMeasuredWidth) {
    EXPECT_EQ(textWidth(u"FPS: 40"), 42);
    EXPECT_EQ(textWidth(u""), 0);
    setColor(255, 255, 0);
    drawText(u"FPS: 40", 100, 50);
    Pixmap screen = grabBackBuffer();
    int count = 0;
    for (int y = 40; y < 70; ++y)
        for (int x = 90; x < 160; ++x) {
            if (!lit(screen, x, y)) continue;
            ++count;
            EXPECT_TRUE(x >= 100 && x < 142 && y >= 50 && y < 58) << x << "," << y;
            EXPECT_TRUE(nearColour(screen.at(x, y), 255, 255, 0));
        }
    EXPECT_GT(count, 40);

    cls();
    drawText(u" \u20ac\u0001", 0, 0);  // blanks and characters without glyphs draw nothing
    screen = grabBackBuffer();
    for (int x = 0; x < 20; ++x) EXPECT_FALSE(lit(screen, x, 3));
}

TEST_F(Drawing, BackBufferIsOpaqueAndClearedByCls) {
    setBlend(BLEND_SOLID);
    drawImage(solidImage(8, 8, Rgba{90, 90, 90, 0}), 0, 0, 0);
    Pixmap screen = grabBackBuffer();
    ASSERT_EQ(screen.width, 1024);
    ASSERT_EQ(screen.height, 768);
    EXPECT_EQ(screen.at(3, 3), (Rgba{90, 90, 90, 255}));
    cls();
    EXPECT_EQ(grabBackBuffer().at(3, 3), BLACK);
}

TEST(DrawingWithoutPixels, DrawsNothingButKeepsTheState) {
    PlatformConfig config;
    config.headless = true;
    config.noPixels = true;
    initPlatform(config);
    ASSERT_TRUE(openDisplay(1024, 768, 0, 60, 0));
    setBlend(BLEND_ALPHA);
    drawImage(solidImage(8, 8, WHITE), 0, 0, 0);
    drawText(u"x", 0, 0);
    EXPECT_EQ(getBlend(), BLEND_ALPHA);
    Pixmap screen = grabBackBuffer();
    EXPECT_EQ(screen.width, 1024);
    EXPECT_EQ(screen.at(2, 2), BLACK);
    shutdownPlatform();
}
