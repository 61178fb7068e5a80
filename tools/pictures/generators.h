// The picture sets without words written by the pictures tool (the intro pages carry the
// edition's words: branding.h). Each takes the output folder, which is the game's working
// folder: files go to <out>/data/... or <out>/.
#pragma once

#include <filesystem>
#include <string>

namespace pictures {

// data/ui/cursor.png and key.png: the pointers, with their tip at the top-left pixel.
void writePointers(const std::filesystem::path& out);
// data/icon32.ico: the window icon.
void writeIcon(const std::filesystem::path& out);
// icons/hicolor/<N>x<N>/apps/<appId>.png at 16 to 256 pixels: the launcher icons that are
// installed with the game (not part of the data folder).
void writeThemeIcons(const std::filesystem::path& out, const std::string& appId);

}  // namespace pictures
