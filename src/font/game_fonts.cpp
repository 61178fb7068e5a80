// Loading the game's fonts at start-up.
#include "font/game_fonts.h"

TBitmapFont fontText;
TBitmapFont fontHeader;

namespace {

const String FONT_FOLDER = u"data/fonts/";

// A font file that cannot be read leaves the font empty; one that is damaged stops the game.
void loadFontOrStop(TBitmapFont& font, const String& file) {
    try {
        font.Load(FONT_FOLDER + file, 2);
    } catch (const TBitmapFontLoadException&) {
        notify(u"Font-File (" + FONT_FOLDER + file + u") is damaged!", 1);
        exitProgram();
    }
}

}  // namespace

void loadGameFonts() {
    loadFontOrStop(fontText, u"text.zgf");
    loadFontOrStop(fontHeader, u"header.zgf");
    fontText.SetDrawShadow(1);
    fontText.SetDrawBorder(1);
    fontHeader.SetDrawBorder(0);
    fontHeader.SetDrawShadow(0);
    fontText.Kerning.SetHKerning(1.0f);
    fontHeader.Kerning.SetHKerning(1.0f);
}
