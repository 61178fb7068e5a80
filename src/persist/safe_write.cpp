// Saving through a temporary file.
#include "persist/safe_write.h"

bool saveReplacing(const String& path, const std::function<void(const Stream&)>& write) {
    String temporary = path + u".tmp";
    try {
        Stream stream = writeFile(temporary);
        if (!stream) return false;
        write(stream);
        closeStream(stream);
    } catch (const StreamError&) {
        return false;
    }
    return replaceFile(temporary, path);
}
