// The loading that the load screen spreads over its frames, and the development start straight
// into a level (--level N), which runs that loading at once.
#pragma once

// Sounds, shared interface pictures, match-3 and effect pictures, level previews.
void runLoadingSteps();
// Loads everything, makes sure a player exists and plays `level`, and prepares the level.
void startInLevel(int level);
