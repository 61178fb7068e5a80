// The fonts tool: renders the game's two bitmap fonts from DejaVu TTFs with FreeType.
// Usage: pendrel_fonts OUTPUT_FOLDER (the build folder, the game's working folder).
// Writes data/fonts/text.zgf, data/fonts/header.zgf and contact/fonts.png for review.
#include "common/tool_main.h"
#include "font_file.h"
#include "sheet.h"

namespace {

const std::filesystem::path FONT_FOLDER = "/usr/share/fonts/truetype/dejavu";

// Body text: a bold sans face, small enough that a long name stays within the
// name field, with a dark border and a soft shadow so it reads on any background.
fonts::FontStyle textStyle() {
    fonts::FontStyle style;
    style.ttf = FONT_FOLDER / "DejaVuSans-Bold.ttf";
    style.pixelSize = 14;
    style.strokeRadius = 1.5;
    style.borderLayer = true;
    style.shadowLayer = true;
    style.shadowDx = 2;
    style.shadowDy = 2;
    style.shadowBlur = 1;
    style.shadowOpacity = 0.7;
    style.faceTop = {255, 255, 250};
    style.faceBottom = {250, 228, 164};
    style.dark = {36, 22, 12};
    return style;
}

// Titles: a larger bold serif with a thin dark rim painted into the face itself,
// since the game draws this font without border or shadow layers.
fonts::FontStyle headerStyle() {
    fonts::FontStyle style;
    style.ttf = FONT_FOLDER / "DejaVuSerif-Bold.ttf";
    style.pixelSize = 26;
    style.strokeRadius = 1.5;
    style.rimInFace = true;
    style.faceTop = {255, 252, 236};
    style.faceBottom = {246, 206, 120};
    style.dark = {44, 26, 10};
    return style;
}

}  // namespace

int main(int argc, char** argv) {
    return runDataTool(argc, argv, [](const std::filesystem::path& out) {
        const fonts::FontData text = fonts::buildFont(textStyle());
        const fonts::FontData header = fonts::buildFont(headerStyle());
        tools::writeFile(out / "data/fonts/text.zgf", fonts::encodeFontFile(text));
        tools::writeFile(out / "data/fonts/header.zgf", fonts::encodeFontFile(header));
        tools::writePng(out / "contact/fonts.png", fonts::renderSheet(text, header));
    });
}
