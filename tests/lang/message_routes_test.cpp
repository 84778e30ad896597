// Every message reaches the screen through ShowMessage, which keeps it within
// the screen; a dialog built anywhere else could grow as wide as its text.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kSourceDir = std::filesystem::path(SQUINX_LANG_SOURCE_DIR).parent_path();

std::vector<std::string> FilesShowingMessagesThemselves()
{
    // A call of wxMessageBox, or a wxMessageDialog built on the stack or
    // with new; naming the base class to read a shown dialog is fine.
    const std::regex ownDialog(R"(\bwxMessageBox\s*\(|\bwxMessageDialog\b(?!Base))");
    const std::filesystem::path boundedFunction = kSourceDir / "widgets" / "ScreenText.cpp";
    std::vector<std::string> offenders;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kSourceDir)) {
        const std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".cpp" && extension != ".h") || entry.path() == boundedFunction)
            continue;
        std::ifstream in(entry.path());
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (text.find("wxMessage") != std::string::npos && std::regex_search(text, ownDialog))
            offenders.push_back(entry.path().lexically_relative(kSourceDir).string());
    }
    return offenders;
}

TEST(MessageRoutes, OnlyTheBoundedFunctionBuildsMessageDialogs)
{
    ASSERT_TRUE(std::filesystem::is_regular_file(kSourceDir / "widgets" / "ScreenText.cpp")) << kSourceDir;
    EXPECT_EQ(FilesShowingMessagesThemselves(), std::vector<std::string>{});
}

}  // namespace
