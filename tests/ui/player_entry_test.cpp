// The first-player flow, the main menu's player entry point and the name entry: typing, the
// limits of 12 characters and 140 pixels, Backspace, Enter, "back" and "ok".
#include <gtest/gtest.h>

#include "ui/dialog_fixture.h"
#include "ui/player_entry.h"

namespace {

class PlayerEntryTest : public DialogTest {
protected:
    // The dialog takes one character per frame; a frame for each byte is enough.
    static void typeFrames(const std::string& utf8) {
        injectText(utf8);
        frames(int(utf8.size()));
    }
    // The first player's name entry fully open.
    static void openFirstPlayer() {
        beginFirstPlayer(512);
        while (popupHandler.runtime < POPUP_OPEN) frame();
    }
};

TEST_F(PlayerEntryTest, FirstPlayerTakesSlotOneOnlyWhenNobodyHoldsIt) {
    openFirstPlayer();
    EXPECT_EQ(g_currentPlayer, 1);
    EXPECT_EQ(g_newPlayerFirst, 1);
    EXPECT_EQ(popupHandler.State, POPUP_NEWPLAYER);

    name(1, u"Ada", 700, 9);
    players[1].SaveToDisk();
    g_currentPlayer = -1;
    openPlayerEntry();
    EXPECT_EQ(g_currentPlayer, 2) << "settings naming no player must not reuse a named slot";
    typeFrames("Bo\r");
    EXPECT_EQ(players[1].Name, u"Ada");
    EXPECT_EQ(players[1].StoryPoints, 700);
    EXPECT_EQ(players[2].Name, u"Bo");
    EXPECT_TRUE(savedFile("players2.ppp"));
}

TEST_F(PlayerEntryTest, WithEverySlotNamedTheManagerOpensOnTheFirstProfile) {
    for (int slot = 1; slot <= ROSTER_LAST; ++slot) name(slot, u"P" + intToString(slot));
    beginFirstPlayer(400);
    EXPECT_EQ(popupHandler.State, POPUP_MANAGER);
    EXPECT_EQ(g_currentPlayer, 1);
    for (int slot = 1; slot <= ROSTER_LAST; ++slot) EXPECT_EQ(players[size_t(slot)].Name, u"P" + intToString(slot));
}

TEST_F(PlayerEntryTest, NameStopsAtTwelveCharactersOrAtOneHundredFortyPixels) {
    openFirstPlayer();
    typeFrames("\b");
    EXPECT_EQ(players[1].Name, u"");
    EXPECT_EQ(g_nameLength, 0) << "Backspace on an empty name changes nothing";
    typeFrames("iiiiiiiiiiiiii");
    EXPECT_EQ(players[1].Name, u"iiiiiiiiiiii");
    EXPECT_EQ(g_nameLength, 12);
    typeFrames("\b\bWW");
    EXPECT_EQ(players[1].Name, u"iiiiiiiiiiWW");

    typeFrames(std::string(12, '\b') + "WWWWWWWWWWWW");
    const String& wide = players[1].Name;
    EXPECT_LT(wide.size(), 12u);
    EXPECT_GE(fontText.GetTxtWidth(wide), 140);
    EXPECT_LT(fontText.GetTxtWidth(wide.substr(0, wide.size() - 1)), 140);
}

TEST_F(PlayerEntryTest, EnterKeepsTheTrimmedNameOrTheEditionsDefault) {
    openFirstPlayer();
    typeFrames(
        "  Z\xC3\xA9"
        "a\xE2\x82\xAC  \r");
    EXPECT_EQ(players[1].Name, u"Z\u00E9a");
    EXPECT_EQ(popupHandler.direction, 2);
    EXPECT_EQ(g_newPlayerFirst, 0);
    EXPECT_TRUE(savedFile("settings.txt"));
    EXPECT_TRUE(savedFile("players1.ppp"));
    injectText("xyz");
    frames(3);
    EXPECT_EQ(players[1].Name, u"Z\u00E9a") << "nothing is typed while the dialog closes";

    resetPlayers();
    openFirstPlayer();
    typeFrames("   \r");
    EXPECT_EQ(players[1].Name, languageFile.getValue(u"noname"));
}

TEST_F(PlayerEntryTest, KeysTypedBeforeTheEntryOpenedAndCharactersTheFontLacksAreDropped) {
    injectKey(KEY_ENTER, true);
    injectText("q");
    openFirstPlayer();
    EXPECT_EQ(popupHandler.direction, 1) << "an Enter from before does not confirm the empty name";
    EXPECT_EQ(players[1].Name, u"");

    std::optional<TBitMapChar> eAcute = fontText.PrivateData.Face[0xE9];
    fontText.PrivateData.Face[0xE9].reset();
    typeFrames("R\xC3\xA9n");
    fontText.PrivateData.Face[0xE9] = eAcute;
    EXPECT_EQ(players[1].Name, u"Rn");
    EXPECT_EQ(g_nameLength, 2);
}

TEST_F(PlayerEntryTest, BackGivesUpTheFirstPlayerOrReturnsToTheManager) {
    openFirstPlayer();
    typeFrames("Kim");
    clickOnce(412, 484);
    EXPECT_EQ(g_currentPlayer, -1);
    EXPECT_EQ(players[1].Name, u"");
    EXPECT_EQ(popupHandler.direction, 2);
    EXPECT_FALSE(savedFile("players1.ppp"));

    name(1, u"Ada");
    g_currentPlayer = 1;
    openPlayerEntry();
    EXPECT_EQ(popupHandler.State, POPUP_MANAGER);
    while (popupHandler.runtime < POPUP_OPEN) frame();
    clickOnce(323, 584);
    EXPECT_EQ(popupHandler.State, POPUP_NEWPLAYER);
    EXPECT_EQ(g_currentPlayer, 2);
    EXPECT_EQ(g_previousPlayer, 1);
    typeFrames("Bo");
    clickOnce(412, 484);
    EXPECT_EQ(popupHandler.State, POPUP_MANAGER);
    EXPECT_EQ(popupHandler.runtime, POPUP_OPEN) << "the manager is back fully open";
    EXPECT_EQ(g_currentPlayer, 1);
    EXPECT_EQ(players[2].Name, u"");
}

TEST_F(PlayerEntryTest, OkKeepsTheNameLikeEnter) {
    openFirstPlayer();
    typeFrames("Lu");
    clickOnce(612, 484);
    EXPECT_EQ(players[1].Name, u"Lu");
    EXPECT_EQ(g_nameLength, 0);
    EXPECT_EQ(popupHandler.direction, 2);
    EXPECT_TRUE(savedFile("players1.ppp"));
}

}  // namespace
