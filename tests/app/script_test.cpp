// Reading test scripts: commands, expansions and malformed lines.
#include <gtest/gtest.h>

#include "app/script.h"
#include "platform/platform.h"

namespace {

ScriptPlayer parsed(const std::string& text) {
    std::string error;
    auto player = ScriptPlayer::parse(text, "t.txt", error);
    EXPECT_TRUE(player.has_value()) << error;
    return player.value_or(ScriptPlayer());
}

std::string errorOf(const std::string& text) {
    std::string error;
    EXPECT_FALSE(ScriptPlayer::parse(text, "t.txt", error).has_value()) << text;
    return error;
}

TEST(Script, ClickPressesNowAndReleasesNextFrame) {
    ScriptPlayer player = parsed("5 click 100 200\n");
    auto now = player.eventsAt(5);
    ASSERT_EQ(now.size(), 2u);
    EXPECT_EQ(now[0].kind, ScriptEvent::Move);
    EXPECT_EQ(now[0].a, 100);
    EXPECT_EQ(now[0].b, 200);
    EXPECT_EQ(now[1].kind, ScriptEvent::Press);
    auto next = player.eventsAt(6);
    ASSERT_EQ(next.size(), 1u);
    EXPECT_EQ(next[0].kind, ScriptEvent::Release);
}

TEST(Script, TapKeysAndButtons) {
    ScriptPlayer player = parsed("1 tap f3\n2 press right\n2 release middle\n3 keydown z\n");
    EXPECT_EQ(player.eventsAt(1)[0].a, KEY_F1 + 2);
    EXPECT_EQ(player.eventsAt(2)[0].kind, ScriptEvent::KeyUp);
    EXPECT_EQ(player.eventsAt(2)[1].a, 2);
    EXPECT_EQ(player.eventsAt(2)[2].a, 3);
    EXPECT_EQ(player.eventsAt(3)[0].a, KEY_Z);
}

TEST(Script, CommentsBlankLinesShotsAndQuit) {
    ScriptPlayer player = parsed("# intro\n\n  \n10 shot out/a b.png\n10 shot c.png\r\n12 quit\n");
    EXPECT_EQ(player.shotsAt(10), (std::vector<std::string>{"out/a b.png", "c.png"}));
    EXPECT_FALSE(player.quitsAt(11));
    EXPECT_TRUE(player.quitsAt(12));
}

TEST(Script, TypeKeepsTheRestOfTheLine) {
    ScriptPlayer player = parsed("4 type Hello  World\n");
    EXPECT_EQ(player.eventsAt(4)[0].text, "Hello  World");
}

TEST(Script, WindowEvents) {
    ScriptPlayer player = parsed("1 focus lost\n2 focus gained\n3 close\n");
    EXPECT_EQ(player.eventsAt(1)[0].a, EVENT_SUSPEND);
    EXPECT_EQ(player.eventsAt(2)[0].a, EVENT_RESUME);
    EXPECT_EQ(player.eventsAt(3)[0].kind, ScriptEvent::Close);
}

// Every malformed line stops the parse with the file, the line and what is wrong with it.
TEST(Script, MalformedLinesNameFileLineAndTheFault) {
    const std::pair<const char*, const char*> cases[] = {
        {"1 move 3 4\nx click 1 2\n", "t.txt:2: a line starts with a frame number (1 to 2147483646)"},
        {"0 quit\n", "t.txt:1: a line starts with a frame number (1 to 2147483646)"},
        {"3\n", "t.txt:1: a command follows the frame number"},
        {"3 jump\n", "t.txt:1: unknown command 'jump'"},
        {"3 move 1\n", "t.txt:1: move needs X Y"},
        {"3 move 1 2 3\n", "t.txt:1: move needs X Y"},
        {"3 click 1 y\n", "t.txt:1: click needs X Y"},
        {"3 tap f11\n", "t.txt:1: unknown key 'f11'"},
        {"3 keyup\n", "t.txt:1: unknown key ''"},
        {"3 press thumb\n", "t.txt:1: unknown button 'thumb'"},
        {"3 release left left\n", "t.txt:1: unknown button 'left'"},
        {"3 focus away\n", "t.txt:1: focus needs lost or gained"},
        {"3 shot\n", "t.txt:1: shot needs a file name"},
        {"3 quit now\n", "t.txt:1: quit takes no arguments"},
        {"3 close 1\n", "t.txt:1: close takes no arguments"},
    };
    for (const auto& [text, message] : cases) EXPECT_EQ(errorOf(text), message) << text;
}

// Frames run from 1 to one below the largest number, since a click or tap also uses the next one.
TEST(Script, FrameNumbersAreCheckedOnBothEnds) {
    EXPECT_EQ(parsed("1 quit\n").quitsAt(1), true);
    ScriptPlayer last = parsed("2147483646 tap a\n");
    ASSERT_EQ(last.eventsAt(2147483647).size(), 1u);
    EXPECT_EQ(last.eventsAt(2147483647)[0].kind, ScriptEvent::KeyUp);
    for (const char* line : {"2147483647 click 1 2\n", "2147483648 quit\n", "-1 quit\n", "+3 quit\n", "3x quit\n"})
        EXPECT_EQ(errorOf(line), "t.txt:1: a line starts with a frame number (1 to 2147483646)") << line;
}

TEST(Script, KeyNames) {
    EXPECT_EQ(scriptKeyCode("enter"), 13);
    EXPECT_EQ(scriptKeyCode("escape"), 27);
    EXPECT_EQ(scriptKeyCode("backspace"), 8);
    EXPECT_EQ(scriptKeyCode("f10"), 121);
    EXPECT_EQ(scriptKeyCode("a"), 65);
    EXPECT_EQ(scriptKeyCode("9"), 57);
    EXPECT_EQ(scriptKeyCode("F1"), 0);
    EXPECT_EQ(scriptKeyCode("f0"), 0);
    EXPECT_EQ(scriptKeyCode(""), 0);
}

TEST(Script, MissingFileIsAnError) {
    std::string error;
    EXPECT_FALSE(ScriptPlayer::load("/nonexistent/script.txt", error).has_value());
    EXPECT_NE(error.find("/nonexistent/script.txt"), std::string::npos);
}

}  // namespace

TEST(ScriptFeed, TypedTextAndTheEditingKeysReachTheCharacterQueueInOrder) {
    flushKeys();
    ScriptPlayer player = parsed("3 type Ab\n3 tap backspace\n3 tap enter\n4 tap z\n");
    player.feed(3);
    player.feed(4);
    std::vector<int> typed;
    for (int c = getChar(); c != 0; c = getChar()) typed.push_back(c);
    EXPECT_EQ(typed, (std::vector<int>{'A', 'b', 8, 13})) << "a letter key types nothing by itself";
    EXPECT_TRUE(keyDown(KEY_Z));
    flushKeys();
}

// The pointer, the buttons, a key let go and the window events reach the platform's input state.
TEST(ScriptFeed, PointerButtonsKeysAndWindowEventsReachTheInputState) {
    flushKeys();
    flushMouse();
    while (peekEvent()) pollEvent();
    ScriptPlayer player = parsed(
        "1 move 321 123\n1 press right\n1 keydown q\n2 release right\n2 keyup q\n"
        "3 focus lost\n3 focus gained\n3 close\n");
    player.feed(1);
    EXPECT_EQ(mouseX(), 321);
    EXPECT_EQ(mouseY(), 123);
    EXPECT_EQ(mouseDown(2), 1);
    EXPECT_EQ(mouseDown(1), 0) << "the right button only";
    EXPECT_EQ(mouseHit(2), 1);
    EXPECT_TRUE(keyDown(KEY_A + ('q' - 'a')));
    player.feed(2);
    EXPECT_EQ(mouseDown(2), 0);
    EXPECT_FALSE(keyDown(KEY_A + ('q' - 'a')));
    player.feed(3);
    std::vector<int> events;
    while (peekEvent()) {
        pollEvent();
        events.push_back(eventId());
    }
    EXPECT_EQ(events, (std::vector<int>{EVENT_SUSPEND, EVENT_RESUME, EVENT_CLOSE}));
    EXPECT_EQ(closeRequested(), 1);
    flushKeys();
    flushMouse();
}
