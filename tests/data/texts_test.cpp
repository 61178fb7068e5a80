// The language file as the game reads it: the generated file is the build's edition, both hand-written
// editions hold every key of the key list with a text, lines end in CR LF, and every
// text fits the place it is drawn in when measured with the generated fonts.
#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "font_reader.h"
#include "platform/platform.h"

namespace {

const std::filesystem::path TEXTS_DIR = std::filesystem::path(PENDREL_SOURCE_DIR) / "assets/texts";
const char* const GENERATED = "data/texts/codetexts.txt";

using Texts = std::map<String, String>;

// A key of the list with the kinds of place its text is drawn in.
struct ListedKey {
    std::string key;
    std::vector<std::string> kinds;
};

std::vector<ListedKey> keyList() {
    std::ifstream in(TEXTS_DIR / "keys.txt", std::ios::binary);
    std::vector<ListedKey> keys;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        ListedKey entry;
        if (!(words >> entry.key) || entry.key[0] == '#') continue;
        for (std::string kind; words >> kind;) entry.kinds.push_back(kind);
        keys.push_back(entry);
    }
    return keys;
}

// Decodes a language file the way the game does: the text cut at every carriage
// return, lines trimmed, "#" lines skipped, the key before the first "=" (a blank
// line or one without "=" goes to the empty key, which the game never asks for).
Texts readLanguageFile(const std::filesystem::path& path) {
    const String text = loadText(toString16(path.string()));
    Texts texts;
    std::size_t start = 0;
    for (std::size_t end; start <= text.size(); start = end + 1) {
        end = std::min(text.find(u'\r', start), text.size());
        const String line = trim(text.substr(start, end - start));
        if (!line.empty() && line[0] == u'#') continue;
        const std::size_t equals = line.find(u'=');
        const String key = equals == String::npos ? String() : trim(line.substr(0, equals));
        texts[key] = equals == String::npos ? line : trim(line.substr(equals + 1));
    }
    return texts;
}

std::string bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void expectCrLfLines(const std::string& bytes, const std::string& what) {
    ASSERT_GE(bytes.size(), 2u) << what;
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << what;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const bool lineFeed = bytes[i] == '\n', carriageReturn = bytes[i] == '\r';
        EXPECT_FALSE(lineFeed && (i == 0 || bytes[i - 1] != '\r')) << what << ": LF alone at byte " << i;
        EXPECT_FALSE(carriageReturn && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) << what << ": CR alone at " << i;
    }
}

void expectEveryKey(Texts texts, const std::string& what) {
    EXPECT_EQ(toUtf8(texts[u""]), "") << what << ": a line without \"=\"";
    texts.erase(u"");
    const std::vector<ListedKey> keys = keyList();
    ASSERT_GT(keys.size(), 70u);
    for (const ListedKey& entry : keys) {
        const auto found = texts.find(toString16(entry.key));
        EXPECT_TRUE(found != texts.end() && !found->second.empty()) << what << " lacks " << entry.key;
    }
    EXPECT_EQ(texts.size(), keys.size()) << what << " holds keys beyond the list";
}

std::vector<String> linesOf(const String& text) {
    std::vector<String> lines;
    std::size_t start = 0;
    for (std::size_t mark; (mark = text.find(u"%n", start)) != String::npos; start = mark + 2) {
        lines.push_back(text.substr(start, mark - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

// The widest and the most lines a text of each kind may have, and its font.
struct Room {
    bool header;
    int width;
    std::size_t lines;
};

const std::map<std::string, Room> ROOMS{
    {"button", {false, 150, 1}}, {"title", {true, 440, 1}}, {"label", {false, 200, 1}},
    {"line", {false, 380, 1}},   {"note", {false, 380, 8}}, {"text", {false, 440, 7}},
    {"name", {false, 139, 1}}};

void expectFits(const std::filesystem::path& edition) {
    const font_reader::Font text = font_reader::readFontFile("data/fonts/text.zgf");
    const font_reader::Font header = font_reader::readFontFile("data/fonts/header.zgf");
    const Texts texts = readLanguageFile(edition);
    for (const ListedKey& entry : keyList()) {
        const String value = texts.count(toString16(entry.key)) ? texts.at(toString16(entry.key)) : String();
        for (const std::string& kind : entry.kinds) {
            ASSERT_TRUE(ROOMS.count(kind)) << entry.key << ": unknown kind " << kind;
            const Room room = ROOMS.at(kind);
            const std::vector<String> lines = linesOf(value);
            EXPECT_LE(lines.size(), room.lines) << edition.filename() << " " << entry.key;
            for (const String& line : lines) {
                EXPECT_LE(font_reader::textWidth(room.header ? header : text, trim(line)), room.width)
                    << edition.filename() << " " << entry.key << " (" << kind << "): " << toUtf8(line);
            }
            EXPECT_TRUE(kind != "name" || value.size() <= 12) << entry.key << " is too long for a name";
        }
    }
    // Texts the game puts together from several keys.
    const auto get = [&](const char* key) { return texts.at(toString16(key)); };
    EXPECT_LE(font_reader::textWidth(header, get("chapter") + u" 8 - " + get("game") + u" 10"), 440);
    EXPECT_LE(font_reader::textWidth(text, get("unlockitfor") + u" 105000"), 200);
    EXPECT_LE(font_reader::textWidth(text, get("besttime") + u" 00:02:30 " + get("by") + u" Maximilianus"), 380);
}

}  // namespace

TEST(LanguageFile, GeneratedFileHoldsEveryKeyInLatin1WithCrLf) {
    const std::string bytes = bytesOf(GENERATED);
    expectCrLfLines(bytes, GENERATED);
    EXPECT_FALSE(bytes.starts_with("\xEF\xBB\xBF")) << "written as plain ISO 8859-1, without a byte-order mark";
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        EXPECT_TRUE(code == '\r' || code == '\n' || (code >= 32 && code <= 126) || code >= 160) << int(code);
    }
    expectEveryKey(readLanguageFile(GENERATED), GENERATED);
}

TEST(LanguageFile, GeneratedFileIsTheBuiltEdition) {
    EXPECT_TRUE(readLanguageFile(GENERATED) == readLanguageFile(TEXTS_DIR / "codetexts." PENDREL_LANGUAGE ".txt"));
}

TEST(LanguageFile, BothEditionsHoldEveryKeyWithCrLf) {
    for (const char* edition : {"codetexts.en.txt", "codetexts.de.txt"}) {
        expectCrLfLines(bytesOf(TEXTS_DIR / edition), edition);
        expectEveryKey(readLanguageFile(TEXTS_DIR / edition), edition);
    }
}

TEST(LanguageFile, EveryTextFitsItsPlaceInBothEditions) {
    expectFits(TEXTS_DIR / "codetexts.en.txt");
    expectFits(TEXTS_DIR / "codetexts.de.txt");
}
