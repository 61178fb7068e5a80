// The picture sets written by the pictures tool. Each takes the output folder,
// which is the game's working folder: files go to <out>/data/... or <out>/.
#pragma once

#include <filesystem>

namespace pictures {

// data/branding/studio.jpg and title.jpg: the full-screen intro pages.
void writeBranding(const std::filesystem::path& out);
// data/ui/cursor.png and key.png: the pointers, with their tip at the top-left pixel.
void writePointers(const std::filesystem::path& out);
// icon32.ico: the window icon.
void writeIcon(const std::filesystem::path& out);

}  // namespace pictures
