// The player manager and its delete question: the rows in roster order, choosing a row, the
// new-player limit of seven, deleting one of several or the only profile, closing.
#include <gtest/gtest.h>

#include "ui/dialog_fixture.h"
#include "ui/player_manager.h"

namespace {

int closings = 0;
void countClosing() { closings += 1; }

class PlayerManagerTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        closings = 0;
        linkManagerClosed(countClosing);
    }
    void TearDown() override {
        linkManagerClosed(nullptr);
        DialogTest::TearDown();
    }

    // The middle of row n (from 1) of the list.
    static float rowY(int row) {
        float height = float(fontText.GetFontHeight()) * 1.1f;
        return 384 - imgPlayerMenu.H / 2 + height * float(row) + height / 2 + 2;
    }
    // The slot listed on row n: a click on the row makes it current.
    static int slotOnRow(int row) {
        clickOnce(512, rowY(row));
        return g_currentPlayer;
    }
    static void openManager() {
        popupHandler.pop(POPUP_MANAGER);
        while (popupHandler.runtime < POPUP_OPEN) frame();
    }
};

TEST_F(PlayerManagerTest, RowsFollowThePointsAndSkipEmptiedNames) {
    name(1, u"Ann", 300);
    name(2, u"Ben", 500);
    name(3, u"Cy", 500);
    name(4, u"Dee", 900);
    g_currentPlayer = 1;
    openManager();
    players[4].Name.clear();
    EXPECT_EQ(slotOnRow(1), 2);
    EXPECT_EQ(input._MausFireLeft, 0) << "the row takes the click";
    EXPECT_EQ(slotOnRow(2), 3);
    EXPECT_EQ(slotOnRow(3), 1);
    EXPECT_EQ(slotOnRow(4), 1) << "no fourth row";
    players[1].StoryPoints = 9999;
    EXPECT_EQ(slotOnRow(1), 2) << "the order stays while the manager is open";
}

TEST_F(PlayerManagerTest, NewPlayerGoesToTheFirstFreeSlotFromTwoUntilSevenAreListed) {
    for (int slot : {1, 2, 3, 5, 6, 7}) name(slot, u"P" + intToString(slot));
    g_currentPlayer = 3;
    openManager();
    clickOnce(323, 584);
    EXPECT_EQ(popupHandler.State, POPUP_NEWPLAYER);
    EXPECT_EQ(popupHandler.runtime, POPUP_OPEN);
    EXPECT_EQ(g_currentPlayer, 4);
    EXPECT_EQ(g_previousPlayer, 3);
    EXPECT_EQ(g_nameLength, 0);

    name(4, u"P4");
    g_currentPlayer = 3;
    openManager();
    clickOnce(323, 584);
    EXPECT_EQ(popupHandler.State, POPUP_MANAGER) << "seven rows: the button is inert";
    EXPECT_EQ(input._MausFireLeft, 0) << "the click fell on nothing else either";
    EXPECT_EQ(g_currentPlayer, 3);
}

TEST_F(PlayerManagerTest, OkSavesTheSettingsAndTellsTheMainMenu) {
    name(1, u"Ann");
    g_currentPlayer = 1;
    openManager();
    clickOnce(512, 584);
    EXPECT_EQ(popupHandler.direction, 2);
    EXPECT_EQ(closings, 1);
    EXPECT_TRUE(savedFile("settings.txt"));
}

TEST_F(PlayerManagerTest, DeletingOneOfSeveralMakesTheLowestRemainingSlotCurrent) {
    name(2, u"Ben", 500);
    name(5, u"Eve", 100);
    players[5].SaveToDisk();
    g_currentPlayer = 5;
    openManager();
    clickOnce(701, 584);
    EXPECT_EQ(popupHandler.State, POPUP_DELETEPLAYER);
    clickOnce(412, 484);
    EXPECT_EQ(popupHandler.State, POPUP_MANAGER) << "back";
    EXPECT_EQ(players[5].Name, u"Eve");

    clickOnce(701, 584);
    clickOnce(612, 484);
    EXPECT_EQ(players[5].Name, u"");
    EXPECT_EQ(g_currentPlayer, 2);
    EXPECT_EQ(popupHandler.State, POPUP_MANAGER);
    EXPECT_EQ(popupHandler.runtime, POPUP_OPEN);
    TSpieler reread;
    reread.SetURL(players[5].url);
    reread.LoadFromDisk();
    EXPECT_EQ(reread.Name, u"") << "the file holds an empty profile";
    EXPECT_TRUE(savedFile("settings.txt"));
}

TEST_F(PlayerManagerTest, DeletingTheOnlyProfileLeavesNoPlayerAndCloses) {
    name(3, u"Cy");
    g_currentPlayer = 3;
    openManager();
    clickOnce(701, 584);
    clickOnce(612, 484);
    EXPECT_EQ(g_currentPlayer, -1);
    EXPECT_EQ(popupHandler.direction, 2);
    EXPECT_TRUE(savedFile("players3.ppp"));
    EXPECT_EQ(closings, 0) << "only the manager's own ok reloads the menu";
}

}  // namespace
