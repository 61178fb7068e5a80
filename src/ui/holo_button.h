// Holo buttons: the large menu buttons of the main menu and the roadmap, a text button with a
// hologram emblem above it that wobbles through a 32-frame animation every 34 frames.
#pragma once

#include <array>

#include "platform/platform.h"

class THoloButton {
public:
    float holox = 0;  // emblem centre
    float holoy = 0;
    float korry = -10;  // emblem offset from the button
    float korrx = -5;
    int x = 0;  // button centre
    int y = 0;
    int h = 0;                         // half the hit height
    int w = 0;                         // half the hit width
    int l = 0;                         // input layer the button belongs to
    String s;                          // caption, upper case
    int runtime = 20;                  // frames counted by Tick
    int wobbelstart = randInt(1, 50);  // runtime at which the next wobble starts
    int wobbeldauer = 32;              // wobble length in frames
    int wobbelruntime = 0;             // frames into the current wobble
    int isWobbel = 0;                  // 1 while the wobble animation shows

    virtual ~THoloButton() = default;
    // Places the button centred at (x, y) in `layer` with an upper-case caption; called by the
    // shared picture loader once the button picture is loaded.
    virtual int setup(float x, float y, int layer, const String& caption);
    // Draws the button for this frame: 0 idle, 2 under the pointer, 3 clicked. Called once per
    // frame by the scene that owns the button.
    virtual int Tick(int unused);
    // Advances and draws the emblem; called by Tick.
    virtual int Wobbel();
};

// The main menu's four holo buttons (start, player, champions, options) and the roadmap's
// start button, set up by the shared picture loader and ticked by their scenes.
extern std::array<THoloButton, 4> mainMenuHoloButtons;
extern THoloButton roadmapHoloButton;
