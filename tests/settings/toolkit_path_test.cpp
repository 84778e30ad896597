#include "settings/FileIo.h"
#include "settings/ToolkitPath.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <type_traits>

namespace fs = std::filesystem;

namespace {

class ToolkitPath : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::path(::testing::TempDir()) / ("toolkit-path-" + std::to_string(std::random_device{}()));
        ASSERT_TRUE(fs::create_directories(m_folder));
    }

    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(m_folder, ec);
    }

    // The names in the folder as the toolkit shows them.
    std::vector<wxString> Listed() const
    {
        std::vector<wxString> names;
        for (const auto& entry : fs::directory_iterator(m_folder))
            names.push_back(ToWxString(entry.path().filename()));
        return names;
    }

    fs::path m_folder;
};

// A name the user typed or picked is the file on disk and comes back as the
// same name, whatever the system's code page.
TEST_F(ToolkitPath, ANonAsciiNameIsTheFileOnDiskAndComesBackUnchanged)
{
    const wxString name = wxString::FromUTF8("\xC3\x84rzte.lan");
    const wxString full = ToWxString(m_folder) + wxString(wxFILE_SEP_PATH) + name;
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(ToPath(full), "x", 1, error)) << error;
    EXPECT_EQ(Listed(), std::vector<wxString>{name});
    EXPECT_EQ(ToWxString(ToPath(full)), full);
    EXPECT_EQ(PathForMessage(ToPath(name)), "\xC3\x84rzte.lan");
}

// Where names are bytes, one that is not UTF-8 still opens the file it names.
TEST_F(ToolkitPath, ANameThatIsNotUtf8KeepsItsBytes)
{
    if constexpr (!std::is_same_v<fs::path::value_type, char>)
        GTEST_SKIP() << "names are UTF-16 here";
    const fs::path latin1 = m_folder / "\xC4rzte.lan";
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(latin1, "x", 1, error)) << error;
    const fs::path back = ToPath(ToWxString(latin1));
    EXPECT_EQ(back.string(), latin1.string());
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(ReadFileBytes(back, 1, bytes, error)) << error;
}

}  // namespace
