// The main menu: the hub between the load screen, the roadmap, the levels and the story. A
// full-screen picture with two bars, the welcome line, four holo buttons (start, player,
// champions, options) and the menu button that asks whether to quit; every dialog it opens is
// drawn on top of it by the popup handler.
#pragma once

#include "core/bild.h"
#include "ui/scene.h"

class vexaTSceneMainmenu : public vexaTScene {
public:
    static constexpr float _MENUBUTTON_X = 937.0f;
    static constexpr float _MENUBUTTON_Y = 29.0f;

    vexaTBild _imgBackground;  // top-left handle, at (0, 0)
    vexaTBild _imgTopBar;      // top-left handle, at (0, 0)
    vexaTBild _imgBottomBar;   // top-left handle, its lower 15 pixels below the screen
    // The four holo buttons are the shared mainMenuHoloButtons, set up by the picture loader.

    // Leaves the previous scene, loads the pictures, switches the mouse on, restarts the music
    // and fades in unless coming from the load screen (or, for the music, the roadmap).
    int Prepare() override;
    // Draws the menu, runs its buttons, the open dialog and the effects.
    int Update() override;
    // Lets the menu's pictures go apart from the background and the bars.
    int Leave() override;
    // Loads the background again; called at start-up and when the player manager closes.
    virtual int _reloadBG();

private:
    void leavePreviousScene();
    void runHoloButtons();
    void drawWelcomeLine();
    void runMenuButton();
};

// The welcome line: "welcome", a space and the current player's name (or the "defaultplayer"
// text without one), in capitals.
String welcomeLine();

extern vexaTSceneMainmenu sceneMainmenu;
