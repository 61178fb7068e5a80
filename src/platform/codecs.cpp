// Picture files: recognising the format of a file's bytes, PNG reading and writing through
// libpng, JPEG reading through libjpeg. Damaged, truncated or oversized pictures give a
// null pixmap without a message; nothing here may end the program.
#include <png.h>

#include <csetjmp>
#include <cstdio>

// libjpeg's header needs size_t and FILE declared first.
#include <jerror.h>
#include <jpeglib.h>

#include "platform/graphics.h"

namespace {

bool startsWith(const std::vector<uint8_t>& bytes, std::initializer_list<uint8_t> prefix) {
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

PixmapPtr blankPixmap(unsigned width, unsigned height) {
    auto pixmap = std::make_shared<Pixmap>();
    pixmap->width = int(width);
    pixmap->height = int(height);
    pixmap->pixels.resize(size_t(width) * height);
    return pixmap;
}

// libjpeg reports errors by calling error_exit, which must not return: jump back instead.
struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
    bool truncated = false;
};

void jpegFail(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->escape, 1); }

// Warnings are dropped, but running out of data means the file is cut short.
void jpegMessage(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) reinterpret_cast<JpegErrors*>(info->err)->truncated = true;
}

void jpegSilence(j_common_ptr) {}

// Decodes into `pixmap`; false on any error. The longjmp must not skip destructors, so
// every object with one belongs to the caller.
bool readJpeg(jpeg_decompress_struct& info, JpegErrors& errors, const std::vector<uint8_t>& bytes,
              std::vector<JSAMPLE>& row, PixmapPtr& pixmap) {
    if (setjmp(errors.escape)) return false;
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (!pictureSizeAllowed(info.image_width, info.image_height)) return false;
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) return false;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    pixmap = blankPixmap(info.output_width, info.output_height);
    row.resize(size_t(info.output_width) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        Rgba* out = &pixmap->at(0, int(info.output_scanline));
        jpeg_read_scanlines(&info, rows, 1);
        for (size_t x = 0; x < info.output_width; ++x) out[x] = Rgba{row[x * 3], row[x * 3 + 1], row[x * 3 + 2], 255};
    }
    jpeg_finish_decompress(&info);
    return !errors.truncated;
}

}  // namespace

bool pictureSizeAllowed(unsigned width, unsigned height) {
    constexpr unsigned MAX_SIDE = 16384;
    constexpr uint64_t MAX_PIXELS = uint64_t(16) << 20;
    return width > 0 && height > 0 && width <= MAX_SIDE && height <= MAX_SIDE && uint64_t(width) * height <= MAX_PIXELS;
}

DecodedPicture decodePng(const std::vector<uint8_t>& bytes) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return {};
    bool hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    if (!pictureSizeAllowed(image.width, image.height)) {
        png_image_free(&image);
        return {};
    }
    image.format = PNG_FORMAT_RGBA;
    PixmapPtr pixmap = blankPixmap(image.width, image.height);
    if (!png_image_finish_read(&image, nullptr, pixmap->pixels.data(), 0, nullptr)) return {};
    return {pixmap, hasAlpha};
}

DecodedPicture decodeJpeg(const std::vector<uint8_t>& bytes) {
    jpeg_decompress_struct info{};
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jpegFail;
    errors.manager.emit_message = jpegMessage;
    errors.manager.output_message = jpegSilence;
    jpeg_create_decompress(&info);
    PixmapPtr pixmap;
    std::vector<JSAMPLE> row;
    bool ok = readJpeg(info, errors, bytes, row, pixmap);
    jpeg_destroy_decompress(&info);
    if (!ok) return {};
    return {pixmap, false};
}

DecodedPicture decodePicture(const std::vector<uint8_t>& bytes) {
    if (startsWith(bytes, {0x89, 'P', 'N', 'G'})) return decodePng(bytes);
    if (startsWith(bytes, {0xFF, 0xD8, 0xFF})) return decodeJpeg(bytes);
    if (startsWith(bytes, {'B', 'M'})) return decodeBmp(bytes);
    return decodeTga(bytes);
}

PixmapPtr loadPixmap(const String& file) { return decodePicture(readWholeFile(file)).pixmap; }

PixmapPtr loadPixmap(const Stream& stream) { return decodePicture(readPictureBytes(stream)).pixmap; }

// The simplified libpng writer adds no time stamp, so equal pixels give equal files.
bool savePixmapPng(const Pixmap& pixmap, const std::string& path) {
    if (pixmap.width <= 0 || pixmap.height <= 0) return false;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(pixmap.width);
    image.height = png_uint_32(pixmap.height);
    image.format = PNG_FORMAT_RGBA;
    bool written = png_image_write_to_file(&image, path.c_str(), 0, pixmap.pixels.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return written;
}
