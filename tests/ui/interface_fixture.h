// Shared set-up for the interface tests: a headless display with the language file, both
// fonts and the shared interface pictures loaded once per suite, and per test the state a
// scene leaves once it has faded in: no dialog, input layer 1, running, 40 frames per second.
#pragma once

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

private:
    static vexaTLanguageFile& savedTexts() {
        static vexaTLanguageFile texts;
        return texts;
    }
};
