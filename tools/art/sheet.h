// Review sheets: pictures shrunk and laid out on a grid, so a whole set can be
// looked at in one picture.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/image_io.h"

namespace art {

// The picture shrunk by a whole factor, each output pixel the average of a factor x factor block.
tools::RgbaImage shrink(const tools::RgbaImage& image, int factor);

// The pictures on a grid of `columns` columns, each centred in a cellWidth x cellHeight cell
// on a dark checkerboard (so transparency shows); pictures larger than a cell are shrunk to fit.
tools::RgbaImage tileSheet(const std::vector<tools::RgbaImage>& pictures, int columns, int cellWidth, int cellHeight);

// File names in reading order: runs of digits compare by their value, so story2 comes before story10.
bool naturalLess(const std::string& a, const std::string& b);

// One overview sheet per folder under <out>/data holding PNG or JPEG pictures, written to
// <out>/contact/<folder path with '_' for '/'>.png; pictures in file-name order (numbers by value), folders of
// full-screen pictures on larger cells.
void writeFolderSheets(const std::filesystem::path& out);

}  // namespace art
