#include "lang/LanguageTable.h"
#include "lang/Latin1Utf8.h"
#include "lang/TextIds.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <random>

namespace {

const std::string notDefined = "--NOT DEFINED--";

class LanguageTableTest : public ::testing::Test {
protected:
    // Loads the bytes as a language file and expects success.
    void LoadBytes(const std::string& bytes)
    {
        ASSERT_TRUE(table.Load(folder.Write("t.lan", bytes))) << table.LastError();
    }

    TempFolder folder;
    LanguageTable table;
};

TEST_F(LanguageTableTest, EntryNIsLineNAndPastTheEndIsNotDefined)
{
    std::string bytes;
    for (int i = 1; i <= 10; ++i)
        bytes += "line " + std::to_string(i) + "\n";
    LoadBytes(bytes);

    EXPECT_EQ(table.Size(), 10u);
    EXPECT_EQ(table.Get(1), "line 1");
    EXPECT_EQ(table.Get(10), "line 10");
    EXPECT_EQ(table.Get(11), notDefined);
    EXPECT_EQ(table.Get(0), notDefined);
    const std::string fallback = "built-in";
    EXPECT_EQ(table.GetOr(10, fallback), "line 10");
    EXPECT_EQ(table.GetOr(11, fallback), fallback);
    EXPECT_EQ(table.GetOr(0, fallback), fallback);
    EXPECT_EQ(table.Get(-3), notDefined);
    EXPECT_EQ(table.Get(Text::CannotFixate), "kann nicht fixieren") << "a text added later has a built-in one";
}

TEST_F(LanguageTableTest, KeepsLinesAsWrittenExceptTheLineBreakEscape)
{
    LoadBytes("\\nA\\nB\n"
              "   \n"
              "  padded  \n"
              "\n"
              "after empty\n"
              "back\\\\n slash\n"
              "trailing \\\n");

    EXPECT_EQ(table.Get(1), "\nA\nB");
    EXPECT_EQ(table.Get(2), "   ");
    EXPECT_EQ(table.Get(3), "  padded  ");
    EXPECT_EQ(table.Get(4), "");
    EXPECT_EQ(table.Get(5), "after empty");
    EXPECT_EQ(table.Get(6), "back\\\n slash");
    EXPECT_EQ(table.Get(7), "trailing \\");
    EXPECT_EQ(table.Size(), 7u);
}

TEST(Latin1ToUtf8, KeepsAsciiAndGivesEveryOtherByteTwo)
{
    EXPECT_EQ(Latin1ToUtf8("a\x7F\x80\xC4\xFF"), "a\x7F\xC2\x80\xC3\x84\xC3\xBF");
}

TEST_F(LanguageTableTest, EmptyLineFiveStillCounts)
{
    LoadBytes("one\ntwo\nthree\nfour\n\nsix\n");
    EXPECT_EQ(table.Size(), 6u);
    EXPECT_EQ(table.Get(5), "");
    EXPECT_EQ(table.Get(6), "six");
}

TEST_F(LanguageTableTest, EmptyFileLoadsAsEmptyTable)
{
    LoadBytes("");
    EXPECT_EQ(table.Size(), 0u);
    EXPECT_EQ(table.Get(1), notDefined);
}

TEST_F(LanguageTableTest, SplitsOnCrLfLfAndCr)
{
    LoadBytes("a\r\nb\nc\rd");
    EXPECT_EQ(table.Size(), 4u);
    EXPECT_EQ(table.Get(1), "a");
    EXPECT_EQ(table.Get(2), "b");
    EXPECT_EQ(table.Get(3), "c");
    EXPECT_EQ(table.Get(4), "d");

    LoadBytes("a\r\n\r\nb\r\n");
    EXPECT_EQ(table.Size(), 3u);
    EXPECT_EQ(table.Get(2), "");
    EXPECT_EQ(table.Get(3), "b");

    LoadBytes("x\r\ry\r");
    EXPECT_EQ(table.Size(), 3u);
    EXPECT_EQ(table.Get(2), "");
    EXPECT_EQ(table.Get(3), "y");
}

TEST_F(LanguageTableTest, BytesComeThroughUnchanged)
{
    const std::string latin1 = "\xE4\xF6\xFC\xDF\xB0";
    LoadBytes(latin1 + "\n" + std::string("a\0b", 3) + "\n");
    EXPECT_EQ(table.Get(1), latin1);
    EXPECT_EQ(table.Get(2), std::string("a\0b", 3));
}

TEST_F(LanguageTableTest, FailedLoadLeavesTableEmptyWithReason)
{
    LoadBytes("old\n");
    EXPECT_FALSE(table.Load(folder.Path("missing.lan")));
    EXPECT_EQ(table.Size(), 0u);
    EXPECT_EQ(table.Get(1), notDefined);
    EXPECT_FALSE(table.LastError().empty());

    LoadBytes("old\n");
    std::filesystem::create_directory(folder.Path("dir.lan"));
    EXPECT_FALSE(table.Load(folder.Path("dir.lan")));
    EXPECT_EQ(table.Size(), 0u);

    LoadBytes("new\n");
    EXPECT_TRUE(table.LastError().empty());
    EXPECT_EQ(table.Get(1), "new");
}

TEST_F(LanguageTableTest, RefusesFilesAndLinesBeyondTheLimits)
{
    const std::string longestLine(LanguageTable::MaxLineBytes, 'x');
    LoadBytes("first\n" + longestLine + "\n");
    EXPECT_EQ(table.Get(2).size(), LanguageTable::MaxLineBytes);

    EXPECT_FALSE(table.Load(folder.Write("long.lan", "first\n" + longestLine + "x\n")));
    EXPECT_EQ(table.Size(), 0u);
    EXPECT_NE(table.LastError().find("line 2"), std::string::npos) << table.LastError();

    LoadBytes("old\n");
    const std::string huge(LanguageTable::MaxFileBytes + 1, '\n');
    EXPECT_FALSE(table.Load(folder.Write("huge.lan", huge)));
    EXPECT_EQ(table.Size(), 0u);
    EXPECT_FALSE(table.LastError().empty());
}

}  // namespace

namespace {

// A translator's editor may save one enormous line, and a wrong file may be
// of any size: both are refused with a message, without reading the file
// into memory first when its size alone decides.
TEST_F(LanguageTableTest, HugeLinesAndHugeFilesAreRefused)
{
    const std::string hugeLine(3 * 1024 * 1024, 'x');
    EXPECT_FALSE(table.Load(folder.Write("line.lan", "first\n" + hugeLine)));
    EXPECT_EQ(table.Size(), 0u);
    EXPECT_NE(table.LastError().find("line 2"), std::string::npos) << table.LastError();
    EXPECT_NE(table.LastError().find("65536 bytes"), std::string::npos) << table.LastError();

    const std::string sparse = folder.Write("huge.lan", "first\n");
    std::error_code ec;
    std::filesystem::resize_file(sparse, std::uintmax_t{1} << 40, ec);
    if (ec)
        GTEST_SKIP() << "no sparse file of a terabyte here: " << ec.message();
    EXPECT_FALSE(table.Load(sparse));
    EXPECT_EQ(table.Size(), 0u);
    EXPECT_NE(table.LastError().find("larger than"), std::string::npos) << table.LastError();
}

}  // namespace

namespace {

// Whatever the bytes, they load line by line: a wrong file or encoding shows
// as garbled texts, never as a failed or partial load.
TEST_F(LanguageTableTest, GarbageAndForeignEncodingsLoadAsTheirBytes)
{
    std::mt19937 random(5);
    std::string garbage(1 << 16, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random());
    LoadBytes(garbage);
    EXPECT_GT(table.Size(), 100u);
    for (std::size_t n = 1; n <= table.Size(); ++n)
        ASSERT_EQ(table.Get(static_cast<int>(n)).find('\r'), std::string::npos) << n;

    // UTF-8: two bytes per umlaut, shown as two Latin-1 characters.
    LoadBytes("Gr\xC3\xB6\xC3\x9F"
              "e\n");
    EXPECT_EQ(table.Get(1), "Gr\xC3\xB6\xC3\x9F"
                            "e");
    // UTF-16: the byte order mark and a NUL after every letter stay in the texts.
    LoadBytes(std::string("\xFF\xFE"
                          "A\0\n\0B\0",
                          8));
    ASSERT_EQ(table.Size(), 2u);
    EXPECT_EQ(table.Get(1), std::string("\xFF\xFE"
                                        "A\0",
                                        4));
    EXPECT_EQ(table.Get(2), std::string("\0B\0", 3));
}

TEST_F(LanguageTableTest, PipeIsRefusedWithoutBlocking)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows keeps no pipes among the files";
#else
    LoadBytes("old\n");
    ASSERT_EQ(::mkfifo(folder.Path("pipe.lan").c_str(), 0600), 0);
    EXPECT_FALSE(table.Load(folder.Path("pipe.lan")));
    EXPECT_EQ(table.Size(), 0u);
    EXPECT_NE(table.LastError().find("not a regular file"), std::string::npos) << table.LastError();
#endif
}

TEST_F(LanguageTableTest, UnreadableFileIsRefused)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no permission bits that keep a file's owner from reading it";
#else
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads files whatever their permissions";
    const std::string locked = folder.Write("locked.lan", "text\n");
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    EXPECT_FALSE(table.Load(locked));
    EXPECT_EQ(table.Size(), 0u);
    EXPECT_NE(table.LastError().find("cannot open"), std::string::npos) << table.LastError();
#endif
}

}  // namespace
