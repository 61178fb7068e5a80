// Source lines are checked one by one and re-encoded byte for byte; comments and
// blank lines pass through, so the shipped file reads like its source.
#include "edition.h"

#include <map>

namespace texts {

namespace {

constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Splits at CR LF; a line feed without its carriage return, or a last line without
// an end, is refused because the game cuts lines at carriage returns only.
std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos || end == start || text[end - 1] != '\r') {
            throw EditionError("line " + std::to_string(lines.size() + 1) + " does not end in CR LF");
        }
        lines.push_back(text.substr(start, end - 1 - start));
        start = end + 1;
    }
    return lines;
}

bool isDrawable(char32_t c) {
    return (c >= 32 && c <= 126) || (c >= 160 && c <= 255);
}

// Decodes one UTF-8 line into Latin-1 bytes, refusing what the fonts cannot draw.
std::string toLatin1(const std::string& line, std::size_t number) {
    std::string out;
    for (std::size_t i = 0; i < line.size();) {
        const auto byte = static_cast<unsigned char>(line[i]);
        char32_t c = byte;
        std::size_t length = 1;
        if (byte >= 0xC0 && byte < 0xE0 && i + 1 < line.size() &&
            (static_cast<unsigned char>(line[i + 1]) & 0xC0) == 0x80) {
            c = char32_t(byte & 0x1F) << 6 | char32_t(static_cast<unsigned char>(line[i + 1]) & 0x3F);
            length = 2;
        } else if (byte >= 0x80) {
            c = 0xFFFF;  // a longer sequence or a stray byte: outside Latin-1 either way
        }
        if (!isDrawable(c)) {
            throw EditionError("line " + std::to_string(number) + ": character not in the fonts at byte " +
                               std::to_string(i + 1));
        }
        out += char(c);
        i += length;
    }
    return out;
}

bool isEntry(const std::string& line) {
    const std::string text = trimmed(line);
    return !text.empty() && text[0] != '#';
}

void checkEntry(const std::string& line, std::size_t number, const std::set<std::string>& keys,
                std::map<std::string, std::size_t>& seen) {
    const std::string where = "line " + std::to_string(number) + ": ";
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) throw EditionError(where + "no \"=\" between key and text");
    const std::string key = trimmed(line.substr(0, equals));
    if (key.empty()) throw EditionError(where + "empty key");
    if (trimmed(line.substr(equals + 1)).empty()) throw EditionError(where + "no text for " + key);
    if (!keys.count(key)) throw EditionError(where + "key " + key + " is not in the key list");
    if (const auto [earlier, added] = seen.emplace(key, number); !added) {
        throw EditionError(where + "key " + key + " already given on line " + std::to_string(earlier->second));
    }
}

}  // namespace

std::set<std::string> readKeyList(const tools::Bytes& keyList) {
    std::set<std::string> keys;
    std::string line;
    for (const std::uint8_t byte : keyList) {
        if (byte != '\n') {
            line += char(byte);
            continue;
        }
        const std::string text = trimmed(line.substr(0, line.find('\r')));
        if (!text.empty() && text[0] != '#') keys.insert(text.substr(0, text.find_first_of(" \t")));
        line.clear();
    }
    return keys;
}

tools::Bytes compileEdition(const tools::Bytes& source, const std::set<std::string>& keys) {
    std::string text(source.begin(), source.end());
    if (text.starts_with(BYTE_ORDER_MARK)) text.erase(0, BYTE_ORDER_MARK.size());
    const std::vector<std::string> lines = splitLines(text);
    std::map<std::string, std::size_t> seen;
    tools::Bytes out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string latin1 = toLatin1(lines[i], i + 1);
        if (isEntry(latin1)) checkEntry(latin1, i + 1, keys, seen);
        out.insert(out.end(), latin1.begin(), latin1.end());
        out.insert(out.end(), {'\r', '\n'});
    }
    for (const std::string& key : keys) {
        if (!seen.count(key)) throw EditionError("key " + key + " has no text");
    }
    return out;
}

}  // namespace texts
