// Reads the difficulty table and draws its plot.
#include "difficulty.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>

#include "common/source_lines.h"
#include "level_files.h"
#include "sheet_pixels.h"

namespace levels {

namespace {

constexpr int kLevelWidth = 14;  // pixels per level: two bars of 5 and a gap
constexpr int kBarWidth = 5;
constexpr int kLeft = 40;
constexpr int kTop = 24;
constexpr int kPlotHeight = 420;
constexpr int kBottom = 30;
constexpr int kLevelsPerChapter = 10;
constexpr Rgb kFreshColour{236, 196, 84};
constexpr Rgb kCarriedColour{92, 176, 236};
constexpr Rgb kWhiskerColour{250, 250, 250};
constexpr Rgb kGridColour{70, 70, 78};

bool isWholeNumber(const std::string& text) {
    return !text.empty() && text.size() <= 5 && text.find_first_not_of("0123456789") == std::string::npos;
}

// "12-34" into its two numbers.
bool parseSpread(const std::string& text, PlaySeconds& seconds) {
    const size_t dash = text.find('-');
    if (dash == std::string::npos || !isWholeNumber(text.substr(0, dash)) ||
        !isWholeNumber(text.substr(dash + 1))) {
        return false;
    }
    seconds.low = std::stoi(text.substr(0, dash));
    seconds.high = std::stoi(text.substr(dash + 1));
    return seconds.low <= seconds.median && seconds.median <= seconds.high;
}

std::vector<std::string> tableCells(const std::string& line) {
    std::vector<std::string> cells;
    std::istringstream in(line.substr(1));
    for (std::string cell; std::getline(in, cell, '|');) cells.push_back(tools::trimmed(cell));
    return cells;
}

// A level row of eight cells; false for any other line of the file.
bool parseLevelRow(const std::vector<std::string>& cells, LevelDifficulty& row) {
    if (cells.size() != 8 || !isWholeNumber(cells[0]) || !isWholeNumber(cells[2]) ||
        !isWholeNumber(cells[5])) {
        return false;
    }
    row.level = std::stoi(cells[0]);
    row.fresh.median = std::stoi(cells[2]);
    row.carried.median = std::stoi(cells[5]);
    return parseSpread(cells[3], row.fresh) && parseSpread(cells[6], row.carried);
}

int chapterOf(int level) { return (level - 1) / kLevelsPerChapter; }

int levelX(int level) { return kLeft + (level - 1) * kLevelWidth; }

// A fixed logarithmic scale from 5 seconds to just past the 750 of the frame bound, so plots made
// at different times compare and a few long runs do not flatten the rest.
constexpr double kLeastSeconds = 5;
constexpr double kMostSeconds = 800;
constexpr std::array<int, 8> kGridSeconds{5, 10, 20, 30, 60, 120, 300, 600};

int heightOf(int seconds) {
    const double clamped = std::clamp(double(seconds), kLeastSeconds, kMostSeconds);
    return int(std::lround(std::log(clamped / kLeastSeconds) / std::log(kMostSeconds / kLeastSeconds) *
                           kPlotHeight));
}

void drawBar(tools::RgbaImage& image, int x, const PlaySeconds& seconds, Rgb colour) {
    const int base = kTop + kPlotHeight;
    const int height = heightOf(seconds.median);
    fill(image, x, base - height, kBarWidth, height, colour);
    const int top = base - heightOf(seconds.high);
    fill(image, x + kBarWidth / 2, top, 1, heightOf(seconds.high) - heightOf(seconds.low) + 1,
         kWhiskerColour);
}

// Grid lines labelled in seconds.
void drawScale(tools::RgbaImage& image) {
    for (int seconds : kGridSeconds) {
        const int y = kTop + kPlotHeight - heightOf(seconds);
        fill(image, kLeft - 4, y, image.width - kLeft, 1, kGridColour);
        drawNumber(image, kLeft - 8 - numberWidth(seconds), y - 5, seconds);
    }
}

int median(std::vector<int> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int chapterLeft(int chapter) { return levelX(chapter * kLevelsPerChapter + 1) - 2; }

constexpr int kChapterWidth = kLevelsPerChapter * kLevelWidth;

// The chapter's band with its number above it.
void drawChapterBand(tools::RgbaImage& image, int chapter) {
    const int x = chapterLeft(chapter);
    fill(image, x, kTop, kChapterWidth, kPlotHeight, kChapterTints[size_t(chapter) % kChapterTints.size()]);
    drawNumber(image, x + kChapterWidth / 2 - 2, 6, chapter + 1);
}

// The chapter's fresh and carried medians as lines across its band.
void drawChapterMedians(tools::RgbaImage& image, int chapter, const std::vector<LevelDifficulty>& rows) {
    std::vector<int> fresh, carried;
    for (const LevelDifficulty& row : rows) {
        if (chapterOf(row.level) != chapter) continue;
        fresh.push_back(row.fresh.median);
        carried.push_back(row.carried.median);
    }
    if (fresh.empty()) return;
    const int base = kTop + kPlotHeight;
    const int x = chapterLeft(chapter);
    fill(image, x, base - heightOf(median(fresh)), kChapterWidth, 1, kFreshColour);
    fill(image, x, base - heightOf(median(carried)) + 1, kChapterWidth, 1, kCarriedColour);
}

}  // namespace

std::vector<LevelDifficulty> parseDifficultyTable(const std::string& text, const std::string& file) {
    std::vector<LevelDifficulty> rows;
    std::istringstream in(text);
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] != '|') {
            if (!rows.empty()) break;  // the level rows end with the first block
            continue;
        }
        const auto cells = tableCells(line);
        LevelDifficulty row;
        if (parseLevelRow(cells, row) && row.level >= 1 && row.level <= kLevelCount) {
            rows.push_back(row);
        } else if (!cells.empty() && isWholeNumber(cells[0])) {
            throw LevelError(file + " line " + std::to_string(lineNumber) +
                             ": a level row needs a level from 1 to 80, medians and spreads low-high");
        }
    }
    return rows;
}

tools::RgbaImage renderDifficulty(const std::vector<LevelDifficulty>& levels) {
    tools::RgbaImage image =
        blankSheet(levelX(kLevelCount + 1) + 8, kTop + kPlotHeight + kBottom);
    const int chapters = kLevelCount / kLevelsPerChapter;
    for (int chapter = 0; chapter < chapters; ++chapter) drawChapterBand(image, chapter);
    drawScale(image);
    for (const LevelDifficulty& row : levels) {
        const int x = levelX(row.level);
        drawBar(image, x, row.fresh, kFreshColour);
        drawBar(image, x + kBarWidth + 1, row.carried, kCarriedColour);
        if (row.level % 5 == 0) {
            drawNumber(image, x + kBarWidth - numberWidth(row.level) / 2, kTop + kPlotHeight + 8,
                       row.level);
        }
    }
    for (int chapter = 0; chapter < chapters; ++chapter) drawChapterMedians(image, chapter, levels);
    return image;
}

}  // namespace levels
