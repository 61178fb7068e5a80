// Interim: the roster arrives with the save folder.
#include "persist/roster.h"

String g_saveDir;
std::array<int, ROSTER_LAST + 1> rosterOrder{};
std::array<int, BEST_TIME_LEVELS + 1> bestTimes{};
std::array<String, BEST_TIME_LEVELS + 1> bestTimeNames;
std::array<String, CHAMPION_ROWS + 1> championNames;
std::array<int, CHAMPION_ROWS + 1> championLevels{};
std::array<int, CHAMPION_ROWS + 1> championPoints{};

int loadRoster() { return 0; }
int saveCurrentPlayer(int) { return 0; }
int loadBestTimes() { return 0; }
int saveBestTimes() { return 0; }
int resetBestTimes() { return 0; }
int sortRoster() { return 0; }
int buildChampionList() { return 0; }
int checkPlayerName() { return 1; }
