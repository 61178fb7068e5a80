// The story scene: its pages, arrows and where each page leads.
#include "scenes/story.h"

#include <algorithm>

#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/effects.h"
#include "persist/config.h"
#include "persist/player.h"
#include "ui/buttons.h"
#include "ui/input.h"
#include "ui/popup.h"
#include "ui/scene_handler.h"
#include "ui/sound_handler.h"

vexaTSceneStory sceneStory;

namespace {

constexpr int SLOT_NEXT = 6;      // button pictures of the arrows
constexpr int SLOT_PREVIOUS = 7;
constexpr int SCENE_LAYER = 1;

[[maybe_unused]] const bool storyLinked = [] {
    linkStoryPage([](int page) { sceneStory.setPage(page); });
    return true;
}();

bool arrowClicked(float x, int slot) { return textButton(x, 710, slot, SCENE_LAYER, u"") == BUTTON_CLICKED; }

}  // namespace

int vexaTSceneStory::setPage(int page) {
    _page = std::clamp(page, 1, _numpages);
    return 0;
}

int vexaTSceneStory::_scrollForward() {
    _page = std::min(_page + 1, _numpages);
    return 0;
}

int vexaTSceneStory::_scrollBackward() {
    _page = std::max(_page - 1, 1);
    return 0;
}

int vexaTSceneStory::Prepare() {
    String path = u"data/story/story" + intToString(_page) + u".jpg";
    g_previousScene = g_scene;
    leavePreviousScene();
    imgBackground.LoadFromDisk(path, 0, -1);
    imgBackground.setHandleTopLeft();
    imgBackground.setXY(0, 0);
    resetRuntime();
    popupHandler.State = popupHandler.runtime = 0;
    clearEffects();
    // A page turn keeps the music; otherwise the title starts anew from silence.
    if (g_previousScene != SCENE_STORY) {
        soundHandler.play_music(u"main.ogg");
        config.musiklaut = 0;
        soundHandler.play_music(u"main.ogg");
    }
    g_scene = SCENE_STORY;
    sceneHandler.fade_in();
    return 0;
}

void vexaTSceneStory::leavePreviousScene() {
    if (g_previousScene == SCENE_MAINMENU || g_previousScene == SCENE_MATCH3 || g_previousScene == SCENE_STORY)
        if (vexaTScene* scene = sceneById(g_previousScene)) scene->Leave();
}

int vexaTSceneStory::Update() {
    imgBackground.Paint();
    g_inputLayer = popupHandler.State > 0 ? 2 : 1;
    if ((_page == 2 || _page == _numpages) && arrowClicked(100, SLOT_PREVIOUS)) {
        _scrollBackward();
        sceneHandler.fade_out(SCENE_STORY, 0, 0);
    }
    if (arrowClicked(900, SLOT_NEXT)) turnForward();
    popupHandler.ingameScreenMainmenu_show();
    return 0;
}

// Pages 1 and 10 lead to the page after them, page 2 and the chapter pages to the roadmap, and
// the last page back to the main menu with the campaign's level set to 1.
void vexaTSceneStory::turnForward() {
    TSpieler& player = currentPlayer();
    player.isStoryPageShow = 0;
    if (_page == 1 || _page == 10) {
        _scrollForward();
        sceneHandler.fade_out(SCENE_STORY, 0, 0);
    } else if (_page == 2) {
        _scrollForward();
        sceneHandler.fade_out(SCENE_ROADMAP, 0, 0);
    } else if (_page == _numpages) {
        player.Level = 1;
        _page = 1;
        sceneHandler.fade_out(SCENE_MAINMENU, 0, 0);
    } else {
        sceneHandler.fade_out(SCENE_ROADMAP, 0, 0);
    }
}

int vexaTSceneStory::Leave() {
    imgBackground.Unload();
    return 0;
}
