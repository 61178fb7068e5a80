// Interim: the dialogs still to come draw nothing, so opening one only makes the scene's
// buttons inert until it is closed or a scene resets the handler.
#include "ui/popup.h"

int vexaTPopup::IngameOptions() { return 0; }
int vexaTPopup::NewPlayer() { return 0; }
int vexaTPopup::Champions() { return 0; }
int vexaTPopup::NewGame() { return 0; }
int vexaTPopup::Credits() { return 0; }
int vexaTPopup::RoadmapHelp() { return 0; }
int vexaTPopup::resumegame() { return 0; }
