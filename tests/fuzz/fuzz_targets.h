// The readers a damaged or replaced file reaches, each as one entry taking the file's bytes.
// The libFuzzer program and the unit test that replays the seed and regression files share
// these entries, so a fault found by fuzzing stays fixed in the normal test build.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct FuzzTarget {
    const char* name;
    // Hands the bytes to the reader as the game would meet them (mostly as a file in a
    // scratch folder); any escaping exception or sanitizer report is a fault.
    void (*run)(const uint8_t* data, size_t size);
};

const std::vector<FuzzTarget>& fuzzTargets();
// The target of that name, or null.
const FuzzTarget* findFuzzTarget(const std::string& name);
