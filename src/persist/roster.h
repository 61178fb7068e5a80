// The save folder, the roster of player profiles, the best-time table and the champion list.
#pragma once

#include <array>

#include "platform/platform.h"

constexpr int ROSTER_LAST = 8;       // usable profile slots 1..8
constexpr int BEST_TIME_LEVELS = 80;
constexpr int CHAMPION_ROWS = 16;

extern String g_saveDir;  // the save folder, ending in a separator
extern std::array<int, ROSTER_LAST + 1> rosterOrder;
extern std::array<int, BEST_TIME_LEVELS + 1> bestTimes;     // -1: none
extern std::array<String, BEST_TIME_LEVELS + 1> bestTimeNames;
extern std::array<String, CHAMPION_ROWS + 1> championNames;
extern std::array<int, CHAMPION_ROWS + 1> championLevels;
extern std::array<int, CHAMPION_ROWS + 1> championPoints;

// Start-up: finds or creates the save folder, then loads (or on a first start creates) the
// settings, the eight profiles and the best-time table.
int loadRoster();
// Saves profile `slot`; a level in play is stored in its resume record first.
int saveCurrentPlayer(int slot);
int loadBestTimes();
int saveBestTimes();
int resetBestTimes();
// Lists the slots by points, highest first, for the player manager.
int sortRoster();
// Fills the champion list: every usable profile, highest story level first.
int buildChampionList();
// Gives an all-blank name the edition's "noname" text and trims the current player's name.
int checkPlayerName();
