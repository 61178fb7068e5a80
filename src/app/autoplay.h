// The built-in player of --autoplay: it plays the running match-3 level as a person would,
// by moving the pointer and pressing the left button through the platform's input path (the
// same one the test script uses). It only reads the board; the rules do the rest. Besides
// swapping it confirms the instructions, shoots meteors it sees, buys power-ups it can afford
// and uses ready ones now and then.
#pragma once

class vexaTSceneMatch3;
class TSpieler;

// What the built-in player did in a run, for --dump: the moves it started (swaps, bombs set
// off, power-ups started) and the frame and seconds of play at which the level was won.
struct AutoPlayReport {
    int moves = 0;
    int winFrame = 0;    // the shell's frame in which the win was first seen; 0 while not won
    int winSeconds = 0;  // the profile's seconds of play at that moment
};

// One planned action on the resting board.
struct AutoMove {
    int first = 0;   // item slot pressed first: the gem to select, or the bomb to set off
    int second = 0;  // the neighbour to swap it with; 0 when `first` is a bomb
    int value = 0;   // how much the move helps; 0 when there is no move
};

// The most helpful move on a resting board: a swap of two gems that makes a row of three or
// more, or a bomb to set off when its blast is worth more or no swap exists. Goal colours the
// player still needs and items over moss count most. Ties go to the lowest slots, so the
// same board always gives the same move.
AutoMove chooseAutoMove(const vexaTSceneMatch3& board, TSpieler& player);

class TAutoPlayer {
public:
    explicit TAutoPlayer(const vexaTSceneMatch3& board) : board_(board) {}

    // Called by the shell once per frame, just before the input poll: releases the button it
    // pressed the frame before, or presses where the next step of its move is, or confirms a
    // dialog or a won level with its "ok" button.
    void frame();
    // True once a won level has been handed on and the fade-out after it has ended.
    bool finished() const;
    // Read by the shell when it writes the dump at the end of the run.
    AutoPlayReport report() const { return {moves_, winFrame_, winSeconds_}; }

private:
    bool boardAtRest() const;
    bool okButtonShown() const;
    bool instructionsOpen() const;
    bool meteorInReach() const;
    void pressAt(int x, int y);
    void pressItem(int slot);
    void shootMeteor();
    // Buys, aims or starts a power-up; false when none is due.
    bool usePowerUp(const AutoMove& move);
    void startMove();
    void noteWin();

    const vexaTSceneMatch3& board_;
    bool buttonHeld_ = false;
    int selected_ = 0;  // the gem this player selected last, waiting for its partner
    int partner_ = 0;
    int moves_ = 0;     // moves started, to use a ready power-up every few of them
    int winFrame_ = 0;
    int winSeconds_ = 0;
};
