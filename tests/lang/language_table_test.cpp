#include "lang/LanguageTable.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{

const std::string notDefined = "--NOT DEFINED--";

class LanguageTableTest : public ::testing::Test
{
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

    EXPECT_EQ(table.size(), 10u);
    EXPECT_EQ(table.Get(1), "line 1");
    EXPECT_EQ(table.Get(10), "line 10");
    EXPECT_EQ(table.Get(11), notDefined);
    EXPECT_EQ(table.Get(0), notDefined);
    EXPECT_EQ(table.Get(-3), notDefined);
}

TEST_F(LanguageTableTest, KeepsLinesAsWrittenExceptTheLineBreakEscape)
{
    LoadBytes("A\\nB\n"
              "   \n"
              "  padded  \n"
              "\n"
              "after empty\n"
              "back\\\\n slash\n"
              "trailing \\\n");

    EXPECT_EQ(table.Get(1), "A\nB");
    EXPECT_EQ(table.Get(2), "   ");
    EXPECT_EQ(table.Get(3), "  padded  ");
    EXPECT_EQ(table.Get(4), "");
    EXPECT_EQ(table.Get(5), "after empty");
    EXPECT_EQ(table.Get(6), "back\\\n slash");
    EXPECT_EQ(table.Get(7), "trailing \\");
    EXPECT_EQ(table.size(), 7u);
}

TEST_F(LanguageTableTest, EmptyLineFiveStillCounts)
{
    LoadBytes("one\ntwo\nthree\nfour\n\nsix\n");
    EXPECT_EQ(table.size(), 6u);
    EXPECT_EQ(table.Get(5), "");
    EXPECT_EQ(table.Get(6), "six");
}

TEST_F(LanguageTableTest, EmptyFileLoadsAsEmptyTable)
{
    LoadBytes("");
    EXPECT_EQ(table.size(), 0u);
    EXPECT_EQ(table.Get(1), notDefined);
}

TEST_F(LanguageTableTest, SplitsOnCrLfLfAndCr)
{
    LoadBytes("a\r\nb\nc\rd");
    EXPECT_EQ(table.size(), 4u);
    EXPECT_EQ(table.Get(1), "a");
    EXPECT_EQ(table.Get(2), "b");
    EXPECT_EQ(table.Get(3), "c");
    EXPECT_EQ(table.Get(4), "d");

    LoadBytes("a\r\n\r\nb\r\n");
    EXPECT_EQ(table.size(), 3u);
    EXPECT_EQ(table.Get(2), "");
    EXPECT_EQ(table.Get(3), "b");

    LoadBytes("x\r\ry\r");
    EXPECT_EQ(table.size(), 3u);
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
    EXPECT_EQ(table.size(), 0u);
    EXPECT_EQ(table.Get(1), notDefined);
    EXPECT_FALSE(table.LastError().empty());

    LoadBytes("old\n");
    std::filesystem::create_directory(folder.Path("dir.lan"));
    EXPECT_FALSE(table.Load(folder.Path("dir.lan")));
    EXPECT_EQ(table.size(), 0u);

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
    EXPECT_EQ(table.size(), 0u);
    EXPECT_NE(table.LastError().find("line 2"), std::string::npos) << table.LastError();

    LoadBytes("old\n");
    const std::string huge(LanguageTable::MaxFileBytes + 1, '\n');
    EXPECT_FALSE(table.Load(folder.Write("huge.lan", huge)));
    EXPECT_EQ(table.size(), 0u);
    EXPECT_FALSE(table.LastError().empty());
}

} // namespace
