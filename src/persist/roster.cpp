// The save folder and the start-up load of settings, profiles and best times; saving the
// current player; the best-time file; the roster order and the champion list.
#include "persist/roster.h"

#include <algorithm>
#include <utility>

#include "game/globals.h"
#include "persist/config.h"
#include "persist/language_file.h"
#include "persist/player.h"
#include "persist/safe_write.h"
#include "persist/save_notice.h"

String g_saveDir;
std::array<int, ROSTER_LAST + 1> rosterOrder{};
std::array<int, BEST_TIME_LEVELS + 1> bestTimes{};
std::array<String, BEST_TIME_LEVELS + 1> bestTimeNames;
std::array<String, CHAMPION_ROWS + 1> championNames;
std::array<int, CHAMPION_ROWS + 1> championLevels{};
std::array<int, CHAMPION_ROWS + 1> championPoints{};

namespace {

const String SAVE_FOLDER_NAME = u"Pendrel/";
const String FALLBACK_SAVE_DIR = u"data/saves/";
const String GOAL_TABLE = u"data/levels/lvla000.lvl";
constexpr int CHAMPION_TOP_LEVEL = 121;

String bestTimesFile() { return g_saveDir + u"besttimes.ppp"; }

bool usableSlot(int slot) { return slot >= 1 && slot <= ROSTER_LAST; }

// Opens `folder`, creating it with its parents when it cannot be opened; true when it then
// opens. `created` is set when it had to be made.
bool openOrCreate(const String& folder, bool& created) {
    if (readDir(folder) == 1) return true;
    createDir(folder, 1);
    created = true;
    return readDir(folder) == 1;
}

// Sets g_saveDir; true on a first start (the folder had to be created). Without a per-user
// folder, or when it cannot be made, the game keeps its files below the working folder.
bool findSaveFolder(const String& userDataFolder) {
    bool created = false;
    if (!userDataFolder.empty()) {
        g_saveDir = userDataFolder + SAVE_FOLDER_NAME;
        if (openOrCreate(g_saveDir, created)) return created;
        diagLog(u"Speicherordner nicht anlegbar: " + g_saveDir);
    }
    g_saveDir = FALLBACK_SAVE_DIR;
    created = false;
    if (!openOrCreate(g_saveDir, created)) diagLog(u"Ohne Speicherordner: " + g_saveDir);
    return created;
}

void createEverything() {
    config.Reset();
    config.SaveToDisk();
    config.LoadFromDisk();
    for (int slot = 1; slot <= ROSTER_LAST; ++slot) players[slot].Reset();
    resetBestTimes();
}

// A profile without a file (deleted by hand) is an empty slot; nothing is written for it.
void loadEverything() {
    config.LoadFromDisk();
    for (int slot = 1; slot <= ROSTER_LAST; ++slot) {
        TSpieler& player = players[slot];
        if (fileType(player.url) != 1)
            player.Erase();
        else
            player.LoadFromDisk();
    }
    loadBestTimes();
}

void clearBestTimes() {
    bestTimes.fill(-1);
    bestTimeNames.fill(u"");
}

// Names are stored in exactly 12 bytes. As in the game's table, the names in memory take
// their padded form; a longer name (which the name entry cannot produce) is cut so that
// the records keep their size.
void writeBestTimes(const Stream& stream) {
    for (int level = 1; level <= BEST_TIME_LEVELS; ++level) {
        String& name = bestTimeNames[level];
        name = left(name, BEST_TIME_NAME_BYTES);
        name += String(size_t(BEST_TIME_NAME_BYTES) - name.size(), u' ');
        writeInt(stream, bestTimes[level]);
        writeString(stream, name);
    }
}

// The profile that takes level N when nobody is playing: the first empty slot, named by the
// edition's "noname" text; with every slot taken, the first player.
int takeLevelPlayerSlot() {
    for (int slot = 1; slot <= ROSTER_LAST; ++slot) {
        if (!isEmptyProfile(slot)) continue;
        g_currentPlayer = slot;
        players[slot].Name = languageFile.getValue(u"noname");
        config.SaveToDisk();
        players[slot].SaveToDisk();
        return slot;
    }
    g_currentPlayer = 1;
    config.SaveToDisk();
    return 1;
}

}  // namespace

int loadRoster(const String& userDataFolder) {
    bool firstStart = findSaveFolder(userDataFolder);
    config.setUrl(g_saveDir + u"settings.txt");
    for (int slot = 0; slot <= ROSTER_LAST; ++slot) {
        players[slot].Create();
        players[slot].SetURL(g_saveDir + u"players" + intToString(slot) + u".ppp");
    }
    if (firstStart)
        createEverything();
    else
        loadEverything();
    return 0;
}

namespace {

bool savedFromLevel(TSpieler& player, bool leaving) {
    auto saveFromLevel = resumeBoardLink().saveFromLevel;
    return saveFromLevel != nullptr && saveFromLevel(player, leaving);
}

}  // namespace

int saveCurrentPlayer(int slot) {
    if (!usableSlot(slot)) return 0;
    TSpieler& player = players[slot];
    if (slot == g_currentPlayer && savedFromLevel(player, false)) return 0;
    player.SaveToDisk();
    return 0;
}

int saveCurrentPlayerLeavingLevel() {
    if (!usableSlot(g_currentPlayer)) return 0;
    TSpieler& player = players[g_currentPlayer];
    if (!savedFromLevel(player, true)) player.SaveToDisk();
    return 0;
}

// --- Best times ---

int loadBestTimes() {
    clearBestTimes();
    Stream stream = readFile(bestTimesFile());
    if (!stream) return -1;
    try {
        for (int level = 1; level <= BEST_TIME_LEVELS; ++level) {
            bestTimes[level] = readInt(stream);
            bestTimeNames[level] = trim(readString(stream, BEST_TIME_NAME_BYTES));
        }
    } catch (const StreamError&) {
        diagLog(u"Bestzeiten unvollstaendig: " + bestTimesFile());
        return -1;
    }
    return 0;
}

int saveBestTimes() {
    if (saveReplacing(bestTimesFile(), writeBestTimes)) return 0;
    diagLog(u"Bestzeiten nicht gespeichert: " + bestTimesFile());
    reportSaveFailure(bestTimesFile());
    return -1;
}

int resetBestTimes() {
    clearBestTimes();
    return saveBestTimes();
}

int recordBestTime(int level, int seconds, const String& name) {
    if (level < 1 || level > BEST_TIME_LEVELS || seconds < 0) return 0;
    int& best = bestTimes[size_t(level)];
    if (best != -1 && seconds >= best) return 0;
    best = seconds;
    bestTimeNames[size_t(level)] = left(name, BEST_TIME_NAME_BYTES);
    saveBestTimes();
    return 1;
}

// --- Roster order and champions ---

int sortRoster() {
    for (int position = 1; position <= ROSTER_LAST; ++position) rosterOrder[position] = position;
    for (int pass = 1; pass <= ROSTER_LAST; ++pass)
        for (int position = 1; position < ROSTER_LAST; ++position) {
            int& first = rosterOrder[position];
            int& second = rosterOrder[position + 1];
            if (players[first].StoryPoints < players[second].StoryPoints) std::swap(first, second);
        }
    return 0;
}

// Story levels outside 0..121 cannot arise; such a profile is left off the list.
int buildChampionList() {
    championNames.fill(u"");
    championLevels.fill(-1);
    championPoints.fill(0);
    size_t row = 0;
    for (int level = CHAMPION_TOP_LEVEL; level >= 0; --level)
        for (int slot = 1; slot <= ROSTER_LAST; ++slot) {
            const TSpieler& player = players[slot];
            if (player.StoryLevel != level || row >= CHAMPION_ROWS) continue;
            ++row;
            championNames[row] = player.Name;
            championLevels[row] = player.StoryLevel;
            championPoints[row] = player.StoryPoints;
        }
    return 0;
}

// --- Names and the level player ---

int checkPlayerName() {
    TSpieler& player = currentPlayer();
    if (trim(player.Name).empty()) player.Name = languageFile.getValue(u"noname");
    player.Name = trim(player.Name);
    return 1;
}

bool isEmptyProfile(int slot) { return usableSlot(slot) && trim(players[slot].Name).empty(); }

// As the roadmap's "play": the player's interrupted game continues when it is this level and
// is given up otherwise.
int ensureLevelPlayer(int level) {
    level = std::clamp(level, 1, PLAYER_LAST_LEVEL);
    if (!usableSlot(g_currentPlayer) || isEmptyProfile(g_currentPlayer)) takeLevelPlayerSlot();
    TSpieler& player = currentPlayer();
    if (player.isResume == 1 && player.resumeLevel == level) {
        player.Level = player.resumeLevel;
    } else {
        player.Level = level;
        player.ResetResume();
    }
    player.StoryLevel = std::max(player.StoryLevel, level);
    player.levelSelected = level;
    player.loadAllItemsToDestroyFromDisk(GOAL_TABLE);
    return g_currentPlayer;
}
