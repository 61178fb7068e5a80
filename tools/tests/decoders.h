// Reading back what the tools wrote, through the standard decoders.
#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>
#include <jpeglib.h>
#include <png.h>

#include "common/image_io.h"

namespace testing_tools {

inline tools::Bytes readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return tools::Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline tools::RgbaImage decodePng(const tools::Bytes& bytes) {
    png_image info{};
    info.version = PNG_IMAGE_VERSION;
    EXPECT_TRUE(png_image_begin_read_from_memory(&info, bytes.data(), bytes.size()));
    info.format = PNG_FORMAT_RGBA;
    tools::RgbaImage image{int(info.width), int(info.height), {}};
    image.pixels.resize(PNG_IMAGE_SIZE(info));
    EXPECT_TRUE(png_image_finish_read(&info, nullptr, image.pixels.data(), 0, nullptr));
    return image;
}

// Decodes a JPEG file to RGB rows (alpha 255), or an empty image when unreadable.
inline tools::RgbaImage decodeJpeg(const std::filesystem::path& path) {
    const tools::Bytes bytes = readBytes(path);
    tools::RgbaImage image;
    if (bytes.empty()) {
        return image;
    }
    jpeg_decompress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), bytes.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image.width = int(info.output_width);
    image.height = int(info.output_height);
    std::vector<uint8_t> row(size_t(image.width) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (size_t i = 0; i < row.size(); i += 3) {
            image.pixels.insert(image.pixels.end(), {row[i], row[i + 1], row[i + 2], 255});
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

// An empty folder private to this test process, removed again when it goes.
class ScratchFolder {
public:
    explicit ScratchFolder(const char* name)
        : m_path(std::filesystem::temp_directory_path() /
                 ("pendrel-tools-test-" + std::to_string(getpid()) + "-" + name)) {
        std::filesystem::remove_all(m_path);
    }
    ~ScratchFolder() { std::filesystem::remove_all(m_path); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

}  // namespace testing_tools
