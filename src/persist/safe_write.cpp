// Saving through a temporary file.
#include "persist/safe_write.h"

namespace {

// Writes the whole file; false when it cannot be opened or any byte fails to reach it.
bool writeWhole(const String& file, const std::function<void(const Stream&)>& write) {
    Stream stream = writeFile(file);
    if (!stream) return false;
    try {
        write(stream);
        closeStream(stream);
    } catch (const StreamError&) {
        return false;
    }
    return true;
}

}  // namespace

bool saveReplacing(const String& path, const std::function<void(const Stream&)>& write) {
    const String temporary = path + u".tmp";
    if (writeWhole(temporary, write) && replaceFile(temporary, path)) return true;
    // A short or unplaced copy is of no use and would only be left lying beside the save.
    removeFile(temporary);
    return false;
}
