#include "source_lines.h"

#include <sstream>

namespace tools {

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<SourceLine> contentLines(const std::string& source) {
    std::vector<SourceLine> lines;
    std::istringstream in(source);
    int number = 0;
    for (std::string raw; std::getline(in, raw);) {
        const std::string line = trimmed(raw);
        ++number;
        if (!line.empty() && line[0] != '#') lines.push_back({number, line});
    }
    return lines;
}

}  // namespace tools
