// The instructions dialog: paging with "back" and "next" from the level's menu, the help a level
// shows at its start with "ok" alone, closing, pages outside the range, and the sample boards'
// layers drawn with flat stand-in pictures so every layer can be told apart by its colour.
#include <gtest/gtest.h>

#include <utility>

#include "match3/scene_match3.h"
#include "ui/buttons.h"
#include "ui/interface_fixture.h"

namespace {

constexpr int LEVEL_START_HELP = 36;  // the scene's frame counter while its level-start help is open
constexpr int PLAYING = 200;

struct Point {
    int x, y;
};
constexpr Point BACK{312, 610}, NEXT{712, 610}, OK{512, 610};

class InstructionsTest : public InterfaceTest {
protected:
    void SetUp() override {
        InterfaceTest::SetUp();
        sceneMatch3._runtime = PLAYING;
        g_inputLayer = 2;
    }
    void TearDown() override {
        sceneMatch3._runtime = 0;
        InterfaceTest::TearDown();
    }

    static void openOnPage(int page, int fromMenu) {
        g_helpPage = page;
        g_helpFromMenu = fromMenu;
        openFully(POPUP_INSTRUCTIONS);
    }

    // One frame of the open dialog with a click at p; true when a button took the click.
    static bool clickTaken(Point p) {
        clickAt(float(p.x), float(p.y));
        popupHandler.ingameScreenMainmenu_show();
        bool taken = input._MausFireLeft == 0;
        input._MausFireLeft = input._MausDownLeft = 0;
        return taken;
    }

    // The page drawn alone on a cleared screen, the pointer away from every button.
    static Pixmap drawnPage() {
        cls();
        pointTo(-100, -100);
        popupHandler.showinstructions();
        return grabBackBuffer();
    }

    static int brightness(const Rgba& p) { return p.r + p.g + p.b; }
};

TEST_F(InstructionsTest, BackAndNextPageThroughAllSevenAndStopDimmedAtBothEnds) {
    openOnPage(1, 1);
    EXPECT_FALSE(clickTaken(BACK)) << "no page before the first";
    EXPECT_EQ(g_helpPage, 1);
    for (int page = 2; page <= 7; ++page) {
        EXPECT_TRUE(clickTaken(NEXT));
        EXPECT_EQ(g_helpPage, page);
    }
    EXPECT_FALSE(clickTaken(NEXT)) << "no page after the last";
    EXPECT_EQ(g_helpPage, 7);
    EXPECT_TRUE(clickTaken(BACK));
    EXPECT_EQ(g_helpPage, 6);
    EXPECT_EQ(popupHandler.direction, 1) << "paging keeps the dialog open";

    // The unavailable button is still drawn, but darker than where it can be used.
    const int probeX = BACK.x - int(imgButtons[3].W / 2) + 12;
    g_helpPage = 1;
    Rgba backOnFirst = drawnPage().at(probeX, BACK.y);
    g_helpPage = 2;
    Rgba backOnSecond = drawnPage().at(probeX, BACK.y);
    EXPECT_GT(brightness(backOnFirst), 0);
    EXPECT_LT(brightness(backOnFirst), brightness(backOnSecond));
}

TEST_F(InstructionsTest, HelpShownAtALevelStartOrNotFromTheMenuHasOnlyOk) {
    g_helpPage = 3;
    g_helpFromMenu = 1;
    Rgba withNavigation = drawnPage().at(NEXT.x - 60, NEXT.y);
    for (auto [runtime, fromMenu] : {std::pair{LEVEL_START_HELP, 1}, std::pair{PLAYING, 0}}) {
        sceneMatch3._runtime = runtime;
        openOnPage(3, fromMenu);
        EXPECT_FALSE(clickTaken(NEXT)) << "runtime " << runtime << ", from menu " << fromMenu;
        EXPECT_FALSE(clickTaken(BACK));
        EXPECT_EQ(g_helpPage, 3);
        EXPECT_NE(drawnPage().at(NEXT.x - 60, NEXT.y), withNavigation) << "no next button drawn";
        EXPECT_TRUE(clickTaken(OK));
        EXPECT_EQ(popupHandler.direction, 2);
    }
}

TEST_F(InstructionsTest, OkEnterAndEscapeCloseOnlyOnceFullyOpen) {
    for (int* key : {&input._Enter, &input._Escape}) {
        g_helpPage = 1;
        popupHandler.pop(POPUP_INSTRUCTIONS);
        *key = 1;  // held from the first frame on
        for (int frame = 1; frame <= 20 && popupHandler.direction == 1; ++frame)
            popupHandler.ingameScreenMainmenu_show();
        EXPECT_EQ(popupHandler.direction, 2);
        EXPECT_EQ(popupHandler.runtime, POPUP_OPEN) << "the key waits for the opening phase to end";
        *key = 0;
    }
    openOnPage(2, 0);
    EXPECT_TRUE(clickTaken(OK));
    EXPECT_EQ(popupHandler.direction, 2);
}

TEST_F(InstructionsTest, PageOutsideTheRangeDrawsOnlyTheButtonsAndPagingLeadsBackIn) {
    for (int page : {0, 8}) {
        g_helpPage = page;
        g_helpFromMenu = 1;
        Pixmap screen = drawnPage();
        EXPECT_EQ(brightness(screen.at(512, 384)), 0) << "no shade, frame or text on page " << page;
        EXPECT_GT(brightness(screen.at(OK.x - 60, OK.y)), 0) << "the ok button is drawn";
    }
    openOnPage(0, 1);
    EXPECT_TRUE(clickTaken(NEXT));
    EXPECT_EQ(g_helpPage, 1);
    openOnPage(8, 1);
    EXPECT_TRUE(clickTaken(BACK));
    EXPECT_EQ(g_helpPage, 7);
}

TEST_F(InstructionsTest, MenuHelpOpensTheFirstPageWithNavigationInTheSamePhase) {
    g_helpPage = 5;
    g_helpFromMenu = 0;
    openFully(POPUP_INGAME);
    EXPECT_TRUE(clickTaken({417, 374}));
    EXPECT_EQ(popupHandler.State, POPUP_INSTRUCTIONS);
    EXPECT_EQ(popupHandler.runtime, POPUP_OPEN);
    EXPECT_EQ(g_helpPage, 1);
    EXPECT_EQ(g_helpFromMenu, 1);
}

// Flat stand-ins for the pictures a sample board is made of: frame, moss, glows, items (half a
// cell wide, so the ground shows around them), the mark and the pointer.
class HelpBoardTest : public InstructionsTest {
protected:
    static constexpr Rgba FRAME{30, 60, 90, 255}, MOSS{0, 160, 0, 255}, MARK{255, 255, 255, 255},
        POINTER{250, 250, 0, 255};
    static Rgba item(int type) { return Rgba{uint8_t(20 * type), 40, uint8_t(200 - 10 * type), 255}; }
    static Rgba glow(int n) { return Rgba{0, uint8_t(25 * n), 100, 255}; }

    void SetUp() override {
        InstructionsTest::SetUp();
        savedFrame = std::move(imgNiner);
        savedPointer = std::move(mousePointer._imgPointer);
        useFlat(imgNiner, 180, FRAME, true);
        useFlat(mousePointer._imgPointer, 32, POINTER, false);
        useFlat(sceneMatch3._imgMoss, 48, MOSS, true);
        useFlat(sceneMatch3._imgCellMark, 48, MARK, true);
        for (int n = 1; n <= 9; ++n) useFlat(sceneMatch3._imgGlo[size_t(n)], 64, glow(n), true);
        for (int type = 1; type <= 7; ++type) useFlat(sceneMatch3._imgItem[size_t(type)], 24, item(type), true);
    }
    void TearDown() override {
        imgNiner = std::move(savedFrame);
        mousePointer._imgPointer = std::move(savedPointer);
        sceneMatch3.resetAll();
        InstructionsTest::TearDown();
    }

    static void useFlat(vexaTBild& picture, int size, Rgba colour, bool centred) {
        picture.data = headless::solidImage(size, size, colour);
        if (centred) midHandleImage(picture.data);
        picture.W = picture.H = float(size);
        picture.isLoaded = 1;
    }

    static ::testing::AssertionResult shows(const Pixmap& screen, int x, int y, Rgba c) {
        return headless::nearColour(screen.at(x, y), c.r, c.g, c.b, 3);
    }
    // A mark at three quarters of full alpha over `below`.
    static ::testing::AssertionResult showsMarkOver(const Pixmap& screen, int x, int y, Rgba below) {
        auto mix = [](int mark, int under) { return (3 * mark + under) / 4; };
        return headless::nearColour(screen.at(x, y), mix(MARK.r, below.r), mix(MARK.g, below.g), mix(MARK.b, below.b),
                                    3);
    }

    vexaTBild savedFrame, savedPointer;
};

TEST_F(HelpBoardTest, MossLiesUnderTheItemsAndCellsWithoutEntriesShowOnlyTheFrame) {
    g_helpPage = 1;
    Pixmap screen = drawnPage();
    // Left board at (312, 284): moss under the middle column, item types 1 4 1 / 2 1 4 / 4 4 2.
    EXPECT_TRUE(shows(screen, 312, 236, item(4)));
    EXPECT_TRUE(shows(screen, 312 + 18, 236, MOSS));
    EXPECT_TRUE(shows(screen, 264 + 18, 236, FRAME)) << "no ground entry, no ground";

    // Stone page, left board at (312, 399): the stone block in the middle, cell 8 empty throughout.
    g_helpPage = 4;
    screen = drawnPage();
    EXPECT_TRUE(shows(screen, 312, 399, item(7)));
    EXPECT_TRUE(shows(screen, 312, 447, FRAME));
}

TEST_F(HelpBoardTest, MarksGlowsAndThePointerDrawOverTheItemsInTheirPlaces) {
    g_helpPage = 3;
    Pixmap screen = drawnPage();
    // Left board at (312, 399): the middle row marked over items 1 5 3, the pointer beside cell 5.
    EXPECT_TRUE(showsMarkOver(screen, 264, 399, item(1)));
    EXPECT_TRUE(showsMarkOver(screen, 264 + 18, 399, FRAME));
    EXPECT_TRUE(shows(screen, 264, 351, item(3))) << "unmarked cells stay plain";
    EXPECT_TRUE(shows(screen, 349, 440, item(4)));
    EXPECT_TRUE(shows(screen, 351, 440, POINTER)) << "the pointer's corner sits 38 pixels past the cell centre";
    // Right board at (512, 399): the emptied middle row glows 8 4 2 at half size.
    EXPECT_TRUE(shows(screen, 464 + 10, 399, glow(8)));
    EXPECT_TRUE(shows(screen, 512 - 10, 399, glow(4)));
    EXPECT_TRUE(shows(screen, 560, 399 + 10, glow(2)));
    EXPECT_TRUE(shows(screen, 464 + 20, 399, FRAME)) << "a glow covers half a cell";
    EXPECT_FLOAT_EQ(getAlpha(), 1.0f);
}

}  // namespace
