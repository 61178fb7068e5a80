// The story scene: the campaign's story as full-screen pages, one picture each, with a "next"
// arrow and on pages 2 and 11 a "previous" arrow. Turning a page reloads the scene through a
// fade; leaving it goes to the roadmap, or after the last page to the main menu.
#pragma once

#include "core/bild.h"
#include "ui/scene.h"

class vexaTSceneStory : public vexaTScene {
public:
    vexaTBild imgBackground;  // the page picture, top-left at (0, 0)
    int _page = 0;            // page shown, 1.._numpages
    int _numpages = 11;

    // Loads the page's picture, closes any dialog, clears the effects and, unless a page was
    // turned, starts "main.ogg" from silence; fades in.
    int Prepare() override;
    // Draws the page and runs its arrows and the open dialog.
    int Update() override;
    int Leave() override;
    virtual int _scrollForward();
    virtual int _scrollBackward();
    // Chooses the page, kept within 1.._numpages; called through the profile when a page is due.
    virtual int setPage(int page);

private:
    void leavePreviousScene();
    void turnForward();
};

extern vexaTSceneStory sceneStory;
