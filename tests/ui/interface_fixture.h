// Shared set-up for the interface tests: a headless display with the language file, both
// fonts and the shared interface pictures loaded once per suite, and per test the state a
// scene leaves once it has faded in: no dialog, input layer 1, running, 40 frames per second.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "font/game_fonts.h"
#include "game/globals.h"
#include "game/shared_state.h"
#include "persist/language_file.h"
#include "platform/headless_fixture.h"
#include "ui/input.h"
#include "ui/interface_pictures.h"
#include "ui/popup.h"
#include "ui/scene_handler.h"

class InterfaceTest : public HeadlessDisplay {
protected:
    static void SetUpTestSuite() {
        HeadlessDisplay::SetUpTestSuite();
        savedTexts() = languageFile;
        languageFile.loadFromDisk(u"data/texts/codetexts.txt", u"=");
        loadGameFonts();
        loadInterfacePictures();
    }

    static void TearDownTestSuite() {
        languageFile = savedTexts();
        HeadlessDisplay::TearDownTestSuite();
    }

    void SetUp() override {
        HeadlessDisplay::SetUp();
        ASSERT_EQ(fontText.FontLoaded(), 1) << "run from the build folder with its data";
        ASSERT_EQ(imgButtons[3].isLoaded, 1);
        resetShellGlobals();
        resetSharedState();
        popupHandler.State = popupHandler.runtime = popupHandler.direction = 0;
        input = vexaTInput();
        sceneHandler = vexaTSceneHandler();
        sceneHandler.FaderDir = FADER_DIR_IN;
        sceneHandler.FaderColor = 256;
        g_fps = 40;
        setBlend(BLEND_ALPHA);
        setColor(255, 255, 255);
        setAlpha(1);
        setScale(1, 1);
        pointTo(-100, -100);
    }

    void TearDown() override {
        popupHandler.State = popupHandler.runtime = popupHandler.direction = 0;
        HeadlessDisplay::TearDown();
    }

    static void pointTo(float x, float y) {
        mousePointer._x = x;
        mousePointer._y = y;
    }

    // A left click at (x, y) as the input poll reports it: pressed this frame and held.
    static void clickAt(float x, float y) {
        pointTo(x, y);
        input._MausFireLeft = 1;
        input._MausDownLeft = 1;
    }

    // Opens a dialog and runs the dispatcher until it is fully open.
    static void openFully(int id) {
        popupHandler.pop(id);
        while (popupHandler.runtime < POPUP_OPEN) popupHandler.ingameScreenMainmenu_show();
    }

    // Saves the back buffer as <build>/review/<name> for looking at.
    static void saveForReview(const std::string& name) {
        std::filesystem::path file = std::filesystem::path(PENDREL_BUILD_DIR) / "review" / name;
        std::filesystem::create_directories(file.parent_path());
        EXPECT_TRUE(savePixmapPng(grabBackBuffer(), file.string()));
    }

    // A box of the screen, left and top inclusive, right and bottom exclusive.
    struct Box {
        int left, top, right, bottom;
    };

    // Pixels in the box that differ from `background` by more than 8 in any channel: what was
    // drawn there.
    static int drawnIn(const Pixmap& screen, Box box, Rgba background) {
        int drawn = 0;
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x) drawn += !near(screen.at(x, y), background);
        return drawn;
    }

    // Pixels in the box that differ between two screens by more than 8 in any channel.
    static int changedIn(const Pixmap& a, const Pixmap& b, Box box) {
        int changed = 0;
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x) changed += !near(a.at(x, y), b.at(x, y));
        return changed;
    }

    // The smallest box holding every pixel of `area` that differs from `background` (right and
    // bottom exclusive); an empty box at the area's top left when nothing is drawn there.
    static Box drawnExtent(const Pixmap& screen, Box area, Rgba background) {
        Box extent{area.right, area.bottom, area.left, area.top};
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) {
                if (near(screen.at(x, y), background)) continue;
                extent = {std::min(extent.left, x), std::min(extent.top, y), std::max(extent.right, x + 1),
                          std::max(extent.bottom, y + 1)};
            }
        return extent.right <= extent.left ? Box{area.left, area.top, area.left, area.top} : extent;
    }

private:
    static bool near(const Rgba& a, const Rgba& b) {
        return std::abs(a.r - b.r) <= 8 && std::abs(a.g - b.g) <= 8 && std::abs(a.b - b.b) <= 8;
    }

    static vexaTLanguageFile& savedTexts() {
        static vexaTLanguageFile texts;
        return texts;
    }
};
