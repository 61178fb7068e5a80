// The picture sets the art tool writes. Each takes the build folder, the game's
// working folder: pictures go to <out>/data/..., review sheets to <out>/contact/.
#pragma once

#include <filesystem>

namespace art {

// data/match3/: cells, moss, border pieces, column strips, items, hint arrows.
void writeBoardPictures(const std::filesystem::path& out);
// data/match3/ bars and victory picture, data/texts/gameon.png.
void writeMatch3Interface(const std::filesystem::path& out);
// data/ui/ and data/ui/buttons/: dialog frames, buttons, help board, holo emblems;
// data/roadmap/ waypoints.
void writeInterfacePictures(const std::filesystem::path& out);
// data/effects/: glows, debris, flares, impact and holo strips, meteor tails; data/match3/ast.png.
void writeEffectPictures(const std::filesystem::path& out);
// data/powerups/<kind>/ button pictures; data/ui/ load bar, menu borders, score and
// new-player bars; data/match3/ menu button.
void writePowerUpAndBarPictures(const std::filesystem::path& out);
// data/bg/: the eight chapter backgrounds, the load screen and the main menu scene.
void writeBackgrounds(const std::filesystem::path& out);
// data/story/story1.jpg ...: one page per page of `storyFile`, its words set into its scene;
// contact/story_source.txt: the source and checksum of every page (tools::SourceLog).
void writeStoryPages(const std::filesystem::path& out, const std::filesystem::path& storyFile);
// contact/boards/: sample boards and every level of data/levels/ rendered by the placing rules.
void writeBoardReviews(const std::filesystem::path& out);

}  // namespace art
