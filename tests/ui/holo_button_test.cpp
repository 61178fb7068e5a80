// Holo buttons: set-up, the wobble's frame table, and the button's reaction and click
// consumption.
#include <gtest/gtest.h>

#include "ui/buttons.h"
#include "ui/holo_button.h"
#include "ui/interface_fixture.h"

namespace {

class HoloButtonTest : public InterfaceTest {
protected:
    // The emblem area of `button` as drawn by one Tick on a cleared screen.
    static std::vector<Rgba> emblemAfterTick(THoloButton& button) {
        cls();
        button.Tick(0);
        Pixmap screen = grabBackBuffer();
        std::vector<Rgba> area;
        for (int y = int(button.holoy) - 60; y < int(button.holoy) + 60 && y < 768; ++y) {
            for (int x = int(button.holox) - 60; x < int(button.holox) + 60; ++x) area.push_back(screen.at(x, y));
        }
        return area;
    }
};

TEST_F(HoloButtonTest, SetupPlacesTheButtonAndItsEmblem) {
    THoloButton button;
    button.setup(512.7f, 300.2f, 1, u"Start");
    EXPECT_EQ(button.s, u"START");
    EXPECT_EQ(button.x, 512);
    EXPECT_EQ(button.y, 300);
    EXPECT_EQ(button.w, int(imgButtons[1].W / 2));
    EXPECT_EQ(button.h, int(imgButtons[1].H / 2 - 2));
    EXPECT_FLOAT_EQ(button.holox, 507);
    EXPECT_FLOAT_EQ(button.holoy, 300 + float(button.h) + imgHoloButtons[0].H / 2 - 10);
    EXPECT_GE(button.wobbelstart, 1);
    EXPECT_LE(button.wobbelstart, 50);
}

TEST_F(HoloButtonTest, TheLoaderSetsUpTheMainMenuAndRoadmapButtons) {
    const int xs[] = {905, 115, 355, 665};
    for (size_t i = 0; i < mainMenuHoloButtons.size(); ++i) {
        EXPECT_EQ(mainMenuHoloButtons[i].x, xs[i]);
        EXPECT_EQ(mainMenuHoloButtons[i].y, 666);
        EXPECT_EQ(mainMenuHoloButtons[i].l, 1);
    }
    EXPECT_EQ(mainMenuHoloButtons[0].s, upper(languageFile.getValue(u"startgame")));
    EXPECT_EQ(mainMenuHoloButtons[1].s, upper(languageFile.getValue(u"player")));
    EXPECT_EQ(roadmapHoloButton.x, 925);
    EXPECT_EQ(roadmapHoloButton.s, mainMenuHoloButtons[0].s);
}

// Still until the start, 33 wobbling frames, one still frame, and again every 34 frames.
TEST_F(HoloButtonTest, WobbleFrameTable) {
    THoloButton button;
    button.setup(512, 300, 1, u"Start");
    button.wobbelstart = 25;
    std::vector<int> wobbling;
    for (int frame = 1; frame <= 4 + 34 + 34; ++frame) {
        button.Tick(0);
        wobbling.push_back(button.isWobbel);
    }
    std::vector<int> expected(4, 0);  // runtime 21..24
    for (int cycle = 0; cycle < 2; ++cycle) {
        expected.insert(expected.end(), 33, 1);
        expected.push_back(0);
    }
    EXPECT_EQ(wobbling, expected);
    EXPECT_EQ(button.wobbelstart, 25 + 2 * 34);
}

TEST_F(HoloButtonTest, WobbleShowsFrameZeroFirstAndOnItsLastTwoFrames) {
    THoloButton button;
    button.setup(512, 300, 1, u"Start");
    button.wobbelstart = 21;
    std::vector<std::vector<Rgba>> shown;
    for (int frame = 1; frame <= 34; ++frame) shown.push_back(emblemAfterTick(button));
    EXPECT_NE(shown[0], shown[8]) << "the animation moves";
    EXPECT_EQ(shown[0], shown[31]);
    EXPECT_EQ(shown[0], shown[32]);
    EXPECT_NE(shown[0], shown[33]) << "the still emblem";
}

TEST_F(HoloButtonTest, ClickIsConsumedAndInertWhileADialogOpens) {
    THoloButton first, second;
    first.setup(512, 300, 1, u"A");
    second.setup(512, 300, 1, u"B");
    clickAt(512, 300);
    EXPECT_EQ(first.Tick(0), BUTTON_CLICKED);
    EXPECT_EQ(second.Tick(0), BUTTON_HOVER);
    EXPECT_EQ(input._MausFireLeft, 0);

    clickAt(512, 300);
    popupHandler.runtime = 7;
    EXPECT_EQ(first.Tick(0), BUTTON_IDLE);
    popupHandler.runtime = 0;
    g_inputLayer = 2;
    EXPECT_EQ(first.Tick(0), BUTTON_IDLE);
    g_inputLayer = 1;
    pointTo(512 + float(first.w), 300);
    EXPECT_EQ(first.Tick(0), BUTTON_IDLE) << "the edge is outside";
}

// The main menu's row of holo buttons, one under the pointer, and one dimmed in another
// layer, written to <build>/review/holo_buttons.png. Each button shows within its place and
// nowhere else; the one under the pointer and the dimmed one look unlike their plain selves.
TEST_F(HoloButtonTest, ReviewScreenOfTheHoloRow) {
    const Rgba backgroundColour{60, 80, 110, 255};
    Image background = headless::solidImage(1024, 768, backgroundColour);
    const float xs[] = {905, 115, 355, 665};
    const char16_t* keys[] = {u"startgame", u"player", u"champions", u"options"};
    auto drawRow = [&](float pointerX, int dimmedLayer) {
        std::array<THoloButton, 4> row;
        for (size_t i = 0; i < row.size(); ++i)
            row[i].setup(xs[i], 666, i == 3 ? dimmedLayer : 1, languageFile.getValue(keys[i]));
        for (THoloButton& button : row) button.wobbelstart = 1000;  // still emblems, not chance ones
        row[0].wobbelstart = 21;
        pointTo(pointerX, 666);
        for (int frame = 1; frame <= 9; ++frame) {
            cls();
            drawImage(background, 0, 0, 0);
            for (THoloButton& button : row) button.Tick(0);
        }
        return grabBackBuffer();
    };
    const Pixmap plain = drawRow(-100, 1);
    const Pixmap shown = drawRow(355, 2);
    saveForReview("holo_buttons.png");
    auto around = [](float x) { return Box{int(x) - 85, 625, int(x) + 85, 768}; };
    for (float x : xs) EXPECT_GT(drawnIn(shown, around(x), backgroundColour), 800) << "button at " << x;
    EXPECT_EQ(drawnIn(shown, Box{0, 0, 1024, 620}, backgroundColour), 0) << "nothing above the row";
    EXPECT_EQ(drawnIn(shown, Box{200, 625, 270, 768}, backgroundColour), 0) << "nothing between two buttons";
    EXPECT_GT(changedIn(plain, shown, around(355)), 200) << "the button under the pointer";
    EXPECT_GT(changedIn(plain, shown, around(665)), 200) << "the dimmed button";
    EXPECT_EQ(changedIn(plain, shown, around(115)), 0) << "a plain button stays as it is";
}

}  // namespace
