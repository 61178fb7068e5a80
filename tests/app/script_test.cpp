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

TEST(Script, MalformedLinesNameFileAndLine) {
    EXPECT_EQ(errorOf("1 move 3 4\nx click 1 2\n").rfind("t.txt:2: ", 0), 0u);
    EXPECT_NE(errorOf("0 quit\n"), "");
    EXPECT_NE(errorOf("3\n"), "");
    EXPECT_NE(errorOf("3 jump\n"), "");
    EXPECT_NE(errorOf("3 move 1\n"), "");
    EXPECT_NE(errorOf("3 move 1 2 3\n"), "");
    EXPECT_NE(errorOf("3 tap f11\n"), "");
    EXPECT_NE(errorOf("3 press thumb\n"), "");
    EXPECT_NE(errorOf("3 focus away\n"), "");
    EXPECT_NE(errorOf("3 shot\n"), "");
    EXPECT_NE(errorOf("3 quit now\n"), "");
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
