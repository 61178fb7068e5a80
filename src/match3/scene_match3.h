// The match-3 scene: one board of cells and items held in parallel slot tables (index 0
// unused), the level file reader and board build, and the rules that run on the tables every
// frame: input and swaps, the match search, removal with scoring, falling, blocks, bombs,
// moss and hints; the drawing of the board and its interface, and the win sequence. The
// rules need no window.
//
// --- Sections (source files) ---
//   board.cpp      tables, level files, board build, new gems, ready-made rows, previews
//   moves.cpp      input step, swap animation, match search, recolouring wave, partners
//   matches.cpp    fall pass, removal, bombs, blocks, moss, points, win test
//   hints.cpp      move hints and the bomb help
//   drawing.cpp    permanent pictures, level picture, cells, items, sign, header, goal bar
//   win.cpp        the win sequence: bonuses, victory picture, summary panel, hand-over
//   scene.cpp      starting a level and the frame order, the global sceneMatch3
#pragma once

#include <array>
#include <utility>

#include "core/bild.h"
#include "ui/scene.h"

class TSpieler;

// Where the level picture pastes border piece `piece` relative to its cell; (-18, -18) for the
// pieces that are drawn live instead. The roadmap's miniature boards place their pieces by it.
std::pair<int, int> borderPieceOffset(int piece);

constexpr int M3_SLOTS = 261;        // cell and item tables, slots 1..260
constexpr int M3_CELL_LAST = 260;    // highest cell slot
constexpr int M3_ITEM_LAST = 150;    // highest item slot that a creation may take
constexpr int M3_COLUMNS = 31;       // column tables, columns 1..30
constexpr int M3_PREVIEW_LEVELS = 121;  // preview tables, levels 0..120
constexpr int M3_PREVIEW_LEVEL_LAST = 80;

template <typename T>
using SlotTable = std::array<T, M3_SLOTS>;
template <typename T>
using ColumnTable = std::array<T, M3_COLUMNS>;
template <typename T>
using PreviewTable = std::array<std::array<T, M3_SLOTS>, M3_PREVIEW_LEVELS>;
template <typename T>
using PreviewColumns = std::array<std::array<T, M3_COLUMNS>, M3_PREVIEW_LEVELS>;

class vexaTSceneMatch3 : public vexaTScene {
public:
    // Raster offsets of the level file's columns and rows.
    static constexpr int _CELLOFFSETX = -16;
    static constexpr int _CELLOFFSETY = -20;
    // Item types.
    static constexpr int _bug = 6;
    static constexpr int _ITEM_XSTEIN = 7;
    static constexpr int _ITEM_BOMB = 10;
    static constexpr int _ITEM_SPRENGPILZ = 12;
    static constexpr int _ITEM_PU1 = 13, _ITEM_PU2 = 14, _ITEM_PU3 = 15, _ITEM_PU4 = 16;
    static constexpr int _ITEM_XDOOR = 18;
    static constexpr int _ITEM_BRAKE = 999;
    // Level file cell codes.
    static constexpr int _ITEM_MOSS = 4;
    static constexpr int _ITEM_STONE = 5;
    static constexpr int _ITEM_DOOR = 6;
    // Game types and time modes.
    static constexpr int _GAMETYPE_NONE = 0, _GAMETYPE_CHAIN = 1, _GAMETYPE_GROUP = 2, _GAMETYPE_SWAP = 3;
    static constexpr int _GAMETYPE_BUTTON_SWAP = 5, _GAMETYPE_BUTTON_CHAIN = 6, _GAMETYPE_BUTTON_GROUP = 7;
    static constexpr int _TIMEMODE_RELAXED = 0, _TIMEMODE_ATTACK = 1, _TIMEMODE_HIGHSCORE = 2;
    static constexpr int _BONUS_GOLD = 2000, _BONUS_SILVER = 1500, _BONUS_BRONZE = 1000;

    // Cell table.
    SlotTable<int> _CellA{};      // 1 in use, 0 free
    SlotTable<float> _CellX{}, _CellY{};
    SlotTable<int> _cellMoss{};   // 1 while covered by moss
    SlotTable<int> _cellStone{};  // 1 for a stone cell
    SlotTable<int> _cellDoor{};   // 1 for a door cell
    SlotTable<int> _cellBord{};   // border piece 0..24
    SlotTable<int> _cellGlow{};   // highlight counter
    SlotTable<int> _cellFumm{};   // 1 while its item is being removed
    SlotTable<int> _cellri{};     // hint arrow direction, 0 none
    SlotTable<int> _cellitem{};   // item resting exactly on the cell, rebuilt every frame

    // Item table.
    SlotTable<int> _itemA{};      // type; 0 free
    SlotTable<float> _itemX{}, _itemY{};
    SlotTable<int> _itemCell{};   // cell the item rests on, rebuilt every frame
    SlotTable<int> _itemKaefCol{};
    SlotTable<int> _itemBef{};    // 1 while being removed
    SlotTable<int> _Item_f{};     // 1 while falling
    SlotTable<int> _Item_FallDynamic{};  // landing bounce: -1 falling, 6 on landing
    SlotTable<int> _Item_Rumble{};       // shake before a blast
    SlotTable<int> _Item_bombspreng{};   // 1 for a bomb that has exploded
    SlotTable<int> _Item_Tipp{};         // hint wobble
    SlotTable<int> _Item_Alter{};        // age for the fade-in
    SlotTable<int> _Item_New{};          // gems a block releases when it breaks

    // Column tables and the level buffer.
    ColumnTable<int> _m3rowcount{};
    ColumnTable<float> _m3rowx{}, _m3rowy{};
    std::array<int, 502> _hla{};  // cell codes of the level read, entries 1..260
    int _mosscount = 0;           // moss cells left

    // Preview tables for the roadmap, [level][slot] and [level][column].
    PreviewTable<float> _preview_cellx{}, _preview_celly{};
    PreviewTable<int> _preview_cella{}, _preview_cellmoss{}, _preview_cellstone{}, _preview_celldoor{},
        _preview_cellbord{};
    PreviewTable<float> _preview_itemx{}, _preview_itemy{};
    PreviewTable<int> _preview_itema{}, _preview_itemkaefcol{};
    PreviewColumns<int> _preview_m3rowcount{}, _preview_m3rowx{}, _preview_m3rowy{};

    // Scoring.
    int _gemPoints = 5;
    int _obstaclePoints = 25;
    int _mossPoints = 10;
    int _timeMode = _TIMEMODE_ATTACK;
    int _bonuspunkte = 0;
    int VictoryRuntime = 0;
    int ScoreboardRuntime = 0;
    int _winrun = 0;  // 0 while playing; counts frames once the level is won; -1 handed on
    int _winBonusPaid = 0;  // 1 once this level's moss and time bonuses are paid
    int _wonLevelPoints = 0;  // the points of the last level recorded as won ("points in this level")

    // Moves.
    SlotTable<int> _fummpipe{};  // removal list, entries 1.._fummcount
    int _fummcount = 0;
    int _abwahl = 0;             // 1 when the removal list is to be removed this frame
    int _inruhe = 0;             // board at rest
    int _swapping = 0;           // radius of the recolouring wave, 0 when none
    int _gt3_partner1 = 0, _gt3_partner2 = 0;
    int _gt3_swap = 0, _gt3_swapdir = 0;
    float _gt3_swaplx1 = 0, _gt3_swaplx2 = 0, _gt3_swaply1 = 0, _gt3_swaply2 = 0;
    int _gt3_partner1fumm = 0, _gt3_partner2fumm = 0;
    float _gt3_home1x = 0, _gt3_home1y = 0, _gt3_home2x = 0, _gt3_home2y = 0;  // where the partners began

    // Matches and obstacles.
    int _item_Max = 0;           // highest item slot the scans visit
    int _doorcheck = 0;
    float _stonesoundx = -1, _mosssoundx = -1;

    // Hints.
    int _zugpointer = 0, _zugpointer2 = 0;
    int _nixdo = 0;              // idle frames
    int _geholfen = 0;           // 1 after the bomb help made a bomb
    int _sprengpilzrun = 0;      // cleared by the effect update every frame

    // Drawing.
    int _wholeglow = 0;
    vexaTBild _imgCell;
    std::array<vexaTBild, 7> _imgCellArrow;
    std::array<vexaTBild, 31> _imgCellBorder;
    vexaTBild _imgCellMark, _imgCellMask, _imgBackground, _imgVictory, _imgBombflares;
    std::array<vexaTBild, 10> _imgGl, _imgDirt, _imgGlo;
    vexaTBild _imgGlowStar, _imgLogoGlow, _imgRays2;
    std::array<vexaTBild, 30> _imgItem;
    vexaTBild _imgLevel, _imgMoss, _imgPlaysign;
    std::array<vexaTBild, 15> _imgRow;
    vexaTBild _imgGameUIMatch3, _imgGameUIMatch3Longbar;

    // Starts a level: builds the board and resets the play state. Called by the scene handler.
    int Prepare() override;
    // Before the current player is saved while this scene runs: a level in play goes into the
    // resume record (with the goal gems still flying to their counters counted as collected) and
    // is saved; a level whose win sequence runs is saved as the summary's "ok" will leave it,
    // recorded in `player` itself only when `leaving` (the scene is left), else in the saved copy,
    // so the summary goes on showing this level. Returns false when the player is not in a level.
    bool saveFromLevel(TSpieler& player, bool leaving);
    // One frame of play: rules, board, interface, win sequence, effects and dialogs in order.
    int Update() override;
    int Leave() override;

    // --- Drawing (drawing.cpp) ---
    // Loads the pictures kept for the whole run; called once while loading.
    virtual int preloadImages();
    // Loads the chapter victory picture; returns 1.
    virtual int setVictoryScreen();
    // Clears the back buffer and builds the level picture.
    virtual int _predrawings();
    // Pastes the column strips and the fixed border pieces into the 960×620 level picture.
    virtual int _predraw_level();
    // Live border pieces, the level picture, moss (recounted), cell glows and match marks.
    virtual int _draw_cells();
    // Items with their shake, bounce, bomb glow, hint wobble and fade-in; then hint arrows.
    virtual int _draw_items();
    // The start sign over the first 150 frames.
    virtual int _playsign();
    // Header texts: moss left, story points, play time.
    virtual int _gameUI_drawLeveltexts(int unused);
    // The menu button; opens the in-game menu once play has started.
    virtual int _gameUI_drawMenuButton();
    // The power-up step of the frame.
    virtual int _draw_pu();

    // --- Win sequence (win.cpp) ---
    // Runs and draws the win sequence; tests for the win first.
    virtual int _screenWin();

    // --- Board build (board.cpp) ---
    // Takes the lowest free cell slot; returns it, or 261 when none is free.
    virtual int _instcell(float x, float y, int a, int moss, int beetle, int stone, int door);
    // Takes the lowest free item slot 1..150; returns it, or 151 when none is free.
    virtual int _item_prepare(float x, float y, int type, int falling);
    // Colour of a new gem: four of the five colours, the missing one alternating every 100 frames.
    virtual int _itemauswahl(int flag);
    // Builds the board of the current player's level.
    virtual int _preparelevelmatch3();
    // Recolours the middle gem of every row of three until none is left.
    virtual int _makeno3groups();
    // Fills the preview tables of levels 1..80; called once by the load screen.
    virtual int loadLevelPreviewData();
    virtual int _previewcell_preview(int level, float x, float y, int code, int moss, int beetle, int stone,
                                     int door);
    virtual int _previewitem_prepare(int level, float x, float y, int type);

    // --- Moves (moves.cpp) ---
    // Input step: hover, selection, swap start, bomb trigger.
    virtual int _make_swaps();
    // Advances the swap animation, then runs the match search.
    virtual int _gt3_swappen();
    // Marks every row of three or more; settles a swap at its exchange point. -1 when found.
    virtual int _gt3_checkmove(int unused);
    // Advances the recolouring wave.
    virtual int _gt1_gt2_gt3_swapping();
    // Draws the selected gem and the swap partner with their swell and glow.
    virtual int _draw_gt3partner();

    // --- Matches (matches.cpp) ---
    // Fall pass: items fall up to 12 px per frame; links items and cells.
    virtual int _item_slide();
    // Removes the removal list when it is complete.
    virtual int _remove_items();
    // Explodes the item in slot `item` if it is a bomb.
    virtual int _bombcheck(int item, int source);
    // Breaks the stone or door block in slot `item`; returns _doorcheck.
    virtual int _stonecheck(int item);
    // Removes the moss under item `item`; 1 if there was moss.
    virtual int _mosscheck(int item);
    // Removes the moss of cell slot `cell`; returns 0.
    virtual int _mosscheckpu3(int cell);
    // Adds points to the current player and shows them as a floating "+n" at (x, y).
    virtual int _incpoints(float x, float y, int points);
    // Sets _winrun to 1 when the level is won.
    virtual int _checkWinCondition();

    // --- Hints (hints.cpp) ---
    // Hint search, hint marks and the bomb help.
    virtual int _gt3_tipp();

    // Brings every member back to its value after construction; used by tests.
    void resetAll();

    // Helpers shared by the rule files.
    bool isGem(int slot) const { return _itemA[slot] >= 1 && _itemA[slot] <= 5; }
    bool isPlayable(int slot) const { return _itemA[slot] > 0 && _itemA[slot] < _ITEM_BRAKE; }
    bool isBlock(int slot) const { return _itemA[slot] == _ITEM_XSTEIN || _itemA[slot] == _ITEM_XDOOR; }
    // Lowest item slot 1..260 of the given type lying exactly at (x, y), or 0.
    int itemAt(float x, float y, int type) const;
    // Cell slot lying exactly at (x, y), or 0.
    int cellAt(float x, float y) const;
    // Removes item `slot` from its cell and frees it.
    void unlinkAndFree(int slot);
    // Starts the effect that takes a removed item to its goal counter or lets it rise away.
    void installCollectionEffect(int slot);
    // True when the item's cell mask touches the pointer's collision picture.
    bool itemUnderPointer(int slot) const;

private:
    // Frame (scene.cpp).
    void runRules();
    void countPlayTime(TSpieler& player);
    void showLevelHelpOnce(const TSpieler& player);
    void preparePowerUps(TSpieler& player);
    void runMeteor();
    float boardAlpha(const TSpieler& player) const;
    void runBoardStep();
    void advanceMossGlint();
    void endPauseOnClick(TSpieler& player);
    void playFrameSounds();
    // Drawing (drawing.cpp).
    void pasteBorderPieces(Pixmap& level);
    void pasteColumnStrips(Pixmap& level);
    void drawMoss(float a0);
    void drawCellMarks(int cell, float a0);
    void drawItem(int slot);
    void drawBombGlow(int slot);
    void drawHintArrows();
    void drawGoalBar();
    // Win sequence (win.cpp).
    void addWinBonuses(TSpieler& player);
    void drawVictoryPicture(int t1);
    void drawSummaryPanel(const TSpieler& player, int t1);
    void confirmWin();
    // The profile steps of a confirmed win: best time, level done, level up, the story page due.
    void recordWin(TSpieler& player);
    // The goal gems of each kind still flying to their counters.
    std::array<int, 6> goalGemsInFlight() const;
    // A fresh level starts its counters at zero; a resumed one keeps what it had.
    void startLevelCounters(TSpieler& player);
    // Swap steps (moves.cpp).
    bool swapPartnersInPlace() const;
    void endSwap();
    void refuseSwap();
    // Board build steps (board.cpp), in the order the build runs them.
    void clearBoardTables();
    void readLevelFile(int level);
    void placeCells();
    void placeBrakes();
    void setBorderPieces();
    void seedGems();
    void placeBlocks();
    void restoreSuspendedLevel();
    void resetPlayState();
    int clearBelowBlock(int block);             // frees the gems below a new block
    int restoredBlockRelease(int block) const;  // what a restored block releases
    bool recolourRuns(int dx, int dy);          // one sweep of _makeno3groups
    // Preview of one level (board.cpp).
    void loadOneLevelPreview(int level);
    void placePreviewCells(int level);
    void setPreviewBorders(int level);
    void placePreviewStones(int level);
    // Input and swaps (moves.cpp).
    int directionFromSelected(int slot) const;  // 1 right, 2 left, 3 below, 4 above; 0 none
    void pressWithSelection(int slot, bool bomb);
    void triggerBomb(int slot);
    void clearSelection();
    void startSwap(int slot, int direction);
    void fillRemovalList(const SlotTable<int>& marked, int last);
    void acceptSwap();
    void drawPartner(int slot, int& swell, float dx, float dy, float alpha);
    // Falling and removal (matches.cpp).
    void fallOneItem(int slot);
    void removeListEntry(int entry, bool& bombMade);
    int removalMultiplier() const;
    bool makeBombFromList(int slot, bool bombMade);
    void breakBlocksBeside(int slot);
    void blastItem(int bomb, int k);
    void installSparks(int slot, int count);
    // Hints (hints.cpp).
    bool hintSearchIsQuiet() const;
    void hintSearch(int& direction);
    void showHint(int direction);
    void bombHelp();
};

// The match-3 scene; created once for the whole run.
extern vexaTSceneMatch3 sceneMatch3;

// The border piece 0..24 for a cell with the given neighbours (N, S, W, E, NE, NW, SE, SW).
int borderPiece(const bool neighbours[8]);
// The level file of level n: "data/levels/lvla" + n with three digits + ".lvl".
String levelFileName(int level);
