// The intro pages: the studio page and the title page, with the words of the build's
// edition read from a small source (assets/branding/intro.<language>.txt).
#pragma once

#include <filesystem>
#include <string>

namespace pictures {

// The words painted into the intro pages.
struct IntroWords {
    std::string team;      // the studio page's name, in gold
    std::string presents;  // the line under it, between two gold rules
    std::string subtitle;  // the title page's line under the game's name, on a glass panel
};

// The words of an intro source: '#' comment lines and blank lines are skipped, every other
// line is "key=value" with the keys team, presents and subtitle, each exactly once with a
// text. Throws std::runtime_error naming the line for anything else, and naming a missing key.
IntroWords parseIntroWords(const std::string& source);

// Throws std::runtime_error naming the words that are wider than their place on the page.
void checkIntroWordsFit(const IntroWords& words);

// data/branding/studio.jpg and title.jpg: the full-screen intro pages with the words of
// `wordsFile`; contact/branding_source.txt: the source and checksum of both pages.
void writeBranding(const std::filesystem::path& out, const std::filesystem::path& wordsFile);

}  // namespace pictures
