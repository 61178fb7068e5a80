// The shared buttons and the tooltip: results across layers, the fader, the pause and the
// dialog phase, click consumption, drawing at half brightness, and the text review screen.
#include <gtest/gtest.h>

#include <algorithm>

#include "ui/buttons.h"
#include "ui/interface_fixture.h"
#include "ui/interface_helpers.h"

namespace {

constexpr int GLASS = 3;
constexpr int KNOB = 10;

class ButtonsTest : public InterfaceTest {};

TEST_F(ButtonsTest, TextButtonIdleHoverAndClickWithAStrictHitBox) {
    EXPECT_EQ(textButton(300, 200, GLASS, 1, u"OK"), BUTTON_IDLE);
    int halfWidth = int(imgButtons[GLASS].W / 2), halfHeight = int(imgButtons[GLASS].H / 2 - 2);
    pointTo(300.9f + float(halfWidth) - 1, 200 + float(halfHeight) - 1);
    EXPECT_EQ(textButton(300.9f, 200, GLASS, 1, u"OK"), BUTTON_HOVER) << "positions are truncated";
    pointTo(300 + float(halfWidth), 200);
    EXPECT_EQ(textButton(300, 200, GLASS, 1, u"OK"), BUTTON_IDLE) << "the edge is outside";
    clickAt(300, 200);
    EXPECT_EQ(textButton(300, 200, GLASS, 1, u"OK"), BUTTON_CLICKED);
    EXPECT_EQ(input._MausFireLeft, 0) << "the click is consumed";
    EXPECT_EQ(textButton(300, 200, GLASS, 1, u"OK"), BUTTON_HOVER) << "a second button sees no click";
}

TEST_F(ButtonsTest, ButtonsReactOnlyInTheActiveLayerWhileFadingInAndRunning) {
    clickAt(300, 200);
    EXPECT_EQ(textButton(300, 200, GLASS, 2, u"OK"), BUTTON_IDLE);
    sceneHandler.FaderDir = FADER_DIR_OUT;
    EXPECT_EQ(textButton(300, 200, GLASS, 1, u"OK"), BUTTON_IDLE);
    sceneHandler.FaderDir = FADER_DIR_IN;
    g_pause = 1;
    EXPECT_EQ(textButton(300, 200, GLASS, 1, u"OK"), BUTTON_IDLE);
    EXPECT_EQ(input._MausFireLeft, 1) << "an inert button leaves the click";
    g_pause = -1;
    EXPECT_EQ(textButton(300, 200, GLASS, 1, u"OK"), BUTTON_CLICKED);
}

TEST_F(ButtonsTest, TextButtonWaitsForTheDialogPhaseToSettle) {
    for (int runtime = 1; runtime <= 15; ++runtime) {
        popupHandler.runtime = runtime;
        clickAt(300, 200);
        EXPECT_EQ(textButton(300, 200, GLASS, 1, u"OK"), BUTTON_IDLE) << "runtime " << runtime;
    }
    for (int runtime : {0, POPUP_OPEN}) {
        popupHandler.runtime = runtime;
        clickAt(300, 200);
        EXPECT_EQ(textButton(300, 200, GLASS, 1, u"OK"), BUTTON_CLICKED) << "runtime " << runtime;
    }
}

TEST_F(ButtonsTest, InactiveLayerDrawsAtHalfBrightnessAndTheStateIsRestored) {
    const int probeX = 300 - int(imgButtons[GLASS].W / 2) + 12, probeY = 200;
    textButton(300, 200, GLASS, 1, u"");
    Rgba active = grabBackBuffer().at(probeX, probeY);
    cls();
    textButton(300, 200, GLASS, 2, u"");
    Rgba inactive = grabBackBuffer().at(probeX, probeY);
    EXPECT_GT(active.r + active.g + active.b, 60);
    EXPECT_TRUE(headless::nearColour(inactive, active.r / 2, active.g / 2, active.b / 2, 3));

    setColor(128, 128, 128);
    setAlpha(0.7f);
    setScale(2, 2);
    pointTo(300, 200);
    EXPECT_EQ(textButton(300, 200, GLASS, 1, u"OK"), BUTTON_HOVER);
    int r = 0, g = 0, b = 0;
    getColor(r, g, b);
    EXPECT_EQ(r, 128);
    EXPECT_FLOAT_EQ(getAlpha(), 0.7f);
    EXPECT_EQ(getBlend(), BLEND_ALPHA);
    float sx = 0, sy = 0;
    getScale(sx, sy);
    EXPECT_FLOAT_EQ(sx, 1);
}

TEST_F(ButtonsTest, KnobHoversClicksAndDragsOutsideTheDialogsThatForbidIt) {
    EXPECT_EQ(pictureButton(400, 300, KNOB, 2), BUTTON_IDLE);
    g_inputLayer = 2;
    pointTo(400, 300);
    EXPECT_EQ(pictureButton(400, 300, KNOB, 2), BUTTON_HOVER);
    float sx = 0, sy = 0;
    getScale(sx, sy);
    EXPECT_FLOAT_EQ(sx, 1) << "the enlarged knob leaves the scale at 1";
    input._MausDownLeft = 1;
    EXPECT_EQ(pictureButton(400, 300, KNOB, 2), BUTTON_DRAGGED);
    popupHandler.State = POPUP_CREDITS;
    EXPECT_EQ(pictureButton(400, 300, KNOB, 2), BUTTON_HOVER);
    popupHandler.State = POPUP_OPTIONS;
    input._MausDownLeft = 0;
    input._MausFireLeft = 1;
    EXPECT_EQ(pictureButton(400, 300, KNOB, 2), BUTTON_CLICKED);
    EXPECT_EQ(input._MausFireLeft, 0);
    popupHandler.runtime = 5;
    EXPECT_EQ(pictureButton(400, 300, KNOB, 2), BUTTON_HOVER) << "the knob does not wait for the phase";
    EXPECT_EQ(pictureButton(400, 300, KNOB, 1), BUTTON_IDLE);
    EXPECT_EQ(pictureButton(400, 300, 99, 2), BUTTON_IDLE) << "a slot outside the array is empty";
}

TEST_F(ButtonsTest, CloseButtonTestsNothingButThePointerAndLeavesTheClick) {
    sceneHandler.FaderDir = FADER_DIR_OUT;
    g_pause = 1;
    popupHandler.runtime = 3;
    clickAt(700, 300);
    EXPECT_EQ(closeButton(700, 300), 1);
    EXPECT_EQ(input._MausFireLeft, 1);
    sceneHandler.FaderDir = FADER_DIR_IN;
    g_pause = -1;
    popupHandler.runtime = 0;
    EXPECT_EQ(textButton(700, 300, GLASS, 1, u"OK"), BUTTON_CLICKED) << "a button below still sees the click";
    EXPECT_EQ(closeButton(700, 300), 0);
    pointTo(700 + imgCloseHover.W / 2, 300);
    input._MausFireLeft = 1;
    EXPECT_EQ(closeButton(700, 300), 0);
}

TEST_F(ButtonsTest, TooltipNearTheBottomRightStaysOnScreen) {
    vexaTBild& frame = popupHandler.imgPopupMini;
    drawTooltip(u"Swap two gems", 1000, 760);
    saveForReview("tooltip_corner.png");
    Pixmap screen = grabBackBuffer();
    int left = screen.width, right = -1, top = screen.height, bottom = -1;
    for (int y = 0; y < screen.height; ++y) {
        for (int x = 0; x < screen.width; ++x) {
            if (screen.at(x, y).r + screen.at(x, y).g + screen.at(x, y).b == 0) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    EXPECT_GE(left, int(1024 - frame.W));
    EXPECT_GE(top, int(768 - frame.H - 5));
    EXPECT_LE(bottom, 768 - 5);
    EXPECT_GT(right, 1000) << "the frame reaches the right edge";
    EXPECT_EQ(frame.isCentered, 1) << "the handle is centred again";
}

// Both fonts in several alignments, a multi-line text, a tooltip and a text button idle,
// under the pointer and in an inactive layer, written to <build>/review/text_screen.png. Each
// text stands where its alignment puts it; the buttons under the pointer and in the inactive
// layer look unlike an idle one.
TEST_F(ButtonsTest, ReviewScreenOfTextsAndButtons) {
    const Rgba backgroundColour{60, 80, 110, 255};
    Image background = headless::solidImage(1024, 768, backgroundColour);
    auto drawButtons = [&](float pointerX, int lastLayer) {
        pointTo(pointerX, 520);
        textButton(300, 520, GLASS, 1, u"Idle");
        textButton(540, 520, GLASS, 1, u"Hover");
        textButton(780, 520, GLASS, lastLayer, u"Inactive");
    };
    drawImage(background, 0, 0, 0);
    drawButtons(-100, 1);
    const Pixmap plainButtons = grabBackBuffer();
    cls();
    drawImage(background, 0, 0, 0);
    fontHeader.DrawText(u"Header left", 40, 30, 1, 0);
    fontHeader.DrawText(u"Header centred", 512, 30, 1, 1);
    fontHeader.DrawText(u"Header right", 984, 30, 1, 2);
    fontText.DrawText(u"Text left: 0123456789", 40, 100, 1, 0);
    fontText.DrawText(u"Text centred ÄÖÜ äöü ß", 512, 100, 1, 1);
    fontText.DrawText(u"Text right!", 984, 100, 1, 2);
    drawCentredLines(u"A centred text%nover three lines,%neach centred on its own", fontText, 512, 160);
    drawTooltip(u"A tooltip of one line", 80, 300);
    drawButtons(540, 2);
    saveForReview("text_screen.png");
    const Pixmap screen = grabBackBuffer();

    for (auto [top, bottom] : {std::pair{25, 75}, {95, 125}}) {
        SCOPED_TRACE(top);
        const Box left = drawnExtent(screen, Box{0, top, 340, bottom}, backgroundColour);
        EXPECT_GE(left.left, 36);
        EXPECT_LE(left.left, 48) << "left-aligned text starts at its x";
        const Box centred = drawnExtent(screen, Box{340, top, 690, bottom}, backgroundColour);
        EXPECT_NEAR((centred.left + centred.right) / 2.0, 512, 5) << "centred text is centred on its x";
        EXPECT_GT(centred.right - centred.left, 150);
        const Box right = drawnExtent(screen, Box{690, top, 1024, bottom}, backgroundColour);
        EXPECT_GE(right.right, 978);
        EXPECT_LE(right.right, 992) << "right-aligned text ends at its x";
    }
    // Three lines 18 pixels apart from y 161, and nothing below them.
    std::vector<Box> lines;
    for (int top = 161; top < 215; top += 18)
        lines.push_back(drawnExtent(screen, Box{0, top, 1024, top + 18}, backgroundColour));
    for (size_t line = 0; line < 3; ++line) {
        EXPECT_NEAR((lines[line].left + lines[line].right) / 2.0, 512, 5) << "line " << line + 1;
        EXPECT_GT(lines[line].right - lines[line].left, 80) << "line " << line + 1;
    }
    EXPECT_EQ(drawnIn(screen, Box{0, 215, 1024, 290}, backgroundColour), 0) << "three lines only";
    EXPECT_GT(lines[2].right - lines[2].left, lines[0].right - lines[0].left);

    const Box tooltip = drawnExtent(screen, Box{0, 260, 1024, 360}, backgroundColour);
    EXPECT_GT(tooltip.right - tooltip.left, 150) << "the tooltip's frame holds its text";
    EXPECT_GT(drawnIn(screen, Box{0, 0, 1024, 768}, backgroundColour), 0);

    auto around = [](int x) { return Box{x - 85, 495, x + 85, 545}; };
    EXPECT_EQ(changedIn(plainButtons, screen, around(300)), 0) << "the idle button";
    EXPECT_GT(changedIn(plainButtons, screen, around(540)), 200) << "the button under the pointer";
    EXPECT_GT(changedIn(plainButtons, screen, around(780)), 200) << "the inactive button";
    for (int x : {300, 540, 780}) EXPECT_GT(drawnIn(screen, around(x), backgroundColour), 2000) << x;
}

}  // namespace
