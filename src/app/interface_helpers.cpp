// Formatting and lookup helpers shared by the scenes and dialogs.
#include "app/interface_helpers.h"

#include "app/globals.h"

String timeText(int seconds) {
    int hours = seconds / 3600;
    int minutes = (seconds / 60) % 60;
    int rest = seconds % 60;
    return intToString(hours / 10) + intToString(hours % 10) + u":" + intToString(minutes / 10) +
           intToString(minutes % 10) + u":" + intToString(rest / 10) + intToString(rest % 10);
}

int chapterOfLevel(int level) { return level >= 1 && level <= 100 ? (level - 1) / 10 + 1 : -1; }

int gameOfLevel(int level) { return level % 10 == 0 ? 10 : level % 10; }

int itemPictureIndex(int type) { return type == 0 ? 3 : type; }

String g_getCurrentBG(int level) {
    diagLog(u"-> g_getCurrentBG(" + intToString(level) + u")");
    int chapter = level >= 1 && level <= 80 ? (level - 1) / 10 + 1 : 1;
    String path = u"data/bg/bg" + intToString(chapter) + u".jpg";
    diagLog(u"<- g_getCurrentBG(" + intToString(level) + u")");
    return path;
}

int fileCheck(const String& path) { return fileType(path) != 0 ? 1 : 0; }

String tracePoint(const String& prefix, int x, int y) {
    return prefix + u"(" + intToString(x) + u"|" + intToString(y) + u")";
}

String tracePoint(const String& prefix, float x, float y) {
    return prefix + u"(" + floatToString(x) + u"|" + floatToString(y) + u")";
}
