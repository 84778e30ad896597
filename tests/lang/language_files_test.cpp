#include "lang/LanguageFiles.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

using Names = std::vector<std::string>;

TEST(LanguageMenuLabel, IsTheNameUpToTheFirstPoint)
{
    EXPECT_EQ(LanguageMenuLabel("Deutsch.lan"), "Deutsch");
    EXPECT_EQ(LanguageMenuLabel("a.b.lan"), "a");
    EXPECT_EQ(LanguageMenuLabel("noextension"), "noextension");
}

TEST(ListLanguageFiles, ListsOnlyVisibleRegularLanFiles)
{
    TempFolder folder;
    for (const char* name :
         {"English.lan", "a.b.lan", "readme.txt", "upper.LAN", "old.lan.bak", "lan", ".hidden.lan", "Deutsch.lan"})
        folder.Write(name, "x\n");
    std::filesystem::create_directory(folder.Path("folder.lan"));

    EXPECT_EQ(ListLanguageFiles(folder.Folder()), (Names{"Deutsch.lan", "English.lan", "a.b.lan"}));
}

TEST(ListLanguageFiles, SortsByByteOrderWhateverTheCreationOrder)
{
    TempFolder folder;
#ifdef _WIN32
    // Windows takes neither names that differ only in case nor bytes outside
    // UTF-16 for one.
    const Names created = {"b.lan", "aa.lan", "C.lan", "a.lan"};
    const Names sorted = {"C.lan", "a.lan", "aa.lan", "b.lan"};
#else
    const Names created = {"b.lan", "aa.lan", "C.lan", "B.lan", "a.lan", "\xC4rzte.lan"};
    const Names sorted = {"B.lan", "C.lan", "a.lan", "aa.lan", "b.lan", "\xC4rzte.lan"};
#endif
    for (const std::string& name : created)
        folder.Write(name, "");

    EXPECT_EQ(ListLanguageFiles(folder.Folder()), sorted);
}

TEST(ListLanguageFiles, NamesAreUtf8OnEverySystem)
{
    TempFolder folder;
    const std::string greek = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC.lan";
    std::ofstream(std::filesystem::path(folder.Folder()) / std::filesystem::u8path(greek)) << "x\n";

    EXPECT_EQ(ListLanguageFiles(folder.Folder()), Names{greek});
}

TEST(ListLanguageFiles, ListsAllOfMoreThanAHundredFiles)
{
    TempFolder folder;
    for (int i = 100; i >= 0; --i) {
        char name[16];
        std::snprintf(name, sizeof name, "L%03d.lan", i);
        folder.Write(name, "");
    }

    const Names names = ListLanguageFiles(folder.Folder());
    ASSERT_EQ(names.size(), 101u);
    EXPECT_EQ(names.front(), "L000.lan");
    EXPECT_EQ(names[99], "L099.lan");
    EXPECT_EQ(names.back(), "L100.lan");
}

TEST(ListLanguageFiles, MissingFolderGivesNoFiles)
{
    TempFolder folder;
    EXPECT_TRUE(ListLanguageFiles(folder.Path("absent")).empty());
}

}  // namespace
