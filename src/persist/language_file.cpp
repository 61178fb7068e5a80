// The language file: lines cut at every CR, trimmed, "#" comments skipped, each other line
// split at the first delimiter into a trimmed key and a trimmed text.
#include "persist/language_file.h"

vexaTLanguageFile languageFile;

int vexaTLanguageFile::loadFromDisk(const String& file, const String& newDelimiter) {
    delimiter = newDelimiter;
    // A folder cannot be read as text, so it counts as missing like an absent file.
    if (fileType(file) != 1) return 0;
    String text;
    try {
        text = loadText(file);
    } catch (const StreamError&) {
        return 0;
    }
    parse(text);
    url = file;
    return 1;
}

int vexaTLanguageFile::reload() {
    lang.clear();
    return loadFromDisk(url, delimiter);
}

String vexaTLanguageFile::getValue(const String& key) {
    auto found = lang.find(key);
    if (found == lang.end() || found->second.empty()) return undefined + key;
    return found->second;
}

// Only CR ends a line: the LF of a CR LF pair is trimmed away with the other blanks, and a
// file with LF alone becomes one long line, as the game has always read it.
void vexaTLanguageFile::parse(const String& text) {
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(u'\r', start);
        if (end == String::npos) end = text.size();
        String line = trim(text.substr(start, end - start));
        if (line.empty() || line.front() != u'#') addEntry(line);
        start = end + 1;
    }
}

// A line without the delimiter, an empty one included, is the empty key with the whole
// line as its text; nothing ever asks for that key.
void vexaTLanguageFile::addEntry(const String& line) {
    size_t at = delimiter.empty() ? String::npos : line.find(delimiter);
    if (at == String::npos) {
        lang[String()] = line;
        return;
    }
    lang[trim(line.substr(0, at))] = trim(line.substr(at + delimiter.size()));
}
