// The CPU pixels of pictures: dropped once a texture exists and decoded again from the file or
// the embedded bytes when the texture is lost with its renderer or something starts reading
// them; collision tests, lockImage and masks drawn faded keep theirs; pictures without a
// source (pixel buffers, created images) always keep theirs.
#include <filesystem>

#include "platform/graphics.h"
#include "platform/headless_fixture.h"

using headless::nearColour;
using headless::solidPixmap;

namespace {

const Rgba RED{255, 0, 0, 255};

// 4 × 2: the left half opaque red, the right half blue with texel alpha `rightAlpha`.
Pixmap halves(uint8_t rightAlpha) {
    Pixmap pixels = solidPixmap(4, 2, RED);
    for (int y = 0; y < 2; ++y)
        for (int x = 2; x < 4; ++x) pixels.at(x, y) = Rgba{0, 0, 255, rightAlpha};
    return pixels;
}

bool dropped(const Image& image, int frame = 0) { return image->frames[size_t(frame)].pixels.pixels.empty(); }

// The back buffer after drawing only `image` at the top-left corner.
Pixmap drawnAlone(const Image& image, int frame = 0) {
    cls();
    drawImage(image, 0, 0, frame);
    return grabBackBuffer();
}

bool sameTopLeft(const Pixmap& a, const Pixmap& b) {
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (!(a.at(x, y) == b.at(x, y))) return false;
    return true;
}

}  // namespace

class PicturePixels : public HeadlessDisplay {
protected:
    // `pixels` saved as a PNG file in the test's folder and loaded from there.
    Image fromFile(const Pixmap& pixels, const std::string& name = "picture.png") {
        EXPECT_TRUE(savePixmapPng(pixels, (folder / name).string()));
        return loadImage(file(name), 0);
    }
};

TEST_F(PicturePixels, ADrawnPictureDropsItsPixelsAndStillDrawsTheSame) {
    Image picture = fromFile(halves(160));
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(dropped(picture));
    setBlend(BLEND_ALPHA);
    Pixmap first = drawnAlone(picture);
    EXPECT_TRUE(dropped(picture));
    EXPECT_TRUE(nearColour(first.at(1, 1), 255, 0, 0));
    EXPECT_TRUE(nearColour(first.at(3, 1), 0, 0, 160));
    EXPECT_TRUE(sameTopLeft(drawnAlone(picture), first));

    // The mask mode of a picture with soft alpha cuts its copy from pixels decoded again.
    setBlend(BLEND_MASK);
    Pixmap masked = drawnAlone(picture);
    EXPECT_TRUE(nearColour(masked.at(1, 1), 255, 0, 0));
    EXPECT_TRUE(nearColour(masked.at(3, 1), 0, 0, 255));
    EXPECT_TRUE(dropped(picture));
}

TEST_F(PicturePixels, PicturesWithoutASourceKeepTheirPixels) {
    Image buffer = loadImage(halves(255), 0);
    Image created = createImage(4, 4, 1, 0);
    drawnAlone(buffer);
    drawnAlone(created);
    EXPECT_FALSE(dropped(buffer));
    EXPECT_FALSE(dropped(created));
}

TEST_F(PicturePixels, TexturesLostWithTheRendererAreMadeAgainFromTheSource) {
    Image picture = fromFile(halves(255));
    // Two cells of 2 × 2, cut from a 4 × 2 sheet: the second one is blue.
    Image cells = loadAnimImage(file("picture.png"), 2, 2, 0, 2, 0);
    // A picture embedded in another file decodes again from the bytes it kept.
    ASSERT_TRUE(savePixmapPng(solidPixmap(2, 2, Rgba{0, 255, 0, 255}), (folder / "embedded.png").string()));
    Image embedded = loadImage(readFile(file("embedded.png")), 0);
    ASSERT_NE(embedded, nullptr);
    std::filesystem::remove(folder / "embedded.png");
    Pixmap before = drawnAlone(picture);
    drawnAlone(cells, 1);
    drawnAlone(embedded);
    ASSERT_TRUE(dropped(picture) && dropped(cells, 1) && dropped(embedded));

    ASSERT_TRUE(openDisplay(1024, 768, 0, 60, 0));
    EXPECT_TRUE(sameTopLeft(drawnAlone(picture), before));
    EXPECT_TRUE(nearColour(drawnAlone(cells, 1).at(1, 1), 0, 0, 255));
    EXPECT_TRUE(nearColour(drawnAlone(embedded).at(1, 1), 0, 255, 0));
    EXPECT_TRUE(dropped(picture));
}

TEST_F(PicturePixels, APictureWhoseFileIsGoneDrawsNothingOnANewRenderer) {
    Image picture = fromFile(halves(255));
    drawnAlone(picture);
    std::filesystem::remove(folder / "picture.png");
    ASSERT_TRUE(openDisplay(1024, 768, 0, 60, 0));
    EXPECT_TRUE(nearColour(drawnAlone(picture).at(1, 1), 0, 0, 0));
    EXPECT_EQ(imagesCollide(picture, 0, 0, 0, loadImage(solidPixmap(4, 2, RED), 0), 0, 0, 0), 0);
    EXPECT_FALSE(dropped(picture));
}

TEST_F(PicturePixels, CollisionTestsAndLockedPicturesKeepTheirPixels) {
    Image target = fromFile(halves(0), "target.png");  // only the left half is solid
    Image probe = loadImage(solidPixmap(1, 1, RED), 0);
    drawnAlone(target);
    ASSERT_TRUE(dropped(target));
    EXPECT_EQ(imagesCollide(target, 0, 0, 0, probe, 1, 1, 0), 1);
    EXPECT_EQ(imagesCollide(target, 0, 0, 0, probe, 3, 1, 0), 0);
    drawnAlone(target);
    EXPECT_FALSE(dropped(target));

    Image locked = fromFile(halves(255), "locked.png");
    drawnAlone(locked);
    Pixmap* pixels = lockImage(locked, 0, true, true);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(pixels->at(0, 0), RED);
    pixels->at(0, 0) = Rgba{0, 255, 0, 255};
    unlockImage(locked, 0);
    EXPECT_TRUE(nearColour(drawnAlone(locked).at(0, 0), 0, 255, 0));
    EXPECT_FALSE(dropped(locked));
}

TEST_F(PicturePixels, AMaskDrawnFadedIsCutAgainFromKeptPixels) {
    // Texel alpha 200 on the left, 100 on the right; the mask test is texel alpha · alpha ≥ 128.
    Pixmap soft = halves(100);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) soft.at(x, y).a = 200;
    Image picture = fromFile(soft);
    Pixmap full = drawnAlone(picture);
    EXPECT_TRUE(nearColour(full.at(1, 1), 255, 0, 0));
    EXPECT_TRUE(nearColour(full.at(3, 1), 0, 0, 0));
    EXPECT_TRUE(dropped(picture));

    setAlpha(0.6f);  // threshold 214: nothing passes
    EXPECT_TRUE(nearColour(drawnAlone(picture).at(1, 1), 0, 0, 0));
    EXPECT_FALSE(dropped(picture));
    setAlpha(0.7f);  // threshold 183: the left half passes, drawn opaque
    EXPECT_TRUE(nearColour(drawnAlone(picture).at(1, 1), 255, 0, 0));
    setAlpha(1);
    EXPECT_TRUE(sameTopLeft(drawnAlone(picture), full));
}

TEST_F(PicturePixels, AMaskOfClearAndOpaqueTexelsNeedsNoCutOut) {
    Image picture = fromFile(halves(0));
    setAlpha(0.6f);  // threshold 214: opaque texels pass at any alpha above 0.5
    Pixmap screen = drawnAlone(picture);
    EXPECT_TRUE(nearColour(screen.at(1, 1), 255, 0, 0));
    EXPECT_TRUE(nearColour(screen.at(3, 1), 0, 0, 0));
    setAlpha(0.5f);
    EXPECT_TRUE(nearColour(drawnAlone(picture).at(1, 1), 0, 0, 0));
    EXPECT_EQ(picture->frames[0].maskTexture.texture, nullptr);
    EXPECT_TRUE(dropped(picture));
}
