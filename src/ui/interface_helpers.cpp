// Formatting and lookup helpers shared by the scenes and dialogs.
#include "ui/interface_helpers.h"

#include "game/globals.h"
#include "persist/language_file.h"

String timeText(int seconds) {
    int hours = seconds / 3600;
    int minutes = (seconds / 60) % 60;
    int rest = seconds % 60;
    return intToString(hours / 10) + intToString(hours % 10) + u":" + intToString(minutes / 10) +
           intToString(minutes % 10) + u":" + intToString(rest / 10) + intToString(rest % 10);
}

int chapterOfLevel(int level) { return level >= 1 && level <= 100 ? (level - 1) / 10 + 1 : -1; }

int gameOfLevel(int level) { return level % 10 == 0 ? 10 : level % 10; }

String levelName(int level) {
    return languageFile.getValue(u"chapter") + u" " + intToString(chapterOfLevel(level)) + u" - " +
           languageFile.getValue(u"game") + u" " + intToString(gameOfLevel(level));
}

// The untrimmed line is drawn; only its width is measured trimmed.
void drawCentredLines(const String& text, TBitmapFont& font, float x, float y) {
    std::vector<String> lines;
    for (size_t start = 0;;) {
        size_t end = text.find(u"%n", start);
        lines.push_back(text.substr(start, end == String::npos ? String::npos : end - start));
        if (end == String::npos) break;
        start = end + 2;
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        float left = x - float(font.GetTxtWidth(trim(lines[i])) / 2);
        float top = y + float(i) * float(font.GetFontHeight()) + font.Kerning.GetVKerning();
        font.DrawText(lines[i], left, top, 1, 0);
    }
}

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
