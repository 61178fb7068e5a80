// The load screen's timeline: bar motion, fill, glowing edge, fade-out and the loading steps.
#include "scenes/loadscreen.h"

#include <chrono>

#include "game/globals.h"
#include "match3/effects.h"
#include "match3/power_up.h"
#include "match3/scene_match3.h"
#include "scenes/intro.h"
#include "scenes/mainmenu.h"
#include "ui/holo_button.h"
#include "ui/input.h"
#include "ui/interface_pictures.h"
#include "ui/scene_handler.h"
#include "ui/sound_handler.h"

vexaTSceneLoadscreen sceneLoadscreen;

namespace {

constexpr float BAR_START_Y = 1068;  // below the screen
constexpr int BAR_GLIDE_FROM = 150;  // the bar glides up after this frame
constexpr int BAR_LEAVE_FROM = 320;  // and slides down after this one
constexpr int FADE_FROM = 410;       // the screen fades out over the last 20 frames
constexpr int BUTTON_WARMUP_FROM = 180;

// Runs one loading step and notes its wall time in the trace (the benchmark reads it).
template <typename Step>
void timedStep(const String& name, Step step) {
    auto start = std::chrono::steady_clock::now();
    step();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    diagLog(u"Ladeschritt " + name + u": " + intToString(int(ms.count())) + u" ms");
}

void loadPicture(vexaTBild& picture, const String& path, bool centred) {
    picture.LoadFromDisk(path, centred ? 1 : 0, -1);
    if (!centred) picture.setHandleTopLeft();
}

// The holo buttons count their frames and start their wobble while the screen still covers them.
void warmUpHoloButtons() {
    for (THoloButton& button : mainMenuHoloButtons) button.Tick(0);
    roadmapHoloButton.Tick(0);
}

void addNumbered(std::vector<String>& files, const String& stem, int last, const String& ending = u".png") {
    for (int n = 1; n <= last; ++n) files.push_back(stem + intToString(n) + ending);
}

// The probe that tells whether sounds work, then the sound table in number order.
void addEffectSounds(std::vector<String>& files) {
    files.push_back(u"data/sfx/button1.ogg");
    for (const char16_t* name : soundFiles)
        if (name) files.push_back(u"data/sfx/" + String(name));
}

// The holo buttons, their wobble, the asteroids and the impact of the interface step.
void addInterfaceEffects(std::vector<String>& files) {
    addNumbered(files, u"data/ui/buttons/0", 3, u"_holo.png");
    files.push_back(u"data/effects/holowobbel.png");
    addNumbered(files, u"data/effects/asts", 5);
    files.push_back(u"data/effects/impact.png");
}

void addInterfacePictures(std::vector<String>& files) {
    for (const char16_t* name : {u"popupsmall",
                                 u"popupmedium",
                                 u"popupbig",
                                 u"popupmini",
                                 u"playermenu",
                                 u"popupshadow",
                                 u"optionstrack",
                                 u"coll",
                                 u"coll3",
                                 u"niner",
                                 u"helptileexpl",
                                 u"helpstoneexpl",
                                 u"buttons/button_holo",
                                 u"buttons/button_glas",
                                 u"buttons/next",
                                 u"buttons/previous",
                                 u"buttons/button_close",
                                 u"buttons/button_closehover",
                                 u"cb",
                                 u"h",
                                 u"bnmove2",
                                 u"playermenu",
                                 u"bar",
                                 u"uitopfull",
                                 u"scores"})
        files.push_back(u"data/ui/" + String(name) + u".png");
    for (const char16_t* name :
         {u"stage-waypoint-aktiv", u"stage-waypoint-inaktiv", u"waypoint-aktiv", u"waypoint-inaktiv"})
        files.push_back(u"data/roadmap/" + String(name) + u".png");
    addInterfaceEffects(files);
}

void addBoardPictures(std::vector<String>& files) {
    files.push_back(u"data/match3/m3uilongbar.png");
    files.push_back(u"data/effects/logoglow.png");
    files.push_back(u"data/effects/rays2.png");
    for (const char16_t* name : {u"cell", u"moss", u"cellmask", u"cellmark", u"m3uiup"})
        files.push_back(u"data/match3/" + String(name) + u".png");
    files.push_back(u"data/texts/gameon.png");
    addNumbered(files, u"data/match3/cellrow", 11);
    addNumbered(files, u"data/match3/border", 24);
    addNumbered(files, u"data/match3/item1-", 18);
    addNumbered(files, u"data/match3/arrow", 4);
    for (const vexaTPowerUp* powerUp : powerUpsInFrameOrder())
        for (const char16_t* name : {u"ready.png", u"disabled.png", u"background.png", u"lock.png"})
            files.push_back(powerUp->imgPath + name);
    files.push_back(u"data/match3/ast.png");
}

void addEffectPictures(std::vector<String>& files) {
    for (const char16_t* stem : {u"data/effects/glb", u"data/effects/glo", u"data/effects/dirt"})
        addNumbered(files, stem, 9);
    files.push_back(u"data/effects/bombflare.png");
    files.push_back(u"data/effects/glowstar.png");
}

}  // namespace

std::vector<String> loadingStepFiles() {
    std::vector<String> files;
    addEffectSounds(files);
    addInterfacePictures(files);
    addBoardPictures(files);
    addEffectPictures(files);
    return files;
}

void loadEffectSounds() {
    timedStep(u"sounds", [] { soundHandler.init_sound(); });
}

float loadbarEdge(int frame) { return 371 + (368.0f * float(frame) - 55200) * 0.01f; }

void runLoadingStep(int frame) {
    switch (frame) {
        case 180: timedStep(u"interface", [] { loadInterfacePictures(); }); break;
        case 225: timedStep(u"match3", [] { sceneMatch3.preloadImages(); }); break;
        case 260: timedStep(u"effects", [] { loadEffectPictures(); }); break;
        case 305: timedStep(u"previews", [] { sceneMatch3.loadLevelPreviewData(); }); break;
        default: break;
    }
}

int vexaTSceneLoadscreen::Prepare() {
    loadPicture(_imgBackground, u"data/bg/loadbg.jpg", false);
    loadPicture(_imgLoadbar, u"data/ui/loadbar.png", true);
    loadPicture(_imgLoadbarProgress, u"data/UI/loadfill.png", true);
    hidePointer();
    _loadbarY = BAR_START_Y;
    _runtime = 0;
    loadEffectSounds();
    soundHandler.play_music(u"ambient.ogg");
    g_scene = SCENE_LOADSCREEN;
    sceneHandler.fade_in();
    return 0;
}

int vexaTSceneLoadscreen::Update() {
    _runtime += 1;
    const int r = _runtime;
    setBlend(BLEND_ALPHA);
    setAlpha(r > FADE_FROM ? float(LOADSCREEN_FRAMES - r) * 0.05f : 1);
    if (r > BUTTON_WARMUP_FROM && r < FADE_FROM) warmUpHoloButtons();
    _imgBackground.PaintXY(0, 0);
    setAlpha(1);
    setScale(1, 1);
    if (r > BAR_GLIDE_FROM) moveBar();
    drawBar();
    drawFill(loadbarEdge(r));
    setAlpha(1);
    setBlend(BLEND_ALPHA);
    setViewport(0, 0, 1024, 768);
    setScale(1, 1);
    runLoadingStep(r);
    if (r == LOADSCREEN_FRAMES) {
        decodeAhead({});  // the loading is over: nothing decoded ahead stays held
        sceneIntro.Leave();
        sceneMainmenu.Prepare();
    }
    if (input._F3 == 1) g_debug = 1;
    if (input._F5 == 1) g_textDebug = 1;
    return 0;
}

void vexaTSceneLoadscreen::moveBar() {
    if (_runtime > BAR_LEAVE_FROM) {
        _loadbarY += 5;
        return;
    }
    float rest = 768 - _imgLoadbar.H / 2;
    _loadbarY += (rest - _loadbarY) * 0.1f;
}

void vexaTSceneLoadscreen::drawBar() { _imgLoadbar.PaintXY(512, _loadbarY + 3); }

// The fill up to the edge, then three one-pixel columns at the edge lit in light blend.
void vexaTSceneLoadscreen::drawFill(float edge) {
    setViewport(0, 0, floatToInt(edge), 768);
    _imgLoadbarProgress.PaintXY(512, _loadbarY);
    setBlend(BLEND_LIGHT);
    const float glow[3] = {1, 0.5f, 0.25f};
    for (int column = 0; column < 3; ++column) {
        setAlpha(glow[column]);
        setViewport(floatToInt(edge - float(column)), 0, 1, 768);
        _imgLoadbarProgress.PaintXY(512, _loadbarY);
    }
}

int vexaTSceneLoadscreen::Leave() {
    _imgBackground.Unload();
    _imgLoadbar.Unload();
    _imgLoadbarProgress.Unload();
    return 0;
}
