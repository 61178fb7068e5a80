// The story sources: pages in order with their paragraphs, both editions page for page,
// and a clear refusal of sources that would give a page the game cannot show well.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "art/story.h"

namespace art {
namespace {

// The message of what `call` throws, or "" when it throws nothing.
template <typename Call>
std::string messageOf(Call call) {
    try {
        call();
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "";
}

std::string errorOf(const std::string& source) {
    return messageOf([&] { parseStory(source); });
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

std::vector<StoryPage> editionStory(const std::string& language) {
    std::ifstream file(PENDREL_ASSETS_DIR "/story/story." + language + ".txt");
    EXPECT_TRUE(file) << language;
    std::ostringstream text;
    text << file.rdbuf();
    return parseStory(text.str());
}

TEST(StorySource, BothEditionsTellTheStoryPageForPageAndFitThePanels) {
    const std::vector<StoryPage> english = editionStory("en"), german = editionStory("de");
    ASSERT_EQ(english.size(), size_t(kStoryPages));
    ASSERT_EQ(german.size(), size_t(kStoryPages));
    for (size_t i = 0; i < english.size(); ++i)
        EXPECT_NE(english[i].title, german[i].title) << "page " << i + 1 << " is not in German";
    EXPECT_NO_THROW(checkStoryFits(english));
    EXPECT_NO_THROW(checkStoryFits(german));
}

std::string fitErrorOf(const std::vector<StoryPage>& pages) {
    return messageOf([&] { checkStoryFits(pages); });
}

TEST(StoryPanel, RefusesAPageThatRunsOutOfItsPanelNamingIt) {
    const StoryPage fits{"Title", {"A short first page."}};
    // Within the word limit, but eight paragraphs of long words wrap to more lines than the panel holds.
    StoryPage tooLong{"Too long", {}};
    for (int i = 0; i < 8; ++i) tooLong.paragraphs.push_back("Sternenlichtlaternen funkeln unablässig.");
    EXPECT_EQ(fitErrorOf({fits, tooLong}).rfind("story page 2: its wrapped text runs", 0), 0u)
        << fitErrorOf({fits, tooLong});
    EXPECT_EQ(fitErrorOf({fits, fits}), "");

    const StoryPage wideWord{"Title", {"Ein " + std::string(60, 'W') + " zu breit."}};
    EXPECT_NE(fitErrorOf({fits, fits, wideWord}).find("story page 3: \"WWW"), std::string::npos);
    const StoryPage wideTitle{"Eine Überschrift, viel zu lang für die Platte", {"Text."}};
    EXPECT_NE(fitErrorOf({wideTitle}).find("story page 1: the title"), std::string::npos);
}

}  // namespace
}  // namespace art
