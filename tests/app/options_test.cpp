// The command line.
#include <gtest/gtest.h>

#include "app/options.h"

TEST(Options, HarnessOptionsAndUnknownArguments) {
    GameOptions options = parseOptions({"--headless", "-x", "--version", "--frames", "90", "--seed", "7", "--script",
                                        "s.txt", "--no-pixels", "--stats", "--dump", "d.json", "-v", "-v"});
    EXPECT_TRUE(options.headless);
    EXPECT_TRUE(options.noPixels);
    EXPECT_TRUE(options.stats);
    EXPECT_EQ(options.frames, 90);
    EXPECT_EQ(options.seed, 7);
    EXPECT_EQ(options.scriptFile, "s.txt");
    EXPECT_EQ(options.dumpFile, "d.json");
    EXPECT_EQ(options.versionRequests, 2);
    EXPECT_TRUE(options.version);
}

TEST(Options, BadNumbersAndMissingValuesAreIgnored) {
    GameOptions options = parseOptions({"--frames", "ten", "--seed", "12x", "--trace"});
    EXPECT_EQ(options.frames, 0);
    EXPECT_FALSE(options.seed.has_value());
    EXPECT_EQ(options.traceFile, "");
}

TEST(Options, HelpListsEveryOption) {
    std::string help = optionsHelp();
    for (const char* name : {"-v", "--headless", "--no-pixels", "--frames", "--seed", "--script", "--stats", "--trace",
                             "--dump", "--level", "--autoplay", "--help", "--version", "PENDREL_DATA"}) {
        EXPECT_NE(help.find(name), std::string::npos) << name;
    }
}
