// A reader of the bitmap font file written for the data tests: it walks the
// glyph-layer records byte by byte and measures text the way the game does.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace font_reader {

// The numbers of one layer record and the size of its PNG picture.
struct Layer {
    int offsetX = 0;
    int offsetY = 0;
    int drawWidth = 0;
    int drawHeight = 0;
    int charwidth = 0;
    int pictureWidth = 0;
    int pictureHeight = 0;
};

// Layers by name ("FACE", "BORDER", "SHADOW"), then by character code.
using Font = std::map<std::string, std::map<int, Layer>>;

class Reader {
public:
    explicit Reader(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    // Reads records until the end; throws std::runtime_error on the first malformed byte.
    Font readAll() {
        Font font;
        while (pos_ < bytes_.size()) readRecord(font);
        return font;
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t pos_ = 0;

    void need(std::size_t count) const {
        if (bytes_.size() - pos_ < count) throw std::runtime_error("record cut short at byte " + std::to_string(pos_));
    }
    std::uint32_t bigEndian(std::size_t at) const {
        return std::uint32_t(bytes_[at]) << 24 | std::uint32_t(bytes_[at + 1]) << 16 |
               std::uint32_t(bytes_[at + 2]) << 8 | bytes_[at + 3];
    }
    int readInt() {
        need(4);
        const std::uint32_t value = std::uint32_t(bytes_[pos_]) | std::uint32_t(bytes_[pos_ + 1]) << 8 |
                                    std::uint32_t(bytes_[pos_ + 2]) << 16 | std::uint32_t(bytes_[pos_ + 3]) << 24;
        pos_ += 4;
        return static_cast<int>(value);
    }
    std::string readLine() {
        std::string line;
        for (need(1); bytes_[pos_] != '\n'; need(1)) line += char(bytes_[pos_++]);
        ++pos_;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return line;
    }
    // Skips the rest of a line: up to and including a line feed or a zero byte.
    void skipLine() {
        for (need(1); bytes_[pos_] != '\n' && bytes_[pos_] != 0; need(1)) ++pos_;
        ++pos_;
    }
    // Walks a PNG chunk by chunk to its end chunk; returns its width and height.
    std::array<int, 2> readPng() {
        static constexpr std::array<std::uint8_t, 8> SIGNATURE{137, 80, 78, 71, 13, 10, 26, 10};
        need(8);
        if (!std::equal(SIGNATURE.begin(), SIGNATURE.end(), bytes_.begin() + std::ptrdiff_t(pos_))) {
            throw std::runtime_error("no PNG signature at byte " + std::to_string(pos_));
        }
        pos_ += 8;
        std::array<int, 2> size{0, 0};
        for (std::string type; type != "IEND";) {
            need(8);
            const std::uint32_t length = bigEndian(pos_);
            type.assign(bytes_.begin() + std::ptrdiff_t(pos_ + 4), bytes_.begin() + std::ptrdiff_t(pos_ + 8));
            need(8 + std::size_t(length) + 4);
            if (type == "IHDR") size = {int(bigEndian(pos_ + 8)), int(bigEndian(pos_ + 12))};
            pos_ += 8 + length + 4;
        }
        return size;
    }
    void readRecord(Font& font) {
        const int code = readInt();
        if (code < 0 || code > 65535) throw std::runtime_error("character code " + std::to_string(code));
        const std::string name = readLine();
        if (name != "FACE" && name != "BORDER" && name != "SHADOW") throw std::runtime_error("layer " + name);
        readInt();
        const std::array<int, 2> picture = readPng();
        skipLine();
        readInt();
        Layer layer;
        layer.offsetX = readInt();
        layer.offsetY = readInt();
        layer.drawWidth = readInt();
        layer.drawHeight = readInt();
        layer.charwidth = readInt();
        layer.pictureWidth = picture[0];
        layer.pictureHeight = picture[1];
        skipLine();
        font[name][code] = layer;
    }
};

inline Font readFontFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path.string());
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return Reader(std::move(bytes)).readAll();
}

// The game's text width: every character's advance plus the horizontal kerning of
// 1.0, truncated after each character, then the last character's overhang.
inline int textWidth(const Font& font, std::u16string_view text) {
    const auto faces = font.find("FACE");
    if (faces == font.end()) return 0;
    int width = 0;
    std::optional<Layer> last;
    for (char16_t code : text) {
        const auto face = faces->second.find(code);
        if (face == faces->second.end()) continue;
        width = int(double(width) + face->second.charwidth + 1.0);
        last = face->second;
    }
    return last ? width + last->drawWidth - last->charwidth : width;
}

// The line height: the drawn height of the space's face.
inline int fontHeight(const Font& font) {
    const auto faces = font.find("FACE");
    if (faces == font.end() || !faces->second.count(32)) return 0;
    return faces->second.at(32).drawHeight;
}

}  // namespace font_reader
