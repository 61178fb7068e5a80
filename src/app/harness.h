// Test-harness services of a run: frame timing statistics for --stats and the JSON
// snapshot of the game state for --dump.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

// Collects the time from input poll to present of every frame (waiting excluded), and the
// time from the program's start to the end of its first frame.
class FrameStats {
public:
    // Created when the program starts.
    FrameStats() = default;
    void beginFrame();
    // Time between these two calls (screenshots of the harness) is not counted.
    void pause();
    void resume();
    void endFrame();
    // "frames=… wall_ms=… frame_ms_p50=… frame_ms_p99=… peak_rss_kb=… startup_ms=…"
    std::string report() const;
    int frames() const { return int(frameMs_.size()); }

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point runStart_ = Clock::now();
    Clock::time_point frameStart_;
    Clock::time_point pauseStart_;
    Clock::duration paused_{};
    std::vector<double> frameMs_;
    double startupMs_ = 0;
};

// Value at a percentile (0..100) of the samples, nearest rank; 0 for no samples.
double percentile(std::vector<double> samples, double percent);

// The game state: every shell global by name, the fader, the scenes that exist, the nine
// profiles and the match-3 board.
nlohmann::json dumpGameState();
// Writes a snapshot with sorted keys; false when the file cannot be written.
bool writeDump(const std::string& path, const nlohmann::json& state);
