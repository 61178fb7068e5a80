// A match-3 board built by hand for rule tests: cells and items are placed from rows of
// characters on the raster, the globals are reset, and the pointer can be put on any item.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/effects.h"
#include "match3/scene_match3.h"
#include "persist/player.h"
#include "ui/input.h"
#include "ui/popup.h"

class BoardTest : public ::testing::Test {
protected:
    vexaTSceneMatch3& m = sceneMatch3;
    TSpieler& player = players[1];

    void SetUp() override {
        resetShellGlobals();
        resetSharedState();
        resetPlayers();
        sceneMatch3.resetAll();
        clearEffects();
        popupHandler.State = popupHandler.runtime = popupHandler.direction = 0;
        input = vexaTInput();
        mousePointer._x = mousePointer._y = -500;
        seedRandom(7);
        g_currentPlayer = 1;
        g_scene = SCENE_MATCH3;
        player.Level = 2;
        player.maxItemsToDestroy = 5;
        m._item_Max = 259;
    }
    void TearDown() override {
        popupHandler.State = popupHandler.runtime = popupHandler.direction = 0;
        sceneMatch3.resetAll();
        resetPlayers();
        resetSharedState();
    }

    // Screen position of raster column / row (the board starts at column 2, row 2).
    static float X(int column) { return float(48 * column - 16); }
    static float Y(int row) { return float(48 * row - 20); }

    // Rows from raster row 2 down, columns from raster column 2: '.' no cell, '_' an empty
    // cell, '1'..'5' a gem, 'B' bomb, 'P' explosive mushroom, 'S' stone, 'D' door. Every
    // column run gets a brake below its lowest cell; items are linked to their cells.
    void build(const std::vector<std::string>& rows) {
        for (size_t r = 0; r < rows.size(); ++r)
            for (size_t c = 0; c < rows[r].size(); ++c)
                if (rows[r][c] != '.')
                    m._instcell(X(int(c) + 2), Y(int(r) + 2), 1, 0, 0, rows[r][c] == 'S', rows[r][c] == 'D');
        for (int c = 1; c < M3_SLOTS; ++c)
            if (m._CellA[c] && !m.cellAt(m._CellX[c], m._CellY[c] + 48))
                m._item_prepare(m._CellX[c], m._CellY[c] + 48, vexaTSceneMatch3::_ITEM_BRAKE, 0);
        for (size_t r = 0; r < rows.size(); ++r)
            for (size_t c = 0; c < rows[r].size(); ++c) {
                int type = itemType(rows[r][c]);
                if (type > 0) m._item_prepare(X(int(c) + 2), Y(int(r) + 2), type, 0);
            }
        link();
    }

    static int itemType(char code) {
        if (code >= '1' && code <= '5') return code - '0';
        if (code == 'B') return vexaTSceneMatch3::_ITEM_BOMB;
        if (code == 'P') return vexaTSceneMatch3::_ITEM_SPRENGPILZ;
        if (code == 'S') return vexaTSceneMatch3::_ITEM_XSTEIN;
        if (code == 'D') return vexaTSceneMatch3::_ITEM_XDOOR;
        return 0;
    }

    // Links items and cells without letting anything fall (the first frames of a level).
    void link() {
        int runtime = m._runtime;
        m._runtime = 0;
        m._item_slide();
        m._runtime = runtime;
    }

    // Slot of the playable item at raster (column, row), 0 when none.
    int at(int column, int row) const {
        for (int i = 1; i < M3_SLOTS; ++i)
            if (m.isPlayable(i) && m._itemX[i] == X(column) && m._itemY[i] == Y(row)) return i;
        return 0;
    }
    int typeAt(int column, int row) const { return m._itemA[at(column, row)]; }

    // Cell picture and pointer picture for the pointer test, and the pointer on a raster place.
    void enablePointer() {
        Pixmap cell{40, 40, std::vector<Rgba>(1600, Rgba{255, 255, 255, 255})};
        m._imgCellMask.data = loadImage(cell, 0);
        midHandleImage(m._imgCellMask.data);
        Pixmap dot{1, 1, std::vector<Rgba>(1, Rgba{255, 255, 255, 255})};
        imgColl.data = loadImage(dot, 0);
    }
    void pointTo(int column, int row) {
        mousePointer._x = X(column);
        mousePointer._y = Y(row);
    }

    int countType(int type) const {
        int n = 0;
        for (int i = 1; i < M3_SLOTS; ++i) n += m._itemA[i] == type;
        return n;
    }
    int effectsOfKind(int kind) const {
        int n = 0;
        for (int i = 1; i <= EFFECT_SLOTS; ++i) n += effectPool[i].id == kind;
        return n;
    }
};
