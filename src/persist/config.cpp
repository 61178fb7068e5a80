// The settings object.
#include "persist/config.h"

TConfig config;
