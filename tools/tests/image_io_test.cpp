// The shared writers and the canvas export: what goes in must come back out of
// the standard decoders, with straight alpha and the right size.
#include <gtest/gtest.h>

#include "common/image_io.h"
#include "decoders.h"
#include "pictures/canvas.h"

using testing_tools::decodeJpeg;
using testing_tools::decodePng;
using testing_tools::ScratchFolder;

TEST(ImageIo, PngKeepsEveryChannelIncludingAlpha) {
    tools::RgbaImage image{3, 2, {}};
    for (int i = 0; i < 3 * 2 * 4; ++i) {
        image.pixels.push_back(uint8_t(i * 11));
    }
    const tools::RgbaImage back = decodePng(tools::encodePng(image));
    EXPECT_EQ(back.width, 3);
    EXPECT_EQ(back.height, 2);
    EXPECT_EQ(back.pixels, image.pixels);
}

TEST(ImageIo, JpegHasTheSizeAndRoughlyTheColourWritten) {
    tools::RgbaImage image{40, 24, {}};
    for (int i = 0; i < 40 * 24; ++i) {
        image.pixels.insert(image.pixels.end(), {200, 120, 40, 0});  // alpha is ignored
    }
    const ScratchFolder folder("jpeg");
    const auto path = folder.path() / "nested/picture.jpg";
    tools::writeJpeg(path, image, 90);
    const tools::RgbaImage back = decodeJpeg(path);
    ASSERT_EQ(back.width, 40);
    ASSERT_EQ(back.height, 24);
    EXPECT_NEAR(back.pixels[0], 200, 4);
    EXPECT_NEAR(back.pixels[1], 120, 4);
    EXPECT_NEAR(back.pixels[2], 40, 4);
}

TEST(ImageIo, WritingIntoAnUnwritablePlaceThrows) {
    EXPECT_THROW(tools::writeFile("/proc/pendrel-no-such-folder/file.bin", {1, 2, 3}),
                 std::exception);
}

TEST(Canvas, ExportUnpremultipliesAlpha) {
    pictures::Canvas canvas(4, 4);
    cairo_set_source_rgba(canvas.cr(), 1.0, 0.5, 0.0, 0.5);
    cairo_paint(canvas.cr());
    const tools::RgbaImage image = canvas.pixels();
    EXPECT_NEAR(image.pixels[0], 255, 2);
    EXPECT_NEAR(image.pixels[1], 128, 2);
    EXPECT_EQ(image.pixels[2], 0);
    EXPECT_NEAR(image.pixels[3], 128, 1);
}

TEST(Canvas, BlurSpreadsAPointEvenlyAndKeepsFlatAreasFlat) {
    pictures::Canvas canvas(21, 21);
    cairo_set_source_rgba(canvas.cr(), 1, 1, 1, 1);
    cairo_rectangle(canvas.cr(), 10, 10, 1, 1);
    cairo_fill(canvas.cr());
    canvas.blur(2);
    const tools::RgbaImage spot = canvas.pixels();
    auto alphaAt = [&](int x, int y) { return spot.pixels[size_t(y * 21 + x) * 4 + 3]; };
    EXPECT_GT(alphaAt(10, 10), alphaAt(12, 10));
    EXPECT_EQ(alphaAt(8, 10), alphaAt(12, 10));
    EXPECT_EQ(alphaAt(10, 8), alphaAt(10, 12));
    EXPECT_EQ(alphaAt(0, 0), 0);

    pictures::Canvas flat(9, 9);
    cairo_set_source_rgba(flat.cr(), 0.2, 0.4, 0.6, 1.0);
    cairo_paint(flat.cr());
    const tools::RgbaImage before = flat.pixels();
    flat.blur(3);
    EXPECT_EQ(flat.pixels().pixels, before.pixels);
}
