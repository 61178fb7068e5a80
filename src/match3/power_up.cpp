// The power-up objects, created once for the whole run.
#include "match3/power_up.h"

vexaTPU_ReplaceAllItems::vexaTPU_ReplaceAllItems() {
    _x = 940;
    _y = 718;
}

vexaTPU_ReplaceAllItems puReplaceAllItems;
