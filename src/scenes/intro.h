// The intro: full-screen branding pages from "data/branding/", each shown for a set number
// of frames, some skippable, as the splash configuration file says; then the load screen.
#pragma once

#include <array>

#include "core/bild.h"
#include "ui/scene.h"

constexpr int INTRO_MAX_PAGES = 6;

class vexaTSceneIntro : public vexaTScene {
public:
    std::array<vexaTBild, INTRO_MAX_PAGES + 1> _img;  // pages 1..6
    std::array<String, INTRO_MAX_PAGES + 1> _path;    // picture file under "data/branding/"
    int _page = 0;
    int _loaded = 0;
    std::array<int, INTRO_MAX_PAGES + 1> _frames{};  // display time in frames
    int _pages = 0;
    std::array<int, INTRO_MAX_PAGES + 1> _Position{};
    std::array<int, INTRO_MAX_PAGES + 1> _skip{};
    int _w = 0;  // page for the next Prepare; 1 also loads the pictures

    int Prepare() override;
    int Update() override;
    int Leave() override;
    // Chooses the page the next Prepare shows; called by the start-up and the fader.
    virtual int setW(int page);
    // The page a fade towards the intro names is the page it shows.
    int takeFaderParam(int page) override { return setW(page); }
    // Reads "data/branding/splashconfig.txt" into the page tables and counts the pages.
    virtual int _read_introsettings();

private:
    bool pageEndsNow();
    void readSplashLine(int block, const String& line);
};

extern vexaTSceneIntro sceneIntro;
