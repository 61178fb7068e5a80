// The option table.
#include "app/options.h"

#include <algorithm>
#include <charconv>
#include <functional>

namespace {

struct OptionRow {
    const char* name;
    const char* value;  // name of the value, or null for a switch
    const char* help;
    std::function<void(GameOptions&, const std::string&)> apply;
};

std::optional<int> parseNumber(const std::string& text) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// An unknown kind leaves the choice to the game.
RendererChoice parseRenderer(const std::string& text) {
    if (text == "software") return RendererChoice::Software;
    if (text == "accelerated") return RendererChoice::Accelerated;
    return RendererChoice::Automatic;
}

const std::vector<OptionRow>& optionTable() {
    static const std::vector<OptionRow> table = {
        {"-v", nullptr, "show the version boxes",
         [](GameOptions& o, const std::string&) { o.versionRequests += 1; }},
        {"--headless", nullptr, "no window, no audio device; software drawing offscreen; virtual clock (25 ms a frame)",
         [](GameOptions& o, const std::string&) { o.headless = true; }},
        {"--no-pixels", nullptr, "with --headless: drawing does nothing (all game logic still runs)",
         [](GameOptions& o, const std::string&) { o.noPixels = true; }},
        {"--frames", "N", "end the run after frame N (exit code 0)",
         [](GameOptions& o, const std::string& v) { o.frames = parseNumber(v).value_or(0); }},
        {"--seed", "N", "seed the random generator with N instead of the clock",
         [](GameOptions& o, const std::string& v) { o.seed = parseNumber(v); }},
        {"--script", "FILE", "scripted input (see the README)",
         [](GameOptions& o, const std::string& v) { o.scriptFile = v; }},
        {"--stats", nullptr, "print frame statistics to stderr at exit",
         [](GameOptions& o, const std::string&) { o.stats = true; }},
        {"--trace", "FILE", "write the diagnostic trace lines to FILE",
         [](GameOptions& o, const std::string& v) { o.traceFile = v; }},
        {"--dump", "FILE", "write a JSON snapshot of the game state to FILE at exit",
         [](GameOptions& o, const std::string& v) { o.dumpFile = v; }},
        {"--level", "N", "start directly in match-3 level N (1..80) with the current player, or a new one",
         [](GameOptions& o, const std::string& v) { o.level = parseNumber(v).value_or(0); }},
        {"--autoplay", nullptr, "a built-in player plays through the mouse and keys: with --level that level, the run ending "
         "after it is won; without, the whole campaign from the plain start, quitting at its end",
         [](GameOptions& o, const std::string&) { o.autoplay = true; }},
        {"--renderer", "KIND",
         "what draws into the window: software (our own, on the CPU) or accelerated (the GPU's); "
         "without it the GPU's where it is real hardware, else software",
         [](GameOptions& o, const std::string& v) { o.renderer = parseRenderer(v); }},
        {"--help", nullptr, "print this list and exit",
         [](GameOptions& o, const std::string&) { o.help = true; }},
        {"--version", nullptr, "print the name and version and exit",
         [](GameOptions& o, const std::string&) { o.version = true; }},
    };
    return table;
}

const OptionRow* findOption(const std::string& name) {
    for (const OptionRow& row : optionTable()) {
        if (name == row.name) return &row;
    }
    return nullptr;
}

}  // namespace

GameOptions parseOptions(const std::vector<std::string>& args) {
    GameOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const OptionRow* option = findOption(args[i]);
        if (option == nullptr) continue;
        if (option->value == nullptr) {
            option->apply(options, "");
        } else if (i + 1 < args.size()) {
            option->apply(options, args[++i]);
        }
    }
    return options;
}

std::string optionsHelp() {
    std::string text = "Usage: pendrel [options]\n";
    for (const OptionRow& row : optionTable()) {
        std::string left = std::string("  ") + row.name + (row.value ? std::string(" ") + row.value : "");
        left.resize(std::max<size_t>(left.size() + 2, 18), ' ');
        text += left + row.help + "\n";
    }
    return text +
           "Environment:\n  PENDREL_DATA    the game's data folder; without it ../share/pendrel beside the program's\n"
           "                  folder, then data/ in the working folder\n";
}
