// Reading one picture file out of a stream that goes on after it (font files embed their
// glyph pictures between text records): the picture's own structure says where it ends.
#include "platform/graphics.h"

namespace {

class PictureReader {
public:
    explicit PictureReader(const Stream& stream) : stream_(stream) {}

    // Appends n bytes; throws StreamError when the stream ends first.
    void take(size_t n) {
        for (char16_t unit : readString(stream_, int(n))) bytes.push_back(uint8_t(unit));
    }

    uint8_t next() {
        bytes.push_back(readByte(stream_));
        return bytes.back();
    }

    uint32_t bigEndian(size_t offset) const {
        return uint32_t(bytes[offset]) << 24 | bytes[offset + 1] << 16 | bytes[offset + 2] << 8 | bytes[offset + 3];
    }

    void takePngChunks() {
        for (bool last = false; !last;) {
            size_t start = bytes.size();
            take(8);
            uint32_t length = bigEndian(start);
            if (length > (1u << 30)) throw StreamError{"bad PNG chunk"};
            last = bytes[start + 4] == 'I' && bytes[start + 5] == 'E' && bytes[start + 6] == 'N' && bytes[start + 7] == 'D';
            take(size_t(length) + 4);
        }
    }

    // Segments up to the end-of-image marker; the coded data after a start-of-scan runs to
    // the next marker that is neither a stuffed 0xFF nor a restart marker.
    void takeJpegSegments() {
        uint8_t marker = nextMarker();
        while (marker != 0xD9) {
            if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
                marker = nextMarker();
                continue;
            }
            size_t start = bytes.size();
            take(2);
            size_t length = size_t(bytes[start]) << 8 | bytes[start + 1];
            if (length < 2) throw StreamError{"bad JPEG segment"};
            take(length - 2);
            marker = marker == 0xDA ? skipCodedData() : nextMarker();
        }
    }

    void takeBmp() {
        take(4);
        uint32_t size = uint32_t(bytes[2]) | bytes[3] << 8 | bytes[4] << 16 | uint32_t(bytes[5]) << 24;
        if (size < 6) throw StreamError{"bad BMP size"};
        take(size - 6);
    }

    std::vector<uint8_t> bytes;

private:
    uint8_t nextMarker() {
        if (next() != 0xFF) throw StreamError{"JPEG marker expected"};
        uint8_t marker = next();
        while (marker == 0xFF) marker = next();
        return marker;
    }

    uint8_t skipCodedData() {
        for (;;) {
            if (next() != 0xFF) continue;
            uint8_t marker = next();
            while (marker == 0xFF) marker = next();
            if (marker != 0x00 && (marker < 0xD0 || marker > 0xD7)) return marker;
        }
    }

    const Stream& stream_;
};

}  // namespace

std::vector<uint8_t> readPictureBytes(const Stream& stream) {
    if (!stream || eof(stream)) return {};
    PictureReader reader(stream);
    try {
        reader.take(2);
        const std::vector<uint8_t>& b = reader.bytes;
        if (b[0] == 0x89 && b[1] == 'P') {
            reader.take(6);
            reader.takePngChunks();
        } else if (b[0] == 0xFF && b[1] == 0xD8) {
            reader.takeJpegSegments();
        } else if (b[0] == 'B' && b[1] == 'M') {
            reader.takeBmp();
        } else {
            // A TGA has no end mark: it is taken to run to the end of the stream.
            std::vector<uint8_t> rest = readAllBytes(stream);
            reader.bytes.insert(reader.bytes.end(), rest.begin(), rest.end());
        }
    } catch (const StreamError&) {
        return {};
    }
    return reader.bytes;
}
