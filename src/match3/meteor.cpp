// The meteor object, created once for the whole run.
#include "match3/meteor.h"

TMeteor meteor;
