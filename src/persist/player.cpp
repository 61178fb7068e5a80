// The player profile: campaign progress, points, the resume record, level goals and the
// profile file. Saves go through a temporary file so that a failed write never replaces a
// good profile; a damaged profile is set aside, never overwritten.
#include "persist/player.h"

#include <algorithm>

#include "game/globals.h"
#include "game/shared_state.h"
#include "persist/safe_write.h"

std::array<TSpieler, PLAYER_SLOTS> players;

namespace {

constinit ResumeBoardLink boardLink;

}  // namespace

void linkResumeBoard(const ResumeBoardLink& link) { boardLink = link; }

const ResumeBoardLink& resumeBoardLink() { return boardLink; }

TSpieler& currentPlayer() {
    bool valid = g_currentPlayer >= 0 && g_currentPlayer < PLAYER_SLOTS;
    return players[valid ? g_currentPlayer : 0];
}

void resetPlayers() {
    for (TSpieler& player : players) player = TSpieler();
}

namespace {

bool validLevel(int level) { return level >= 0 && level <= PLAYER_LAST_LEVEL; }
bool validKind(int kind) { return kind >= 0 && kind <= 5; }

}  // namespace

int TSpieler::Create() {
    maxItemsToDestroy = 5;
    return 0;
}

int TSpieler::SetURL(const String& path) {
    url = path;
    return 0;
}

// --- Power-up flags ---

std::array<int*, 4> TSpieler::storedUnlocks() {
    return {&resumeRemoveLineIsUnlocked, &resumeRemoveSameItemsIsUnlocked, &resumeReplaceAllItemsIsUnlocked,
            &resumeThrowExplosiveIsUnlocked};
}

std::array<int*, 4> TSpieler::storedFirstTimes() {
    return {&resumeRemoveLineIsFirstTime, &resumeRemoveSameItemsIsFirstTime, &resumeReplaceAllItemsIsFirstTime,
            &resumeThrowExplosiveIsFirstTime};
}

namespace {

// Copies each flag whose power-up is linked.
void copyFlags(const std::array<int*, 4>& from, const std::array<int*, 4>& to) {
    for (size_t k = 0; k < from.size(); ++k)
        if (from[k] != nullptr && to[k] != nullptr) *to[k] = *from[k];
}

}  // namespace

int TSpieler::resumePowerUps() {
    copyFlags(storedUnlocks(), boardLink.isUnlocked);
    copyFlags(storedFirstTimes(), boardLink.isFirstTime);
    return 0;
}

int TSpieler::suspendPowerUps() {
    copyFlags(boardLink.isUnlocked, storedUnlocks());
    copyFlags(boardLink.isFirstTime, storedFirstTimes());
    return 0;
}

// --- Story progress ---

int TSpieler::checkStoryPage() {
    static constexpr int LEVELS[9] = {1, 11, 21, 31, 41, 51, 61, 71, 81};
    static constexpr int PAGES[9] = {1, 3, 4, 5, 6, 7, 8, 9, 10};
    isStoryPageShow = 0;
    for (int i = 0; i < 9; ++i) {
        if (Level != LEVELS[i]) continue;
        setStoryPage(PAGES[i]);
        isStoryPageShow = 1;
    }
    return 0;
}

int TSpieler::isChapterLevel(int level) { return level >= 10 && level <= 80 && level % 10 == 0 ? 1 : 0; }

int TSpieler::getChapterLevel() { return isChapterLevel(Level) ? Level / 10 : 0; }

int TSpieler::StoryLevelUp() {
    StoryLevel += 1;
    if (StoryLevel > PLAYER_LAST_LEVEL) {
        StoryLevel = PLAYER_LAST_LEVEL;
        isStoryFinished = 1;
    }
    return 0;
}

int TSpieler::LevelUp() {
    if (Level == StoryLevel) StoryLevelUp();
    Level += 1;
    return 0;
}

int TSpieler::LevelDone() {
    time = isResume = LevelPoints = anzItems = anzMoss = anzKaefer = 0;
    for (int k = 1; k <= 5; ++k) itemsDestroyed[k] = 0;
    ResetResume();
    return 0;
}

int TSpieler::getCurrentLevel() { return isResume == 1 ? resumeLevel : Level; }

int TSpieler::incLevelPoints(int n) {
    LevelPoints += n;
    return 0;
}

int TSpieler::incStoryPoints(int n) {
    StoryPoints += n;
    return 0;
}

int TSpieler::decStoryPoints(int n) {
    StoryPoints = std::max(0, StoryPoints - n);
    return 0;
}

// --- Erasing ---

void TSpieler::eraseCampaign() {
    isStoryFinished = 0;
    StoryLevel = StoryPage = Level = 1;
    StoryPoints = 0;
    isResume = 0;
    resumeLevel = 1;
    resumePoints = resumeTime = resumeGTGameType = 0;
    time = anzItems = anzMoss = anzKaefer = 0;
    skipfill = 2;
    for (int i = 1; i < PLAYER_BOARD_SLOTS; ++i) {
        resumeCellMoss[i] = resumeCellStone[i] = resumeCellDoor[i] = 0;
        resumeItemX[i] = resumeItemY[i] = resumeItemA[i] = resumeItemKaefCol[i] = 0;
    }
    for (int k = 1; k <= 5; ++k) resumeItemsDestroyed[k] = itemsDestroyed[k] = 0;
    for (int k = 1; k <= 7; ++k) pusoll[k] = 0;
    for (int* flag : boardLink.isUnlocked)
        if (flag != nullptr) *flag = 0;
    for (int* flag : boardLink.isFirstTime)
        if (flag != nullptr) *flag = 1;
    suspendPowerUps();
}

int TSpieler::Erase() {
    eraseCampaign();
    isIntroDone = 0;
    gtGameType = PLAYER_GAMETYPE_SWAP;
    Name = u"";
    isHelp = 1;
    LevelPoints = 0;
    return 0;
}

int TSpieler::NewZelto() {
    eraseCampaign();
    return 0;
}

int TSpieler::Reset() {
    Erase();
    SaveToDisk();
    return 0;
}

// --- The resume record ---

int TSpieler::SuspendLevel() {
    isResume = 1;
    resumeLevel = Level;
    resumePoints = LevelPoints;
    resumeTime = time;
    resumeGTGameType = gtGameType;
    copyBoardFromScene();
    for (int k = 1; k <= 5; ++k) resumeItemsDestroyed[k] = itemsDestroyed[k];
    return 0;
}

int TSpieler::ContinueLevel() {
    Level = resumeLevel;
    LevelPoints = resumePoints;
    isResume = 0;
    time = resumeTime;
    gtGameType = resumeGTGameType;
    copyBoardToScene();
    for (int k = 1; k <= 5; ++k) itemsDestroyed[k] = resumeItemsDestroyed[k];
    return 0;
}

int TSpieler::ResetResume() {
    isResume = 0;
    resumeLevel = -1;
    resumePoints = time = 0;
    for (int k = 1; k <= 5; ++k) resumeItemsDestroyed[k] = itemsDestroyed[k] = 0;
    return 0;
}

void TSpieler::copyBoardFromScene() {
    const ResumeBoardLink& board = boardLink;
    if (board.cellMoss == nullptr) return;
    for (int i = 1; i < PLAYER_BOARD_SLOTS; ++i) {
        resumeCellMoss[i] = board.cellMoss[i];
        resumeCellStone[i] = board.cellStone[i];
        resumeCellDoor[i] = board.cellDoor[i];
        resumeItemX[i] = floatToInt(board.itemX[i]);
        resumeItemY[i] = floatToInt(board.itemY[i]);
        resumeItemA[i] = board.itemA[i];
        resumeItemKaefCol[i] = board.itemKaefCol[i];
    }
}

void TSpieler::copyBoardToScene() {
    const ResumeBoardLink& board = boardLink;
    if (board.cellMoss == nullptr) return;
    for (int i = 1; i < PLAYER_BOARD_SLOTS; ++i) {
        board.cellMoss[i] = resumeCellMoss[i];
        board.cellStone[i] = resumeCellStone[i];
        board.cellDoor[i] = resumeCellDoor[i];
        board.itemX[i] = float(resumeItemX[i]);
        board.itemY[i] = float(resumeItemY[i]);
        board.itemA[i] = resumeItemA[i];
        board.itemKaefCol[i] = resumeItemKaefCol[i];
    }
}

// --- Goals ---

int TSpieler::isItemsDestroyed(int level, int kind) {
    if (!validLevel(level) || !validKind(kind)) return 0;
    return itemsDestroyed[kind] >= itemsToDestroyData[level][kind] ? 1 : 0;
}

int TSpieler::isAllItemsDestroyed(int level) {
    if (!validLevel(level)) return 0;
    int all = 0;
    for (int k = 1; k <= std::min(maxItemsToDestroy, 5); ++k) {
        if (itemsDestroyed[k] < itemsToDestroyData[level][k]) return 0;
        all = 1;
    }
    return all;
}

// Kinds without a goal (bombs, mushrooms, blocks) and levels without a table row have
// nothing left to collect.
int TSpieler::getItemsLeftToDestroy(int level, int kind) {
    if (kind == 10 || !validLevel(level) || !validKind(kind)) return 0;
    return std::max(0, itemsToDestroyData[level][kind] - itemsDestroyed[kind]);
}

int TSpieler::loadAllItemsToDestroyFromDisk(const String& path) {
    for (auto& row : itemsToDestroyData) row.fill(0);
    Stream stream = readFile(path);
    if (!stream) return 0;
    try {
        for (int level = 1; level <= PLAYER_LAST_LEVEL; ++level)
            for (int k = 1; k <= 5; ++k) itemsToDestroyData[level][k] = readInt(stream);
        closeStream(stream);
    } catch (const StreamError&) {
        diagLog(u"Zieltabelle zu kurz: " + path);
    }
    return 0;
}

int TSpieler::saveAllItemsToDestroyToDisk(const String& path) {
    auto writeTable = [this](const Stream& stream) {
        for (int level = 1; level <= PLAYER_LAST_LEVEL; ++level)
            for (int k = 1; k <= 5; ++k) writeInt(stream, itemsToDestroyData[level][k]);
    };
    return saveReplacing(path, writeTable) ? 0 : -1;
}
