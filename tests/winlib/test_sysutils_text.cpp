#include "winlib/SysUtils.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <filesystem>

namespace {

TEST(TextHelpers, CaseFoldingIsAsciiOnly) {
    EXPECT_EQ(LowerCase("ABC.JPG Ｘ"), "abc.jpg Ｘ");
    EXPECT_EQ(UpperCase("abc.png ｘ"), "ABC.PNG ｘ");
    EXPECT_TRUE(SameText("LogPaper", "Logpaper"));
    EXPECT_FALSE(SameText("LogPaper", "LogPape"));
    EXPECT_FALSE(SameText("ａ", "Ａ")); // full-width letters are not folded
}

TEST(TextHelpers, TrimRemovesBlanksAndControlCharacters) {
    EXPECT_EQ(Trim(" \t x y \r\n"), "x y");
    EXPECT_EQ(Trim("　全角　"), "　全角　"); // a full-width space is text
    EXPECT_EQ(Trim("   "), "");
}

TEST(FileNames, ExtractParts) {
    struct Case {
        const char *path, *ext, *dir, *name;
    } cases[] = {
        {"/home/u/pic.PNG", ".PNG", "/home/u/", "pic.PNG"},
        {"/home/u.d/pic", "", "/home/u.d/", "pic"},
        {"a.tar.gz", ".gz", "", "a.tar.gz"},
        {"/x/", "", "/x/", ""},
        {"/x/file.", ".", "/x/", "file."},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExtractFileExt(c.path), c.ext) << c.path;
        EXPECT_EQ(ExtractFilePath(c.path), c.dir) << c.path;
        EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
    }
}

TEST(FileNames, FileExistsIsFalseForFolders) {
    const auto dir = std::filesystem::temp_directory_path();
    EXPECT_FALSE(FileExists(dir.string()));
    EXPECT_FALSE(FileExists((dir / "surely-not-here-ruliform").string()));
    const auto file = dir / "ruliform-fileexists-test";
    std::FILE* f = std::fopen(file.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    EXPECT_TRUE(FileExists(file.string()));
    std::filesystem::remove(file);
}

TEST(IntegerDivision, CheckedDivisionRaises) {
    EXPECT_EQ(IntDiv(-7, 2), -3); // truncates toward zero
    EXPECT_EQ(IntMod(-7, 2), -1);
    EXPECT_EQ(IntMod(INT_MIN, -1), 0);
    try {
        IntDiv(1, 0);
        FAIL();
    } catch (const EDivByZero& e) {
        EXPECT_STREQ(e.what(), "Division by zero");
    }
    EXPECT_THROW(IntMod(5, 0), EDivByZero);
    EXPECT_THROW(IntDiv(INT_MIN, -1), EIntOverflow);
}

int DivideByVolatile(int a) {
    volatile int zero = 0;
    return a / zero;
}

TEST(IntegerDivision, FaultHandlerTurnsHardwareFaultIntoException) {
    InstallFaultHandlers();
    // Twice: the second fault must be caught as well (the signal must not stay blocked).
    for (int round = 0; round < 2; ++round) {
        bool caught = false;
        try {
            volatile int r = DivideByVolatile(7);
            (void)r;
        } catch (const EDivByZero& e) {
            caught = true;
            EXPECT_STREQ(e.what(), "Division by zero");
        }
        EXPECT_TRUE(caught) << "round " << round;
    }
    volatile int zero = 0;
    volatile int a = 9;
    EXPECT_THROW(
        {
            volatile int r = a % zero;
            (void)r;
        },
        EDivByZero);
}

struct Cp932Case {
    const char* cp932;
    const char* utf8;
};

TEST(Cp932, ConvertsTheWindowsCodePageBothWays) {
    const Cp932Case cases[] = {
        {"\x82\xa0", "あ"},
        {"\x81\xa5", "▼"},
        {"\x87\x40", "①"}, // NEC special characters
        {"\x87\x8a", "㈱"},
        {"\xfb\xfc", "髙"}, // IBM extension
        {"\x5c", "\\"},     // 0x5C is the backslash
        {"\x7e", "~"},
        {"\x81\x5f", "＼"}, // full-width backslash
        {"\x81\x60", "～"}, // wave dash as the Windows code page has it
        {"\x83\x79\x81\x5b\x83\x57\x94\xd4\x8d\x86", "ページ番号"},
        {"\x8c\xb4\x8d\x65\x97\x70\x8e\x86", "原稿用紙"},
        {"\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e", "ＭＳ ゴシック"},
        {"abc", "abc"},
        {"", ""},
    };
    for (const Cp932Case& c : cases) {
        EXPECT_EQ(Cp932ToUtf8(c.cp932), c.utf8) << c.utf8;
        EXPECT_EQ(Utf8ToCp932(c.utf8), c.cp932) << c.utf8;
    }
}

TEST(Cp932, BadBytesBecomeQuestionMarks) {
    EXPECT_EQ(Cp932ToUtf8("a\x81"), "a?");      // lead byte cut off at the end
    EXPECT_EQ(Cp932ToUtf8("\x81\x20x"), "? x"); // lead byte with an invalid second byte
    EXPECT_EQ(Cp932ToUtf8("\xff\xfd"), "??");
    EXPECT_EQ(Utf8ToCp932("a😀b"), "a?b"); // not in the code page: one '?' per character
    EXPECT_EQ(Utf8ToCp932("a\xff"
                          "b"),
              "a?b"); // not UTF-8 at all
    EXPECT_EQ(Utf8ToCp932(std::string("x\0y", 3)), std::string("x\0y", 3));
    std::string junk;
    for (int i = 0; i < 256; ++i)
        junk += static_cast<char>(i);
    EXPECT_NO_THROW(Utf8ToCp932(Cp932ToUtf8(junk)));
}

} // namespace
