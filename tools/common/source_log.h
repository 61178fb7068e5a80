// The record a generator keeps of the hand-written source it painted words from: the
// source's name and checksum, then every picture it wrote with the picture's checksum and
// a note (the words on it). The data tests read it to tell that the pictures in the data
// folder were painted from the build's edition, and not left over from another.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "image_io.h"

namespace tools {

// The CRC-32 of the bytes as eight lower-case hex digits (zlib's crc32).
std::string crc32Hex(const Bytes& bytes);

class SourceLog {
public:
    explicit SourceLog(const std::filesystem::path& source);

    // Adds a picture already written to disk, under its file name.
    void addPicture(const std::filesystem::path& picture, const std::string& note);

    // Writes "source NAME CRC" and one "FILE CRC NOTE" line per picture (LF line ends).
    void write(const std::filesystem::path& file) const;

private:
    std::vector<std::string> lines;
};

}  // namespace tools
