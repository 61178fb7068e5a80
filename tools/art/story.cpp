// The story pages: each page's scene (the region of its chapter, or one of the
// valley's own moments) under a glass panel near the top that carries its title
// and words. The bottom of the page stays free for the game's arrow buttons.
#include "story.h"

#include <cmath>
#include <sstream>
#include <stdexcept>

#include "common/source_lines.h"
#include "common/source_log.h"
#include "pictures/canvas.h"
#include "pictures/emblem.h"
#include "pictures/gems.h"
#include "pictures/paint.h"
#include "pictures/scenery.h"
#include "regions.h"
#include "sets.h"

namespace art {

using pictures::Canvas;
using pictures::Point;
namespace palette = pictures::palette;

namespace {

int wordCount(const std::string& text) {
    std::istringstream words(text);
    int count = 0;
    for (std::string word; words >> word;) ++count;
    return count;
}

[[noreturn]] void fail(int line, const std::string& what) {
    throw std::runtime_error("story line " + std::to_string(line) + ": " + what);
}

void checkWords(const std::vector<StoryPage>& pages) {
    for (size_t i = 0; i < pages.size(); ++i) {
        int words = 0;
        for (const std::string& paragraph : pages[i].paragraphs) words += wordCount(paragraph);
        if (words == 0 || words > kStoryWordLimit)
            throw std::runtime_error("story page " + std::to_string(i + 1) + " has " + std::to_string(words) +
                                     " words (1 to " + std::to_string(kStoryWordLimit) + " fit a page)");
    }
}

}  // namespace

std::vector<StoryPage> parseStory(const std::string& source) {
    using tools::trimmed;
    std::vector<StoryPage> pages;
    for (const auto& [number, line] : tools::contentLines(source)) {
        if (line.rfind("page ", 0) == 0) {
            const size_t colon = line.find(':');
            const std::string expected = "page " + std::to_string(pages.size() + 1);
            if (colon == std::string::npos || trimmed(line.substr(0, colon)) != expected)
                fail(number, "expected \"" + expected + ": Title\"");
            const std::string title = trimmed(line.substr(colon + 1));
            if (title.empty()) fail(number, "page without a title");
            pages.push_back({title, {}});
        } else if (pages.empty()) {
            fail(number, "text before the first page");
        } else {
            pages.back().paragraphs.push_back(line);
        }
    }
    checkWords(pages);
    return pages;
}

namespace {

constexpr int kWidth = 1024, kHeight = 768, kQuality = 88;
constexpr double kPanelLeft = 122, kPanelWidth = 780, kPanelTop = 36, kPadding = 34;
constexpr double kTitleHeight = 62, kLineHeight = 32, kParagraphGap = 10;
constexpr double kPanelBottomLimit = 470;  // below it the scene shows; the arrows sit at y 710

const pictures::Font kTitleFont{"DejaVu Serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD, 38};
const pictures::Font kBodyFont{"DejaVu Serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL, 22};

double textWidth(cairo_t* cr, const std::string& text) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
}

// The paragraph broken into lines no wider than `width`, at word boundaries (a single word
// wider than that stays on a line of its own).
std::vector<std::string> wrap(cairo_t* cr, const std::string& paragraph, double width) {
    std::vector<std::string> lines;
    std::istringstream words(paragraph);
    std::string line;
    for (std::string word; words >> word;) {
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && textWidth(cr, longer) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// The paragraph in as few lines as `width` allows, broken at the narrowest width that keeps
// that many lines: centred lines of even length, no last line left with a word or two.
std::vector<std::string> wrapEvenly(cairo_t* cr, const std::string& paragraph, double width) {
    const size_t count = wrap(cr, paragraph, width).size();
    double narrow = 0, wide = width;
    for (int step = 0; step < 12; ++step) {  // the line count only grows as the width shrinks
        const double middle = (narrow + wide) / 2;
        if (wrap(cr, paragraph, middle).size() <= count)
            wide = middle;
        else
            narrow = middle;
    }
    return wrap(cr, paragraph, wide);
}

[[noreturn]] void refusePage(int number, const std::string& why) {
    throw std::runtime_error("story page " + std::to_string(number) + ": " + why);
}

// The page's words as the panel shows them: the paragraphs broken into lines, and the
// height of the panel that holds them.
struct PanelText {
    std::vector<std::vector<std::string>> paragraphs;
    double height = 0;
};

// Lays the page out as it is painted. Refuses it, naming it, when the title or a line is
// wider than the panel or the wrapped text runs below the panel's limit.
PanelText layoutWords(cairo_t* cr, const StoryPage& page, int number) {
    const double room = kPanelWidth - 2 * kPadding;
    if (pictures::inkWidth(cr, kTitleFont, page.title) > room)
        refusePage(number, "the title \"" + page.title + "\" is wider than its panel");
    cairo_select_font_face(cr, kBodyFont.family, kBodyFont.slant, kBodyFont.weight);
    cairo_set_font_size(cr, kBodyFont.size);
    PanelText text;
    text.height = 2 * kPadding + kTitleHeight - kParagraphGap;
    for (const std::string& paragraph : page.paragraphs) {
        text.paragraphs.push_back(wrapEvenly(cr, paragraph, room));
        for (const std::string& line : text.paragraphs.back())
            if (textWidth(cr, line) > room) refusePage(number, "\"" + line + "\" is wider than its panel");
        text.height += double(text.paragraphs.back().size()) * kLineHeight + kParagraphGap;
    }
    const double overflow = kPanelTop + text.height - kPanelBottomLimit;
    if (overflow > 0)
        refusePage(number, "its wrapped text runs " + std::to_string(int(std::ceil(overflow))) +
                               " px below its panel; shorten the page");
    return text;
}

// The page's words on a glass panel: gold title, then the paragraphs in cream.
void paintWords(Canvas& canvas, const StoryPage& page, int number) {
    cairo_t* cr = canvas.cr();
    const PanelText text = layoutWords(cr, page, number);
    pictures::paintGlassPanel(cr, kPanelLeft, kPanelTop, kPanelWidth, text.height, 26);
    const double centre = kPanelLeft + kPanelWidth / 2;
    pictures::paintGoldTitle(canvas, kTitleFont, page.title, {centre, kPanelTop + kPadding + 34}, 2.5);
    double y = kPanelTop + kPadding + kTitleHeight + 14;
    for (const auto& lines : text.paragraphs) {
        for (const std::string& line : lines) {
            const double x = pictures::centredTextX(cr, kBodyFont, line, centre);
            cairo_move_to(cr, x + 1.5, y + 1.5);
            cairo_set_source_rgba(cr, 0.02, 0.01, 0.04, 0.8);
            cairo_show_text(cr, line.c_str());
            cairo_move_to(cr, x, y);
            pictures::setColour(cr, palette::cream);
            cairo_show_text(cr, line.c_str());
            y += kLineHeight;
        }
        y += kParagraphGap;
    }
}

// The night the stars fell: falling stars over the valley and the Lantern's gems flying apart.
void paintFallingNight(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    pictures::paintSky(cr, kWidth, kHeight);
    pictures::paintStars(cr, kWidth, kHeight, 200, 21);
    const Point heads[] = {{140, 520}, {380, 470}, {660, 540}, {860, 480}, {250, 600}};
    for (const Point& head : heads) pictures::paintFallingStar(cr, head, 200);
    pictures::paintHills(cr, kWidth, kHeight, 560);
    const Point lantern{512, 640};
    pictures::paintGlow(cr, lantern, 220, palette::glow, 0.5);
    static constexpr pictures::Gem gems[] = {pictures::Gem::Ruby, pictures::Gem::Emerald, pictures::Gem::Sapphire,
                                             pictures::Gem::Topaz, pictures::Gem::Amethyst};
    for (int i = 0; i < 10; ++i) {
        const double a = M_PI * (1.1 + 0.8 * i / 9.0), r = 120 + 50 * (i % 3);
        const Point at{lantern.x + r * std::cos(a), lantern.y + r * 0.7 * std::sin(a)};
        pictures::paintGlow(cr, at, 30, palette::glow, 0.4);
        pictures::paintGem(cr, gems[i % 5], at, 14);
    }
    pictures::paintLantern(cr, lantern, 120);
}

// Orla, the old keeper: a hooded figure in a deep blue cloak with a lantern staff.
void paintOrla(cairo_t* cr, Point foot, double height) {
    const double h = height, x = foot.x, y = foot.y;
    cairo_move_to(cr, x + h * 0.28, y - h * 0.92);  // staff
    cairo_line_to(cr, x + h * 0.30, y);
    pictures::setColour(cr, {0.30, 0.18, 0.08});
    cairo_set_line_width(cr, h * 0.025);
    cairo_stroke(cr);
    pictures::paintGlow(cr, {x + h * 0.28, y - h * 0.95}, h * 0.25, palette::glow, 0.8);
    pictures::paintLantern(cr, {x + h * 0.28, y - h * 0.95}, h * 0.14);
    cairo_move_to(cr, x - h * 0.05, y - h * 0.88);  // cloak from the hood down to the hem
    cairo_curve_to(cr, x - h * 0.20, y - h * 0.70, x - h * 0.26, y - h * 0.25, x - h * 0.30, y);
    cairo_line_to(cr, x + h * 0.24, y);
    cairo_curve_to(cr, x + h * 0.20, y - h * 0.30, x + h * 0.16, y - h * 0.70, x + h * 0.05, y - h * 0.88);
    cairo_close_path(cr);
    pictures::Pattern cloak(cairo_pattern_create_linear(x - h * 0.3, 0, x + h * 0.25, 0));
    pictures::addStop(cloak.get(), 0.0, {0.22, 0.28, 0.58});
    pictures::addStop(cloak.get(), 1.0, {0.08, 0.08, 0.24});
    cairo_set_source(cr, cloak.get());
    cairo_fill(cr);
    cairo_arc(cr, x, y - h * 0.84, h * 0.09, 0, 2 * M_PI);  // hood
    pictures::setColour(cr, {0.16, 0.18, 0.44});
    cairo_fill(cr);
    cairo_arc(cr, x + h * 0.015, y - h * 0.82, h * 0.05, 0, 2 * M_PI);  // the face in the hood's shade
    pictures::setColour(cr, {0.80, 0.62, 0.50});
    cairo_fill(cr);
    cairo_move_to(cr, x + h * 0.10, y - h * 0.62);  // the arm reaching for the staff
    cairo_line_to(cr, x + h * 0.28, y - h * 0.58);
    pictures::setColour(cr, {0.16, 0.18, 0.44});
    cairo_set_line_width(cr, h * 0.05);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void paintOrlasRequest(Canvas& canvas) {
    paintRegionScene(canvas, 1);
    cairo_t* cr = canvas.cr();
    paintOrla(cr, {250, 740}, 250);
    for (int i = 0; i < 3; ++i) {  // a row of three, the first thing Orla teaches
        const Point at{640.0 + 70 * i, 610};
        pictures::paintGlow(cr, at, 50, palette::glow, 0.5);
        pictures::paintGem(cr, pictures::Gem::Ruby, at, 26);
    }
}

// The Lantern whole again, its light pouring over the valley.
void paintLanternShines(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    pictures::paintSky(cr, kWidth, kHeight);
    pictures::paintStars(cr, kWidth, kHeight, 120, 23);
    const Point lantern{512, 600};
    pictures::paintGlow(cr, lantern, 600, palette::glow, 0.6);
    pictures::paintGlow(cr, lantern, 240, palette::glowCore, 0.6);
    pictures::paintHills(cr, kWidth, kHeight, 600);
    pictures::paintLantern(cr, lantern, 200);
    for (const Point& glint : {Point{400, 520}, Point{640, 560}, Point{560, 470}})
        pictures::paintSparkle(cr, glint, 12);
}

// Farewell: dawn over the valley, the five gems side by side.
void paintFarewell(Canvas& canvas) {
    paintRegionScene(canvas, 1);
    cairo_t* cr = canvas.cr();
    pictures::paintFallingStar(cr, {820, 500}, 160);
    static constexpr pictures::Gem gems[] = {pictures::Gem::Emerald, pictures::Gem::Sapphire, pictures::Gem::Ruby,
                                             pictures::Gem::Topaz, pictures::Gem::Amethyst};
    for (int k = -2; k <= 2; ++k) {
        const Point at{512.0 + k * 96, 620.0 - k * k * 8};
        pictures::paintGlow(cr, at, 70, palette::glow, 0.4);
        pictures::paintGem(cr, gems[k + 2], at, k == 0 ? 38 : 32);
    }
}

// Page 1 the falling stars, 2 Orla, 3..9 arriving in chapters 2..8, 10 the Lantern, 11 farewell.
void paintScene(Canvas& canvas, int page) {
    if (page == 1) return paintFallingNight(canvas);
    if (page == 2) return paintOrlasRequest(canvas);
    if (page <= 9) return paintRegionScene(canvas, page - 1);
    if (page == 10) return paintLanternShines(canvas);
    paintFarewell(canvas);
}

}  // namespace

void checkStoryFits(const std::vector<StoryPage>& pages) {
    const Canvas scratch(1, 1);
    for (size_t i = 0; i < pages.size(); ++i) layoutWords(scratch.cr(), pages[i], int(i) + 1);
}

void writeStoryPages(const std::filesystem::path& out, const std::filesystem::path& storyFile) {
    const tools::Bytes source = tools::readFile(storyFile);
    const std::vector<StoryPage> pages = parseStory(std::string(source.begin(), source.end()));
    if (pages.size() != kStoryPages)
        throw std::runtime_error("the story has " + std::to_string(pages.size()) + " pages, the game shows " +
                                 std::to_string(kStoryPages));
    checkStoryFits(pages);  // before painting, so a refused page leaves the earlier pictures alone
    tools::SourceLog log(storyFile);
    for (int page = 1; page <= kStoryPages; ++page) {
        Canvas canvas(kWidth, kHeight);
        paintScene(canvas, page);
        pictures::paintVignette(canvas.cr(), kWidth, kHeight, 0.45);
        paintWords(canvas, pages[size_t(page - 1)], page);
        const std::filesystem::path file = out / "data/story" / ("story" + std::to_string(page) + ".jpg");
        tools::writeJpeg(file, canvas.pixels(), kQuality);
        log.addPicture(file, pages[size_t(page - 1)].title);
    }
    log.write(out / "contact/story_source.txt");
}

}  // namespace art
