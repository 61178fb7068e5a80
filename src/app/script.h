// Scripted input for headless runs: one command per line, "FRAME COMMAND ARGS". Each
// event reaches the platform through the same injection path as the window system's.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

struct ScriptEvent {
    enum Kind { Move, Press, Release, KeyDown, KeyUp, Type, Focus, Close, Shot, Quit };
    Kind kind = Move;
    int a = 0;  // x, button, key code or event id
    int b = 0;  // y
    std::string text;  // characters to type or the screenshot file
};

class ScriptPlayer {
public:
    // Parses a script; on a malformed line returns nothing and sets error to "FILE:LINE: reason".
    static std::optional<ScriptPlayer> load(const std::string& path, std::string& error);
    // Parses script text (the file name is used in error messages only).
    static std::optional<ScriptPlayer> parse(const std::string& text, const std::string& name,
                                             std::string& error);
    // Hands the input events of this frame to the platform; called before the input poll.
    void feed(int frame) const;
    // Screenshot files to write after this frame is drawn.
    std::vector<std::string> shotsAt(int frame) const;
    // True when the run ends after this frame.
    bool quitsAt(int frame) const;
    // All events of a frame, in script order (for tests).
    std::vector<ScriptEvent> eventsAt(int frame) const;

private:
    std::multimap<int, ScriptEvent> events_;
};

// Windows virtual-key code of a script key name ("enter", "f1", "a", "7" …); 0 if unknown.
int scriptKeyCode(const std::string& name);
