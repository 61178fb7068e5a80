// The language file: every text the player sees, looked up by key. One file of
// "key=value" lines per language edition; the game code holds only the keys.
#pragma once

#include <map>

#include "platform/platform.h"

class vexaTLanguageFile {
public:
    std::map<String, String> lang;  // key -> text; keys compare case-sensitively
    String delimiter;               // separator between key and text; the game uses "="
    String url;                     // the file last loaded, "" before
    String undefined = u"_UNDEF_";  // prefix of the answer for a missing text

    virtual ~vexaTLanguageFile() = default;
    // Adds or replaces the entries of a file; 0 when nothing readable is at the path (the map
    // stays as it was), else 1. Called once at start-up and by reload.
    virtual int loadFromDisk(const String& file, const String& delimiter);
    // Empties the map and reads the last loaded file again; the translators' F6 key calls it.
    virtual int reload();
    // The text of a key; "_UNDEF_" followed by the key when it is missing or empty.
    virtual String getValue(const String& key);

private:
    // Enters every line of a decoded file into the map.
    void parse(const String& text);
    // Enters one trimmed, non-comment line.
    void addEntry(const String& line);
};

// The game's texts, loaded at start-up.
extern vexaTLanguageFile languageFile;
