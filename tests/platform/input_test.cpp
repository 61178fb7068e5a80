#include <gtest/gtest.h>

#include <vector>

#include "platform/keymap.h"
#include "platform/platform.h"

namespace {

class Input : public ::testing::Test {
protected:
    void SetUp() override {
        flushKeys();
        flushMouse();
        while (peekEvent()) pollEvent();
        closeRequested();
    }
};

}  // namespace

TEST_F(Input, KeyHitsAccumulateUntilRead) {
    injectKey(KEY_ESCAPE, true);
    injectKey(KEY_ESCAPE, false);
    injectKey(KEY_ESCAPE, true);
    EXPECT_EQ(keyDown(KEY_ESCAPE), 1);
    EXPECT_EQ(keyHit(KEY_ESCAPE), 2);
    EXPECT_EQ(keyHit(KEY_ESCAPE), 0);
    injectKey(KEY_ESCAPE, false);
    EXPECT_EQ(keyDown(KEY_ESCAPE), 0);
    EXPECT_EQ(keyHit(KEY_SPACE), 0);
    injectKey(300, true);
    injectKey(-1, true);
    EXPECT_EQ(keyHit(300), 0);
    EXPECT_EQ(keyDown(-1), 0);
}

TEST_F(Input, TypedCharactersQueueUpTo256) {
    for (int i = 0; i < 300; ++i) injectChar('a' + i % 26);
    int read = 0;
    while (int code = getChar()) {
        EXPECT_EQ(code, 'a' + read % 26);
        ++read;
    }
    EXPECT_EQ(read, 256);
    injectChar('x');
    injectMouseButton(1, true);
    flushKeys();
    EXPECT_EQ(getChar(), 0);
    EXPECT_EQ(mouseDown(1), 1);  // flushKeys leaves the mouse alone
}

TEST_F(Input, MouseButtonsWheelAndPosition) {
    injectMouseMove(512, 384);
    injectMouseButton(1, true);
    injectMouseButton(1, false);
    injectMouseButton(2, true);
    injectMouseButton(9, true);
    injectWheel(2);
    injectWheel(-3);
    EXPECT_EQ(mouseX(), 512);
    EXPECT_EQ(mouseY(), 384);
    EXPECT_EQ(mouseHit(1), 1);
    EXPECT_EQ(mouseHit(1), 0);
    EXPECT_EQ(mouseDown(1), 0);
    EXPECT_EQ(mouseDown(2), 1);
    EXPECT_EQ(mouseHit(9), 0);
    EXPECT_EQ(mouseZSpeed(), -1);
    EXPECT_EQ(mouseZSpeed(), 0);
    flushMouse();
    EXPECT_EQ(mouseDown(2), 0);
    EXPECT_EQ(mouseX(), 512);
}

TEST_F(Input, SuspendAndResumeFlushInputAndQueueInOrder) {
    injectKey(KEY_F1, true);
    injectChar('q');
    injectMouseButton(1, true);
    injectEvent(EVENT_SUSPEND);
    EXPECT_EQ(keyDown(KEY_F1), 0);
    EXPECT_EQ(keyHit(KEY_F1), 0);
    EXPECT_EQ(getChar(), 0);
    EXPECT_EQ(mouseHit(1), 0);
    injectKey(KEY_ENTER, true);
    injectMouseButton(2, true);
    injectEvent(EVENT_RESUME);
    EXPECT_EQ(keyHit(KEY_ENTER), 0);
    EXPECT_EQ(mouseDown(2), 0);
    injectEvent(EVENT_CLOSE);

    std::vector<int> ids;
    while (peekEvent()) {
        pollEvent();
        ids.push_back(eventId());
    }
    EXPECT_EQ(ids, (std::vector<int>{257, 258, 259}));
    pollEvent();
    EXPECT_EQ(eventId(), 0);
    EXPECT_EQ(closeRequested(), 1);
    EXPECT_EQ(closeRequested(), 0);
}

TEST_F(Input, WindowSystemKeysMapToGameCodes) {
    EXPECT_EQ(virtualKeyFromSdl('a'), KEY_A);
    EXPECT_EQ(virtualKeyFromSdl('r'), KEY_R);
    EXPECT_EQ(virtualKeyFromSdl('z'), KEY_Z);
    EXPECT_EQ(virtualKeyFromSdl('0'), KEY_0);
    EXPECT_EQ(virtualKeyFromSdl('\r'), KEY_ENTER);
    EXPECT_EQ(virtualKeyFromSdl(27), KEY_ESCAPE);
    EXPECT_EQ(virtualKeyFromSdl(' '), KEY_SPACE);
    EXPECT_EQ(virtualKeyFromSdl('\b'), KEY_BACKSPACE);
    EXPECT_EQ(virtualKeyFromSdl((1 << 30) | 58), KEY_F1);   // the window system's F1
    EXPECT_EQ(virtualKeyFromSdl((1 << 30) | 67), KEY_F10);  // and F10
    EXPECT_EQ(virtualKeyFromSdl('A'), 0);
    EXPECT_EQ(gameButtonFromSdl(1), 1);
    EXPECT_EQ(gameButtonFromSdl(3), 2);
    EXPECT_EQ(gameButtonFromSdl(2), 3);
    EXPECT_EQ(gameButtonFromSdl(4), 0);
}

// The queue feeds the name entry: what the window system types in UTF-8 arrives as the fonts'
// ISO 8859-1 codes, and nothing else gets through.
TEST_F(Input, TypedTextKeepsLatin1AndDropsEverythingElse) {
    injectText("a\xC3\xA9\xE2\x82\xAC\xE4\xB8\xAD\xF0\x9F\x98\x80\x01\x7F\xC2\x85\xC2\xA0\xC3\xBFz");
    std::vector<int> codes;
    while (int code = getChar()) codes.push_back(code);
    EXPECT_EQ(codes, (std::vector<int>{'a', 0xE9, 0xA0, 0xFF, 'z'})) << "euro, CJK, emoji and controls dropped";

    for (int code : {0, 1, 9, 10, 27, 127, 0x9F, 0x100, 0x20AC, -5}) injectChar(code);
    EXPECT_EQ(getChar(), 0);
    injectChar(8);
    injectChar(13);
    EXPECT_EQ(getChar(), 8);
    EXPECT_EQ(getChar(), 13);
}

TEST_F(Input, BackspaceAndEnterKeysQueueTheirCharacterAndFlushCharsKeepsTheKeys) {
    injectKey(KEY_BACKSPACE, true);
    injectKey(KEY_BACKSPACE, false);
    injectKey(KEY_ENTER, true);
    injectKey(KEY_A, true);
    EXPECT_EQ(getChar(), 8);
    EXPECT_EQ(getChar(), 13);
    EXPECT_EQ(getChar(), 0) << "other keys type nothing by themselves";

    injectText("xy");
    flushChars();
    EXPECT_EQ(getChar(), 0);
    EXPECT_EQ(keyDown(KEY_ENTER), 1);
    EXPECT_EQ(keyHit(KEY_ENTER), 1);
}
