// The rules every level must keep: board shape limits that the game's item slots,
// falling refills, column pictures and frame pieces rely on, when obstacles may first
// appear, and how the goal counts must relate to the colours the game produces.
#pragma once

#include "level_source.h"

namespace levels {

constexpr int kMaxColumnCells = 11;   // column strip pictures exist for 1 to 11 cells
constexpr int kItemSlotBudget = 140;  // cells plus brakes; the rest of the 150 slots is for refills
constexpr int kFirstStoneLevel = 4;
constexpr int kFirstDoorLevel = 21;  // first level of chapter 3

// Throws LevelError naming file, row and column for the first rule the level breaks.
void checkLevel(const LevelSource& level);

}  // namespace levels
