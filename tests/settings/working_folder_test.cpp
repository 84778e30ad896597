#include "settings/WorkingFolder.h"

#include "settings/Md5.h"

#include "../support/PortableTest.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class WorkingFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_root = MakeTempFolder("working-folder-");
        Spit(Shipped("English.lan"), "release 2\n");
        Spit(Shipped("quiz/quiz_en.sqs"), "quiz 2\n");
        Spit(Shipped(".earlier-shipped.md5"), "# sums\r\n900150983cd24fb0d6963f7d28e17f72  ./cases/first.sd\r\n");
        Spit(Shipped("cases/first.sd"), "case 2");
        Spit(Shipped("cases/second.sd"), "case 2");
    }

    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }

    fs::path Shipped(const char* name) const { return m_root / "share" / name; }
    fs::path Mine(const char* name) const { return m_root / "home" / name; }

    void Update() const
    {
        std::string error;
        ASSERT_TRUE(UpdateWorkingFolder(m_root / "share", m_root / "home", error)) << error;
    }

    fs::path m_root;
};

TEST_F(WorkingFolder, SeedsAnEmptyFolderWithTheShippedFilesAndTheirPristineCopies)
{
    Update();
    for (const char* name : {"English.lan", "quiz/quiz_en.sqs", "cases/first.sd"}) {
        EXPECT_EQ(Slurp(Mine(name)), Slurp(Shipped(name))) << name;
        EXPECT_EQ(Slurp(Mine((std::string(".shipped/") + name).c_str())), Slurp(Shipped(name))) << name;
    }
    EXPECT_FALSE(fs::exists(Mine(".earlier-shipped.md5")));
}

// A copy is brought up to date when it still matches what was last shipped,
// or, from the first release that kept no pristine copy, when its sum is
// listed; an edited or unknown copy stays as the user left it.
TEST_F(WorkingFolder, UpdatesUnchangedCopiesAndNeverOverwritesChangedOnes)
{
    Update();
    Spit(Shipped("English.lan"), "release 3\n");
    Spit(Shipped("quiz/quiz_en.sqs"), "quiz 3\n");
    Spit(Mine("quiz/quiz_en.sqs"), "my own quiz\n");
    Spit(Mine("cases/first.sd"), "abc");  // the first release's copy, by its sum
    fs::remove(Mine(".shipped/cases/first.sd"));
    Spit(Mine("cases/second.sd"), "abd");  // not a sum of the first release
    fs::remove(Mine(".shipped/cases/second.sd"));

    Update();
    EXPECT_EQ(Slurp(Mine("English.lan")), "release 3\n");
    EXPECT_EQ(Slurp(Mine(".shipped/English.lan")), "release 3\n");
    EXPECT_EQ(Slurp(Mine("quiz/quiz_en.sqs")), "my own quiz\n");
    EXPECT_EQ(Slurp(Mine(".shipped/quiz/quiz_en.sqs")), "quiz 2\n");
    EXPECT_EQ(Slurp(Mine("cases/first.sd")), "case 2");
    EXPECT_EQ(Slurp(Mine("cases/second.sd")), "abd");
}

// What cannot be made or read is named and ends the update; what is neither
// a file nor a folder is no shipped file and is passed over.
TEST_F(WorkingFolder, ReportsWhatItCannotCreateOrReadAndPassesOverOtherEntries)
{
    Spit(m_root / "file", "in the way");
    std::string error;
    EXPECT_FALSE(UpdateWorkingFolder(m_root / "share", m_root / "file" / "home", error));
    EXPECT_NE(error.find((m_root / "file" / "home" / ".shipped").string()), std::string::npos) << error;

    error.clear();
    EXPECT_FALSE(UpdateWorkingFolder(m_root / "nothing", m_root / "home", error));
    EXPECT_NE(error.find("Cannot read the folder \"" + (m_root / "nothing").string()), std::string::npos) << error;

    std::error_code ec;
    fs::create_symlink(m_root / "gone", Shipped("dangling.sd"), ec);
    if (ec)
        GTEST_SKIP() << "this system lets no one here make a symbolic link: " << ec.message();
    Update();
    EXPECT_EQ(Slurp(Mine("English.lan")), "release 2\n");
    EXPECT_FALSE(fs::exists(fs::symlink_status(Mine("dangling.sd"))));
}

// The sums md5sum prints, for RFC 1321's examples and lengths about a block.
TEST(Md5, SumsAsMd5sumPrintsThem)
{
    const auto sum = [](const std::string& text) {
        return Md5Hex(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    };
    EXPECT_EQ(sum(""), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(sum("abc"), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(sum("message digest"), "f96b697d7cb7938d525a2f31aaf161d0");
    EXPECT_EQ(sum(std::string(63, 'a')), "b06521f39153d618550606be297466d5");
    EXPECT_EQ(sum(std::string(64, 'a')), "014842d480b571495a4a0363793f7367");
    EXPECT_EQ(sum(std::string(65, 'a')), "c743a45e0d2e6a95cb859adae0248435");
    EXPECT_EQ(sum(std::string(128, 'a')), "e510683b3f5ffe4093d021808bc6ff70");
}

}  // namespace
