// The game-wide state below the interface.
#include "game/shared_state.h"

#include <algorithm>

int g_powerUpBusy = 0;
float g_boardAlpha = 0;
float g_goalX[20] = {};
float g_goalY[20] = {};
vexaTBild imgColl;
int g_playLastTick = 0;
int g_inputLayer = 1;
int g_helpPage = 1;
int g_helpFromMenu = 0;
int g_sliderSound = 0;
int g_sliderMusic = 0;
int g_nameLength = 0;
int g_newPlayerFirst = 0;
int g_previousPlayer = -1;

namespace {
using StoryPageHook = void (*)(int);
constinit StoryPageHook storyPageHook = nullptr;
}  // namespace

void setStoryPage(int page) {
    if (storyPageHook != nullptr) storyPageHook(page);
}

void linkStoryPage(void (*setPage)(int page)) { storyPageHook = setPage; }

void resetSharedState() {
    g_powerUpBusy = 0;
    g_boardAlpha = 0;
    std::fill(std::begin(g_goalX), std::end(g_goalX), 0.0f);
    std::fill(std::begin(g_goalY), std::end(g_goalY), 0.0f);
    imgColl = vexaTBild();
    g_playLastTick = 0;
    g_inputLayer = 1;
    g_helpPage = 1;
    g_helpFromMenu = 0;
    g_sliderSound = g_sliderMusic = 0;
    g_nameLength = g_newPlayerFirst = 0;
    g_previousPlayer = -1;
}
