// Interim: the dialogs arrive with the popup framework.
#include "ui/popup.h"

vexaTPopup popupHandler;

int vexaTPopup::pop(int id) {
    runtime = 1;
    direction = 1;
    State = id;
    return 0;
}
int vexaTPopup::box(int, const String&, int) { return 0; }
int vexaTPopup::IngameOptions() { return 0; }
int vexaTPopup::NewPlayer() { return 0; }
int vexaTPopup::Champions() { return 0; }
int vexaTPopup::NewGame() { return 0; }
int vexaTPopup::Credits() { return 0; }
int vexaTPopup::show_quit() { return 0; }
int vexaTPopup::RoadmapHelp() { return 0; }
int vexaTPopup::IngameMenu() { return 0; }
int vexaTPopup::resumegame() { return 0; }
int vexaTPopup::ingameScreenMainmenu_show() { return 0; }
int vexaTPopup::showinstructions() { return 0; }
