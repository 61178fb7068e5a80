// The player profile: one player's campaign (name, story progress, points), the state of the
// level being played, the resume record of an interrupted level with its board snapshot, the
// level goals and the power-up flags; its file format, and the nine profiles of the roster.
#pragma once

#include <array>

#include "platform/platform.h"

constexpr int PLAYER_SLOTS = 9;         // players[0..8]; 1..8 are usable
constexpr int PLAYER_LAST_LEVEL = 80;
constexpr int PLAYER_BOARD_SLOTS = 261;  // board snapshot, slots 1..260
constexpr int PLAYER_GAMETYPE_SWAP = 3;  // the swap game that every level plays

class TSpieler;

// What a suspended level keeps of the board and the power-ups, which live above the profiles:
// the board hands its tables and the power-ups' flags in (linkResumeBoard) as the program
// starts. Until then, suspending and resuming copy nothing of them.
struct ResumeBoardLink {
    // The board's slot tables, each PLAYER_BOARD_SLOTS long.
    int* cellMoss = nullptr;
    int* cellStone = nullptr;
    int* cellDoor = nullptr;
    float* itemX = nullptr;
    float* itemY = nullptr;
    int* itemA = nullptr;
    int* itemKaefCol = nullptr;
    // The flags of the line remover, the colour remover, replace-all and the explosive.
    std::array<int*, 4> isUnlocked{};
    std::array<int*, 4> isFirstTime{};
    // Saves the current player while a level is shown, as the board must (stored for resuming,
    // or with its win recorded; `leaving` when the level is left for good). False when no
    // level is shown: the player is then saved as it is.
    bool (*saveFromLevel)(TSpieler& player, bool leaving) = nullptr;
};

// Called once by the board as the program starts.
void linkResumeBoard(const ResumeBoardLink& link);
// The link the board handed in (empty before).
const ResumeBoardLink& resumeBoardLink();

class TSpieler {
public:
    int StoryPage = 0;        // next story page to show
    int StoryLevel = 0;       // highest level reached, 1..80
    int StoryPoints = 0;      // points of the whole game, spent on power-ups
    int isStoryPageShow = 0;  // 1 when the current level opens a story page
    int isStoryFinished = 0;
    int isStoryIntroShow = 0, isStoryOutroShow = 0;
    int Level = 0;            // level being played, 1..81
    int LevelPoints = 0;      // points of the current level
    int levelSelected = 0;    // level chosen on the roadmap
    int gtGameType = 0;
    int maxItemsToDestroy = 5;  // goal item kinds per level
    std::array<int, 6> itemsDestroyed{};                        // per goal kind 1..5
    std::array<std::array<int, 6>, PLAYER_LAST_LEVEL + 1> itemsToDestroyData{};  // [level][kind]
    int isResume = 0;         // 1 while an interrupted level is stored
    int resumeLevel = 0, resumePoints = 0, resumeGTGameType = 0, resumeTime = 0;
    std::array<int, PLAYER_BOARD_SLOTS> resumeCellMoss{}, resumeCellStone{}, resumeCellDoor{};
    std::array<int, PLAYER_BOARD_SLOTS> resumeItemX{}, resumeItemY{}, resumeItemA{}, resumeItemKaefCol{};
    std::array<int, PLAYER_BOARD_SLOTS> resumeItemsDestroyed{};
    int isAlreadySaved = 0;   // 1 after the first save in this run
    int isIntroDone = 0;
    String Name;              // at most 12 characters
    String url;               // path of the profile file
    int time = 0;             // seconds of play in the current level
    int isHelp = 0;           // 1 shows the help hints
    int anzItems = 0, anzMoss = 0, anzKaefer = 0;  // removed in the current level
    int skipfill = 0;         // successful removals
    int mover1 = 0, mover2 = 0, altmover1 = 0, altmover2 = 0;
    std::array<int, 6> gsolved{};
    std::array<int, 8> pu{};
    std::array<int, 8> pusoll{};  // power-up values 1..7
    int resumeRemoveLineIsUnlocked = 0, resumeRemoveSameItemsIsUnlocked = 0;
    int resumeReplaceAllItemsIsUnlocked = 0, resumeThrowExplosiveIsUnlocked = 0;
    int resumeRemoveLineIsFirstTime = 0, resumeRemoveSameItemsIsFirstTime = 0;
    int resumeReplaceAllItemsIsFirstTime = 0, resumeThrowExplosiveIsFirstTime = 0;

    virtual ~TSpieler() = default;
    virtual int Create();
    // Copies the stored power-up flags into the power-ups, and back.
    virtual int resumePowerUps();
    virtual int suspendPowerUps();
    // Picks the story page that opens the current level, if any.
    virtual int checkStoryPage();
    // 1 for the last level of a chapter (10, 20, … 80).
    virtual int isChapterLevel(int level);
    // The chapter 1..8 that the current level closes, else 0.
    virtual int getChapterLevel();
    virtual int StoryLevelUp();
    virtual int LevelUp();
    // Ends the current level: its counters and the resume record are cleared.
    virtual int LevelDone();
    // Empties the profile for a new player.
    virtual int Erase();
    // Writes the profile file through a temporary file; 0 when written, -1 when it failed.
    virtual int SaveToDisk();
    // Reads the profile file; 0 when read, -1 when missing or damaged (then the profile is
    // empty and a damaged file is kept beside it with ".bad" appended).
    virtual int LoadFromDisk();
    virtual int SetURL(const String& path);
    // Restarts the campaign but keeps the player's name and settings.
    virtual int NewZelto();
    // Erase, then SaveToDisk.
    virtual int Reset();
    virtual int getCurrentLevel();
    virtual int incLevelPoints(int n);
    virtual int incStoryPoints(int n);
    // Spends points, never below 0.
    virtual int decStoryPoints(int n);
    // Stores the running level and the board in the resume record, and back.
    virtual int SuspendLevel();
    virtual int ContinueLevel();
    virtual int ResetResume();
    virtual int isItemsDestroyed(int level, int kind);
    virtual int isAllItemsDestroyed(int level);
    // Reads the goal table: 400 integers, kinds 1..5 of levels 1..80.
    virtual int loadAllItemsToDestroyFromDisk(const String& path);
    virtual int saveAllItemsToDestroyToDisk(const String& path);
    // Goal items of `kind` still to collect in `level`; 0 for bombs (kind 10).
    virtual int getItemsLeftToDestroy(int level, int kind);

private:
    void eraseCampaign();
    void writeProfile(const Stream& stream);
    void readProfile(const Stream& stream);
    void copyBoardToScene();
    void copyBoardFromScene();
    // The stored power-up flags, in the order of ResumeBoardLink's flag tables.
    std::array<int*, 4> storedUnlocks();
    std::array<int*, 4> storedFirstTimes();
};

// The roster's nine profiles.
extern std::array<TSpieler, PLAYER_SLOTS> players;

// The profile of g_currentPlayer; slot 0 stands in while no valid player is chosen.
TSpieler& currentPlayer();
// Puts every profile back to a newly created one; used by tests.
void resetPlayers();
