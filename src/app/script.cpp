// Parsing and playing input scripts.
#include "app/script.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "platform/platform.h"

namespace {

// A click or a tap also acts on the frame after its own, which must still be a number.
constexpr int LAST_FRAME = std::numeric_limits<int>::max() - 1;
constexpr uintmax_t SCRIPT_BYTES_LIMIT = uintmax_t(16) << 20;

struct LineParser {
    std::istringstream words;
    std::string rest() {
        std::string text;
        std::getline(words >> std::ws, text);
        return text;
    }
};

bool readNumber(std::istringstream& words, int& value) {
    std::string word;
    if (!(words >> word)) return false;
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc() && end == word.data() + word.size();
}

int buttonNumber(const std::string& name) {
    if (name.empty() || name == "left") return 1;
    if (name == "right") return 2;
    if (name == "middle") return 3;
    return 0;
}

bool atEnd(std::istringstream& words) {
    std::string extra;
    return !(words >> extra);
}

// Turns one command (after the frame number) into events; returns an error text or "".
std::string parseCommand(int frame, const std::string& command, LineParser& line,
                         std::multimap<int, ScriptEvent>& out) {
    auto add = [&](int at, ScriptEvent event) { out.emplace(at, std::move(event)); };
    if (command == "move" || command == "click") {
        int x = 0, y = 0;
        if (!readNumber(line.words, x) || !readNumber(line.words, y) || !atEnd(line.words))
            return command + " needs X Y";
        add(frame, {ScriptEvent::Move, x, y, {}});
        if (command == "click") {
            add(frame, {ScriptEvent::Press, 1, 0, {}});
            add(frame + 1, {ScriptEvent::Release, 1, 0, {}});
        }
        return "";
    }
    if (command == "press" || command == "release") {
        std::string name;
        line.words >> name;
        int button = buttonNumber(name);
        if (button == 0 || !atEnd(line.words)) return "unknown button '" + name + "'";
        add(frame, {command == "press" ? ScriptEvent::Press : ScriptEvent::Release, button, 0, {}});
        return "";
    }
    if (command == "keydown" || command == "keyup" || command == "tap") {
        std::string name;
        line.words >> name;
        int key = scriptKeyCode(name);
        if (key == 0 || !atEnd(line.words)) return "unknown key '" + name + "'";
        add(frame, {command == "keyup" ? ScriptEvent::KeyUp : ScriptEvent::KeyDown, key, 0, {}});
        if (command == "tap") add(frame + 1, {ScriptEvent::KeyUp, key, 0, {}});
        return "";
    }
    if (command == "type") {
        add(frame, {ScriptEvent::Type, 0, 0, line.rest()});
        return "";
    }
    if (command == "focus") {
        std::string state;
        line.words >> state;
        if ((state != "lost" && state != "gained") || !atEnd(line.words)) return "focus needs lost or gained";
        add(frame, {ScriptEvent::Focus, state == "lost" ? EVENT_SUSPEND : EVENT_RESUME, 0, {}});
        return "";
    }
    if (command == "shot") {
        std::string file = line.rest();
        if (file.empty()) return "shot needs a file name";
        add(frame, {ScriptEvent::Shot, 0, 0, file});
        return "";
    }
    if (command == "close" || command == "quit") {
        if (!atEnd(line.words)) return command + " takes no arguments";
        add(frame, {command == "close" ? ScriptEvent::Close : ScriptEvent::Quit, 0, 0, {}});
        return "";
    }
    return "unknown command '" + command + "'";
}

}  // namespace

int scriptKeyCode(const std::string& name) {
    static const std::pair<const char*, int> named[] = {
        {"enter", KEY_ENTER}, {"escape", KEY_ESCAPE}, {"space", KEY_SPACE}, {"backspace", KEY_BACKSPACE}};
    for (const auto& [text, code] : named) {
        if (name == text) return code;
    }
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z') return KEY_A + (name[0] - 'a');
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return KEY_0 + (name[0] - '0');
    if (name.size() >= 2 && name[0] == 'f') {
        int number = 0;
        auto [end, error] = std::from_chars(name.data() + 1, name.data() + name.size(), number);
        if (error == std::errc() && end == name.data() + name.size() && number >= 1 && number <= 10)
            return KEY_F1 + number - 1;
    }
    return 0;
}

std::optional<ScriptPlayer> ScriptPlayer::load(const std::string& path, std::string& error) {
    // Only a regular file of bounded size is read: a folder would make the stream throw.
    std::error_code ignored;
    std::ifstream file;
    if (std::filesystem::is_regular_file(path, ignored) &&
        std::filesystem::file_size(path, ignored) <= SCRIPT_BYTES_LIMIT)
        file.open(path, std::ios::binary);
    if (!file.is_open()) {
        error = path + ": cannot be read";
        return std::nullopt;
    }
    std::ostringstream text;
    text << file.rdbuf();
    return parse(text.str(), path, error);
}

std::optional<ScriptPlayer> ScriptPlayer::parse(const std::string& text, const std::string& name, std::string& error) {
    ScriptPlayer player;
    std::istringstream lines(text);
    std::string raw;
    for (int number = 1; std::getline(lines, raw); ++number) {
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        size_t first = raw.find_first_not_of(" \t");
        if (first == std::string::npos || raw[first] == '#') continue;
        LineParser line{std::istringstream(raw)};
        int frame = 0;
        std::string command;
        std::string problem;
        if (!readNumber(line.words, frame) || frame < 1 || frame > LAST_FRAME) {
            problem = "a line starts with a frame number (1 to " + std::to_string(LAST_FRAME) + ")";
        } else if (!(line.words >> command)) {
            problem = "a command follows the frame number";
        } else {
            problem = parseCommand(frame, command, line, player.events_);
        }
        if (!problem.empty()) {
            error = name + ":" + std::to_string(number) + ": " + problem;
            return std::nullopt;
        }
    }
    return player;
}

std::vector<ScriptEvent> ScriptPlayer::eventsAt(int frame) const {
    std::vector<ScriptEvent> found;
    auto [begin, end] = events_.equal_range(frame);
    for (auto it = begin; it != end; ++it) found.push_back(it->second);
    return found;
}

void ScriptPlayer::feed(int frame) const {
    for (const ScriptEvent& event : eventsAt(frame)) {
        switch (event.kind) {
            case ScriptEvent::Move: injectMouseMove(event.a, event.b); break;
            case ScriptEvent::Press: injectMouseButton(event.a, true); break;
            case ScriptEvent::Release: injectMouseButton(event.a, false); break;
            case ScriptEvent::KeyDown: injectKey(event.a, true); break;
            case ScriptEvent::KeyUp: injectKey(event.a, false); break;
            case ScriptEvent::Type: injectText(event.text); break;
            case ScriptEvent::Focus: injectEvent(event.a); break;
            case ScriptEvent::Close: injectEvent(EVENT_CLOSE); break;
            case ScriptEvent::Shot:
            case ScriptEvent::Quit: break;
        }
    }
}

std::vector<std::string> ScriptPlayer::shotsAt(int frame) const {
    std::vector<std::string> files;
    for (const ScriptEvent& event : eventsAt(frame)) {
        if (event.kind == ScriptEvent::Shot) files.push_back(event.text);
    }
    return files;
}

bool ScriptPlayer::quitsAt(int frame) const {
    for (const ScriptEvent& event : eventsAt(frame)) {
        if (event.kind == ScriptEvent::Quit) return true;
    }
    return false;
}
