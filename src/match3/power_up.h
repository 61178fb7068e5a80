// The power-ups along the bottom edge of the match-3 screen: one object per kind for the
// whole run. So far only what the effects need of them: the button position and the glow
// flag of the replace-all power-up, whose activation effect homes in on its button.
#pragma once

// What every power-up kind shares.
class vexaTPowerUp {
public:
    float _x = 0;  // button centre on the 1024×768 screen
    float _y = 0;
    int _glow = 0;  // carried; set when the replace-all activation effect bursts

    virtual ~vexaTPowerUp() = default;

    // Button position; read by the effects that fly to a button.
    float getX() const { return _x; }
    float getY() const { return _y; }
};

// Replaces every item on the board; its button sits at the right end of the bottom bar.
class vexaTPU_ReplaceAllItems : public vexaTPowerUp {
public:
    vexaTPU_ReplaceAllItems();
};

extern vexaTPU_ReplaceAllItems puReplaceAllItems;
