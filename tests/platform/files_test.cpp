#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "platform/platform.h"

namespace {

// Runs each test inside a fresh temporary working folder, since game paths are relative.
class Files : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/pendrel-files-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        previous = getcwd(nullptr, 0);
        ASSERT_EQ(chdir(folder.c_str()), 0);
    }
    void TearDown() override {
        ASSERT_EQ(chdir(previous), 0);
        std::free(previous);
        std::system(("rm -rf " + folder).c_str());
    }
    static void put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string get(const std::string& path) {
        std::ostringstream bytes;
        bytes << std::ifstream(path, std::ios::binary).rdbuf();
        return bytes.str();
    }

    std::string folder;
    char* previous = nullptr;
};

}  // namespace

TEST_F(Files, IntsAndStringsRoundTripInTheFileFormat) {
    Stream out = writeFile(u"data.bin");
    ASSERT_TRUE(out);
    writeInt(out, 0x12345678);
    writeInt(out, -2);
    writeString(out, u"A\u0142");  // only the low byte of each character
    writeByte(out, 7);
    closeStream(out);
    EXPECT_EQ(get("data.bin"), std::string("\x78\x56\x34\x12\xFE\xFF\xFF\xFF" "A\x42\x07", 11));

    Stream in = readFile(u"data.bin");
    ASSERT_TRUE(in);
    EXPECT_EQ(readInt(in), 0x12345678);
    EXPECT_EQ(readInt(in), -2);
    EXPECT_EQ(readString(in, 2), u"AB");
    EXPECT_EQ(eof(in), 0);
    EXPECT_EQ(readByte(in), 7);
    EXPECT_EQ(eof(in), 1);
    EXPECT_THROW(readInt(in), StreamError);
    EXPECT_THROW(readString(in, 1), StreamError);
    EXPECT_EQ(readString(in, 0), u"");
}

TEST_F(Files, ShortFilesRaiseReadErrors) {
    put("short.bin", "\x01\x02\x03");
    Stream in = readFile(u"short.bin");
    EXPECT_THROW(readInt(in), StreamError);
    Stream again = readFile(u"short.bin");
    EXPECT_THROW(readString(again, 1000000000), StreamError);  // a corrupt length, not an allocation
}

TEST_F(Files, LinesEndAtLineFeedNulOrEnd) {
    put("lines.txt", std::string("abc\r\nd\0e\n\xE9", 10));
    Stream in = readFile(u"lines.txt");
    EXPECT_EQ(readLine(in), u"abc");
    EXPECT_EQ(readLine(in), u"d");
    EXPECT_EQ(readLine(in), u"e");
    EXPECT_EQ(readLine(in), u"\u00e9");
    EXPECT_EQ(eof(in), 1);
    EXPECT_EQ(readLine(in), u"");

    Stream out = writeFile(u"out.txt");
    writeLine(out, u"x\u0141y");
    closeStream(out);
    EXPECT_EQ(get("out.txt"), "xAy\r\n");
}

TEST_F(Files, LoadTextDecodesByByteOrderMark) {
    put("be.txt", std::string("\xFE\xFF\x00\x41\x20\xAC", 6));
    put("le.txt", std::string("\xFF\xFE\x41\x00\xAC\x20\x42", 7));
    put("u8.txt", "\xEF\xBB\xBF" "a\xC3\xA9");
    put("latin.txt", "a\xE9");
    EXPECT_EQ(loadText(u"be.txt"), u"A\u20AC");
    EXPECT_EQ(loadText(u"le.txt"), u"A\u20AC");  // odd last byte dropped
    EXPECT_EQ(loadText(u"u8.txt"), u"a\u00e9");
    EXPECT_EQ(loadText(u"latin.txt"), u"a\u00e9");
    EXPECT_THROW(loadText(u"missing.txt"), StreamError);
}

TEST_F(Files, PathsResolveAcrossSeparatorsAndCase) {
    ASSERT_EQ(createDir(u"data/ui", 1), 1);
    put("data/ui/cursor.png", "png");
    EXPECT_EQ(fileType(u"data\\UI\\Cursor.PNG"), 1);
    EXPECT_EQ(fileType(u"DATA"), 2);
    EXPECT_EQ(fileType(u"data/ui/none.png"), 0);
    EXPECT_EQ(resolvePath(u"Data\\Ui\\cursor.png"), "data/ui/cursor.png");
    EXPECT_TRUE(readFile(u"Data/UI/cursor.png"));
    EXPECT_FALSE(readFile(u"data/ui/none.png"));
    EXPECT_FALSE(readFile(u"data/ui"));  // a folder is not a readable file

    // A new file lands in the folder that exists in another case.
    Stream out = writeFile(u"DATA/New.txt");
    ASSERT_TRUE(out);
    closeStream(out);
    EXPECT_EQ(get("data/New.txt"), "");
    EXPECT_FALSE(writeFile(u"missing/a.txt"));
}

// An installed game's data folder lies elsewhere: "data/..." names resolve below it, in any
// case, while other relative names stay in the working folder.
TEST_F(Files, DataNamesResolveBelowTheDataFolderWhereverItIs) {
    ASSERT_EQ(createDir(u"share/pendrel/ui", 1), 1);
    put("share/pendrel/ui/cursor.png", "png");
    put("notes.txt", "n");
    setDataFolder(folder + "/share/pendrel");
    EXPECT_EQ(resolvePath(u"Data\\UI\\Cursor.PNG"), folder + "/share/pendrel/ui/cursor.png");
    EXPECT_EQ(fileType(u"data"), 2);
    EXPECT_EQ(fileType(u"data/ui/none.png"), 0);
    EXPECT_EQ(fileType(u"notes.txt"), 1);
    EXPECT_EQ(fileType(u"database/x"), 0);  // only the whole first name counts
    EXPECT_EQ(resolvePath(u"database/x"), "database/x");
    setDataFolder("data");
    EXPECT_EQ(fileType(u"data/ui/cursor.png"), 0);
}

TEST_F(Files, FoldersAreCreatedAndQueried) {
    EXPECT_EQ(createDir(u"a/b/c", 0), 0);
    EXPECT_EQ(createDir(u"a/b/c/", 1), 1);
    EXPECT_EQ(fileType(u"a/b/c"), 2);
    EXPECT_EQ(createDir(u"a/b/c", 0), 1);  // already there
    EXPECT_NE(readDir(u"a/b"), 0);
    EXPECT_EQ(readDir(u"nothing"), 0);
    EXPECT_EQ(createDir(toString16(folder + "/abs/x"), 1), 1);
}

TEST_F(Files, ReadWriteStreamSwitchesDirection) {
    put("rw.bin", std::string("\x01\0\0\0\x02\0\0\0", 8));
    Stream both = openStream(u"rw.bin", true, true);
    ASSERT_TRUE(both);
    EXPECT_EQ(readInt(both), 1);
    writeInt(both, 99);
    closeStream(both);
    EXPECT_EQ(get("rw.bin"), std::string("\x01\0\0\0\x63\0\0\0", 8));
    EXPECT_FALSE(openStream(u"rw.bin", false, false));
    EXPECT_TRUE(openStream(u"fresh.bin", true, true));
}

TEST_F(Files, ReplaceFileSwapsInOneStep) {
    put("settings.txt", "old");
    put("settings.tmp", "new");
    EXPECT_TRUE(replaceFile(u"settings.tmp", u"settings.txt"));
    EXPECT_EQ(get("settings.txt"), "new");
    EXPECT_EQ(fileType(u"settings.tmp"), 0);
    EXPECT_FALSE(replaceFile(u"absent.tmp", u"settings.txt"));
    EXPECT_EQ(get("settings.txt"), "new");
}

TEST_F(Files, FailedFlushIsAWriteError) {
    if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
    Stream out = writeFile(u"/dev/full");
    ASSERT_TRUE(out);
    writeInt(out, 1);  // buffered; the disk refuses it at the flush
    EXPECT_THROW(closeStream(out), StreamError);
    EXPECT_NO_THROW(closeStream(out));
}
