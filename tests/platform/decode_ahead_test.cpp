// Decoding ahead: pictures named ahead load as they would without it, results never taken are
// released, missing and damaged files stay quiet, and the worker holds back at its memory bound.
#include "platform/decode_ahead.h"

#include "platform/headless_fixture.h"

using headless::solidPixmap;

namespace {

// A picture whose every pixel differs from its neighbours, with some transparency.
Pixmap gradient(int width, int height) {
    Pixmap pixmap = solidPixmap(width, height, Rgba{});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixmap.at(x, y) = Rgba{uint8_t(x), uint8_t(y), uint8_t(x ^ y), uint8_t(x + y)};
    return pixmap;
}

const Pixmap& pixelsOf(const Image& image, int frame) { return *lockImage(image, frame, true, false); }

class DecodeAhead : public HeadlessDisplay {
protected:
    void TearDown() override {
        decodeAhead({});
        HeadlessDisplay::TearDown();
    }

    String savePng(const std::string& name, const Pixmap& pixmap) {
        EXPECT_TRUE(savePixmapPng(pixmap, (folder / name).string()));
        return file(name);
    }
};

}  // namespace

TEST_F(DecodeAhead, NamedPicturesLoadTheSamePixelsAsPlainLoads) {
    const String sheet = savePng("sheet.png", gradient(64, 32));
    const String plain = savePng("plain.png", gradient(20, 10));
    const Image expectedImage = loadImage(plain, -1);
    const Image expectedCells = loadAnimImage(sheet, 32, 32, 0, 2, 0);
    // The sheet is named twice for its two loads; the second load shares the decoded picture.
    decodeAhead({plain, sheet, sheet});
    waitForDecodeAhead();
    EXPECT_EQ(decodeAheadHeld().results, 2);
    const Image image = loadImage(plain, -1);
    const Image cells = loadAnimImage(sheet, 32, 32, 0, 2, 0);
    const Image whole = loadImage(sheet, 0);
    EXPECT_EQ(decodeAheadTaken(), 3);
    EXPECT_EQ(decodeAheadHeld().results, 0);
    EXPECT_EQ(pixelsOf(image, 0).pixels, pixelsOf(expectedImage, 0).pixels);
    EXPECT_EQ(image->flags, expectedImage->flags);
    for (int frame : {0, 1}) EXPECT_EQ(pixelsOf(cells, frame).pixels, pixelsOf(expectedCells, frame).pixels);
    EXPECT_EQ(pixelsOf(whole, 0).pixels, gradient(64, 32).pixels);
}

TEST_F(DecodeAhead, LoadsRacingTheWorkerGetTheSamePixels) {
    std::vector<String> files;
    for (int i = 0; i < 24; ++i) files.push_back(savePng("race" + std::to_string(i) + ".png", gradient(40 + i, 30)));
    decodeAhead(files);
    for (int i = 0; i < 24; ++i) {
        const Image image = loadImage(files[size_t(i)], 0);
        ASSERT_TRUE(image);
        EXPECT_EQ(pixelsOf(image, 0).pixels, gradient(40 + i, 30).pixels) << i;
    }
    waitForDecodeAhead();
    EXPECT_EQ(decodeAheadHeld().results, 0);
}

TEST_F(DecodeAhead, ResultsNotTakenAreReleasedByTheNextNaming) {
    const String first = savePng("first.png", gradient(16, 16));
    const String second = savePng("second.png", gradient(8, 8));
    decodeAhead({first, second});
    waitForDecodeAhead();
    EXPECT_EQ(decodeAheadHeld().results, 2);
    EXPECT_EQ(decodeAheadHeld().bytes, (16 * 16 + 8 * 8) * sizeof(Rgba));
    ASSERT_TRUE(loadImage(first, 0));
    EXPECT_EQ(decodeAheadHeld().results, 1);
    decodeAhead({});
    EXPECT_EQ(decodeAheadHeld().results, 0);
    EXPECT_EQ(decodeAheadHeld().bytes, 0u);
    // Loaded after its release, the file is simply read again.
    ASSERT_TRUE(loadImage(second, 0));
    EXPECT_EQ(decodeAheadTaken(), 0);
}

TEST_F(DecodeAhead, ARelativeNameIsTakenOnlyInTheFolderItWasNamedIn) {
    std::filesystem::create_directories(folder / "a");
    std::filesystem::create_directories(folder / "b");
    savePng("a/same.png", gradient(6, 6));
    savePng("b/same.png", gradient(9, 9));
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder / "a");
    decodeAhead({u"same.png"});
    waitForDecodeAhead();
    std::filesystem::current_path(folder / "b");
    const Image image = loadImage(u"same.png", 0);
    std::filesystem::current_path(before);
    ASSERT_TRUE(image);
    EXPECT_EQ(imageWidth(image), 9);
    EXPECT_EQ(decodeAheadTaken(), 0);
}

TEST_F(DecodeAhead, MissingAndDamagedFilesLoadAsNothing) {
    const String missing = file("missing.png");
    const String damaged = headless::writeBytes(folder / "damaged.png", {0x89, 'P', 'N', 'G', 1, 2, 3});
    const String folderName = toString16(folder.string());
    decodeAhead({missing, damaged, folderName, damaged});
    waitForDecodeAhead();
    EXPECT_EQ(loadImage(missing, 0), nullptr);
    EXPECT_EQ(loadImage(damaged, 0), nullptr);
    EXPECT_EQ(loadAnimImage(damaged, 1, 1, 0, 1, 0), nullptr);
    EXPECT_EQ(loadSound(folderName, 0), nullptr);
    EXPECT_EQ(decodeAheadHeld().results, 0);
}

TEST_F(DecodeAhead, WorkerHoldsBackAtItsBoundAndALoadDoesNotWaitForIt) {
    // 16 MiB each: the worker holds three (48 MiB) and starts the fourth once one is taken.
    const String first = savePng("big0.png", solidPixmap(2048, 2048, Rgba{1, 2, 3, 4}));
    std::vector<String> files{first};
    for (int i = 1; i < 4; ++i) {
        std::filesystem::copy_file(folder / "big0.png", folder / ("big" + std::to_string(i) + ".png"));
        files.push_back(file("big" + std::to_string(i) + ".png"));
    }
    files.push_back(savePng("small.png", gradient(4, 4)));
    decodeAhead(files);
    waitForDecodeAhead();
    EXPECT_EQ(decodeAheadHeld().results, 3);
    // The small picture waits behind the bound, so its load decodes it itself.
    const Image small = loadImage(files[4], 0);
    ASSERT_TRUE(small);
    EXPECT_EQ(pixelsOf(small, 0).pixels, gradient(4, 4).pixels);
    EXPECT_EQ(decodeAheadTaken(), 0);
    ASSERT_TRUE(loadImage(files[0], 0));
    waitForDecodeAhead();
    EXPECT_EQ(decodeAheadHeld().results, 3);
    for (size_t i = 1; i < 4; ++i) EXPECT_TRUE(loadImage(files[i], 0));
    EXPECT_EQ(decodeAheadTaken(), 4);
    EXPECT_EQ(decodeAheadHeld().results, 0);
}
