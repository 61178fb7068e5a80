#include "source_log.h"

#include <cstdio>

#include <zlib.h>

namespace tools {

std::string crc32Hex(const Bytes& bytes) {
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), bytes.data(), uInt(bytes.size()));
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08lx", crc);
    return hex;
}

SourceLog::SourceLog(const std::filesystem::path& source) {
    lines.push_back("source " + source.filename().string() + " " + crc32Hex(readFile(source)));
}

void SourceLog::addPicture(const std::filesystem::path& picture, const std::string& note) {
    lines.push_back(picture.filename().string() + " " + crc32Hex(readFile(picture)) + " " + note);
}

void SourceLog::write(const std::filesystem::path& file) const {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    writeFile(file, Bytes(text.begin(), text.end()));
}

}  // namespace tools
