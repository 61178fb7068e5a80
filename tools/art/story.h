// The story pages: their words, read from the story source of the build's edition, and
// the scene each page is set in.
#pragma once

#include <string>
#include <vector>

namespace art {

constexpr int kStoryPages = 11;
constexpr int kStoryWordLimit = 80;  // words per page, title excluded

struct StoryPage {
    std::string title;
    std::vector<std::string> paragraphs;
};

// The pages of a story source: '#' comment lines and blank lines are skipped, "page N: Title"
// starts page N (counting up from 1), every other line is a paragraph of the current page.
// Throws std::runtime_error naming the line for text outside a page, a page out of order,
// an empty title, and naming the page for one without words or with more than the word limit.
std::vector<StoryPage> parseStory(const std::string& source);

// Lays every page out on its panel as it will be painted (page 1 first). Throws
// std::runtime_error naming the first page whose title or a line is wider than the panel,
// or whose wrapped text runs below the panel, into the space the scene needs.
void checkStoryFits(const std::vector<StoryPage>& pages);

}  // namespace art
