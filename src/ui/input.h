// The per-frame input snapshot that all game logic reads, and the game's own mouse
// pointer: its position (what every hit test uses) and its two pictures.
#pragma once

#include "core/bild.h"
#include "platform/platform.h"

class vexaTInput {
public:
    int _MausFireLeft = 0;   // left presses since the previous frame
    int _MausFireRight = 0;
    int _MausDownLeft = 0;   // 1 while held
    int _MausDownRight = 0;
    int _MausZSpd = 0;       // wheel notches since the previous frame
    int _MausOK = 0;         // 1 = the mouse is read; off until the main menu
    float _MausX = 0;
    float _MausY = 0;
    int _MausDownLeftCount = 0;  // consecutive frames the left button has been held
    int _Enter = 0;
    int _Escape = 0;
    int _Space = 0;
    int _F10 = 0, _F9 = 0, _F8 = 0, _F7 = 0, _F6 = 0, _F5 = 0, _F4 = 0, _F3 = 0, _F2 = 0, _F1 = 0;

    virtual ~vexaTInput() = default;
    // Clears the fields of one frame; keeps _MausOK, the position and the held count.
    virtual int FlushInput();
    // Reads the platform's mouse (when enabled) and keys; only ever sets fields, so flush first.
    virtual int Update();
    // The held state of F1..F10 by number (1..10).
    int functionKey(int number) const;
};

constexpr int _POINTER_NORMAL = 1;
constexpr int _POINTER_UNLOCK = 2;

class vexaTMousePointer {
public:
    float _x = 0;  // pointer position in game coordinates
    float _y = 0;
    float _absX = 0;  // last raw position passed to setXY
    float _absY = 0;
    float _ratioX = 1.0f;
    float _ratioY = 1.0f;
    int _isUsingRatio = 1;
    vexaTBild _imgPointer;
    vexaTBild _imgPointerUnlock;
    int _drawPointer = _POINTER_NORMAL;
    String _currentPointer;
    int _useGFXPointer = 1;

    // Loads the two pointer pictures; called once when the shell creates its globals.
    void loadPictures();
    virtual ~vexaTMousePointer() = default;
    // Draws the pointer picture at the pointer position; called by the shell after the scene.
    virtual int Update();
    virtual int setXY(float x, float y);
    // Chooses the picture for this frame; the shell sets it back to normal after every frame.
    virtual int SetPointer(int kind);
    virtual int toggleGFXMode();
    virtual int enableGFXMode();
    virtual int disableGFXMode();
};

extern vexaTInput input;
extern vexaTMousePointer mousePointer;
