// Shrinking and grid layout for the review sheets.
#include "sheet.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>

#include <cairo.h>
#include <jpeglib.h>

#include "board.h"

namespace art {

tools::RgbaImage shrink(const tools::RgbaImage& image, int factor) {
    tools::RgbaImage small{std::max(1, image.width / factor), std::max(1, image.height / factor), {}};
    small.pixels.reserve(size_t(small.width) * size_t(small.height) * 4);
    for (int y = 0; y < small.height; ++y) {
        for (int x = 0; x < small.width; ++x) {
            int sum[4] = {0, 0, 0, 0}, count = 0;
            for (int dy = 0; dy < factor && y * factor + dy < image.height; ++dy) {
                for (int dx = 0; dx < factor && x * factor + dx < image.width; ++dx) {
                    const uint8_t* p =
                        &image.pixels[(size_t(y * factor + dy) * size_t(image.width) + size_t(x * factor + dx)) * 4];
                    for (int i = 0; i < 3; ++i) sum[i] += p[i] * p[3];  // weight colour by alpha
                    sum[3] += p[3];
                    ++count;
                }
            }
            for (int i = 0; i < 3; ++i) small.pixels.push_back(uint8_t(sum[3] ? sum[i] / sum[3] : 0));
            small.pixels.push_back(uint8_t(count ? sum[3] / count : 0));
        }
    }
    return small;
}

namespace {

tools::RgbaImage checkerboard(int width, int height) {
    tools::RgbaImage board{width, height, {}};
    board.pixels.reserve(size_t(width) * size_t(height) * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint8_t v = ((x / 8 + y / 8) % 2) ? 58 : 44;
            board.pixels.insert(board.pixels.end(), {v, v, uint8_t(v + 8), 255});
        }
    }
    return board;
}

}  // namespace

tools::RgbaImage tileSheet(const std::vector<tools::RgbaImage>& pictures, int columns, int cellWidth, int cellHeight) {
    const int rows = std::max(1, (int(pictures.size()) + columns - 1) / columns);
    tools::RgbaImage sheet = checkerboard(columns * cellWidth, rows * cellHeight);
    for (size_t i = 0; i < pictures.size(); ++i) {
        int factor = 1;
        while (pictures[i].width / factor > cellWidth - 4 || pictures[i].height / factor > cellHeight - 4) ++factor;
        const tools::RgbaImage picture = factor > 1 ? shrink(pictures[i], factor) : pictures[i];
        const int x = int(i) % columns * cellWidth + (cellWidth - picture.width) / 2;
        const int y = int(i) / columns * cellHeight + (cellHeight - picture.height) / 2;
        blendOver(sheet, picture, x, y);
    }
    return sheet;
}

namespace {

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The end of the run of digits that starts at `from`.
size_t digitsEnd(const std::string& text, size_t from) {
    while (from < text.size() && isDigit(text[from])) ++from;
    return from;
}

}  // namespace

bool naturalLess(const std::string& a, const std::string& b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            // Numbers of any length compare by value: fewer significant digits first, then digit by digit.
            const size_t endA = digitsEnd(a, i), endB = digitsEnd(b, j);
            while (i + 1 < endA && a[i] == '0') ++i;
            while (j + 1 < endB && b[j] == '0') ++j;
            if (endA - i != endB - j) return endA - i < endB - j;
            const int order = a.compare(i, endA - i, b, j, endB - j);
            if (order != 0) return order < 0;
            i = endA, j = endB;
        } else if (a[i] != b[j]) {
            return a[i] < b[j];
        } else {
            ++i, ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

namespace {

// Reads a PNG through cairo and returns straight-alpha RGBA pixels.
tools::RgbaImage readPng(const std::filesystem::path& file) {
    cairo_surface_t* surface = cairo_image_surface_create_from_png(file.c_str());
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        throw std::runtime_error("cannot read " + file.string());
    }
    const int width = cairo_image_surface_get_width(surface), height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    tools::RgbaImage image{width, height, {}};
    image.pixels.reserve(size_t(width) * size_t(height) * 4);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
        for (int x = 0; x < width; ++x) {
            const uint32_t argb = row[x], a = argb >> 24;
            for (int shift : {16, 8, 0})
                image.pixels.push_back(uint8_t(a ? (((argb >> shift) & 0xFF) * 255 + a / 2) / a : 0));
            image.pixels.push_back(uint8_t(a));
        }
    }
    cairo_surface_destroy(surface);
    return image;
}

// Reads a baseline JPEG as opaque RGBA pixels. As when writing, libjpeg's default error
// handler ends the tool on a broken file, which fails the build step with its message.
tools::RgbaImage readJpeg(const std::filesystem::path& file) {
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (!in) throw std::runtime_error("cannot read " + file.string());
    jpeg_decompress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, in);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    tools::RgbaImage image{int(info.output_width), int(info.output_height), {}};
    image.pixels.reserve(size_t(image.width) * size_t(image.height) * 4);
    std::vector<uint8_t> row(size_t(image.width) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (size_t x = 0; x < size_t(image.width); ++x)
            image.pixels.insert(image.pixels.end(), {row[x * 3], row[x * 3 + 1], row[x * 3 + 2], 255});
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::fclose(in);
    return image;
}

tools::RgbaImage readPicture(const std::filesystem::path& file) {
    return file.extension() == ".png" ? readPng(file) : readJpeg(file);
}

}  // namespace

void writeFolderSheets(const std::filesystem::path& out) {
    std::map<std::filesystem::path, std::vector<std::filesystem::path>> folders;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(out / "data")) {
        const std::filesystem::path extension = entry.path().extension();
        if (entry.is_regular_file() && (extension == ".png" || extension == ".jpg"))
            folders[entry.path().parent_path()].push_back(entry.path());
    }
    for (auto& [folder, files] : folders) {
        std::sort(files.begin(), files.end(), [](const std::filesystem::path& a, const std::filesystem::path& b) {
            return naturalLess(a.filename().string(), b.filename().string());
        });
        std::vector<tools::RgbaImage> pictures;
        bool screens = true;  // a folder of full-screen pictures (backgrounds, pages) gets larger cells
        for (const std::filesystem::path& file : files) {
            pictures.push_back(readPicture(file));
            screens = screens && pictures.back().width >= 512;
        }
        std::string name = std::filesystem::relative(folder, out).generic_string();
        std::replace(name.begin(), name.end(), '/', '_');
        tools::writePng(out / "contact" / (name + ".png"),
                        screens ? tileSheet(pictures, 4, 264, 204) : tileSheet(pictures, 8, 136, 136));
    }
}

}  // namespace art
