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

TEST(Options, LevelAndAutoplay) {
    GameOptions options = parseOptions({"--level", "80", "--autoplay"});
    EXPECT_EQ(options.level, 80);
    EXPECT_TRUE(options.autoplay);
    EXPECT_EQ(parseOptions({"--level", "1"}).level, 1);
    EXPECT_FALSE(parseOptions({"--level", "1"}).autoplay);
    // The number is taken as given; the start refuses one outside 1..80 and plays the intro.
    EXPECT_EQ(parseOptions({"--level", "81"}).level, 81);
    EXPECT_EQ(parseOptions({"--level", "0"}).level, 0);
    EXPECT_EQ(parseOptions({"--level", "5x"}).level, 0);
    EXPECT_EQ(parseOptions({"--level"}).level, 0);
    // A switch takes no value: the next argument is read on its own.
    GameOptions switched = parseOptions({"--autoplay", "--level", "7"});
    EXPECT_TRUE(switched.autoplay);
    EXPECT_EQ(switched.level, 7);
}

TEST(Options, RendererKinds) {
    EXPECT_EQ(parseOptions({}).renderer, RendererChoice::Automatic);
    EXPECT_EQ(parseOptions({"--renderer", "software"}).renderer, RendererChoice::Software);
    EXPECT_EQ(parseOptions({"--renderer", "accelerated"}).renderer, RendererChoice::Accelerated);
    // An unknown kind leaves the choice to the game; a missing one too.
    EXPECT_EQ(parseOptions({"--renderer", "Software"}).renderer, RendererChoice::Automatic);
    EXPECT_EQ(parseOptions({"--renderer"}).renderer, RendererChoice::Automatic);
}

TEST(Options, HelpListsEveryOption) {
    std::string help = optionsHelp();
    for (const char* name : {"-v", "--headless", "--no-pixels", "--frames", "--seed", "--script", "--stats", "--trace",
                             "--dump", "--level", "--autoplay", "--renderer", "--help", "--version", "PENDREL_DATA"}) {
        EXPECT_NE(help.find(name), std::string::npos) << name;
    }
}
