// The once-per-run notice of a failed save.
#include "persist/save_notice.h"

#include "game/globals.h"
#include "persist/language_file.h"

namespace {
bool told = false;
}

void reportSaveFailure(const String& path) {
    if (told) return;
    told = true;
    diagLog(u"Speichern fehlgeschlagen, Spiel geht weiter: " + path);
    String text = languageFile.getValue(u"savefailed");
    for (size_t at = text.find(u"%n"); at != String::npos; at = text.find(u"%n", at)) text.replace(at, 2, u"\n");
    notify(text, 0);
}

bool saveFailureReported() { return told; }

void resetSaveFailureNotice() { told = false; }
