// The built-in player of --autoplay without --level: it plays the whole campaign through the
// front end as a person would, by the pointer, the keys and typed characters alone. It waits out
// the intro and the load screen, makes a player, answers "new game", reads the story pages, goes
// to each level by the roadmap (by the glowing point and "play", or by the start button), plays
// it with the level player, leaves one level of every chapter half-way through the in-game
// menu's "exit" and resumes it, and after the last page looks at the champions and quits
// through the quit question.
#pragma once

#include <optional>
#include <set>

#include "app/autoplay.h"

class TCampaignPlayer {
public:
    // Called by the shell once per frame, just before the input poll.
    void frame();

private:
    void releaseHeld();
    void click(int x, int y);
    void tapEnter();
    bool dialogOpen(int state) const;
    void mainMenu();
    void story();
    void roadmap();
    void level();
    bool leaveHalfWay();

    bool buttonHeld_ = false;
    bool keyHeld_ = false;
    bool nameTyped_ = false;
    bool campaignDone_ = false;
    bool championsSeen_ = false;
    int lastScene_ = 0;
    int visits_ = 0;                 // roadmap visits, to choose between point and start button
    std::set<int> leftHalfWay_;      // chapters whose level has been left through "exit"
    std::optional<TAutoPlayer> levelPlayer_;
};
