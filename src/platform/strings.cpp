// String and number operations: UTF-8 conversion at the OS boundary, number
// formatting and parsing in the game's formats, and the 1-based text helpers.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <locale.h>
#include <wctype.h>

#include "platform/platform.h"

namespace {

constexpr char32_t REPLACEMENT = 0xFFFD;
constexpr double RADIANS_PER_DEGREE = 3.14159265358979323846 / 180.0;

bool isBlank(char16_t c) { return c <= 32; }

void appendCodePoint(String& out, char32_t code) {
    if (code < 0x10000) {
        out += char16_t(code);
        return;
    }
    code -= 0x10000;
    out += char16_t(0xD800 + (code >> 10));
    out += char16_t(0xDC00 + (code & 0x3FF));
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `i` and moves past it; a malformed byte gives
// U+FFFD and is skipped alone, so bad input never swallows good text after it.
char32_t decodeUtf8(const std::string& text, size_t& i) {
    const unsigned char lead = text[i];
    int length = lead < 0x80 ? 1 : lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (lead >= 0xF5) length = 0;
    if (length == 0 || i + length > text.size()) {
        ++i;
        return REPLACEMENT;
    }
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const unsigned char next = text[i + k];
        if ((next & 0xC0) != 0x80) {
            ++i;
            return REPLACEMENT;
        }
        code = (code << 6) | (next & 0x3F);
    }
    static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
        ++i;
        return REPLACEMENT;
    }
    i += length;
    return code;
}

String fromAscii(const std::string& text) { return String(text.begin(), text.end()); }

String formatNumber(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return fromAscii(buffer);
}

int digitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// The Unicode case table of the C library; plain ASCII if that locale is missing.
char16_t upperUnit(char16_t c) {
    static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(0));
    if (c >= 0xD800 && c < 0xE000) return c;
    if (!unicode) return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
    const wint_t upper = towupper_l(wint_t(c), unicode);
    return upper < 0x10000 ? char16_t(upper) : c;
}

}  // namespace

String toString16(const std::string& utf8) {
    String out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) appendCodePoint(out, decodeUtf8(utf8, i));
    return out;
}

std::string toUtf8(const String& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        const bool high = code >= 0xD800 && code < 0xDC00;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (code >= 0xD800 && code < 0xE000) {
            code = REPLACEMENT;
        }
        appendUtf8(out, code);
    }
    return out;
}

int compareStrings(const String& a, const String& b) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        if (a[i] != b[i]) return int(a[i]) - int(b[i]);
    }
    return int(a.size()) - int(b.size());
}

String intToString(int value) { return fromAscii(std::to_string(value)); }

String floatToString(float value) { return formatNumber("%#.9g", value); }

String doubleToString(double value) { return formatNumber("%#.17g", value); }

int stringToInt(const String& text) {
    size_t i = 0;
    while (i < text.size() && text[i] != 0 && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    int base = 10;
    if (i < text.size() && (text[i] == u'%' || text[i] == u'$')) base = text[i++] == u'%' ? 2 : 16;
    // Accumulates unsigned so an overlong number wraps like 32-bit arithmetic instead of overflowing.
    uint32_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i]);
        if (digit < 0 || digit >= base) break;
        value = value * uint32_t(base) + uint32_t(digit);
    }
    return int(negative ? 0u - value : value);
}

int floatToInt(double value) {
    // Truncates toward zero; values an int cannot hold saturate instead of being undefined.
    if (std::isnan(value)) return 0;
    if (value >= 2147483648.0) return INT_MAX;
    if (value <= -2147483649.0) return INT_MIN;
    return int(value);
}

String trim(const String& text) {
    size_t first = 0, last = text.size();
    while (first < last && isBlank(text[first])) ++first;
    while (last > first && isBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

String upper(const String& text) {
    String out = text;
    for (char16_t& c : out) c = upperUnit(c);
    return out;
}

String mid(const String& text, int start, int n) {
    // A start before the first character eats into the count, as if the text began earlier.
    long long first = start - 1LL;
    long long last = n < 0 ? (long long)text.size() : first + n;
    first = std::max(first, 0LL);
    last = std::min(last, (long long)text.size());
    if (first >= last) return String();
    return text.substr(size_t(first), size_t(last - first));
}

String left(const String& text, int n) { return n <= 0 ? String() : text.substr(0, size_t(n)); }

int instr(const String& text, const String& part, int start) {
    if (start < 1) start = 1;
    if (size_t(start - 1) > text.size()) return 0;
    const size_t found = text.find(part, size_t(start - 1));
    return found == String::npos ? 0 : int(found) + 1;
}

std::vector<String> split(const String& text, const String& separator) {
    std::vector<String> pieces;
    if (separator.empty()) {
        size_t i = 0;
        while (true) {
            while (i < text.size() && isBlank(text[i])) ++i;
            if (i == text.size()) return pieces;
            const size_t begin = i;
            while (i < text.size() && !isBlank(text[i])) ++i;
            pieces.push_back(text.substr(begin, i - begin));
        }
    }
    size_t begin = 0;
    for (size_t found; (found = text.find(separator, begin)) != String::npos; begin = found + separator.size()) {
        pieces.push_back(text.substr(begin, found - begin));
    }
    pieces.push_back(text.substr(begin));
    return pieces;
}

int asc(const String& text) { return text.empty() ? -1 : int(text[0]); }

String chr(int code) { return String(1, char16_t(code & 0xFFFF)); }

float sinDeg(float degrees) { return float(std::sin(degrees * RADIANS_PER_DEGREE)); }

float cosDeg(float degrees) { return float(std::cos(degrees * RADIANS_PER_DEGREE)); }

float asinDeg(float value) { return float(std::asin(double(value)) / RADIANS_PER_DEGREE); }
