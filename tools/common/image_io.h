// Output helpers shared by the data tools: whole files, PNG and JPEG encoding.
// Writers create missing folders and throw std::runtime_error on failure, so a
// tool stops with a message and the build step fails instead of going on quietly.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace tools {

using Bytes = std::vector<std::uint8_t>;

// Pixels in rows from the top, four bytes each: red, green, blue, straight alpha.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

// The whole file; throws std::runtime_error naming it when it cannot be read.
Bytes readFile(const std::filesystem::path& path);

// Writes bytes to path, creating its folder first.
void writeFile(const std::filesystem::path& path, const Bytes& bytes);

// Encodes an RGBA PNG in memory (no time stamp, so equal pixels give equal bytes).
Bytes encodePng(const RgbaImage& image);
void writePng(const std::filesystem::path& path, const RgbaImage& image);

// Writes a baseline JPEG of the colour channels; alpha is ignored. Quality 1..100.
void writeJpeg(const std::filesystem::path& path, const RgbaImage& image, int quality);

}  // namespace tools
