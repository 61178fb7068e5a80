// The intro scene and its splash configuration.
#include "scenes/intro.h"

#include <algorithm>

#include "game/globals.h"
#include "scenes/loadscreen.h"
#include "ui/input.h"
#include "ui/scene_handler.h"

vexaTSceneIntro sceneIntro;

namespace {
constexpr int SPLASH_MAX_LINES = 29;
const String SPLASH_CONFIG = u"data/branding/splashconfig.txt";
const String BRANDING_FOLDER = u"data/branding/";
}  // namespace

int vexaTSceneIntro::setW(int page) {
    _w = page;
    return 0;
}

int vexaTSceneIntro::_read_introsettings() {
    _pages = 0;
    Stream stream = readFile(SPLASH_CONFIG);
    if (!stream) return 0;
    int block = 1;
    for (int line = 0; line < SPLASH_MAX_LINES && !eof(stream); ++line) {
        String text = readLine(stream);
        if (left(text, 4) == u";---") {
            block += 1;
            continue;
        }
        readSplashLine(block, text);
    }
    closeStream(stream);
    // Blocks beyond the six page slots are ignored.
    int lastBlock = std::min(block, INTRO_MAX_PAGES);
    for (int page = 1; page <= lastBlock; ++page) {
        if (_path[page] != u"none") _pages += 1;
    }
    return 0;
}

void vexaTSceneIntro::readSplashLine(int block, const String& line) {
    if (block > INTRO_MAX_PAGES) return;
    _Position[block] = block;
    String key = left(line, 4);
    String value = mid(line, 6);
    if (key == u"file") _path[block] = value;
    if (key == u"time") _frames[block] = stringToInt(value);
    if (key == u"skip") _skip[block] = upper(value) == u"TRUE" ? 1 : 0;
}

int vexaTSceneIntro::Prepare() {
    _read_introsettings();
    hidePointer();
    if (_w == 1) {
        for (int page = 1; page <= _pages; ++page) {
            _img[page].LoadFromDisk(BRANDING_FOLDER + _path[page], 0, -1);
            _img[page].Center();
        }
    }
    g_scene = SCENE_INTRO;
    _page = _w;
    _w = 0;
    _runtime = 0;
    sceneHandler.fade_in();
    return 0;
}

bool vexaTSceneIntro::pageEndsNow() {
    if (sceneHandler.FaderDir == FADER_DIR_OUT) return false;
    // The shared snapshot ignores the mouse until the main menu, so the intro takes its
    // click straight from the platform, as it does its keys.
    bool clicked = mouseHit(1) > 0 || input._MausFireLeft == 1;
    bool skipKey = keyDown(KEY_ESCAPE) || keyDown(KEY_ENTER) || keyDown(KEY_SPACE);
    if (_skip[_page] == 1 && (clicked || skipKey)) return true;
    return _runtime == _frames[_page];
}

int vexaTSceneIntro::Update() {
    _runtime += 1;
    // The load screen's pictures and sounds are decoded while the pages show, starting once the
    // first page is on the screen so that the worker does not hold it up.
    if (_page == 1 && _runtime == 2) decodeAhead(loadingStepFiles());
    if (_page < 1 || _page > _pages) {
        // No usable configuration: nothing to show, go on to the load screen.
        if (sceneHandler.FaderDir != FADER_DIR_OUT) sceneHandler.fade_out(SCENE_LOADSCREEN, 0, 0);
        return 0;
    }
    if (pageEndsNow()) {
        if (_page < _pages) {
            sceneHandler.fade_out(SCENE_INTRO, _page + 1, 0);
        } else {
            sceneHandler.fade_out(SCENE_LOADSCREEN, 0, 0);
        }
    }
    if (input._F3 == 1) g_debug = 1;
    _img[_page].PaintXY(512, 384);
    return 0;
}

int vexaTSceneIntro::Leave() {
    for (int page = 1; page <= _pages; ++page) _img[page].Unload();
    return 0;
}
