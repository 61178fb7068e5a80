// Compiles a hand-written language edition (UTF-8, CR LF, "key=value" lines) into the
// game's language file: the same lines in ISO 8859-1, after checking every key the
// game asks for is there exactly once with a text, and nothing else is.
#pragma once

#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/image_io.h"

namespace texts {

// A source that breaks a rule; the message names the line.
struct EditionError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The keys of the key list: the first word of every line that is not blank or a comment.
std::set<std::string> readKeyList(const tools::Bytes& keyList);

// Checks the edition against the keys and returns the language file's bytes.
// Throws EditionError for a line without CR LF or "=", an empty key or text, a key
// given twice, a key missing from or unknown to the list, or a character the game's
// fonts do not have (anything outside Latin-1 32..126 and 160..255).
tools::Bytes compileEdition(const tools::Bytes& source, const std::set<std::string>& keys);

}  // namespace texts
