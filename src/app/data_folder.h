// Where the game's data folder is: $PENDREL_DATA when set, then share/pendrel/ beside the
// program's own folder (an installed game, started from any working folder), then the
// working folder's data/ (a build folder during development).
#pragma once

#include <optional>
#include <string>
#include <vector>

// The folders to try, in order. `environment` is $PENDREL_DATA (null or empty when unset),
// `executable` the program's absolute path ("" when unknown).
std::vector<std::string> dataFolderCandidates(const char* environment, const std::string& executable);
// The first candidate that is a folder.
std::optional<std::string> firstExistingFolder(const std::vector<std::string>& candidates);
// The message for a game without data: every folder tried, relative ones made absolute.
std::string missingDataMessage(const std::vector<std::string>& tried);
// Finds this process's data folder and hands it to the platform layer; when there is none,
// returns the message to show instead.
std::optional<std::string> locateDataFolder();
