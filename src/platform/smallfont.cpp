// The built-in small font: 5 × 7 glyphs of our own design in 6 × 8 cells for the
// characters 32..126. Used by drawText (the frame counter) only.
#include "platform/graphics.h"

namespace {

constexpr int CELL_WIDTH = 6;
constexpr int CELL_HEIGHT = 8;
constexpr int GLYPH_ROWS = 7;

// Characters 33..126, seven rows each; a row is one base-32 digit whose five bits are the
// pixels from left (bit 4) to right (bit 0).
constexpr const char* GLYPHS =
    "4444404AA00000AVAAVA04FKE5U4PQ248BJCIC8LID44000002488842"
    "842224804LEL40044V4400000648000V00000000CC122488GEHJLPHE"
    "4C4444EEH168GVU11E11U26AIV22VGU11HE68GUHHEV124888EHHEHHE"
    "EHHF12C0CC0CC00CC0C48248G84200V0V008421248EH16404EHNLMGF"
    "4AHHVHHUHHUHHUEHGGGHESIHHHISVGGUGGVVGGUGGGEHGNHHFHHHVHHH"
    "E44444E72222ICHIKOKIHGGGGGGVHRLLHHHHPLJHHHEHHHHHEUHHUGGG"
    "EHHHLIDUHHUKIHFGGE11UV444444HHHHHHEHHHHHA4HHHLLLAHHA4AHH"
    "HHA4444V1248GVE88888EG884221E22222E4AH0000000000V8400000"
    "00E1FHFGGMPHHU00EGGHE11DJHHF00EHVGE698S8880FHHF1EGGMPHHH"
    "40C444E20622ICGGIKOKIC44444E00QLLLL00MPHHH00EHHHE00UHUGG"
    "00DJF1100MPGGG00EGE1U88S889600HHHJD00HHHA400HHLLA00HA4AH"
    "00HHF1E00V248V344O4434444444O44344O008L200";

int digitValue(char digit) { return digit <= '9' ? digit - '0' : digit - 'A' + 10; }

Pixmap glyphPixmap(int character) {
    Pixmap cell{CELL_WIDTH, CELL_HEIGHT, std::vector<Rgba>(CELL_WIDTH * CELL_HEIGHT)};
    if (character == 32) return cell;
    const char* rows = GLYPHS + (character - 33) * GLYPH_ROWS;
    for (int y = 0; y < GLYPH_ROWS; ++y)
        for (int x = 0; x < 5; ++x)
            if (digitValue(rows[y]) & (16 >> x)) cell.at(x, y) = Rgba{255, 255, 255, 255};
    return cell;
}

}  // namespace

Image makeSmallFont() {
    std::vector<Pixmap> frames;
    for (int character = 32; character < 127; ++character) frames.push_back(glyphPixmap(character));
    return makeImage(CELL_WIDTH, CELL_HEIGHT, 0, std::move(frames));
}
