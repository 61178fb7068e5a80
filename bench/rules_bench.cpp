// Rules benchmark: the match-3 rules alone (no drawing) on a full board of 130 cells, with a
// random valid swap made through the pointer whenever the board rests. Prints frames per
// second over 100,000 frames (or the number given); it measures, it never fails.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/effects.h"
#include "match3/scene_match3.h"
#include "persist/player.h"
#include "ui/input.h"

namespace {

constexpr int DEFAULT_FRAMES = 100000;
constexpr int LEVEL = 2;

// A level file of 13 columns by 10 rows of plain cells, written into a scratch folder.
void writeBoardLevel(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder / "data/levels");
    std::ofstream out(folder / "data/levels/lvla002.lvl", std::ios::binary);
    for (int row = 1; row <= 13; ++row)
        for (int column = 1; column <= 20; ++column) {
            int value = row >= 2 && row <= 11 && column >= 2 && column <= 14 ? 0 : -1;
            for (int b = 0; b < 4; ++b) out.put(char((uint32_t(value) >> (8 * b)) & 0xff));
        }
}

void enablePointer(vexaTSceneMatch3& m) {
    m._imgCellMask.data = loadImage(Pixmap{40, 40, std::vector<Rgba>(1600, Rgba{255, 255, 255, 255})}, 0);
    midHandleImage(m._imgCellMask.data);
    imgColl.data = loadImage(Pixmap{1, 1, std::vector<Rgba>(1, Rgba{255, 255, 255, 255})}, 0);
}

bool boardRests(const vexaTSceneMatch3& m) {
    if (m._gt3_swap != 0 || m._gt3_partner1 != 0 || m._swapping != 0 || m._runtime <= 150) return false;
    for (int i = 1; i < M3_SLOTS; ++i)
        if (m.isPlayable(i) && m._Item_f[i] != 0) return false;
    return true;
}

// Whether the item type at slot i, placed at (x, y), lies in a row of three.
bool inRow(const vexaTSceneMatch3& m, float x, float y, int type) {
    auto same = [&](float dx, float dy) { return m.itemAt(x + dx, y + dy, type) != 0; };
    return (same(-48, 0) && same(48, 0)) || (same(-48, 0) && same(-96, 0)) || (same(48, 0) && same(96, 0)) ||
           (same(0, -48) && same(0, 48)) || (same(0, -48) && same(0, -96)) || (same(0, 48) && same(0, 96));
}

// Every swap of two neighbouring gems that makes a row, and every bomb as a one-click move.
std::vector<std::pair<int, int>> validMoves(vexaTSceneMatch3& m) {
    std::vector<std::pair<int, int>> moves;
    for (int a = 1; a < M3_SLOTS; ++a) {
        if (m._itemA[a] == vexaTSceneMatch3::_ITEM_BOMB) moves.push_back({a, 0});
        if (!m.isGem(a)) continue;
        for (auto [dx, dy] : {std::pair{48.0f, 0.0f}, std::pair{0.0f, 48.0f}}) {
            int b = 0;
            for (int k = 1; k < M3_SLOTS && !b; ++k)
                if (m.isGem(k) && m._itemX[k] == m._itemX[a] + dx && m._itemY[k] == m._itemY[a] + dy) b = k;
            if (!b || m._itemA[a] == m._itemA[b]) continue;
            std::swap(m._itemA[a], m._itemA[b]);
            if (inRow(m, m._itemX[a], m._itemY[a], m._itemA[a]) || inRow(m, m._itemX[b], m._itemY[b], m._itemA[b]))
                moves.push_back({a, b});
            std::swap(m._itemA[a], m._itemA[b]);
        }
    }
    return moves;
}

// Scripted presses: one frame pressed on each item of the move, one frame released between.
struct Player {
    std::vector<int> presses;
    size_t next = 0;
    bool released = true;

    void step(vexaTSceneMatch3& m) {
        input._MausDownLeft = 0;
        input._MausDownLeftCount = 0;
        if (!released) {
            released = true;
            return;
        }
        if (next >= presses.size()) return;
        int slot = presses[next++];
        mousePointer._x = m._itemX[slot];
        mousePointer._y = m._itemY[slot];
        input._MausDownLeft = 1;
        input._MausDownLeftCount = 1;
        released = false;
    }
    bool idle() const { return next >= presses.size() && released; }
};

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::atoi(argv[1]) : DEFAULT_FRAMES;
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "pendrel-rules-bench";
    writeBoardLevel(folder);
    std::filesystem::current_path(folder);
    seedRandom(12345);
    g_currentPlayer = 1;
    TSpieler& player = players[1];
    player.Erase();
    player.Level = LEVEL;
    g_scene = SCENE_MATCH3;
    g_fps = 40;
    vexaTSceneMatch3& m = sceneMatch3;
    m._preparelevelmatch3();
    enablePointer(m);

    Player hand;
    int moves = 0, bombs = 0;
    auto start = std::chrono::steady_clock::now();
    for (int frame = 1; frame <= frames; ++frame) {
        g_frame = frame;
        if (hand.idle() && boardRests(m)) {
            std::vector<std::pair<int, int>> options = validMoves(m);
            if (!options.empty()) {
                auto [a, b] = options[size_t(randInt(0, int(options.size()) - 1))];
                hand.presses = b ? std::vector<int>{a, b} : std::vector<int>{a};
                hand.next = 0;
                b ? ++moves : ++bombs;
            }
        }
        hand.step(m);
        m.Update();
        clearEffects();  // stands in for the effect update, which frees finished effects
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("rules_frames=%d seconds=%.3f frames_per_second=%.0f swaps=%d bomb_clicks=%d removals=%d points=%d\n",
                frames, seconds, frames / seconds, moves, bombs, player.skipfill, player.LevelPoints);
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    std::filesystem::remove_all(folder);
    return 0;
}
