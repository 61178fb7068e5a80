// The built-in player: a search for the best move on the resting board, and the presses that
// carry it out frame by frame (press, release, press the partner, release); power-ups, meteors
// and the instructions' "ok" on the way.
#include "app/autoplay.h"

#include <array>
#include <cstdlib>
#include <iterator>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/meteor.h"
#include "match3/power_up.h"
#include "match3/scene_match3.h"
#include "persist/player.h"
#include "platform/platform.h"
#include "ui/popup.h"
#include "ui/scene.h"
#include "ui/scene_handler.h"

namespace {

constexpr int STEP = 48;        // raster spacing of the board
constexpr int GOAL_VALUE = 10;  // a gem the level still needs
constexpr int MOSS_VALUE = 8;   // moss under a removed item
constexpr int CHURN_VALUE = 3;  // an item near moss or a block
constexpr int CHURN_COLUMN = 3 * STEP, CHURN_ROW = 2 * STEP;
constexpr int BLOCK_VALUE = 4;       // a stone or door block broken
constexpr int BOMB_MADE_VALUE = 12;  // a removal that leaves a bomb behind
constexpr int BOMB_COLOUR = 4, BOMB_ROW = 5;
constexpr int BLAST_REACH = 110;  // a bomb removes what lies nearer than this
constexpr int OK_BUTTON_X = 512, OK_BUTTON_Y = 540;
constexpr int HELP_OK_X = 512, HELP_OK_Y = 610;
constexpr int POWER_UP_EVERY = 6;  // a ready power-up is used every sixth move, or when no swap exists
constexpr int LEFT_BUTTON = 1;

using Position = std::pair<int, int>;

// The resting board as the search sees it: item slots by position and their types, with one
// trial swap applied at a time, and what removing a set of items is worth.
class MoveSearch {
public:
    MoveSearch(const vexaTSceneMatch3& board, TSpieler& player) : board_(board), type_(board._itemA) {
        for (int i = M3_SLOTS - 1; i >= 1; --i)  // from the top, so the lowest slot at a place wins
            if (board.isPlayable(i) && board._Item_f[i] == 0) slots_[position(i)] = i;
        for (int i = 1; i < M3_SLOTS; ++i)
            if (board.isPlayable(i) && slotAt(position(i)) == i) resting_.push_back(i);
        for (int kind = 1; kind <= 5; ++kind) needed_[kind] = player.getItemsLeftToDestroy(player.Level, kind);
        for (int c = 1; c < M3_SLOTS; ++c)
            if (board._CellA[c] != 0 && board._cellMoss[c] == 1)
                obstacles_.insert({floatToInt(board._CellX[c]), floatToInt(board._CellY[c])});
        for (int slot : resting_)
            if (board.isBlock(slot)) obstacles_.insert(position(slot));
    }

    // Each gem with its right and its lower neighbour, in slot order.
    AutoMove bestSwap() {
        AutoMove best;
        for (int slot : resting_) {
            auto [x, y] = position(slot);
            for (Position place : {Position{x + STEP, y}, Position{x, y + STEP}}) {
                int partner = slotAt(place);
                if (!board_.isGem(slot) || partner == 0 || !board_.isGem(partner)) continue;
                int value = swapValue(slot, partner);
                if (value > best.value) best = {slot, partner, value};
            }
        }
        return best;
    }

    AutoMove bestBomb() const {
        AutoMove best;
        for (int slot : resting_) {
            if (board_._itemA[slot] != vexaTSceneMatch3::_ITEM_BOMB) continue;
            int value = blastValue(slot);
            if (value > best.value) best = {slot, 0, value};
        }
        return best;
    }

private:
    Position position(int slot) const { return {floatToInt(board_._itemX[slot]), floatToInt(board_._itemY[slot])}; }
    int slotAt(Position place) const {
        auto found = slots_.find(place);
        return found == slots_.end() ? 0 : found->second;
    }

    // Items the row search takes: not beetles or blocks (falling items are not in the map).
    bool rowsWith(int slot, int type) const {
        int t = type_[slot];
        return slot != 0 && t == type && t != vexaTSceneMatch3::_bug && t != vexaTSceneMatch3::_ITEM_XSTEIN &&
               t != vexaTSceneMatch3::_ITEM_XDOOR;
    }

    // Adds the slots of the row through `place` along (dx, dy) when it is three or longer.
    void markRow(Position place, int dx, int dy, std::set<int>& marked) const {
        int type = type_[slotAt(place)];
        std::vector<int> row{slotAt(place)};
        for (int direction : {-1, 1})
            for (Position p{place.first + direction * dx, place.second + direction * dy}; rowsWith(slotAt(p), type);
                 p = {p.first + direction * dx, p.second + direction * dy})
                row.push_back(slotAt(p));
        if (row.size() >= 3) marked.insert(row.begin(), row.end());
    }

    // A resting board holds no rows, so a swap's rows pass through one of its two places.
    int swapValue(int first, int second) {
        std::swap(type_[first], type_[second]);
        std::set<int> marked;
        for (int slot : {first, second}) {
            markRow(position(slot), STEP, 0, marked);
            markRow(position(slot), 0, STEP, marked);
        }
        std::set<int> blocks;
        for (int slot : marked) addBlocksBeside(slot, blocks);
        int value = marked.empty() ? 0 : removalValue(marked) + BLOCK_VALUE * int(blocks.size());
        if (makesBomb(marked)) value += BOMB_MADE_VALUE;
        std::swap(type_[first], type_[second]);
        return value;
    }

    // The removal turns its first listed gem into a bomb when it takes five or more items and
    // the first two in slot order are of the bomb colour.
    bool makesBomb(const std::set<int>& marked) const {
        if (marked.size() < size_t(BOMB_ROW)) return false;
        auto first = marked.begin();
        return type_[*first] == BOMB_COLOUR && type_[*std::next(first)] == BOMB_COLOUR;
    }

    void addBlocksBeside(int slot, std::set<int>& blocks) const {
        auto [x, y] = position(slot);
        for (Position p : {Position{x + STEP, y}, Position{x - STEP, y}, Position{x, y + STEP}, Position{x, y - STEP}})
            if (board_.isBlock(slotAt(p))) blocks.insert(slotAt(p));
    }

    // The bomb itself goes with its blast; blocks in reach break.
    int blastValue(int bomb) const {
        std::set<int> removed{bomb};
        int blocks = 0;
        auto [bx, by] = position(bomb);
        for (int slot : resting_) {
            auto [x, y] = position(slot);
            long long dx = x - bx, dy = y - by;
            bool inReach = dx * dx + dy * dy < BLAST_REACH * BLAST_REACH && x > 30 && y > 60;
            if (!inReach || slot == bomb || board_._itemA[slot] == vexaTSceneMatch3::_bug) continue;
            if (board_.isBlock(slot))
                blocks += 1;
            else
                removed.insert(slot);
        }
        return removalValue(removed) + BLOCK_VALUE * blocks;
    }

    // Removing an item near moss or a block, in its column or row, changes what lies around
    // it, and so the chance of a row that clears the moss or breaks the block.
    bool nearObstacle(int slot) const {
        auto [x, y] = position(slot);
        for (auto [mx, my] : obstacles_)
            if ((mx == x && std::abs(my - y) <= CHURN_COLUMN) || (my == y && std::abs(mx - x) <= CHURN_ROW))
                return true;
        return false;
    }

    // Goal gems count until the level has enough of their colour; moss under an item counts
    // too, and a little an item near moss or a block.
    int removalValue(const std::set<int>& removed) const {
        std::array<int, 6> needed = needed_;
        int value = 0;
        for (int slot : removed) {
            int type = type_[slot];
            bool goal = type >= 1 && type <= 5 && needed[type] > 0;
            if (goal) needed[type] -= 1;
            value += goal ? GOAL_VALUE : 1;
            int cell = board_._itemCell[slot];
            if (cell > 0 && board_._cellMoss[cell] == 1) value += MOSS_VALUE;
            if (nearObstacle(slot)) value += CHURN_VALUE;
        }
        return value;
    }

    const vexaTSceneMatch3& board_;
    SlotTable<int> type_;
    std::map<Position, int> slots_;  // resting items by place
    std::vector<int> resting_;       // the same, in slot order
    std::array<int, 6> needed_{};
    std::set<Position> obstacles_;  // places of moss and of blocks
};

}  // namespace

AutoMove chooseAutoMove(const vexaTSceneMatch3& board, TSpieler& player) {
    MoveSearch search(board, player);
    AutoMove swap = search.bestSwap();
    AutoMove bomb = search.bestBomb();
    return bomb.value > swap.value ? bomb : swap;
}

// --- Playing through the mouse ---

// The moment a person could act: nothing moves, no swap, wave, removal, popup or pause.
bool TAutoPlayer::boardAtRest() const {
    const vexaTSceneMatch3& b = board_;
    if (g_scene != SCENE_MATCH3 || b._winrun != 0 || b._runtime <= 150 || b._inruhe != 1) return false;
    if (b._gt3_swap != 0 || b._swapping != 0 || b._abwahl != 0) return false;
    if (popupRuntime() != 0 || g_pause != -1 || g_powerUpBusy != 0) return false;
    for (int i = 1; i < M3_SLOTS; ++i)
        if (b.isPlayable(i) && b._Item_f[i] != 0) return false;
    return true;
}

// The summary's button appears once the sequence is past its second mark.
bool TAutoPlayer::okButtonShown() const {
    TSpieler& player = currentPlayer();
    int t1 = player.isChapterLevel(player.Level) == 1 ? 240 : 40;
    return g_scene == SCENE_MATCH3 && g_pause == -1 && board_._winrun > t1 + 80 && board_._winrun < 500;
}

void TAutoPlayer::pressAt(int x, int y) {
    injectMouseMove(x, y);
    injectMouseButton(LEFT_BUTTON, true);
    buttonHeld_ = true;
}

void TAutoPlayer::pressItem(int slot) { pressAt(floatToInt(board_._itemX[slot]), floatToInt(board_._itemY[slot])); }

// The instructions that open at a level start wait for their "ok" once fully open.
bool TAutoPlayer::instructionsOpen() const {
    return popupHandler.State == POPUP_INSTRUCTIONS && popupHandler.runtime == POPUP_OPEN;
}

// A flying meteor whose click box lies wholly on the screen, while play runs.
bool TAutoPlayer::meteorInReach() const {
    if (g_scene != SCENE_MATCH3 || meteor.inAction != 1 || meteor.isHit != 0) return false;
    if (popupRuntime() != 0 || g_pause != -1 || board_._winrun != 0) return false;
    return meteor.positionX > 0 && meteor.positionX + meteor.w < 1024 && meteor.positionY > 0 &&
           meteor.positionY + meteor.h < 768;
}

// The meteor moves once more before its click test, so aim at the middle of its next box.
void TAutoPlayer::shootMeteor() {
    float x = meteor.positionX + meteor.directionX + meteor.w / 2;
    float y = meteor.positionY + meteor.directionY + meteor.h / 2;
    pressAt(floatToInt(x), floatToInt(y));
}

// The profile's seconds of play stop counting once the level is won, and are cleared when the
// win is confirmed, so they are taken the first time the win shows.
void TAutoPlayer::noteWin() {
    if (winFrame_ != 0 || g_scene != SCENE_MATCH3 || board_._winrun <= 0) return;
    winFrame_ = g_frame;
    winSeconds_ = currentPlayer().time;
}

void TAutoPlayer::frame() {
    noteWin();
    if (buttonHeld_) {
        injectMouseButton(LEFT_BUTTON, false);
        buttonHeld_ = false;
    } else if (instructionsOpen()) {
        pressAt(HELP_OK_X, HELP_OK_Y);
    } else if (okButtonShown()) {
        pressAt(OK_BUTTON_X, OK_BUTTON_Y);
    } else if (meteorInReach()) {
        shootMeteor();
    } else if (boardAtRest()) {
        startMove();
    } else {
        selected_ = partner_ = 0;
    }
}

// Second press of a swap once its gem is selected; a selection this player did not make is
// dropped by pressing it again; otherwise the next move begins.
void TAutoPlayer::startMove() {
    int selection = board_._gt3_partner1;
    if (selected_ != 0 && selection == selected_) {
        pressItem(partner_);
        selected_ = partner_ = 0;
        return;
    }
    selected_ = partner_ = 0;
    if (selection != 0) {
        pressItem(selection);
        return;
    }
    AutoMove move = chooseAutoMove(board_, currentPlayer());
    if (usePowerUp(move)) return;
    if (move.first == 0) return;
    moves_ += 1;
    pressItem(move.first);
    if (move.second != 0) {
        selected_ = move.first;
        partner_ = move.second;
    }
}

namespace {

int firstRestingGem(const vexaTSceneMatch3& board) {
    for (int i = 1; i < M3_SLOTS; ++i)
        if (board.isGem(i) && board._itemCell[i] > 0) return i;
    return 0;
}

}  // namespace

// Buys the first power-up it can afford; points a selected remover at the gem of the best
// move (its row, its colour) or at any gem when there is none; starts a ready power-up every
// few moves or when no swap exists.
bool TAutoPlayer::usePowerUp(const AutoMove& move) {
    TSpieler& player = currentPlayer();
    for (vexaTPowerUp* powerUp : powerUpsInFrameOrder()) {
        if (powerUp->isAvailable == 1 && powerUp->isUnlocked == 0 && player.StoryPoints >= powerUp->_unlockCost) {
            pressAt(floatToInt(powerUp->_x), floatToInt(powerUp->_y));
            return true;
        }
    }
    int target = move.first != 0 && board_.isGem(move.first) ? move.first : firstRestingGem(board_);
    for (vexaTPowerUp* remover : std::array<vexaTPowerUp*, 2>{&puRemoveLine, &puRemoveSameItem}) {
        if (remover->isSelected == 1 && remover->isRunning == 0 && target != 0) {
            pressItem(target);
            return true;
        }
    }
    bool due = move.first == 0 || moves_ % POWER_UP_EVERY == POWER_UP_EVERY - 1;
    if (!due) return false;
    for (vexaTPowerUp* powerUp : powerUpsInFrameOrder()) {
        if (powerUp->isAvailable == 1 && powerUp->isReady == 1 && powerUp->isSelected == 0 && powerUp->isRunning == 0) {
            moves_ += 1;
            pressAt(floatToInt(powerUp->_x), floatToInt(powerUp->_y));
            return true;
        }
    }
    return false;
}

bool TAutoPlayer::finished() const { return board_._winrun == -1 && sceneHandler.FaderDir != FADER_DIR_OUT; }
