#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "platform/platform.h"

TEST(Numbers, FormatLikeTheGameFiles) {
    EXPECT_EQ(floatToString(1024), u"1024.00000");
    EXPECT_EQ(floatToString(768), u"768.000000");
    EXPECT_EQ(floatToString(0.5f), u"0.500000000");
    EXPECT_EQ(doubleToString(0.5), u"0.50000000000000000");
    EXPECT_EQ(intToString(-42), u"-42");
    EXPECT_EQ(intToString(INT_MIN), u"-2147483648");
}

TEST(Numbers, StringToIntParsesPrefixSignAndBase) {
    EXPECT_EQ(stringToInt(u"  -12abc"), -12);
    EXPECT_EQ(stringToInt(u"$1F"), 31);
    EXPECT_EQ(stringToInt(u"%101"), 5);
    EXPECT_EQ(stringToInt(u"-$10"), -16);
    EXPECT_EQ(stringToInt(u"+7"), 7);
    EXPECT_EQ(stringToInt(u""), 0);
    EXPECT_EQ(stringToInt(u"abc"), 0);
    EXPECT_EQ(stringToInt(u"%12"), 1);
    EXPECT_EQ(stringToInt(u"4294967297"), 1);  // wraps at 32 bits
}

TEST(Numbers, FloatToIntTruncatesAndSaturates) {
    EXPECT_EQ(floatToInt(-0.5), 0);
    EXPECT_EQ(floatToInt(2.999), 2);
    EXPECT_EQ(floatToInt(-1.7), -1);
    EXPECT_EQ(floatToInt(1.7f), 1);
    EXPECT_EQ(floatToInt(NAN), 0);
    EXPECT_EQ(floatToInt(1e10), INT_MAX);
    EXPECT_EQ(floatToInt(-1e10), INT_MIN);
}

TEST(Text, OneBasedHelpersAtTheirEdges) {
    EXPECT_EQ(asc(u""), -1);
    EXPECT_EQ(asc(u"A"), 65);
    EXPECT_EQ(chr(0x20AC), u"\u20AC");
    EXPECT_EQ(mid(u"abc", 4), u"");
    EXPECT_EQ(mid(u"abcdef", 2, 3), u"bcd");
    EXPECT_EQ(mid(u"abcdef", 5, 10), u"ef");
    EXPECT_EQ(mid(u"abc", 0, 2), u"a");
    EXPECT_EQ(mid(u"abc", 2, -1), u"bc");
    EXPECT_EQ(left(u"ab", 5), u"ab");
    EXPECT_EQ(left(u"ab", -1), u"");
    EXPECT_EQ(instr(u"hello", u"z"), 0);
    EXPECT_EQ(instr(u"abcabc", u"bc"), 2);
    EXPECT_EQ(instr(u"abcabc", u"bc", 3), 5);
    EXPECT_EQ(instr(u"abc", u"a", 9), 0);
    EXPECT_EQ(trim(u"\x01 ab c\t\r\n"), u"ab c");
    EXPECT_EQ(trim(u"   "), u"");
}

TEST(Text, SplitKeepsEmptyPiecesOrSplitsAtWhiteSpace) {
    EXPECT_EQ(split(u"a,,b", u","), (std::vector<String>{u"a", u"", u"b"}));
    EXPECT_EQ(split(u"a=>b=>", u"=>"), (std::vector<String>{u"a", u"b", u""}));
    EXPECT_EQ(split(u"x", u","), (std::vector<String>{u"x"}));
    EXPECT_EQ(split(u"  a \t b  ", u""), (std::vector<String>{u"a", u"b"}));
    EXPECT_TRUE(split(u" \t ", u"").empty());
}

TEST(Text, CompareAndUpper) {
    EXPECT_EQ(compareStrings(u"abc", u"abd"), -1);
    EXPECT_EQ(compareStrings(u"ab", u"abc"), -1);
    EXPECT_EQ(compareStrings(u"B", u"a"), 'B' - 'a');
    EXPECT_EQ(compareStrings(u"x", u"x"), 0);
    EXPECT_EQ(upper(u"abc \u00e4\u00ff\u00df \u03b1 1"), u"ABC \u00c4\u0178\u00df \u0391 1");
}

TEST(Text, Utf8ConversionAtTheBoundary) {
    const String mixed = u"a\u00e9\u20ac\U0001F600";
    EXPECT_EQ(toUtf8(mixed), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(toString16(toUtf8(mixed)), mixed);
    // Malformed input becomes U+FFFD per bad byte and never hides the text after it.
    EXPECT_EQ(toString16("a\xFF" "b\xC3"), u"a\uFFFDb\uFFFD");
    EXPECT_EQ(toString16("\xC0\xAF"), u"\uFFFD\uFFFD");
    EXPECT_EQ(toUtf8(String(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(Numbers, TrigonometryInDegrees) {
    EXPECT_NEAR(sinDeg(90), 1.0f, 1e-6);
    EXPECT_NEAR(cosDeg(180), -1.0f, 1e-6);
    EXPECT_NEAR(asinDeg(0.5f), 30.0f, 1e-4);
}
