// The language file: line cutting, trimming, comments, duplicates, encodings, missing
// files and reload, and the start-up hook with the generated file and without it.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/shell.h"
#include "persist/language_file.h"
#include "test_support.h"

namespace {

class LanguageFileTest : public ::testing::Test {
protected:
    vexaTLanguageFile texts;

    int load(const std::string& bytes) {
        dir.write("codetexts.txt", bytes);
        return texts.loadFromDisk(u"codetexts.txt", u"=");
    }
    ScopedWorkDir dir;
};

TEST_F(LanguageFileTest, LinesAreTrimmedSplitAtTheFirstDelimiterAndLaterKeysWin) {
    ASSERT_EQ(load("  title =  Hello  World \r\n"
                   "sum=1=2 \r\n"
                   "   # comment=x\r\n"
                   "key#2=hash\r\n"
                   "empty=\r\n"
                   "twice=first\r\n"
                   "twice=second\r\n"
                   "\r\n"
                   "no delimiter"),
              1);
    EXPECT_EQ(texts.getValue(u"title"), u"Hello  World");
    EXPECT_EQ(texts.getValue(u"sum"), u"1=2");
    EXPECT_EQ(texts.getValue(u"key#2"), u"hash");
    EXPECT_EQ(texts.getValue(u"twice"), u"second");
    EXPECT_EQ(texts.getValue(u"empty"), u"_UNDEF_empty");
    EXPECT_EQ(texts.getValue(u"absent"), u"_UNDEF_absent");
    EXPECT_EQ(texts.lang.count(u"# comment"), 0u);
    EXPECT_EQ(texts.lang.at(u""), u"no delimiter");  // after the empty line's empty text
    EXPECT_EQ(texts.url, u"codetexts.txt");
}

TEST_F(LanguageFileTest, AFileWithLineFeedsAloneIsOneLine) {
    load("a=1\nb=2\n");
    EXPECT_EQ(texts.getValue(u"a"), u"1\nb=2");
    EXPECT_EQ(texts.getValue(u"b"), u"_UNDEF_b");
}

TEST_F(LanguageFileTest, ByteOrderMarksSelectTheEncoding) {
    load("\xEF\xBB\xBFu8=\xC3\xA9\r\n");
    EXPECT_EQ(texts.getValue(u"u8"), u"\u00E9");
    load(std::string("\xFF\xFEl\0e\0=\0\x42\x30", 10));
    EXPECT_EQ(texts.getValue(u"le"), u"\u3042");
    load(std::string("\xFE\xFF\0b\0e\0=\x30\x44", 10));
    EXPECT_EQ(texts.getValue(u"be"), u"\u3044");
    load("latin=caf\xE9\r\n");
    EXPECT_EQ(texts.getValue(u"latin"), u"caf\u00E9");
    EXPECT_EQ(texts.getValue(u"u8"), u"\u00E9");  // loading adds, never removes
}

TEST_F(LanguageFileTest, MissingFilesAndFoldersLeaveTheMapAsItWas) {
    load("kept=yes\r\n");
    std::filesystem::create_directories(dir.path() / "folder");
    EXPECT_EQ(texts.loadFromDisk(u"missing.txt", u":"), 0);
    EXPECT_EQ(texts.loadFromDisk(u"folder", u"="), 0);
    EXPECT_EQ(texts.getValue(u"kept"), u"yes");
    EXPECT_EQ(texts.url, u"codetexts.txt");
}

TEST_F(LanguageFileTest, ReloadReadsTheEditedFileAndEmptiesWhenItIsGone) {
    load("a=1\r\nb=2\r\n");
    dir.write("codetexts.txt", "a=changed\r\n");
    EXPECT_EQ(texts.reload(), 1);
    EXPECT_EQ(texts.getValue(u"a"), u"changed");
    EXPECT_EQ(texts.getValue(u"b"), u"_UNDEF_b");
    std::filesystem::remove(dir.path() / "codetexts.txt");
    EXPECT_EQ(texts.reload(), 0);
    EXPECT_TRUE(texts.lang.empty());
    EXPECT_EQ(texts.getValue(u"a"), u"_UNDEF_a");
    EXPECT_EQ(vexaTLanguageFile().reload(), 0);  // nothing loaded yet
}

// Runs in the build folder, where the generated file lies.
TEST(LanguageFileAtStart, LoadsTheGeneratedFileOrReportsItMissing) {
    PlatformConfig platform;
    platform.headless = true;
    initPlatform(platform);
    languageFile = vexaTLanguageFile();
    loadLanguageFileAtStart();
    EXPECT_EQ(languageFile.getValue(u"pause").rfind(u"_UNDEF_", 0), String::npos);
    EXPECT_EQ(languageFile.getValue(u"startgame").rfind(u"_UNDEF_", 0), String::npos);
    {
        ScopedWorkDir empty;
        languageFile = vexaTLanguageFile();
        ::testing::internal::CaptureStderr();
        loadLanguageFileAtStart();
        EXPECT_NE(::testing::internal::GetCapturedStderr().find("Language-File (data/texts/codetexts.txt) not found!"),
                  std::string::npos);
        EXPECT_EQ(languageFile.getValue(u"pause"), u"_UNDEF_pause");
    }
    languageFile = vexaTLanguageFile();
    shutdownPlatform();
}

}  // namespace
