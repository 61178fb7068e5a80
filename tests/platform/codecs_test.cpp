// Picture files: PNG round trips, JPEG decoding and masking, BMP, TGA and ICO readers,
// pictures embedded in a stream, and damaged input that must load as none.
#include <tuple>

#include "platform/headless_fixture.h"

using headless::fromHex;
using headless::solidPixmap;
using headless::writeBytes;

namespace {

// 16 × 8 JPEG made by our own encoder: left half black, right half white.
const char* const JPEG_HEX =
    "ffd8ffe000104a46494600010100000100010000ffdb004300020101010101020101010202020202040302020202050404030406"
    "0506060605060606070908060709070606080b08090a0a0a0a0a06080b0c0b0a0c090a0a0affdb00430102020202020205030305"
    "0a0706070a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a0a"
    "0a0affc00011080008001003012200021101031101ffc400150001010000000000000000000000000000000affc4001410010000"
    "0000000000000000000000000000ffc40014010100000000000000000000000000000000ffc40014110100000000000000000000"
    "000000000000ffda000c03010002110311003f009ff5fe003fffd9";

std::vector<uint8_t> jpegBytes() { return fromHex(JPEG_HEX); }

Pixmap gradient(int width, int height) {
    Pixmap pixmap = solidPixmap(width, height, Rgba{});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixmap.at(x, y) = Rgba{uint8_t(x * 40), uint8_t(y * 50), 7, uint8_t(255 - x * y)};
    return pixmap;
}

// Little-endian helpers for hand-made BMP, TGA and ICO files.
void put16(std::vector<uint8_t>& out, int value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void put32(std::vector<uint8_t>& out, int value) {
    put16(out, value & 0xFFFF);
    put16(out, (value >> 16) & 0xFFFF);
}

// A BMP information header and bottom-up B, G, R(, A) rows of a 2 × 2 picture:
// bottom row red, green; top row blue, white.
std::vector<uint8_t> dib(int bits, int storedHeight) {
    std::vector<uint8_t> out;
    put32(out, 40);
    put32(out, 2);
    put32(out, storedHeight);
    put16(out, 1);
    put16(out, bits);
    for (int i = 0; i < 6; ++i) put32(out, 0);
    const uint8_t rows[2][2][4] = {{{0, 0, 255, 255}, {0, 255, 0, 128}}, {{255, 0, 0, 255}, {255, 255, 255, 255}}};
    for (const auto& row : rows) {
        size_t start = out.size();
        for (const auto& p : row) out.insert(out.end(), p, p + bits / 8);
        while ((out.size() - start) % 4) out.push_back(0);
    }
    return out;
}

void expectFourColours(const PixmapPtr& pixmap) {
    ASSERT_NE(pixmap, nullptr);
    ASSERT_EQ(pixmap->width, 2);
    ASSERT_EQ(pixmap->height, 2);
    EXPECT_EQ(pixmap->at(0, 0), (Rgba{0, 0, 255, 255}));
    EXPECT_EQ(pixmap->at(1, 0), (Rgba{255, 255, 255, 255}));
    EXPECT_EQ(pixmap->at(0, 1), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(pixmap->at(1, 1).g, 255);
}

}  // namespace

using Codecs = HeadlessDisplay;

TEST_F(Codecs, PngRoundTripIsExactAndRepeatable) {
    Pixmap picture = gradient(5, 4);
    const std::string first = (folder / "a.png").string(), second = (folder / "b.png").string();
    ASSERT_TRUE(savePixmapPng(picture, first));
    ASSERT_TRUE(savePixmapPng(picture, second));
    PixmapPtr loaded = loadPixmap(file("a.png"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->width, 5);
    EXPECT_EQ(loaded->pixels, picture.pixels);
    std::ifstream a(first, std::ios::binary), b(second, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(a), {}), std::string(std::istreambuf_iterator<char>(b), {}));
    EXPECT_FALSE(savePixmapPng(picture, (folder / "no" / "such" / "folder.png").string()));
}

TEST_F(Codecs, JpegDecodesAndMasksItsBlack) {
    const String name = writeBytes(folder / "halves.jpg", jpegBytes());
    PixmapPtr pixmap = loadPixmap(name);
    ASSERT_NE(pixmap, nullptr);
    EXPECT_EQ(pixmap->width, 16);
    EXPECT_EQ(pixmap->height, 8);
    EXPECT_TRUE(headless::nearColour(pixmap->at(2, 3), 0, 0, 0, 3));
    EXPECT_TRUE(headless::nearColour(pixmap->at(13, 3), 255, 255, 255, 3));
    EXPECT_EQ(pixmap->at(2, 3).a, 255);

    Image masked = loadImage(name, -1);
    ASSERT_NE(masked, nullptr);
    EXPECT_EQ(lockImage(masked, 0, true, false)->at(2, 3).a, 0);
    EXPECT_EQ(lockImage(masked, 0, true, false)->at(13, 3).a, 255);
}

TEST_F(Codecs, DamagedFilesLoadAsNone) {
    ASSERT_TRUE(savePixmapPng(gradient(40, 30), (folder / "good.png").string()));
    std::ifstream in(folder / "good.png", std::ios::binary);
    std::vector<uint8_t> png((std::istreambuf_iterator<char>(in)), {});
    std::vector<uint8_t> jpeg = jpegBytes();
    std::vector<uint8_t> corrupt = jpeg;
    for (size_t i = 200; i < corrupt.size() - 2; ++i) corrupt[i] = 0xFF;
    const std::vector<std::pair<std::string, std::vector<uint8_t>>> damaged = {
        {"empty.png", {}},
        {"empty.jpg", {}},
        {"signature.png", std::vector<uint8_t>(png.begin(), png.begin() + 8)},
        {"half.png", std::vector<uint8_t>(png.begin(), png.begin() + long(png.size() / 2))},
        {"header.jpg", std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + 20)},
        {"half.jpg", std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + long(jpeg.size() - 12))},
        {"corrupt.jpg", corrupt},
        {"text.png", {'h', 'e', 'l', 'l', 'o'}},
    };
    for (const auto& [name, bytes] : damaged) {
        const String path = writeBytes(folder / name, bytes);
        EXPECT_EQ(loadPixmap(path), nullptr) << name;
        EXPECT_EQ(loadImage(path, -1), nullptr) << name;
        EXPECT_EQ(loadAnimImage(path, 1, 1, 0, 1, -1), nullptr) << name;
    }
    EXPECT_EQ(loadPixmap(file("missing.png")), nullptr);
    EXPECT_EQ(loadImage(file("missing.jpg"), -1), nullptr);
    EXPECT_EQ(loadIconPixmap(file("missing.ico")), nullptr);
}

TEST_F(Codecs, BmpAndTgaReadersHandleBothDepthsAndOrientations) {
    for (int bits : {24, 32}) {
        std::vector<uint8_t> bmp = {'B', 'M'};
        std::vector<uint8_t> info = dib(bits, 2);
        put32(bmp, int(14 + info.size()));
        put32(bmp, 0);
        put32(bmp, 14 + 40);
        bmp.insert(bmp.end(), info.begin(), info.end());
        SCOPED_TRACE(bits);
        expectFourColours(loadPixmap(writeBytes(folder / "p.bmp", bmp)));
        bmp.resize(bmp.size() - 3);
        EXPECT_EQ(loadPixmap(writeBytes(folder / "short.bmp", bmp)), nullptr);
    }
    // TGA, top-down rows of B, G, R, A.
    std::vector<uint8_t> tga = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    put16(tga, 2);
    put16(tga, 2);
    tga.push_back(32);
    tga.push_back(0x28);
    for (uint8_t v : {255, 0, 0, 255, 255, 255, 255, 255, 0, 0, 255, 255, 0, 255, 0, 128}) tga.push_back(v);
    expectFourColours(loadPixmap(writeBytes(folder / "p.tga", tga)));
    EXPECT_EQ(loadPixmap(writeBytes(folder / "short.tga", std::vector<uint8_t>(tga.begin(), tga.end() - 1))), nullptr);
}

// Sides up to 16384 pixels are read; one more on either side and the picture loads as none.
TEST_F(Codecs, PicturesAreReadUpToTheLargestSideAndNoLarger) {
    for (auto [width, height, loads] :
         {std::tuple{16384, 1, true}, {1, 16384, true}, {16385, 1, false}, {1, 16385, false}}) {
        const std::string name = "side" + std::to_string(width) + "x" + std::to_string(height) + ".png";
        ASSERT_TRUE(savePixmapPng(solidPixmap(width, height, Rgba{9, 8, 7, 255}), (folder / name).string()));
        PixmapPtr loaded = loadPixmap(file(name));
        EXPECT_EQ(loaded != nullptr, loads) << name;
        if (loaded) {
            EXPECT_EQ(loaded->at(width - 1, height - 1), (Rgba{9, 8, 7, 255})) << name;
        }
    }
}

TEST_F(Codecs, IconsGiveTheirFirstPicture) {
    auto icon = [](const std::vector<uint8_t>& entry) {
        std::vector<uint8_t> out = {0, 0, 1, 0, 1, 0, 2, 2, 0, 0, 1, 0, 32, 0};
        put32(out, int(entry.size()));
        put32(out, 6 + 16);
        out.insert(out.end(), entry.begin(), entry.end());
        return out;
    };
    std::vector<uint8_t> bmpEntry = dib(32, 4);
    bmpEntry.insert(bmpEntry.end(), 8, 0xFF);  // the AND mask, ignored
    expectFourColours(loadIconPixmap(writeBytes(folder / "bmp.ico", icon(bmpEntry))));

    ASSERT_TRUE(savePixmapPng(gradient(3, 3), (folder / "entry.png").string()));
    std::ifstream in(folder / "entry.png", std::ios::binary);
    PixmapPtr fromPng = loadIconPixmap(writeBytes(folder / "png.ico", icon({std::istreambuf_iterator<char>(in), {}})));
    ASSERT_NE(fromPng, nullptr);
    EXPECT_EQ(fromPng->pixels, gradient(3, 3).pixels);

    std::vector<uint8_t> cut = icon(bmpEntry);
    cut.resize(cut.size() - 10);
    EXPECT_EQ(loadIconPixmap(writeBytes(folder / "cut.ico", cut)), nullptr);
}

TEST_F(Codecs, PicturesEmbeddedInAStreamEndWhereTheirFileEnds) {
    ASSERT_TRUE(savePixmapPng(gradient(4, 4), (folder / "glyph.png").string()));
    std::ifstream in(folder / "glyph.png", std::ios::binary);
    std::vector<uint8_t> bytes = {'F', 'A', 'C', 'E', '\n'};
    bytes.insert(bytes.end(), std::istreambuf_iterator<char>(in), {});
    bytes.insert(bytes.end(), {'\n', 'A'});
    std::vector<uint8_t> jpeg = jpegBytes();
    bytes.insert(bytes.end(), jpeg.begin(), jpeg.end());
    bytes.push_back('Z');
    Stream stream = readFile(writeBytes(folder / "font.bin", bytes));
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(readLine(stream), u"FACE");
    Image glyph = loadImage(stream, 2);
    ASSERT_NE(glyph, nullptr);
    EXPECT_EQ(imageWidth(glyph), 4);
    EXPECT_EQ(readLine(stream), u"");
    EXPECT_EQ(readByte(stream), 'A');
    PixmapPtr photo = loadPixmap(stream);
    ASSERT_NE(photo, nullptr);
    EXPECT_EQ(photo->width, 16);
    EXPECT_EQ(readByte(stream), 'Z');
    EXPECT_EQ(loadPixmap(stream), nullptr);
    closeStream(stream);
}
