// The development start straight into a level (--level N), which runs the load screen's
// loading at once.
#pragma once

// Loads everything, makes sure a player exists and plays `level`, and prepares the level.
void startInLevel(int level);
