// The ways into a player: the main menu's start and player buttons make the first player
// through the name entry, or open the player manager once a player exists.
#pragma once

// Start or player button with no current player: chooses the slot for the first player,
// empties its name, plays the button sound at x `soundX` and opens the name entry.
void beginFirstPlayer(float soundX);
// The main menu's player button: the first-player flow without a current player, else the
// player manager.
void openPlayerEntry();
