// The small uncompressed picture formats: BMP (24 and 32 bits), TGA (24 and 32 bits,
// uncompressed) and the first picture of an ICO file (a PNG or a 32-bit BMP entry).
// Every size and offset is checked against the bytes present before it is used.
#include <algorithm>
#include <cstdlib>

#include "platform/graphics.h"

namespace {

// Larger than any picture allowed, so a damaged height cannot overflow before it is checked.
constexpr long long HEIGHT_CAP = 1LL << 20;

struct Bytes {
    const std::vector<uint8_t>& data;
    size_t base = 0;  // offset of the structure being read

    bool has(size_t offset, size_t count) const {
        return base + offset <= data.size() && count <= data.size() - base - offset;
    }
    uint32_t u16(size_t offset) const { return data[base + offset] | data[base + offset + 1] << 8; }
    uint32_t u32(size_t offset) const { return u16(offset) | u16(offset + 2) << 16; }
    const uint8_t* at(size_t offset) const { return data.data() + base + offset; }
};

// Rows of B, G, R (, A) samples, padded to `stride` bytes, top row first or last.
struct RawPixels {
    const uint8_t* start;
    int width, height, bytesPerPixel;
    size_t stride;
    bool bottomUp;
};

// A 32-bit picture whose alpha bytes are all zero was written without alpha: show it opaque.
DecodedPicture toPicture(const RawPixels& raw) {
    auto pixmap = std::make_shared<Pixmap>();
    pixmap->width = raw.width;
    pixmap->height = raw.height;
    pixmap->pixels.resize(size_t(raw.width) * size_t(raw.height));
    bool anyAlpha = false;
    for (int y = 0; y < raw.height; ++y) {
        const uint8_t* row = raw.start + raw.stride * size_t(raw.bottomUp ? raw.height - 1 - y : y);
        for (int x = 0; x < raw.width; ++x) {
            const uint8_t* p = row + size_t(x) * size_t(raw.bytesPerPixel);
            uint8_t a = raw.bytesPerPixel == 4 ? p[3] : 255;
            anyAlpha = anyAlpha || (raw.bytesPerPixel == 4 && a != 0);
            pixmap->at(x, y) = Rgba{p[2], p[1], p[0], a};
        }
    }
    if (raw.bytesPerPixel == 4 && !anyAlpha)
        for (Rgba& p : pixmap->pixels) p.a = 255;
    return {pixmap, anyAlpha};
}

bool sensibleSize(int width, int height) {
    return width > 0 && height > 0 && pictureSizeAllowed(unsigned(width), unsigned(height));
}

// A BMP information header at `info` with its pixels at `pixels` (both offsets into the
// data). An icon entry's header counts its AND mask rows in the height too.
DecodedPicture decodeDib(const std::vector<uint8_t>& data, size_t info, size_t pixels, bool iconEntry) {
    Bytes header{data, info};
    if (!header.has(0, 40)) return {};
    int width = int(header.u32(4));
    long long storedHeight = int32_t(header.u32(8));
    int bits = int(header.u16(14)), compression = int(header.u32(16));
    bool bottomUp = storedHeight > 0;
    int height = int(std::min(std::llabs(storedHeight), HEIGHT_CAP)) / (iconEntry ? 2 : 1);
    // Compression 3 (bit fields) is accepted for 32 bits in the usual B, G, R, A order.
    bool supported = (bits == 24 || bits == 32) && (compression == 0 || (compression == 3 && bits == 32));
    if (!supported || !sensibleSize(width, height)) return {};
    size_t stride = (size_t(width) * size_t(bits / 8) + 3) / 4 * 4;
    if (!Bytes{data, pixels}.has(0, stride * size_t(height))) return {};
    return toPicture(RawPixels{data.data() + pixels, width, height, bits / 8, stride, bottomUp});
}

}  // namespace

DecodedPicture decodeBmp(const std::vector<uint8_t>& bytes) {
    Bytes file{bytes};
    if (!file.has(0, 14) || bytes[0] != 'B' || bytes[1] != 'M') return {};
    return decodeDib(bytes, 14, file.u32(10), false);
}

DecodedPicture decodeTga(const std::vector<uint8_t>& bytes) {
    Bytes file{bytes};
    if (!file.has(0, 18)) return {};
    int idLength = bytes[0], colourMapType = bytes[1], imageType = bytes[2];
    int width = int(file.u16(12)), height = int(file.u16(14)), bits = bytes[16];
    bool topDown = (bytes[17] & 0x20) != 0;
    if (colourMapType != 0 || imageType != 2 || (bits != 24 && bits != 32) || !sensibleSize(width, height))
        return {};
    size_t stride = size_t(width) * size_t(bits / 8);
    size_t start = 18 + size_t(idLength);
    if (!file.has(start, stride * size_t(height))) return {};
    return toPicture(RawPixels{bytes.data() + start, width, height, bits / 8, stride, !topDown});
}

DecodedPicture decodeIco(const std::vector<uint8_t>& bytes) {
    Bytes file{bytes};
    if (!file.has(0, 6 + 16) || file.u16(0) != 0 || file.u16(2) != 1 || file.u16(4) == 0) return {};
    size_t size = file.u32(6 + 8), offset = file.u32(6 + 12);
    if (!file.has(offset, size)) return {};
    std::vector<uint8_t> entry(bytes.begin() + long(offset), bytes.begin() + long(offset + size));
    if (entry.size() >= 4 && entry[0] == 0x89 && entry[1] == 'P') return decodePng(entry);
    // A BMP entry: the header's height counts the colour rows and the AND mask below them.
    Bytes header{entry};
    if (!header.has(0, 40) || header.u16(14) != 32) return {};
    return decodeDib(entry, 0, header.u32(0), true);
}

PixmapPtr loadIconPixmap(const String& file) { return decodeIco(readWholeFile(file)).pixmap; }
