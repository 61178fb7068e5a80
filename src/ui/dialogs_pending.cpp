// Interim: the roadmap's help draws nothing yet, so opening it only makes the scene's buttons
// inert until it is closed or a scene resets the handler.
#include "ui/popup.h"

int vexaTPopup::RoadmapHelp() { return 0; }
