// The libFuzzer program: one binary for every entry, chosen by PENDREL_FUZZ_TARGET
// ("list" prints the names). Built only by the clang fuzzing configuration.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_targets.h"
#include "platform/platform.h"

namespace {
const FuzzTarget* target = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* name = std::getenv("PENDREL_FUZZ_TARGET");
    target = name ? findFuzzTarget(name) : nullptr;
    if (!target) {
        for (const FuzzTarget& each : fuzzTargets()) std::printf("%s\n", each.name);
        std::exit(name && std::string(name) == "list" ? 0 : 2);
    }
    PlatformConfig config;
    config.headless = true;
    config.noPixels = true;
    initPlatform(config);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    target->run(data, size);
    return 0;
}
