// The ways into a player: the main menu's start and player buttons make the first player
// through the name entry, or open the player manager once a player exists; the name entry
// itself is the popup handler's NewPlayer.
#pragma once

// Start or player button with no current player: chooses the slot for the first player (slot 1,
// or the first slot without a name when slot 1 holds a profile), empties its name, plays the
// button sound at x `soundX` and opens the name entry. With every slot named it makes the
// first one current and opens the player manager instead.
void beginFirstPlayer(float soundX);
// The main menu's player button: the first-player flow without a current player, else the
// player manager.
void openPlayerEntry();
// Opens the name entry for the current player with an empty typed-character queue; called by
// the first-player flow and the player manager's "new" button.
void openNameEntry();
