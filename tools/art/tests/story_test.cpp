// The story source: pages in order with their paragraphs, and a clear refusal of
// sources that would give a page the game cannot show well.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "art/story.h"

namespace art {
namespace {

std::string errorOf(const std::string& source) {
    try {
        parseStory(source);
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "";
}

TEST(StorySource, PagesKeepTheirTitlesAndParagraphs) {
    const auto pages =
        parseStory("# a comment\n\npage 1: First\nOne line.\n  Two words.  \r\npage 2:  Second \nMore.\n");
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].title, "First");
    EXPECT_EQ(pages[0].paragraphs, (std::vector<std::string>{"One line.", "Two words."}));
    EXPECT_EQ(pages[1].title, "Second");
}

TEST(StorySource, RefusesMalformedSourcesNamingTheLine) {
    EXPECT_NE(errorOf("Words first.\npage 1: A\nText.\n").find("line 1"), std::string::npos);
    EXPECT_NE(errorOf("page 1: A\nText.\npage 3: C\nText.\n").find("line 3"), std::string::npos);
    EXPECT_NE(errorOf("page 1:\nText.\n").find("without a title"), std::string::npos);
    EXPECT_NE(errorOf("page one: A\nText.\n").find("line 1"), std::string::npos);
    EXPECT_NE(errorOf("page 1: A\npage 2: B\nText.\n").find("page 1 has 0 words"), std::string::npos);
    std::string tooLong = "page 1: A\n";
    for (int i = 0; i <= kStoryWordLimit; ++i) tooLong += "word ";
    EXPECT_NE(errorOf(tooLong).find("page 1 has 81 words"), std::string::npos);
}

TEST(StorySource, TheGamesStoryHasOnePagePerStoryPicture) {
    std::ifstream file(PENDREL_ASSETS_DIR "/story/story.txt");
    ASSERT_TRUE(file);
    std::ostringstream text;
    text << file.rdbuf();
    EXPECT_EQ(parseStory(text.str()).size(), size_t(kStoryPages));
}

}  // namespace
}  // namespace art
