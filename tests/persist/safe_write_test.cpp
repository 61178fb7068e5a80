// Saving through a temporary file: a complete write replaces the old file; a write error, a
// flush error or a failed rename each keep the old file whole, leave no temporary file and
// report the failure.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "persist/safe_write.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;

class SafeWriteTest : public ::testing::Test {
protected:
    ScopedWorkDir dir;

    void SetUp() override { dir.write("save.txt", "old save"); }

    // The bytes of a regular file below the folder; "<not a file>" for anything else, so a
    // save swapped for a device or a folder is never read.
    std::string contents(const std::string& name) const {
        if (!fs::is_regular_file(fs::symlink_status(dir.path() / name))) return "<not a file>";
        std::ifstream in(dir.path() / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    bool temporaryLeft() const { return fs::exists(fs::symlink_status(dir.path() / "save.txt.tmp")); }

    // The temporary name made a link to a device that refuses every byte, as a full disk does.
    bool temporaryOnAFullDisk() const {
        if (::access("/dev/full", W_OK) != 0) return false;
        fs::create_symlink("/dev/full", dir.path() / "save.txt.tmp");
        return true;
    }
};

TEST_F(SafeWriteTest, ACompleteWriteReplacesTheOldFile) {
    EXPECT_TRUE(saveReplacing(u"save.txt", [](const Stream& out) { writeLine(out, u"new save"); }));
    EXPECT_EQ(contents("save.txt"), "new save\r\n");
    EXPECT_FALSE(temporaryLeft());
}

// The writer hears of a refused byte as a StreamError half-way through its file.
TEST_F(SafeWriteTest, AWriteErrorHalfWayKeepsTheOldFile) {
    auto halfThenRefused = [](const Stream& out) {
        writeLine(out, u"half a");
        throw StreamError{"stream write error"};
    };
    EXPECT_FALSE(saveReplacing(u"save.txt", halfThenRefused));
    EXPECT_EQ(contents("save.txt"), "old save");
    EXPECT_FALSE(temporaryLeft());
}

TEST_F(SafeWriteTest, AFullDiskDuringTheWriteKeepsTheOldFile) {
    if (!temporaryOnAFullDisk()) GTEST_SKIP() << "no /dev/full";
    // More than the stream's buffer, so the refusal comes from the write itself.
    auto large = [](const Stream& out) { writeString(out, String(200000, u'x')); };
    EXPECT_FALSE(saveReplacing(u"save.txt", large));
    EXPECT_EQ(contents("save.txt"), "old save");
    EXPECT_FALSE(temporaryLeft());
}

TEST_F(SafeWriteTest, AFullDiskAtTheFlushKeepsTheOldFile) {
    if (!temporaryOnAFullDisk()) GTEST_SKIP() << "no /dev/full";
    // A few bytes stay in the buffer; the disk refuses them only when the file is closed.
    EXPECT_FALSE(saveReplacing(u"save.txt", [](const Stream& out) { writeInt(out, 7); }));
    EXPECT_EQ(contents("save.txt"), "old save");
    EXPECT_FALSE(temporaryLeft());
}

// The complete temporary file cannot take the save's place: a folder stands at its name.
TEST_F(SafeWriteTest, AFailedRenameKeepsWhatWasThereAndRemovesTheCopy) {
    dir.write("folder/inside.txt", "kept");
    EXPECT_FALSE(saveReplacing(u"folder", [](const Stream& out) { writeLine(out, u"new"); }));
    EXPECT_EQ(contents("folder/inside.txt"), "kept");
    EXPECT_TRUE(fs::is_directory(dir.path() / "folder"));
    EXPECT_FALSE(fs::exists(dir.path() / "folder.tmp"));
}

TEST_F(SafeWriteTest, AnUnopenableTemporaryFileChangesNothing) {
    fs::create_directories(dir.path() / "save.txt.tmp");
    EXPECT_FALSE(saveReplacing(u"save.txt", [](const Stream& out) { writeLine(out, u"new"); }));
    EXPECT_EQ(contents("save.txt"), "old save");
    EXPECT_TRUE(fs::is_directory(dir.path() / "save.txt.tmp")) << "a folder that was there stays";
}

}  // namespace
