// Game-wide state that is not the shell's own: the board alpha, the goal counter positions,
// the power-up flag, the input layer, the help page, the slider flags and the story page due.
// It sits below the save files and the interface, so every layer above may read it.
#pragma once

#include "core/bild.h"
#include "platform/platform.h"

extern int g_powerUpBusy;   // 1 while a power-up or meteor animation runs
extern float g_boardAlpha;  // alpha of the board items this frame
extern float g_goalX[20];   // x of each item type's goal counter on the top bar
extern float g_goalY[20];
extern vexaTBild imgColl;   // the pointer's collision picture for hit tests on the board
extern int g_playLastTick;  // last seen tick of playTimer
extern int g_inputLayer;    // 1 the scene's own buttons, 2 dialog buttons
extern int g_helpPage;      // instructions page to show, 1..7
extern int g_helpFromMenu;  // 1 when the instructions were opened from the in-game menu
extern int g_sliderSound;   // 1 while the effect-volume knob is dragged
extern int g_sliderMusic;   // 1 while the music-volume knob is dragged
extern int g_nameLength;    // characters typed into the name entry
extern int g_newPlayerFirst;  // 1 while the name entry makes the very first player
extern int g_previousPlayer;  // the player current before the manager opened the name entry

// Chooses the page the story scene shows next; called by the profile when a level opens a page.
void setStoryPage(int page);
// The story scene, which lives above the profiles, hands in how it takes its next page; called
// once as the program starts. Until then setStoryPage does nothing.
void linkStoryPage(void (*setPage)(int page));

// Puts the shared state above back to its initial values; used by tests.
void resetSharedState();
