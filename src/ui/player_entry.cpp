// Interim: the first-player flow and the player manager arrive with the dialogs.
#include "ui/player_entry.h"

void beginFirstPlayer(float) {}
void openPlayerEntry() {}
