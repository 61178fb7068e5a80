// The texts of the front door's dialogs in both editions, measured with the game's fonts
// against the real frames, panels and buttons they are drawn on; also writes review
// screenshots of every dialog in both editions.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <tuple>

#include "ui/dialog_fixture.h"
#include "ui/player_manager.h"

namespace {

const char* const EDITIONS[] = {"en", "de"};

class DialogTextsTest : public DialogTest {
protected:
    // Puts the edition's texts in place of the build's own.
    static void loadEdition(const std::string& edition) {
        languageFile.lang.clear();
        std::string path = std::string(PENDREL_SOURCE_DIR) + "/assets/texts/codetexts." + edition + ".txt";
        ASSERT_EQ(languageFile.loadFromDisk(toString16(path), u"="), 1) << path;
    }

    static void fillRoster() {
        name(1, u"Maximilianus", 300, 12);
        name(2, u"Wendelgard", 500, 24);
        name(3, u"Jo", 500, 31);
        g_currentPlayer = 2;
    }

    // The dialog fully open over a plain background, then one more frame drawn, saved and its
    // frame checked.
    void expectCentredDialog(int id, const std::string& file, float pointerX = -100, float pointerY = -100) {
        openFully(id);
        cls();
        drawImage(background, 0, 0, 0);
        pointTo(pointerX, pointerY);
        popupHandler.ingameScreenMainmenu_show();
        saveForReview(file);
        pointTo(-100, -100);
        // The dialog's frame stands centred across the screen, over the darkened background.
        const Pixmap screen = grabBackBuffer();
        const Box frame = drawnExtent(screen, Box{0, 0, 1024, 768}, screen.at(2, 2));
        EXPECT_NEAR((frame.left + frame.right) / 2.0, 512, 3) << file;
        EXPECT_GT(frame.right - frame.left, 300) << file;
        EXPECT_GT(frame.bottom - frame.top, 200) << file;
    }

    Image background = headless::solidImage(1024, 768, {70, 110, 90, 255});
};

int widthOf(const char16_t* key) { return fontText.GetTxtWidth(languageFile.getValue(key)); }

// Every caption within the glass button, every title within its frame, and every line within
// the panel it is drawn on, without running into its neighbours.
TEST_F(DialogTextsTest, EveryTextFitsItsFrameAndPanelInBothEditions) {
    const float buttonRoom = imgButtons[3].W - 16;
    const float paperHalf = popupHandler.imgPaperCanvas.W * 1.1f / 2 - 16;  // the options' wide panel
    const float smallRoom = popupHandler.imgPopupSmall.W - 48;
    for (const char* edition : EDITIONS) {
        loadEdition(edition);
        SCOPED_TRACE(edition);
        for (const char16_t* key : {u"credits", u"ok", u"back", u"yes", u"no", u"newgame", u"resumegame", u"newplayer",
                                    u"delete", u"options"})
            EXPECT_LT(float(widthOf(key)), buttonRoom) << toUtf8(key);
        for (const char16_t* key : {u"options", u"newplayer", u"playermenu"})
            EXPECT_LT(float(fontHeader.GetTxtWidth(languageFile.getValue(key))), popupHandler.imgPopupBig.W - 48);
        for (const char16_t* key : {u"resumegame", u"newgame", u"delete"})
            EXPECT_LT(float(fontHeader.GetTxtWidth(languageFile.getValue(key))), smallRoom - 2 * 60) << toUtf8(key);
        EXPECT_LT(float(fontHeader.GetTxtWidth(languageFile.getValue(u"champions"))),
                  popupHandler.imgPopupMedium.W - 2 * 110);

        // Options: "quiet" ends at 322 and "loud" starts at 702; the labels right of their boxes.
        EXPECT_GT(322 - widthOf(u"quiet"), 512 - paperHalf);
        EXPECT_LT(702 + widthOf(u"loud"), 512 + paperHalf);
        EXPECT_LT(302 + 37 + widthOf(u"fullscreen"), 552 - imgCheckbox.W / 2 - 8);
        EXPECT_LT(552 + 37 + widthOf(u"showhelp"), 512 + paperHalf);
        EXPECT_LT(442 + 37 + widthOf(u"gfxcursor"), 512 + paperHalf);

        // Credits and the resume question: each line inside the small frame, all of them above
        // its bottom (the resume question's above its buttons).
        const float smallBottom = 384 + popupHandler.imgPopupSmall.H / 2 - 16;
        const float buttonTop = 484 - imgButtons[3].H / 2;
        const float lineHeight = float(fontText.GetFontHeight());
        for (auto [key, top, bottom] : {std::tuple{u"creditstext", creditsTextTop(), smallBottom},
                                        std::tuple{u"wantresume", 294.0f, buttonTop}}) {
            String text = languageFile.getValue(key);
            float lines = 1;
            for (size_t at = text.find(u"%n"); at != String::npos; at = text.find(u"%n", at + 2)) lines += 1;
            EXPECT_LT(top + lines * lineHeight, bottom) << toUtf8(key);
            for (size_t start = 0, end; start <= text.size(); start = end + 2) {
                end = std::min(text.find(u"%n", start), text.size());
                EXPECT_LT(float(fontText.GetTxtWidth(trim(text.substr(start, end - start)))), smallRoom) << toUtf8(key);
            }
        }
        for (const char16_t* key : {u"newgame2", u"newgame3", u"newgame4", u"delplayersure", u"delplayersure2"})
            EXPECT_LT(float(widthOf(key)), smallRoom) << toUtf8(key);
        EXPECT_LT(float(widthOf(u"enterplayername")), popupHandler.imgPaperCanvas.W - 32);

        // Champion headings centred on 324, 458, 611 and 699 inside the table, clear of each other.
        const std::pair<const char16_t*, int> headings[] = {
            {u"rank", 324}, {u"name", 458}, {u"points", 611}, {u"level", 699}};
        EXPECT_GT(324 - widthOf(u"rank") / 2, 512 - int(imgScores.W) / 2);
        EXPECT_LT(699 + widthOf(u"level") / 2, 512 + int(imgScores.W) / 2);
        for (size_t i = 0; i + 1 < std::size(headings); ++i)
            EXPECT_LT(headings[i].second + widthOf(headings[i].first) / 2 + 8,
                      headings[i + 1].second - widthOf(headings[i + 1].first) / 2);
        // Manager headings: "player" from the left column, "game" centred, "points" ending right.
        const int nameX = 512 - int(imgPlayerMenu.W) / 2 + 40;
        EXPECT_LT(nameX + widthOf(u"player") + 8, 512 - widthOf(u"game") / 2);
        EXPECT_LT(512 + widthOf(u"game") / 2 + 8, 512 + int(imgPlayerMenu.W) / 2 - 40 - widthOf(u"points"));
    }
}

TEST_F(DialogTextsTest, ReviewScreensOfTheFrontDoorDialogsInBothEditions) {
    for (const char* edition : EDITIONS) {
        loadEdition(edition);
        fillRoster();
        players[2].isHelp = 1;
        players[2].isResume = 1;
        std::string suffix = std::string("_") + edition + ".png";
        expectCentredDialog(POPUP_OPTIONS, "options" + suffix, 302, 434);
        expectCentredDialog(POPUP_CREDITS, "credits" + suffix);
        expectCentredDialog(POPUP_CHAMP, "champions" + suffix);
        expectCentredDialog(POPUP_RESUME, "resume" + suffix, 617, 484);
        expectCentredDialog(POPUP_NEWGAME, "newgame" + suffix);
        expectCentredDialog(POPUP_MANAGER, "manager" + suffix, 400, 260);
        expectCentredDialog(POPUP_DELETEPLAYER, "delete_player" + suffix);
        players[3].Name = u"Wendelgardis";
        g_currentPlayer = 3;
        expectCentredDialog(POPUP_NEWPLAYER, "name_entry" + suffix);
        resetPlayers();
        g_currentPlayer = -1;
    }
}

}  // namespace
