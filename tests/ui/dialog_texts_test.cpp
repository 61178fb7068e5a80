// The texts of the front door's dialogs in both editions, measured with the game's fonts
// against the real frames, panels and buttons they are drawn on; also writes review
// screenshots of every dialog in both editions.
#include <gtest/gtest.h>

#include <string>

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

    // The dialog fully open over a plain background, then one more frame drawn and saved.
    void shoot(int id, const std::string& file, float pointerX = -100, float pointerY = -100) {
        openFully(id);
        cls();
        drawImage(background, 0, 0, 0);
        pointTo(pointerX, pointerY);
        popupHandler.ingameScreenMainmenu_show();
        saveForReview(file);
        pointTo(-100, -100);
    }

    Image background = headless::solidImage(1024, 768, {70, 110, 90, 255});
};

TEST_F(DialogTextsTest, ReviewScreensOfTheFrontDoorDialogsInBothEditions) {
    for (const char* edition : EDITIONS) {
        loadEdition(edition);
        fillRoster();
        players[2].isHelp = 1;
        players[2].isResume = 1;
        std::string suffix = std::string("_") + edition + ".png";
        shoot(POPUP_OPTIONS, "options" + suffix, 302, 434);
        shoot(POPUP_CREDITS, "credits" + suffix);
        shoot(POPUP_CHAMP, "champions" + suffix);
        shoot(POPUP_RESUME, "resume" + suffix, 617, 484);
        shoot(POPUP_NEWGAME, "newgame" + suffix);
        shoot(POPUP_MANAGER, "manager" + suffix, 400, 260);
        shoot(POPUP_DELETEPLAYER, "delete_player" + suffix);
        players[3].Name = u"Wendelgardis";
        g_currentPlayer = 3;
        shoot(POPUP_NEWPLAYER, "name_entry" + suffix);
        resetPlayers();
        g_currentPlayer = -1;
    }
}

}  // namespace
