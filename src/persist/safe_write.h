// Saving files so that a crash or a full disk never destroys the previous save.
#pragma once

#include <functional>

#include "platform/platform.h"

// Writes `path` through a temporary file beside it that replaces it only when complete;
// false on any failure, and then the old file is untouched and no temporary file is left.
bool saveReplacing(const String& path, const std::function<void(const Stream&)>& write);
