// The intro pages: the studio page with the lantern emblem, and the title page
// with the game's name over the night valley, both carrying the edition's words.
// Both are 1024x768 JPEGs.
#include "branding.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

#include "common/source_lines.h"
#include "common/source_log.h"
#include "emblem.h"
#include "gems.h"
#include "scenery.h"

namespace pictures {

namespace {

constexpr int pageWidth = 1024;
constexpr int pageHeight = 768;
constexpr int jpegQuality = 90;
constexpr double lineRoom = 880;  // the widest line a page holds, clear of its dark edges

const Font teamFont{"DejaVu Serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD, 64};
const Font presentsFont{"DejaVu Serif", CAIRO_FONT_SLANT_ITALIC, CAIRO_FONT_WEIGHT_NORMAL, 30};
const Font subtitleFont{"DejaVu Serif", CAIRO_FONT_SLANT_ITALIC, CAIRO_FONT_WEIGHT_NORMAL, 32};
// The gold rules beside "presents": their gap to its ink, length, and the diamond at the inner end.
constexpr double flourishGap = 25, flourishLength = 105, flourishTip = 11;
constexpr double subtitlePanelWidth = 560, subtitlePadding = 48;

[[noreturn]] void refuseLine(int line, const std::string& what) {
    throw std::runtime_error("intro words line " + std::to_string(line) + ": " + what);
}

// Measures on a scratch surface: text metrics do not depend on the surface's size.
double measure(const Font& font, const std::string& text) {
    const Canvas scratch(1, 1);
    return inkWidth(scratch.cr(), font, text);
}

// The glass panel under the subtitle: its usual width, wider for a longer subtitle.
double subtitlePanel(const std::string& subtitle) {
    return std::max(subtitlePanelWidth, measure(subtitleFont, subtitle) + 2 * subtitlePadding);
}

}  // namespace

IntroWords parseIntroWords(const std::string& source) {
    using tools::trimmed;
    std::map<std::string, std::string> values{{"team", ""}, {"presents", ""}, {"subtitle", ""}};
    for (const auto& [number, line] : tools::contentLines(source)) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos) refuseLine(number, "expected \"key=text\"");
        const std::string key = trimmed(line.substr(0, equals)), text = trimmed(line.substr(equals + 1));
        const auto slot = values.find(key);
        if (slot == values.end()) refuseLine(number, "unknown key \"" + key + "\"");
        if (!slot->second.empty()) refuseLine(number, "\"" + key + "\" given twice");
        if (text.empty()) refuseLine(number, "\"" + key + "\" without a text");
        slot->second = text;
    }
    for (const auto& [key, text] : values)
        if (text.empty()) throw std::runtime_error("intro words: no \"" + key + "\" line");
    return {values["team"], values["presents"], values["subtitle"]};
}

void checkIntroWordsFit(const IntroWords& words) {
    const auto refuse = [](const std::string& key, const std::string& text) {
        throw std::runtime_error("intro words: the " + key + " \"" + text + "\" is wider than its page holds");
    };
    if (measure(teamFont, words.team) > lineRoom) refuse("team", words.team);
    if (measure(presentsFont, words.presents) + 2 * (flourishGap + flourishLength + flourishTip) > lineRoom)
        refuse("presents", words.presents);
    if (subtitlePanel(words.subtitle) > lineRoom) refuse("subtitle", words.subtitle);
}

namespace {

// A short gold rule with a small diamond at its inner end, beside a line of text.
void paintFlourish(cairo_t* cr, double from, double to, double y) {
    const double dir = to > from ? 1.0 : -1.0;
    Pattern fade(cairo_pattern_create_linear(from, y, to, y));
    addStop(fade.get(), 0.0, palette::goldMid, 0.0);
    addStop(fade.get(), 1.0, palette::goldMid, 0.9);
    cairo_set_source(cr, fade.get());
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, from, y);
    cairo_line_to(cr, to, y);
    cairo_stroke(cr);
    const double d = to + dir * 6;
    polygon(cr, {{d - 5, y}, {d, y - 4}, {d + 5, y}, {d, y + 4}});
    setColour(cr, palette::goldLight);
    cairo_fill(cr);
}

void paintStudioPage(Canvas& canvas, const IntroWords& words) {
    cairo_t* cr = canvas.cr();
    paintSky(cr, pageWidth, pageHeight);
    paintStars(cr, pageWidth, pageHeight, 110, 7);
    paintVignette(cr, pageWidth, pageHeight, 0.75);
    paintLantern(cr, {512, 290}, 250);

    paintGoldTitle(canvas, teamFont, words.team, {512, 530}, 5);
    paintText(canvas, presentsFont, words.presents, {512, 590}, palette::cream);
    const double inner = measure(presentsFont, words.presents) / 2 + flourishGap;
    paintFlourish(cr, 512 - inner - flourishLength, 512 - inner, 580);
    paintFlourish(cr, 512 + inner + flourishLength, 512 + inner, 580);
}

void paintGemRow(cairo_t* cr) {
    static constexpr Gem order[] = {Gem::Emerald, Gem::Sapphire, Gem::Ruby, Gem::Topaz,
                                    Gem::Amethyst};
    for (int k = -2; k <= 2; ++k) {
        const Point at{512.0 + k * 128, 604.0 - k * k * 10};
        paintGlow(cr, at, 95, palette::glow, 0.3);
        paintGem(cr, order[k + 2], at, k == 0 ? 52 : 45);
    }
}

void paintTitlePage(Canvas& canvas, const IntroWords& words) {
    cairo_t* cr = canvas.cr();
    paintSky(cr, pageWidth, pageHeight);
    paintStars(cr, pageWidth, pageHeight, 170, 11);
    paintFallingStar(cr, {742, 168}, 190);
    paintGlow(cr, {512, 300}, 460, palette::glow, 0.45);
    paintHills(cr, pageWidth, pageHeight, 520);
    paintVignette(cr, pageWidth, pageHeight, 0.6);

    const Font title{"DejaVu Serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD, 160};
    paintGoldTitle(canvas, title, "Pendrel", {512, 330}, 10);
    for (const Point& glint : {Point{196, 222}, Point{604, 196}, Point{842, 292}}) {
        paintSparkle(cr, glint, 15);
    }
    const double panel = subtitlePanel(words.subtitle);
    paintGlassPanel(cr, 512 - panel / 2, 378, panel, 64, 32);
    paintText(canvas, subtitleFont, words.subtitle, {512, 421}, palette::goldLight);
    paintGemRow(cr);
}

}  // namespace

void writeBranding(const std::filesystem::path& out, const std::filesystem::path& wordsFile) {
    const tools::Bytes source = tools::readFile(wordsFile);
    const IntroWords words = parseIntroWords(std::string(source.begin(), source.end()));
    checkIntroWordsFit(words);
    tools::SourceLog log(wordsFile);
    Canvas studio(pageWidth, pageHeight);
    paintStudioPage(studio, words);
    tools::writeJpeg(out / "data/branding/studio.jpg", studio.pixels(), jpegQuality);
    log.addPicture(out / "data/branding/studio.jpg", words.team + " / " + words.presents);
    Canvas title(pageWidth, pageHeight);
    paintTitlePage(title, words);
    tools::writeJpeg(out / "data/branding/title.jpg", title.pixels(), jpegQuality);
    log.addPicture(out / "data/branding/title.jpg", words.subtitle);
    log.write(out / "contact/branding_source.txt");
}

}  // namespace pictures
