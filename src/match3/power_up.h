// The power-ups along the bottom edge of the match-3 screen. Each becomes available from a
// level on, is bought once with story points and then costs points for every use except the
// first; it either picks a target on the board (line and colour removers) or acts at once
// (replace-all and explosive), and then works on the board for a number of frames. One object
// per kind lives for the whole run.
//
// --- Sections (source files) ---
//   power_up.cpp        the shared button: drawing, hover, tooltip, unlocking, paying, messages
//   power_up_kinds.cpp  the four kinds and the globals
#pragma once

#include <array>
#include <list>

#include "core/bild.h"
#include "core/vector.h"
#include "ui/scene.h"

// What every power-up kind shares: its button, prices and state flags.
class vexaTPowerUp {
public:
    int isAvailable = 0;  // the current player's level has reached _availableOnLevel
    int isRunning = 0;    // _work runs every frame
    int isSelected = 0;   // a target-picking kind waits for its target
    int isUnlocked = 0;
    int isReady = 0;      // could be used now
    int isHover = 0;      // the pointer is over the button
    int isPopup = 0;      // carried; always 0
    int isIdle = 0;       // carried; always 0
    int isFirstTime = 0;  // the next use is free
    int _runtime = 0;     // frames of the running work (each kind counts its own way)
    int _hover_runtime = 0;
    String _label;
    String _shortDescription;  // carried; always empty
    int _idle = 0;             // carried; always 0
    String imgPath;
    int _chargeCost = 0;  // story points per use
    int _unlockCost = 0;  // story points to unlock
    int _availableOnLevel = 0;
    float _x = 0;  // button centre on the 1024×768 screen
    float _y = 0;
    int _target = 0;  // carried; never read
    int _glow = 0;    // carried; set when the replace-all activation effect bursts
    vexaTBild _imgReady, _imgDisabled, _imgLocked, _imgBackground;

    virtual ~vexaTPowerUp() = default;

    // Loads the four button pictures from imgPath, all centred on the button.
    void loadPictures();
    // Brings the state flags, counters and targets back to a new object's; keeps the kind's
    // name, place, prices and pictures. Used by tests.
    virtual void resetAll();

    // Overridden by the kinds; nothing here.
    virtual int Update() { return 0; }
    virtual int Prepare() { return 0; }
    virtual int _activate() { return 0; }
    virtual int _deactivate() { return 0; }
    virtual int _select() { return 0; }
    virtual int _deselect() { return 0; }
    virtual int _animateIdle() { return 0; }
    virtual int _work() { return 0; }
    virtual int _onClick() { return 0; }

    virtual int _debugInfo() { return 0; }
    // The instructions page of this kind: the big box with its title and text from y.
    virtual int _introduceMyself(const String& name, float y);
    // The ready button drawn at (x, y), beside the instructions text.
    virtual int IntroductionPicture(float x, float y);
    // Availability, hover, readiness and the button picture; first in every kind's Update.
    virtual int _checkStatus();
    virtual int _checkAvailability(int level);
    // Ready when unlocked and the next use is free or affordable; re-evaluated every frame.
    virtual int checkReady();
    virtual int setup(int unlocked, int ready);
    int checkUnlock(int points) const;
    // Unlocks for free, or buys with the current player's story points.
    int _Unlock(int playSound, int free);
    int _lock();
    virtual int setReady();
    int getRuntime() const { return _runtime; }
    // Ends the work: counter and running flag back to 0, and the board no longer busy.
    virtual int _resetRuntime();
    int setX(float x);
    float getX() const { return _x; }
    int setY(float y);
    float getY() const { return _y; }
    int setXY(float x, float y);
    // 1 while the pointer is inside the button's box (100 wide, 110 high, 10 more above).
    virtual int checkHover();
    virtual int _msgPowerUpNotReady();
    virtual int _msgPowerUpNotEnoughPoints();
    virtual int _msgPowerUpReadyForAction();
    virtual int _msgPowerUpUnlocked();
    virtual int _msgPowerUpBusy();
    // Hover highlight, click acceptance, the unlock pointer and the price tooltip.
    virtual int _onHover();

protected:
    // Sets the kind's name, place, prices, level and picture folder.
    void configure(const String& label, float x, float y, int unlockCost, int chargeCost, int level,
                   const String& folder);
    // Pays the use price unless the use is free; every use after it is paid.
    void payForUse();
    // The button's part of every kind's Update: status and picture, then hover and click.
    void updateButton();
    // The two click shapes: target-picking kinds select, immediate kinds act at once.
    int onClickTargetPicking();
    int onClickImmediate();

private:
    int message(int sound, const char16_t* key);
    void showPriceTooltip();
};

// Removes a row of the board, one item after another from left to right.
class vexaTPU_RemoveLine : public vexaTPowerUp {
public:
    int _selectedRow = 0;  // y of the picked row
    std::list<_TtmpInteger> _listOfTargets;

    vexaTPU_RemoveLine();
    void resetAll() override;
    int Update() override;
    int Prepare() override;
    int _activate() override;
    int _deactivate() override;
    int _select() override;
    int _deselect() override;
    int _work() override;
    int _onClick() override { return onClickTargetPicking(); }

private:
    void highlightRowsUnderPointer();
};

// Removes every item of one colour, one after another in slot order.
class vexaTPU_RemoveSameItem : public vexaTPowerUp {
public:
    int _h = 0, _al = 0, _j = 0, _k = 0;  // carried; always 0
    float _hy = 0;                         // carried; always 0
    int _hmax = 0;                         // carried; always 0
    int _selectedItem = 0;  // picked colour, 0 once its items are listed
    std::list<_TtmpInteger> _listoftargets;

    vexaTPU_RemoveSameItem();
    void resetAll() override;
    int Update() override;
    int Prepare() override;
    int _activate() override;
    int _deactivate() override;
    int _select() override;
    int _deselect() override;
    int _work() override;
    int _onClick() override { return onClickTargetPicking(); }

private:
    void highlightColoursUnderPointer();
};

// Sends a trail of light up to the screen centre, where it bursts and recolours the board.
class vexaTPU_ReplaceAllItems : public vexaTPowerUp {
public:
    vexaTPU_ReplaceAllItems();
    int Update() override;
    int Prepare() override;
    int _activate() override;
    int _deactivate() override;
    int _select() override;
    int _deselect() override;
    int _work() override;
    int _onClick() override { return onClickImmediate(); }

private:
    void drawTrail();
    void burst();
};

// Burns a fuse to a random item, which turns into a bomb and explodes.
class vexaTPU_ThrowExplosive : public vexaTPowerUp {
public:
    int _targetz = 0;  // item slot of the target; 0 when none was found
    vexaTVector2 putarget;

    vexaTPU_ThrowExplosive();
    void resetAll() override;
    int Update() override;
    int Prepare() override;
    int _activate() override;
    int _deactivate() override;
    int _select() override;
    int _deselect() override;
    int _work() override;
    int _onClick() override { return onClickImmediate(); }

private:
    void chooseTarget();
    void drawFuse();
    void explode();
};

// Never created; kept as the plain kind.
class vexaTPU_Dummy : public vexaTPowerUp {};

extern vexaTPU_RemoveLine puRemoveLine;
extern vexaTPU_RemoveSameItem puRemoveSameItem;
extern vexaTPU_ReplaceAllItems puReplaceAllItems;
extern vexaTPU_ThrowExplosive puThrowExplosive;

// The four power-ups in the order of the frame's power-up step: remove-line, remove-same-item,
// replace-all, throw-explosive.
std::array<vexaTPowerUp*, 4> powerUpsInFrameOrder();
// Loads the four kinds' button pictures; called by the loading step of the match-3 pictures.
void loadPowerUpPictures();
