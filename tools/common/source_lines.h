// Reading the small hand-written sources of the tools (story, intro words): the lines that
// carry content, with their numbers for error messages.
#pragma once

#include <string>
#include <vector>

namespace tools {

// The text without leading and trailing spaces, tabs and carriage returns.
std::string trimmed(const std::string& text);

struct SourceLine {
    int number;        // from 1, as an editor counts
    std::string text;  // trimmed
};

// The source's lines, trimmed, without blank lines and '#' comment lines.
std::vector<SourceLine> contentLines(const std::string& source);

}  // namespace tools
