// Frame statistics and the state snapshot.
#include "app/harness.h"

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>

#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/effects.h"
#include "match3/meteor.h"
#include "match3/power_up.h"
#include "match3/scene_match3.h"
#include "persist/config.h"
#include "persist/player.h"
#include "persist/roster.h"
#include "scenes/intro.h"
#include "scenes/loadscreen.h"
#include "scenes/mainmenu.h"
#include "scenes/roadmap.h"
#include "scenes/story.h"
#include "ui/input.h"
#include "ui/popup.h"
#include "ui/scene_handler.h"

void FrameStats::beginFrame() {
    frameStart_ = Clock::now();
    paused_ = {};
}

void FrameStats::pause() { pauseStart_ = Clock::now(); }

void FrameStats::resume() { paused_ += Clock::now() - pauseStart_; }

void FrameStats::endFrame() {
    Clock::time_point now = Clock::now();
    frameMs_.push_back(std::chrono::duration<double, std::milli>(now - frameStart_ - paused_).count());
    if (frameMs_.size() == 1) startupMs_ = std::chrono::duration<double, std::milli>(now - runStart_).count();
}

double percentile(std::vector<double> samples, double percent) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    size_t rank = size_t(std::ceil(percent / 100.0 * double(samples.size())));
    return samples[std::clamp<size_t>(rank, 1, samples.size()) - 1];
}

std::string FrameStats::report() const {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    double wallMs = std::chrono::duration<double, std::milli>(Clock::now() - runStart_).count();
    char line[256];
    std::snprintf(line, sizeof line, "frames=%d wall_ms=%.0f frame_ms_p50=%.3f frame_ms_p99=%.3f peak_rss_kb=%ld startup_ms=%.1f",
                  frames(), wallMs, percentile(frameMs_, 50), percentile(frameMs_, 99), usage.ru_maxrss,
                  startupMs_);
    return line;
}

namespace {

nlohmann::json dumpShell() {
    return {{"g_scene", g_scene},         {"g_previousScene", g_previousScene},
            {"g_quit", g_quit},           {"g_pause", g_pause},
            {"g_suspended", g_suspended}, {"g_frame", g_frame},
            {"g_debug", g_debug},         {"g_textDebug", g_textDebug},
            {"g_currentPlayer", g_currentPlayer}, {"g_boardAlpha", g_boardAlpha},
            {"g_inputLayer", g_inputLayer}, {"g_helpPage", g_helpPage}, {"g_helpFromMenu", g_helpFromMenu},
            {"g_nameLength", g_nameLength}, {"g_newPlayerFirst", g_newPlayerFirst},
            {"g_previousPlayer", g_previousPlayer}, {"g_sliderSound", g_sliderSound},
            {"g_sliderMusic", g_sliderMusic}};
}

nlohmann::json dumpSceneHandler() {
    return {{"FaderColor", sceneHandler.FaderColor},
            {"FaderDir", sceneHandler.FaderDir},
            {"FaderShow", sceneHandler.FaderShow}};
}

nlohmann::json dumpIntro() {
    return {{"_page", sceneIntro._page}, {"_pages", sceneIntro._pages}, {"_runtime", sceneIntro._runtime}};
}

nlohmann::json dumpLoadscreen() {
    return {{"_runtime", sceneLoadscreen._runtime}, {"_loadbarY", sceneLoadscreen._loadbarY}};
}

nlohmann::json dumpMainmenu() { return {{"_runtime", sceneMainmenu._runtime}}; }

nlohmann::json dumpRoadmap() { return {{"_runtime", sceneRoadmap._runtime}}; }

nlohmann::json dumpStory() { return {{"_page", sceneStory._page}, {"_runtime", sceneStory._runtime}}; }

nlohmann::json dumpInput() {
    return {{"_MausOK", input._MausOK},
            {"_MausDownLeftCount", input._MausDownLeftCount},
            {"_x", mousePointer._x},
            {"_y", mousePointer._y}};
}

template <typename Array>
nlohmann::json jsonArray(const Array& values) {
    nlohmann::json list = nlohmann::json::array();
    for (const auto& value : values) list.push_back(value);
    return list;
}

nlohmann::json dumpPlayer(const TSpieler& p) {
    nlohmann::json goals = nlohmann::json::array();
    for (const auto& row : p.itemsToDestroyData) goals.push_back(jsonArray(row));
    return {{"StoryPage", p.StoryPage}, {"StoryLevel", p.StoryLevel}, {"StoryPoints", p.StoryPoints},
            {"isStoryPageShow", p.isStoryPageShow}, {"isStoryFinished", p.isStoryFinished},
            {"isStoryIntroShow", p.isStoryIntroShow}, {"isStoryOutroShow", p.isStoryOutroShow},
            {"Level", p.Level}, {"LevelPoints", p.LevelPoints}, {"levelSelected", p.levelSelected},
            {"gtGameType", p.gtGameType}, {"maxItemsToDestroy", p.maxItemsToDestroy},
            {"itemsDestroyed", jsonArray(p.itemsDestroyed)}, {"itemsToDestroyData", goals},
            {"isResume", p.isResume}, {"resumeLevel", p.resumeLevel}, {"resumePoints", p.resumePoints},
            {"resumeGTGameType", p.resumeGTGameType}, {"resumeTime", p.resumeTime},
            {"resumeCellMoss", jsonArray(p.resumeCellMoss)}, {"resumeCellStone", jsonArray(p.resumeCellStone)},
            {"resumeCellDoor", jsonArray(p.resumeCellDoor)}, {"resumeItemX", jsonArray(p.resumeItemX)},
            {"resumeItemY", jsonArray(p.resumeItemY)}, {"resumeItemA", jsonArray(p.resumeItemA)},
            {"resumeItemKaefCol", jsonArray(p.resumeItemKaefCol)},
            {"resumeItemsDestroyed", jsonArray(p.resumeItemsDestroyed)}, {"isAlreadySaved", p.isAlreadySaved},
            {"isIntroDone", p.isIntroDone}, {"Name", toUtf8(p.Name)}, {"url", toUtf8(p.url)}, {"time", p.time},
            {"isHelp", p.isHelp}, {"anzItems", p.anzItems}, {"anzMoss", p.anzMoss}, {"anzKaefer", p.anzKaefer},
            {"skipfill", p.skipfill}, {"mover1", p.mover1}, {"mover2", p.mover2}, {"altmover1", p.altmover1},
            {"altmover2", p.altmover2}, {"gsolved", jsonArray(p.gsolved)}, {"pu", jsonArray(p.pu)},
            {"pusoll", jsonArray(p.pusoll)},
            {"resumeRemoveLineIsUnlocked", p.resumeRemoveLineIsUnlocked},
            {"resumeRemoveSameItemsIsUnlocked", p.resumeRemoveSameItemsIsUnlocked},
            {"resumeReplaceAllItemsIsUnlocked", p.resumeReplaceAllItemsIsUnlocked},
            {"resumeThrowExplosiveIsUnlocked", p.resumeThrowExplosiveIsUnlocked},
            {"resumeRemoveLineIsFirstTime", p.resumeRemoveLineIsFirstTime},
            {"resumeRemoveSameItemsIsFirstTime", p.resumeRemoveSameItemsIsFirstTime},
            {"resumeReplaceAllItemsIsFirstTime", p.resumeReplaceAllItemsIsFirstTime},
            {"resumeThrowExplosiveIsFirstTime", p.resumeThrowExplosiveIsFirstTime}};
}

nlohmann::json dumpCells(const vexaTSceneMatch3& m) {
    nlohmann::json cells = nlohmann::json::array();
    for (int c = 1; c < M3_SLOTS; ++c) {
        if (m._CellA[c] == 0) continue;
        cells.push_back({{"slot", c}, {"_CellA", m._CellA[c]}, {"_CellX", m._CellX[c]}, {"_CellY", m._CellY[c]},
                         {"_cellMoss", m._cellMoss[c]}, {"_cellStone", m._cellStone[c]},
                         {"_cellDoor", m._cellDoor[c]}, {"_cellBord", m._cellBord[c]},
                         {"_cellGlow", m._cellGlow[c]}, {"_cellFumm", m._cellFumm[c]}, {"_cellri", m._cellri[c]},
                         {"_cellitem", m._cellitem[c]}});
    }
    return cells;
}

nlohmann::json dumpItems(const vexaTSceneMatch3& m) {
    nlohmann::json items = nlohmann::json::array();
    for (int i = 1; i < M3_SLOTS; ++i) {
        if (m._itemA[i] == 0) continue;
        items.push_back({{"slot", i}, {"_itemA", m._itemA[i]}, {"_itemX", m._itemX[i]}, {"_itemY", m._itemY[i]},
                         {"_itemCell", m._itemCell[i]}, {"_itemKaefCol", m._itemKaefCol[i]},
                         {"_itemBef", m._itemBef[i]}, {"_Item_f", m._Item_f[i]},
                         {"_Item_FallDynamic", m._Item_FallDynamic[i]}, {"_Item_Rumble", m._Item_Rumble[i]},
                         {"_Item_bombspreng", m._Item_bombspreng[i]}, {"_Item_Tipp", m._Item_Tipp[i]},
                         {"_Item_Alter", m._Item_Alter[i]}, {"_Item_New", m._Item_New[i]}});
    }
    return items;
}

nlohmann::json dumpMatch3(const vexaTSceneMatch3& m) {
    return {{"_runtime", m._runtime}, {"_winrun", m._winrun}, {"_mosscount", m._mosscount},
            {"_fummcount", m._fummcount}, {"_item_Max", m._item_Max}, {"_abwahl", m._abwahl},
            {"_inruhe", m._inruhe}, {"_swapping", m._swapping}, {"_gt3_partner1", m._gt3_partner1},
            {"_gt3_partner2", m._gt3_partner2}, {"_gt3_swap", m._gt3_swap}, {"_gt3_swapdir", m._gt3_swapdir},
            {"_zugpointer", m._zugpointer}, {"_zugpointer2", m._zugpointer2}, {"_nixdo", m._nixdo},
            {"_geholfen", m._geholfen}, {"_bonuspunkte", m._bonuspunkte}, {"_gemPoints", m._gemPoints},
            {"_obstaclePoints", m._obstaclePoints}, {"_mossPoints", m._mossPoints}, {"_timeMode", m._timeMode},
            {"VictoryRuntime", m.VictoryRuntime}, {"ScoreboardRuntime", m.ScoreboardRuntime},
            {"_wholeglow", m._wholeglow}, {"_wonLevelPoints", m._wonLevelPoints}, {"cells", dumpCells(m)}, {"items", dumpItems(m)}};
}

nlohmann::json dumpPlayers() {
    nlohmann::json list = nlohmann::json::array();
    for (const TSpieler& player : players) list.push_back(dumpPlayer(player));
    return list;
}

nlohmann::json dumpPopupHandler() {
    return {{"State", popupHandler.State}, {"runtime", popupHandler.runtime}, {"direction", popupHandler.direction}};
}

template <size_t N>
nlohmann::json stringArray(const std::array<String, N>& texts) {
    nlohmann::json list = nlohmann::json::array();
    for (const String& text : texts) list.push_back(toUtf8(text));
    return list;
}

nlohmann::json dumpRoster() {
    return {{"g_saveDir", toUtf8(g_saveDir)},        {"rosterOrder", rosterOrder},
            {"bestTimes", bestTimes},                   {"bestTimeNames", stringArray(bestTimeNames)},
            {"championNames", stringArray(championNames)}, {"championLevels", championLevels},
            {"championPoints", championPoints}};
}

nlohmann::json dumpConfig() {
    return {{"fullscreen", config.fullscreen}, {"musiklaut", config.musiklaut},
            {"musiklautsoll", config.musiklautsoll}, {"soundlaut", config.soundlaut}, {"sprache", config.sprache}};
}

nlohmann::json dumpWindow() {
    const ShownFrame shown = shownFrame();
    return {{"width", shown.windowWidth},
            {"height", shown.windowHeight},
            {"frame", {shown.x, shown.y, shown.width, shown.height}}};
}

nlohmann::json dumpPowerUp(const vexaTPowerUp& p) {
    return {{"isAvailable", p.isAvailable}, {"isRunning", p.isRunning},     {"isSelected", p.isSelected},
            {"isUnlocked", p.isUnlocked},   {"isReady", p.isReady},         {"isHover", p.isHover},
            {"isFirstTime", p.isFirstTime}, {"_runtime", p._runtime},       {"_hover_runtime", p._hover_runtime},
            {"_chargeCost", p._chargeCost}, {"_unlockCost", p._unlockCost}, {"_availableOnLevel", p._availableOnLevel},
            {"_x", p._x},                   {"_y", p._y}};
}

nlohmann::json dumpMeteor() {
    const TMeteor& m = meteor;
    return {{"inAction", m.inAction},     {"isHit", m.isHit},           {"positionX", m.positionX},
            {"positionY", m.positionY},   {"directionX", m.directionX}, {"directionY", m.directionY},
            {"corner", m.corner},         {"runtime", m.runtime},       {"animCount", m.animCount},
            {"nextAppearance", m.nextAppearance}, {"isRaining", m.isRaining}, {"raincounter", m.raincounter},
            {"impact", m.impact},         {"gfxid", m.gfxid},           {"donecount", m.donecount}};
}

// The live effects counted by kind (keys are the kind numbers), so a test can see what started.
nlohmann::json dumpEffects() {
    std::map<std::string, int> kinds;
    for (const vexaTEffect& effect : effectPool)
        if (effect.id != 0) kinds[std::to_string(effect.id)] += 1;
    return kinds;
}

}  // namespace

nlohmann::json dumpGameState() {
    nlohmann::json state = dumpShell();
    state["sceneHandler"] = dumpSceneHandler();
    state["sceneIntro"] = dumpIntro();
    state["sceneLoadscreen"] = dumpLoadscreen();
    state["sceneMainmenu"] = dumpMainmenu();
    state["sceneRoadmap"] = dumpRoadmap();
    state["sceneStory"] = dumpStory();
    state["input"] = dumpInput();
    state["players"] = dumpPlayers();
    state["sceneMatch3"] = dumpMatch3(sceneMatch3);
    state["config"] = dumpConfig();
    state["window"] = dumpWindow();
    state["popupHandler"] = dumpPopupHandler();
    state["roster"] = dumpRoster();
    state["meteor"] = dumpMeteor();
    state["effects"] = dumpEffects();
    state["puRemoveLine"] = dumpPowerUp(puRemoveLine);
    state["puRemoveSameItem"] = dumpPowerUp(puRemoveSameItem);
    state["puReplaceAllItems"] = dumpPowerUp(puReplaceAllItems);
    state["puThrowExplosive"] = dumpPowerUp(puThrowExplosive);
    return state;
}

bool writeDump(const std::string& path, const nlohmann::json& state) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file << state.dump(2) << "\n";
    return bool(file);
}
