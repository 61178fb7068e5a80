// Interim: the buttons arrive with the popup framework.
#include "ui/buttons.h"

int textButton(float, float, int, int, const String&) { return 0; }
int pictureButton(float, float, int, int) { return 0; }
int closeButton(float, float) { return 0; }
void drawTooltip(const String&, float, float) {}
