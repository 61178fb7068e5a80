// Output helpers shared by the data tools: whole files through iostreams, PNG
// through libpng's simplified writer, JPEG through libjpeg's memory destination.
#include "image_io.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <jpeglib.h>
#include <png.h>

namespace tools {

Bytes readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::filesystem::path& path, const Bytes& bytes) {
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path());
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

Bytes encodePng(const RgbaImage& image) {
    png_image info{};
    info.version = PNG_IMAGE_VERSION;
    info.width = png_uint_32(image.width);
    info.height = png_uint_32(image.height);
    info.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    // The first call only measures; the second writes into a buffer of that size.
    if (!png_image_write_to_memory(&info, nullptr, &size, 0, image.pixels.data(), 0, nullptr)) {
        throw std::runtime_error(std::string("PNG encoding failed: ") + info.message);
    }
    Bytes bytes(size);
    if (!png_image_write_to_memory(&info, bytes.data(), &size, 0, image.pixels.data(), 0, nullptr)) {
        throw std::runtime_error(std::string("PNG encoding failed: ") + info.message);
    }
    bytes.resize(size);
    return bytes;
}

void writePng(const std::filesystem::path& path, const RgbaImage& image) {
    writeFile(path, encodePng(image));
}

namespace {

Bytes rgbRows(const RgbaImage& image) {
    Bytes rgb;
    rgb.reserve(image.pixels.size() / 4 * 3);
    for (size_t i = 0; i < image.pixels.size(); i += 4) {
        rgb.insert(rgb.end(), image.pixels.begin() + std::ptrdiff_t(i),
                   image.pixels.begin() + std::ptrdiff_t(i + 3));
    }
    return rgb;
}

// libjpeg's default error handler prints its message and ends the process with
// a failure status; for a build step that is the right outcome, so it is kept.
Bytes encodeJpeg(const RgbaImage& image, int quality) {
    Bytes rgb = rgbRows(image);
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* memory = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &memory, &size);
    info.image_width = JDIMENSION(image.width);
    info.image_height = JDIMENSION(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = rgb.data() + size_t(info.next_scanline) * size_t(image.width) * 3;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes bytes(memory, memory + size);
    std::free(memory);
    return bytes;
}

}  // namespace

void writeJpeg(const std::filesystem::path& path, const RgbaImage& image, int quality) {
    writeFile(path, encodeJpeg(image, quality));
}

}  // namespace tools
