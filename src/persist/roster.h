// The save folder, the roster of player profiles, the best-time table and the champion list.
// The roster owns where the game's files live and when the profiles are loaded or created;
// the profile file itself is the player profile's business.
#pragma once

#include <array>

#include "platform/platform.h"

constexpr int ROSTER_LAST = 8;  // usable profile slots 1..8
constexpr int BEST_TIME_LEVELS = 80;
constexpr int BEST_TIME_NAME_BYTES = 12;
constexpr int CHAMPION_ROWS = 16;

extern String g_saveDir;  // the save folder, ending in a separator
extern std::array<int, ROSTER_LAST + 1> rosterOrder;
extern std::array<int, BEST_TIME_LEVELS + 1> bestTimes;  // -1: none
extern std::array<String, BEST_TIME_LEVELS + 1> bestTimeNames;
extern std::array<String, CHAMPION_ROWS + 1> championNames;
extern std::array<int, CHAMPION_ROWS + 1> championLevels;
extern std::array<int, CHAMPION_ROWS + 1> championPoints;

// Start-up: finds or creates the save folder "Pendrel/" in the per-user data folder (given
// with a trailing separator, "" when the system has none; then "data/saves/" in the working
// folder serves), then loads the settings, the eight profiles and the best-time table, or on
// a first start creates them. Called once by the game initialisation, before the fonts.
int loadRoster(const String& userDataFolder);
// Saves profile `slot` (1..8). For the current player in a level, a level in play is stored in
// its resume record first, and a won level not yet confirmed is saved as won. Called on
// suspension, by the quit question and after a name entry.
int saveCurrentPlayer(int slot);
// Saves the current player as the in-game menu's "exit" leaves the level: stored for resuming,
// or, when the level has been won meanwhile, recorded as won.
int saveCurrentPlayerLeavingLevel();
// Reads or writes "besttimes.ppp"; 0 when done, -1 when the file could not be read or written.
int loadBestTimes();
int saveBestTimes();
// No best time for any level; the table is saved at once.
int resetBestTimes();
// A won level's play time: stored with the player's name and saved when the level has no best
// time yet or this one is lower. Returns 1 when stored, 0 otherwise.
int recordBestTime(int level, int seconds, const String& name);
// Lists the slots by points, highest first (ties in slot order); run when the player manager opens.
int sortRoster();
// Fills the champion list: every usable profile, highest story level first; run by the champions dialog.
int buildChampionList();
// Gives an all-blank name the edition's "noname" text and trims the current player's name;
// run after a name has been entered. Returns 1.
int checkPlayerName();
// True for a slot nobody has taken: its profile has no name.
bool isEmptyProfile(int slot);
// For starting straight in level `level` (1..80): makes sure a player is current, taking the
// first empty slot under the "noname" text when none is (settings and profile are saved),
// and points it at the level as the roadmap's "play" would. Returns the player's slot.
int ensureLevelPlayer(int level);
