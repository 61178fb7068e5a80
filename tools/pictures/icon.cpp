// The gem pendant as the window icon (32, 16 and 48 pixels in one ICO file; the 32-pixel
// entry comes first because the game takes the file's first icon) and as the launcher icons
// of the desktop's icon theme.
#include <cstdint>
#include <string>

#include "emblem.h"
#include "generators.h"

namespace pictures {

namespace {

constexpr int iconSizes[] = {32, 16, 48};
constexpr int themeSizes[] = {16, 32, 48, 64, 128, 256};

tools::Bytes iconPng(int size) {
    Canvas canvas(size, size);
    paintPendant(canvas.cr(), {size / 2.0, size / 2.0}, size * 0.97);
    return tools::encodePng(canvas.pixels());
}

void putLittleEndian(tools::Bytes& bytes, uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        bytes.push_back(uint8_t(value >> (8 * i)));
    }
}

// ICO layout: a 6-byte header, one 16-byte directory entry per picture, then
// the pictures themselves, here each a complete PNG.
tools::Bytes iconFile() {
    std::vector<tools::Bytes> images;
    for (int size : iconSizes) {
        images.push_back(iconPng(size));
    }
    tools::Bytes file;
    putLittleEndian(file, 0, 2);  // reserved
    putLittleEndian(file, 1, 2);  // type: icon
    putLittleEndian(file, uint32_t(images.size()), 2);
    uint32_t offset = uint32_t(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        putLittleEndian(file, uint32_t(iconSizes[i]), 1);  // width
        putLittleEndian(file, uint32_t(iconSizes[i]), 1);  // height
        putLittleEndian(file, 0, 2);                       // no palette, reserved
        putLittleEndian(file, 1, 2);                       // colour planes
        putLittleEndian(file, 32, 2);                      // bits per pixel
        putLittleEndian(file, uint32_t(images[i].size()), 4);
        putLittleEndian(file, offset, 4);
        offset += uint32_t(images[i].size());
    }
    for (const tools::Bytes& image : images) {
        file.insert(file.end(), image.begin(), image.end());
    }
    return file;
}

}  // namespace

void writeIcon(const std::filesystem::path& out) { tools::writeFile(out / "data" / "icon32.ico", iconFile()); }

void writeThemeIcons(const std::filesystem::path& out, const std::string& appId) {
    for (int size : themeSizes) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        tools::writeFile(out / "icons" / "hicolor" / folder / "apps" / (appId + ".png"), iconPng(size));
    }
}

}  // namespace pictures
