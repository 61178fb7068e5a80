// The popup handler: the one open dialog (State), its opening and closing phases (runtime,
// direction), the framed box every dialog starts with, and the per-frame dispatcher that the
// scenes call at the end of their Update to draw the open dialog over the scene.
#pragma once

#include "core/bild.h"

// Dialog ids.
constexpr int POPUP_QUIT = 99;
constexpr int POPUP_OPTIONS = 100;
constexpr int POPUP_CREDITS = 101;
constexpr int POPUP_HELP = 102;
constexpr int POPUP_MANAGER = 103;
constexpr int POPUP_SCORES = 104;
constexpr int POPUP_NEWPLAYER = 105;
constexpr int POPUP_DELETEPLAYER = 106;
constexpr int POPUP_RESUME = 107;
constexpr int POPUP_MAP = 108;
constexpr int POPUP_SINGLEHELP = 109;
constexpr int POPUP_BGSHOWEND = 110;
constexpr int POPUP_CHAMP = 111;
constexpr int POPUP_ROADMAPHELP = 112;
constexpr int POPUP_INGAME = 298;
constexpr int POPUP_NEWGAME = 432;
constexpr int POPUP_INSTRUCTIONS = 447;
constexpr int POPUP_LEVELOUTRO = 448;
constexpr int POPUP_SKIP = 550;
constexpr int POPUP_STAGE = 551;
constexpr int POPUP_PICTUREHELP = 552;
constexpr int POPUP_SKIPFULL = 553;
constexpr int POPUP_STONESET = 554;

// Box sizes.
constexpr int POPUP_SIZE_SMALL = 0;
constexpr int POPUP_SIZE_MEDIUM = 1;
constexpr int POPUP_SIZE_BIG = 2;
constexpr int POPUP_SIZE_MINI = 3;

class vexaTPopup {
public:
    vexaTBild imgPopupSmall, imgPopupMedium, imgPopupBig, imgPopupMini;
    vexaTBild imgPaperCanvas;  // paper panel
    vexaTBild imgPopupShadow;  // full-screen shade, top-left handle
    int State = 0;             // id of the open dialog; 0 when none
    int direction = 0;         // 1 opening or open, 2 closing
    int runtime = 0;           // 0 closed, 1..15 opening or closing, 16 fully open
    int helprt = 0;            // not used
    int hp1gfxid = 0;          // not used

    virtual ~vexaTPopup() = default;
    // Opens dialog `id` (replacing an open one) with the popup sound and an opening phase; the
    // quit question first saves the player and the settings. Called by scenes, dialogs and the shell.
    virtual int pop(int id);
    // Draws the shade, the frame of the given size (none outside 0..3) and the title at its top.
    virtual int box(int size, const String& title, int narrow);
    // The dialogs below are called by the dispatcher once per frame while their State is open;
    // each draws itself and reacts to input in the same call.
    // The volumes, full screen, help hints and the game's pointer; "credits"; "ok", Escape or
    // Enter saves the settings and closes.
    virtual int IngameOptions();
    // Types the current player's name: characters from the platform's queue, Backspace, Enter
    // or "ok" to keep it, "back" to give it up.
    virtual int NewPlayer();
    // The champion list: every profile, highest level first.
    virtual int Champions();
    // Starting over: "yes" restarts the player's campaign with the story, "no" goes back.
    virtual int NewGame();
    virtual int Credits();
    // The quit question: "back" or Escape closes it, "ok" or Enter saves and ends the game.
    virtual int show_quit();
    virtual int RoadmapHelp();
    // The level's menu: the instructions, leave the level (saved for resuming) or continue;
    // Escape continues.
    virtual int IngameMenu();
    // Resuming the player's interrupted game, or the way to a new one.
    virtual int resumegame();
    // Advances the phase and draws whichever dialog is open; called at the end of a scene's Update.
    virtual int ingameScreenMainmenu_show();
    // The instructions dialog; it lives with the board (match3/instructions.cpp), whose pieces
    // its sample boards draw.
    virtual int showinstructions();

protected:
    // A dialog's answer counts once it is fully open: its button clicked, Escape or Enter.
    bool answeredWhenOpen(bool clicked) const;

private:
    // The frame picture of a box size, or null for a size outside 0..3.
    vexaTBild* framePicture(int size);
    // Ends an opening or closing phase at once (slow machines).
    void finishPhase();
    // One frame of the opening or closing phase.
    void advancePhase();
    // Calls the dialog method of State, if it has one.
    void showDialog();
};

// Phase counter value of a fully open dialog.
constexpr int POPUP_OPEN = 16;

extern vexaTPopup popupHandler;

// The popup handler's phase counter: 0 when no dialog runs.
int popupRuntime();
// The roadmap, which lives above the dialogs, hands in the body of its level preview
// (POPUP_STAGE); called once as the program starts. Until then the preview draws nothing.
void linkLevelPreview(void (*preview)());

// The options dialog's full-screen check box switches the display, which the shell owns; the
// shell hands its toggle in as the program starts. Until then the check box changes nothing.
void linkFullScreenToggle(void (*toggle)());
// The top of the credits text: one text line below the small frame's title.
float creditsTextTop();
