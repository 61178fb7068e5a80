// The edition compiler: both shipped editions compile against the key list, the
// result is Latin-1 with CR LF, and each rule refuses a source that breaks it.
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "edition.h"

namespace {

tools::Bytes bytesOf(const std::string& text) {
    return tools::Bytes(text.begin(), text.end());
}

tools::Bytes readAsset(const std::string& name) {
    std::ifstream in(std::filesystem::path(PENDREL_ASSETS_DIR) / "texts" / name, std::ios::binary);
    return tools::Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const std::set<std::string> KEYS{"ok", "back"};

std::string compiled(const std::string& source) {
    const tools::Bytes out = texts::compileEdition(bytesOf(source), KEYS);
    return std::string(out.begin(), out.end());
}

void expectRefused(const std::string& source, const std::string& reason) {
    try {
        compiled(source);
        ADD_FAILURE() << "accepted a source with " << reason;
    } catch (const texts::EditionError& error) {
        SUCCEED() << error.what();
    }
}

}  // namespace

TEST(TextEditions, BothShippedEditionsCompileAgainstTheKeyList) {
    const std::set<std::string> keys = texts::readKeyList(readAsset("keys.txt"));
    EXPECT_GT(keys.size(), 70u);
    EXPECT_TRUE(keys.count("helppowerupthrowexplosivetext"));
    for (const std::string edition : {"codetexts.en.txt", "codetexts.de.txt"}) {
        EXPECT_NO_THROW(texts::compileEdition(readAsset(edition), keys)) << edition;
    }
}

TEST(TextEditions, WritesLatin1WithCrLfAndKeepsComments) {
    EXPECT_EQ(compiled("\xEF\xBB\xBF# Kommentar\r\nok=Gr\xC3\xBC\xC3\x9F" "e = fine\r\n\r\nback=Zur\xC3\xBC" "ck\r\n"),
              "# Kommentar\r\nok=Gr\xFC\xDF" "e = fine\r\n\r\nback=Zur\xFC" "ck\r\n");
}

TEST(TextEditions, RefusesSourcesBreakingARule) {
    expectRefused("ok=OK\nback=Back\r\n", "a line ending in LF alone");
    expectRefused("ok=OK\r\nback=Back", "a last line without an end");
    expectRefused("ok=OK\r\nback Back\r\n", "no delimiter");
    expectRefused("ok=OK\r\n=Back\r\n", "an empty key");
    expectRefused("ok=OK\r\nback=  \r\n", "an empty text");
    expectRefused("ok=OK\r\nback=Back\r\nok=Fine\r\n", "a key given twice");
    expectRefused("ok=OK\r\n", "a missing key");
    expectRefused("ok=OK\r\nback=Back\r\nbak=Back\r\n", "an unknown key");
    expectRefused("ok=OK \xE2\x80\x93 fine\r\nback=Back\r\n", "a dash outside Latin-1");
    expectRefused("ok=O\tK\r\nback=Back\r\n", "a tab");
    expectRefused("ok=OK\xC2\x85\r\nback=Back\r\n", "a control code without a glyph");
}

TEST(TextEditions, KeyListTakesTheFirstWordOfEachLine) {
    EXPECT_EQ(texts::readKeyList(bytesOf("# comment\r\nok button\r\n\r\n  back button label\r\nnext\r\n")),
              (std::set<std::string>{"ok", "back", "next"}));
}
