// The settings file: six CR LF lines of decimal integers (fullscreen, musiklautsoll,
// soundlaut, g_currentPlayer, sprache, musiklaut). The sixth line is written but not read.
#include "persist/config.h"

#include <algorithm>

#include "game/globals.h"
#include "persist/player.h"
#include "persist/safe_write.h"
#include "persist/save_notice.h"

namespace {

constexpr int VOLUME_MAX = 280;
using PointerHook = void (*)();
constinit PointerHook enableGamePointer = nullptr;

// Volumes outside the slider's range would overdrive the channels.
int volume(const String& line) { return std::clamp(stringToInt(line), 0, VOLUME_MAX); }

// A profile number that names no slot would index past the roster; it means "no player".
int profile(const String& line) {
    int slot = stringToInt(line);
    return slot >= -1 && slot < PLAYER_SLOTS ? slot : -1;
}

}  // namespace

// Set without Reset itself, since the pointer object may not exist yet.
TConfig startingConfig() {
    TConfig start;
    start.fullscreen = 1;
    start.musiklautsoll = start.musiklaut = 140;
    start.soundlaut = 210;
    return start;
}

TConfig config = startingConfig();

void linkPointerReset(void (*enable)()) { enableGamePointer = enable; }

int TConfig::setUrl(const String& path) {
    url = path;
    return 0;
}

// Missing lines at the end of a short file read as empty texts, so as 0, as do lines that
// are not numbers.
int TConfig::LoadFromDisk() {
    if (fileType(url) != 1) return -1;
    Stream stream = readFile(url);
    if (!stream) return -1;
    fullscreen = stringToInt(readLine(stream));
    musiklautsoll = volume(readLine(stream));
    soundlaut = volume(readLine(stream));
    g_currentPlayer = profile(readLine(stream));
    sprache = stringToInt(readLine(stream));
    closeStream(stream);
    musiklaut = musiklautsoll;
    return 0;
}

int TConfig::Reset() {
    fullscreen = 1;
    musiklautsoll = 140;
    soundlaut = 210;
    g_currentPlayer = -1;
    if (enableGamePointer != nullptr) enableGamePointer();
    return 0;
}

int TConfig::SaveToDisk() {
    if (url.empty()) return -1;
    if (saveReplacing(url, [this](const Stream& stream) { writeSettings(stream); })) return 0;
    diagLog(u"Einstellungen nicht gespeichert: " + url);
    reportSaveFailure(url);
    return -1;
}

void TConfig::writeSettings(const Stream& stream) const {
    for (int value : {fullscreen, musiklautsoll, soundlaut, g_currentPlayer, sprache, musiklaut})
        writeLine(stream, intToString(value));
}
