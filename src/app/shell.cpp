// The shell.
#include "app/shell.h"

#include <cstdio>
#include <optional>

#include "app/autoplay.h"
#include "app/campaign_player.h"
#include "app/data_folder.h"
#include "app/harness.h"
#include "app/level_start.h"
#include "app/os_integration.h"
#include "app/script.h"
#include "app/subsystem_hooks.h"
#include "font/game_fonts.h"
#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/power_up.h"
#include "match3/scene_match3.h"
#include "persist/config.h"
#include "persist/language_file.h"
#include "persist/player.h"
#include "scenes/intro.h"
#include "ui/input.h"
#include "ui/messages.h"
#include "ui/popup.h"
#include "ui/scene_handler.h"
#include "ui/sound_handler.h"

namespace {

const String WINDOW_TITLE = u"Pendrel 1.0";
const String ICON_FILE = u"data/icon32.ico";

// Also hands the options dialog the full-screen toggle, which lives with the display here.
void createGlobals() {
    mousePointer.loadPictures();
    linkFullScreenToggle(toggleFullScreen);
}

void checkDisplay() {
    diagLog(u"Available graphics modes:");
    for (const GraphicsMode& mode : graphicsModes()) {
        diagLog(intToString(mode.width) + u"," + intToString(mode.height) + u"," + intToString(mode.depth) +
                u"," + intToString(mode.hz));
    }
    if (graphicsModeExists(1024, 768, 0, 0) == 1) {
        diagLog(u"Grafikmodus wird unterstuetzt!");
        return;
    }
    diagLog(u"Notwendiger Grafikmodus wird nicht unterstuetzt!");
    notify(u"Failure: System does not support " + floatToString(1024) + u"x768.000000 resolution!", 1);
    exitProgram();
}

void showVersionBoxes(int requests) {
    for (int i = 0; i < requests; ++i) {
        notify(u"1.0-JAP", 0);
        notify(u"1.0", 0);
    }
}

void initialiseGame() {
    g_currentPlayer = -1;
    frameTimer = createTimer(40);
    playTimer = createTimer(1);
    fpsTimer = createTimer(1);
    g_fpsLastTick = timerTicks(fpsTimer);
    g_pause = -1;
    g_frame = 0;
    input._MausOK = 0;
    sceneHandler.FaderColor = 9;
    loadSettingsAndRoster();
    loadGameFonts();
    prepareFrontEndAtStart();
    lockPowerUps();
}

// Opens a display mode; a mode that cannot be opened ends the game with the error box.
void openDisplayOrFail(int depth) {
    if (openDisplay(1024, 768, depth, 60, 0)) return;
    notify(u"Failure: System does not support " + floatToString(1024) + u"x768.000000 resolution!", 1);
    exitProgram();
}

void openWindowMode() {
    openDisplayOrFail(0);
    setVirtualResolution(1024, 768);
    setViewport(0, 0, 1024, 768);
    mousePointer._isUsingRatio = 1;
    mousePointer._ratioX = mousePointer._ratioY = 1.0f;
    g_hwnd = activeWindow();
    addMinimizeBox(g_hwnd);
}

void openFullScreenMode() {
    openDisplayOrFail(32);
    g_hwnd = activeWindow();
}

void drawTextDebugBanner() { fontText.DrawText(u"Babelfish! F6 = Texte neu laden", 0, 0, 1, 0); }

void pauseMusic() {
    if (soundHandler.musicChannel) pauseChannel(soundHandler.musicChannel);
}

void stopSoundChannels() {
    if (soundHandler.soundChannel) stopChannel(soundHandler.soundChannel);
    if (soundHandler.musicChannel) stopChannel(soundHandler.musicChannel);
}

void handleSuspension() {
    g_suspended = 2;
    g_pause = 1;
    saveOnSuspend();
    minimizeGameWindow(g_hwnd);
    pauseMusic();
}

void takeSystemEvents() {
    while (peekEvent()) {
        pollEvent();
        if (eventId() == EVENT_SUSPEND) g_suspended = 1;
        if (eventId() == EVENT_RESUME) g_suspended = 0;
    }
}

void measureFps() {
    g_fpsFrames += 1;
    int ticks = timerTicks(fpsTimer);
    if (ticks > g_fpsLastTick) {
        g_fpsLastTick = ticks;
        g_fps = g_fpsFrames;
        g_fpsFrames = 0;
    }
}

bool isFrontScene(int scene) { return scene == SCENE_INTRO || scene == SCENE_LOADSCREEN; }

void runPauseScreen() {
    if (g_suspended != 0 || g_pause != 1 || isFrontScene(g_scene)) return;
    drawPauseBox();
    if (input._MausFireLeft == 1) g_pause = -1;
}

// The R key in a level: story points to 0 and the power-ups locked again.
void resetStoryPointsAndPowerUps() {
    currentPlayer().StoryPoints = 0;
    for (vexaTPowerUp* powerUp : powerUpsInFrameOrder()) powerUp->isUnlocked = 0;
}

void addDebugPoints() {
    currentPlayer().StoryPoints += 2000;
    showFloatingMessage(512, 384, u"Points +2.000");
}

void jumpToLastLevel() {
    currentPlayer().StoryLevel = 79;
    currentPlayer().Level = 79;
}

void drawDebugOverlay() {
    std::vector<String> lines = debugOverlayLines();
    for (size_t i = 0; i < lines.size(); ++i) fontText.DrawText(lines[i], 50, 50 + 20 * float(i), 1, 0);
}

// One run of the loop with its harness: scripted input, screenshots, frame limit, stats.
class GameRun {
public:
    GameRun(const GameOptions& options, std::optional<ScriptPlayer> script, FrameStats& stats)
        : options_(options), script_(std::move(script)), stats_(stats) {
        // With a level the built-in player plays that level; without one, the whole campaign.
        if (options.autoplay && options.level != 0) autoplayer_.emplace(sceneMatch3);
        if (options.autoplay && options.level == 0) campaignPlayer_.emplace();
    }

    void loop() {
        for (int frame = 1;; ++frame) {
            runFrame(frame);
            if (g_quit == 1 || endsAfter(frame)) break;
        }
    }

    void finish() const {
        if (!options_.dumpFile.empty() && !writeDump(options_.dumpFile, finalState()))
            std::fprintf(stderr, "pendrel: cannot write %s\n", options_.dumpFile.c_str());
        if (options_.stats) std::fprintf(stderr, "%s\n", stats_.report().c_str());
    }

private:
    // The game state, and under "autoplay" what the built-in player did.
    nlohmann::json finalState() const {
        nlohmann::json state = dumpGameState();
        if (autoplayer_) {
            AutoPlayReport report = autoplayer_->report();
            state["autoplay"] = {{"moves", report.moves}, {"winFrame", report.winFrame},
                                 {"winSeconds", report.winSeconds}};
        }
        return state;
    }

    void runFrame(int frame) {
        if (script_) script_->feed(frame);
        if (autoplayer_) autoplayer_->frame();
        if (campaignPlayer_) campaignPlayer_->frame();
        stats_.beginFrame();
        cls();
        inputPoll();
        debugKeys();
        sceneFrame();
        if (g_textDebug == 1) drawTextDebugBanner();
        stats_.pause();
        takeShots(frame);
        stats_.resume();
        flip(1);
        stats_.endFrame();
        waitTimer(frameTimer);
        mousePointer.SetPointer(_POINTER_NORMAL);
    }

    void takeShots(int frame) const {
        if (!script_) return;
        for (const std::string& file : script_->shotsAt(frame)) {
            if (!savePixmapPng(grabBackBuffer(), file)) std::fprintf(stderr, "pendrel: cannot write %s\n", file.c_str());
        }
    }

    bool endsAfter(int frame) const {
        if (options_.frames > 0 && frame >= options_.frames) return true;
        if (autoplayer_ && autoplayer_->finished()) return true;
        return script_ && script_->quitsAt(frame);
    }

    const GameOptions& options_;
    std::optional<ScriptPlayer> script_;
    std::optional<TAutoPlayer> autoplayer_;
    std::optional<TCampaignPlayer> campaignPlayer_;
    FrameStats& stats_;
};

}  // namespace

// Without the file the game goes on and every text shows as its "_UNDEF_" key.
void loadLanguageFileAtStart() {
    if (languageFile.loadFromDisk(u"data/texts/codetexts.txt", u"=") == 0)
        notify(u"Language-File (data/texts/codetexts.txt) not found!", 1);
}
void startUp(const GameOptions& options) {
    createGlobals();
    checkDisplay();
    loadLanguageFileAtStart();
    showVersionBoxes(options.versionRequests);
    mousePointer.enableGFXMode();
    initialiseGame();
}

void openGameDisplay() {
    if (config.fullscreen == 0) {
        openWindowMode();
    } else {
        openFullScreenMode();
    }
    setWindowIconFromFile(ICON_FILE, g_hwnd);
}

// The window switches in place; only when the window system refuses is the display opened
// again in the other mode. Headless the offscreen buffer stays as it is.
void toggleFullScreen() {
    g_pause = 1;
    bool fullScreen = config.fullscreen != 1;
    if (!switchFullScreen(fullScreen)) {
        if (fullScreen)
            openFullScreenMode();
        else
            openWindowMode();
    }
    config.fullscreen = fullScreen ? 1 : 0;
    g_hwnd = activeWindow();
    if (!fullScreen) addMinimizeBox(g_hwnd);
    setWindowIconFromFile(ICON_FILE, g_hwnd);
}

void inputPoll() {
    input.FlushInput();
    input.Update();
    if (input._MausOK == 1) mousePointer.setXY(input._MausX, input._MausY);
    // A debug key like the others: one stray key must not cost a player its points and unlocks.
    if (keyHit(KEY_R) > 0 && g_scene == SCENE_MATCH3 && g_debug == 1) resetStoryPointsAndPowerUps();
    if (closeRequested() == 1) openQuitDialog();
    takeSystemEvents();
    if (g_suspended == 1 && g_pause == -1) handleSuspension();
}

void debugKeys() {
    if (g_debug != 1 || g_scene != SCENE_MATCH3) return;
    if (input._F2 == 1) addDebugPoints();
    if (input._F3 == 1 && sceneMatch3._winrun == 0) sceneMatch3._winrun = 1;
    if (input._F4 == 1 && sceneMatch3._winrun == 0) {
        jumpToLastLevel();
        sceneMatch3._winrun = 1;
    }
}

void sceneFrame() {
    measureFps();
    g_frame += 1;
    sceneHandler.fading();
    if (vexaTScene* scene = sceneById(g_scene)) scene->Update();
    if (g_frame > 30) soundHandler.sounds();
    runPauseScreen();
    setAlpha(1);
    if (!isFrontScene(g_scene)) mousePointer.Update();
    if (!isFrontScene(g_scene) && input._F1 == 1 && g_debug == 1) drawDebugOverlay();
    if (g_textDebug == 1 && input._F6 == 1) languageFile.reload();
}

// The intro, or with --level the level itself after loading everything at once.
void prepareFirstScene(const GameOptions& options) {
    if (options.level >= 1 && options.level <= PLAYER_LAST_LEVEL) {
        startInLevel(options.level);
        return;
    }
    if (options.level != 0) std::fprintf(stderr, "pendrel: --level takes a level from 1 to %d\n", PLAYER_LAST_LEVEL);
    sceneIntro.setW(1);
    sceneIntro.Prepare();
}

std::vector<String> debugOverlayLines() {
    return {u"Memory: " + toString16(std::to_string(allocatedBytes())), intToString(g_fps) + u" g_fps",
            u"popupHandler.runtime: " + intToString(popupHandler.runtime),
            u"popupHandler.state: " + intToString(popupHandler.State)};
}

int runGame(const std::vector<std::string>& args) {
    FrameStats stats;
    GameOptions options = parseOptions(args);
    if (options.help) {
        std::fputs(optionsHelp().c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::puts("Pendrel " PENDREL_VERSION);
        return 0;
    }
    std::optional<ScriptPlayer> script;
    if (!options.scriptFile.empty()) {
        std::string error;
        script = ScriptPlayer::load(options.scriptFile, error);
        if (!script) {
            std::fprintf(stderr, "pendrel: %s\n", error.c_str());
            return 2;
        }
    }
    initPlatform({options.headless, options.noPixels, options.traceFile, options.renderer});
    setWindowTitle(WINDOW_TITLE);
    if (const std::optional<std::string> missing = locateDataFolder()) {
        notify(toString16(*missing), 1);
        shutdownPlatform();
        return 1;
    }
    seedRandom(options.seed.value_or(millisecs()));
    singleInstanceGuard(u"Pendrel");
    startUp(options);
    openGameDisplay();
    prepareFirstScene(options);
    GameRun run(options, std::move(script), stats);
    run.loop();
    stopSoundChannels();
    run.finish();
    shutdownPlatform();
    return 0;
}
