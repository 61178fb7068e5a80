// Images: cutting pictures into animation cells, created and masked images, handles,
// maskPixmap and pastePixmap, and the pixel-exact collision test under rotation and scale.
#include "platform/graphics.h"
#include "platform/headless_fixture.h"

using headless::solidImage;
using headless::solidPixmap;

namespace {

const Rgba WHITE{255, 255, 255, 255};
const Rgba CLEAR{0, 0, 0, 0};

// A picture of 128 × 128 cells, cell k filled with grey level 10 · (k + 1).
Pixmap cellSheet(int across, int down) {
    Pixmap sheet = solidPixmap(across * 128, down * 128, WHITE);
    for (int y = 0; y < sheet.height; ++y)
        for (int x = 0; x < sheet.width; ++x) {
            uint8_t level = uint8_t(10 * ((y / 128) * across + x / 128 + 1));
            sheet.at(x, y) = Rgba{level, level, level, 255};
        }
    return sheet;
}

}  // namespace

using Images = HeadlessDisplay;

TEST_F(Images, AnimationCellsFollowTheRowMajorRule) {
    ASSERT_TRUE(savePixmapPng(cellSheet(2, 1), (folder / "two.png").string()));
    EXPECT_EQ(loadAnimImage(file("two.png"), 128, 128, 0, 3, -1), nullptr);
    EXPECT_EQ(loadAnimImage(file("two.png"), 128, 128, 1, 2, -1), nullptr);
    Image both = loadAnimImage(file("two.png"), 128, 128, 0, 2, -1);
    ASSERT_NE(both, nullptr);
    EXPECT_EQ(imageFrames(both), 2);
    EXPECT_EQ(imageWidth(both), 128);

    // 3 whole cells across (the 20-pixel rest is no cell), 2 down: frame i of first 2 is cell i + 2.
    Pixmap wide = cellSheet(3, 2);
    Pixmap sheet = solidPixmap(3 * 128 + 20, 2 * 128 + 20, WHITE);
    pastePixmap(sheet, wide, 0, 0);
    ASSERT_TRUE(savePixmapPng(sheet, (folder / "six.png").string()));
    Image cells = loadAnimImage(file("six.png"), 128, 128, 2, 4, 0);
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(imageFrames(cells), 4);
    EXPECT_EQ(lockImage(cells, 0, true, false)->at(5, 5).r, 30);   // cell 2: right end of row 0
    EXPECT_EQ(lockImage(cells, 1, true, false)->at(5, 5).r, 40);   // cell 3: start of row 1
    EXPECT_EQ(lockImage(cells, 3, true, false)->at(127, 127).r, 60);
    EXPECT_EQ(loadAnimImage(file("six.png"), 128, 128, 2, 5, 0), nullptr);
    EXPECT_EQ(loadAnimImage(file("missing.png"), 128, 128, 0, 1, 0), nullptr);
}

TEST_F(Images, CreatedImagesAreDynamicAndTransparent) {
    Image image = createImage(6, 5, 3, -1);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(imageFrames(image), 3);
    EXPECT_EQ(image->flags, IMAGE_MASKED | IMAGE_FILTERED | IMAGE_DYNAMIC);
    EXPECT_EQ(createImage(2, 2, 1, 0)->flags, IMAGE_DYNAMIC);
    Pixmap* pixels = lockImage(image, 2, true, true);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(pixels->width, 6);
    EXPECT_EQ(pixels->height, 5);
    for (const Rgba& p : pixels->pixels) EXPECT_EQ(p, CLEAR);
    EXPECT_EQ(lockImage(image, 3, true, true), nullptr);
    EXPECT_EQ(lockImage(nullptr, 0, true, true), nullptr);
}

TEST_F(Images, MaskPixmapCutsOutTheColourAndAveragesItsNeighbours) {
    // Row 0: magenta, red, magenta; row 1: blue, magenta, green; row 2: all magenta.
    const Rgba M{255, 0, 255, 255};
    Pixmap picture = solidPixmap(3, 3, M);
    picture.at(1, 0) = Rgba{200, 0, 0, 255};
    picture.at(0, 1) = Rgba{0, 0, 100, 255};
    picture.at(2, 1) = Rgba{0, 60, 0, 7};
    PixmapPtr masked = maskPixmap(picture, 255, 0, 255);
    ASSERT_NE(masked, nullptr);
    EXPECT_EQ(masked->at(1, 0), (Rgba{200, 0, 0, 255}));
    EXPECT_EQ(masked->at(2, 1), (Rgba{0, 60, 0, 255}));           // kept pixels become opaque
    EXPECT_EQ(masked->at(0, 0), (Rgba{100, 0, 50, 0}));           // red and blue
    EXPECT_EQ(masked->at(1, 1), (Rgba{200 / 3, 20, 100 / 3, 0}));  // red, blue and green
    EXPECT_EQ(masked->at(1, 2), (Rgba{0, 30, 50, 0}));             // blue and green
    EXPECT_EQ(maskPixmap(solidPixmap(2, 2, M), 255, 0, 255)->at(1, 1), CLEAR);
}

TEST_F(Images, PastePixmapReplacesPixelsAlphaIncluded) {
    Pixmap destination = solidPixmap(4, 3, WHITE);
    Pixmap source = solidPixmap(2, 2, Rgba{1, 2, 3, 0});
    pastePixmap(destination, source, 2, 1);
    EXPECT_EQ(destination.at(2, 1), (Rgba{1, 2, 3, 0}));
    EXPECT_EQ(destination.at(3, 2), (Rgba{1, 2, 3, 0}));
    EXPECT_EQ(destination.at(1, 1), WHITE);
    EXPECT_EQ(destination.at(2, 0), WHITE);
}

TEST_F(Images, MaskedImagesCutOutOnlyPicturesWithoutAlpha) {
    // An RGB picture (3 × 2: black, magenta, (10, 20, 30) / (200, 100, 50), black, white).
    const String rgb = headless::writeBytes(
        folder / "rgb.png",
        headless::fromHex("89504e470d0a1a0a0000000d49484452000000030000000208020000001216f14d0000001a4944415478da63"
                          "606060f8cff09f4b448ee1448a1188f3ff3f003232069615a2b6e80000000049454e44ae426082"));
    Image masked = loadImage(rgb, -1);
    ASSERT_NE(masked, nullptr);
    EXPECT_EQ(lockImage(masked, 0, true, false)->at(0, 0).a, 0);
    EXPECT_EQ(lockImage(masked, 0, true, false)->at(1, 0).a, 255);
    EXPECT_EQ(lockImage(loadImage(rgb, IMAGE_FILTERED), 0, true, false)->at(0, 0).a, 255);

    setMaskColor(masked, 255, 0, 255);
    const Pixmap& remasked = *lockImage(masked, 0, true, false);
    EXPECT_EQ(remasked.at(0, 0), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(remasked.at(1, 0).a, 0);
    EXPECT_EQ(remasked.at(1, 1), (Rgba{0, 0, 0, 255}));

    // A picture with an alpha channel keeps its black pixels.
    ASSERT_TRUE(savePixmapPng(solidPixmap(2, 2, Rgba{0, 0, 0, 255}), (folder / "rgba.png").string()));
    EXPECT_EQ(lockImage(loadImage(file("rgba.png"), -1), 0, true, false)->at(1, 1).a, 255);
}

TEST_F(Images, CollisionIsPixelExact) {
    Image a = solidImage(10, 10, WHITE);
    Image b = solidImage(10, 10, WHITE);
    EXPECT_EQ(imagesCollide(a, 0, 0, 0, b, 9, 9, 0), 1);
    EXPECT_EQ(imagesCollide(a, 0, 0, 0, b, 10, 0, 0), 0);  // edges touch, no shared pixel
    EXPECT_EQ(imagesCollide(a, 0, 0, 0, b, 0, -10, 0), 0);

    // A ring: only its border is solid, the hole lets a small square through.
    Pixmap ring = solidPixmap(10, 10, WHITE);
    for (int y = 2; y < 8; ++y)
        for (int x = 2; x < 8; ++x) ring.at(x, y).a = 127;
    Image hole = loadImage(ring, 0);
    Image dot = solidImage(2, 2, WHITE);
    EXPECT_EQ(imagesCollide(hole, 0, 0, 0, dot, 4, 4, 0), 0);
    EXPECT_EQ(imagesCollide(hole, 0, 0, 0, dot, 7, 4, 0), 1);
    EXPECT_EQ(imagesCollide(nullptr, 0, 0, 0, dot, 0, 0, 0), 0);
    EXPECT_EQ(imagesCollide(hole, 0, 0, 1, dot, 0, 0, 0), 0);
}

TEST_F(Images, CollisionUsesHandleRotationAndScale) {
    Image bar = solidImage(20, 2, WHITE);
    setImageHandle(bar, 0, 1);
    Image dot = solidImage(2, 2, WHITE);
    midHandleImage(dot);
    EXPECT_EQ(imagesCollide(bar, 100, 100, 0, dot, 100, 110, 0), 0);
    setRotation(90);  // the bar now points down from (100, 100)
    EXPECT_EQ(imagesCollide(bar, 100, 100, 0, dot, 100, 110, 0), 1);
    EXPECT_EQ(imagesCollide(bar, 100, 100, 0, dot, 110, 100, 0), 0);
    setRotation(0);
    EXPECT_EQ(imagesCollide(bar, 100, 100, 0, dot, 125, 100, 0), 0);
    setScale(2, 2);  // the bar reaches x = 140, the dot covers 123..127
    EXPECT_EQ(imagesCollide(bar, 100, 100, 0, dot, 125, 100, 0), 1);
    setScale(0, 1);
    EXPECT_EQ(imagesCollide(bar, 100, 100, 0, dot, 101, 100, 0), 0);
}
