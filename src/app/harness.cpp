// Frame statistics and the state snapshot.
#include "app/harness.h"

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "app/globals.h"
#include "scenes/intro.h"
#include "scenes/pending_scenes.h"
#include "ui/input.h"
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
            {"g_currentPlayer", g_currentPlayer}};
}

nlohmann::json dumpSceneHandler() {
    return {{"FaderColor", sceneHandler.FaderColor},
            {"FaderDir", sceneHandler.FaderDir},
            {"FaderShow", sceneHandler.FaderShow}};
}

nlohmann::json dumpIntro() {
    return {{"_page", sceneIntro._page}, {"_pages", sceneIntro._pages}, {"_runtime", sceneIntro._runtime}};
}

nlohmann::json dumpInput() {
    return {{"_MausOK", input._MausOK},
            {"_MausDownLeftCount", input._MausDownLeftCount},
            {"_x", mousePointer._x},
            {"_y", mousePointer._y}};
}

}  // namespace

nlohmann::json dumpGameState() {
    nlohmann::json state = dumpShell();
    state["sceneHandler"] = dumpSceneHandler();
    state["sceneIntro"] = dumpIntro();
    state["input"] = dumpInput();
    return state;
}

bool writeDump(const std::string& path) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file << dumpGameState().dump(2) << "\n";
    return bool(file);
}
