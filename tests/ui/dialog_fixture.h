// Shared set-up for the tests of the dialogs: the interface fixture with the settings and
// the eight profiles filed in the test's folder, the dialog layer active, and helpers that run
// the open dialog frame by frame and put named profiles into slots.
#pragma once

#include "persist/config.h"
#include "persist/player.h"
#include "persist/roster.h"
#include "ui/interface_fixture.h"

class DialogTest : public InterfaceTest {
protected:
    void SetUp() override {
        InterfaceTest::SetUp();
        savedConfig = config;
        savedTexts = languageFile.lang;
        config = startingConfig();
        config.url = file("settings.txt");
        resetPlayers();
        for (int slot = 0; slot <= ROSTER_LAST; ++slot)
            players[size_t(slot)].url = file("players" + std::to_string(slot) + ".ppp");
        g_inputLayer = 2;
        flushKeys();
    }

    void TearDown() override {
        config = savedConfig;
        languageFile.lang = savedTexts;
        resetPlayers();
        flushKeys();
        InterfaceTest::TearDown();
    }

    // One frame of the open dialog, then the input of that frame is gone.
    static void frame() {
        popupHandler.ingameScreenMainmenu_show();
        input.FlushInput();
    }

    static void frames(int count) {
        for (int i = 0; i < count; ++i) frame();
    }

    static void clickOnce(float x, float y) {
        clickAt(x, y);
        frame();
    }

    static void name(int slot, const String& text, int points = 0, int level = 1) {
        players[size_t(slot)].Name = text;
        players[size_t(slot)].StoryPoints = points;
        players[size_t(slot)].StoryLevel = level;
    }

    bool savedFile(const std::string& fileName) const { return std::filesystem::exists(folder / fileName); }

    TConfig savedConfig;
    std::map<String, String> savedTexts;
};
