#include "lang/DesktopLanguage.h"
#include "lang/LanguageFiles.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

std::vector<std::string> CodesOf(const std::map<std::string, std::string>& environment)
{
    return DesktopLanguageCodes([&environment](const char* name) -> const char* {
        const auto found = environment.find(name);
        return found == environment.end() ? nullptr : found->second.c_str();
    });
}

using Codes = std::vector<std::string>;

TEST(DesktopLanguage, CodesComeFromLanguageThenTheLocale)
{
    EXPECT_EQ(CodesOf({{"LANG", "en_GB.UTF-8"}}), Codes({"en"}));
    EXPECT_EQ(CodesOf({{"LANG", "de_AT"}}), Codes({"de"}));
    EXPECT_EQ(CodesOf({{"LANGUAGE", "fr:en_US:de"}, {"LANG", "de_DE.UTF-8"}}), Codes({"fr", "en", "de"}));
    EXPECT_EQ(CodesOf({{"LC_ALL", "en_US.UTF-8"}, {"LC_MESSAGES", "de_DE"}, {"LANG", "fr_FR"}}), Codes({"en"}));
    EXPECT_EQ(CodesOf({{"LC_ALL", ""}, {"LC_MESSAGES", "de_DE@euro"}, {"LANG", "fr_FR"}}), Codes({"de"}));
    EXPECT_EQ(CodesOf({{"LANGUAGE", "::x:"}, {"LANG", "sr_RS@latin"}}), Codes({"sr"}));
    EXPECT_EQ(CodesOf({{"LANGUAGE", "zh_TW:42:Zu"}}), Codes({"zh", "zu"}));  // letters from a to z only
}

TEST(DesktopLanguage, CAndPosixArePassedOverForTheNextVariable)
{
    EXPECT_TRUE(CodesOf({}).empty());
    EXPECT_TRUE(CodesOf({{"LANG", "C"}}).empty());
    EXPECT_TRUE(CodesOf({{"LANG", "C.UTF-8"}}).empty());
    EXPECT_EQ(CodesOf({{"LC_ALL", "C"}, {"LANG", "en_US"}}), Codes({"en"}));
    EXPECT_EQ(CodesOf({{"LC_ALL", "POSIX"}, {"LC_MESSAGES", "C.UTF-8"}, {"LANG", "de_DE"}}), Codes({"de"}));
    EXPECT_EQ(CodesOf({{"LANGUAGE", "C:POSIX:fr"}, {"LC_ALL", "C"}, {"LANG", "de_DE"}}), Codes({"fr", "de"}));
}

TEST(DesktopLanguage, PicksTheFirstFileOfTheEarliestWantedCodeElseEnglish)
{
    const std::vector<std::string> files = {"Deutsch.lan", "English.lan", "Old.lan"};
    const std::vector<std::string> codes = {"de", " EN ", ""};
    EXPECT_EQ(PickLanguageFile(files, codes, {"en"}), "English.lan");
    EXPECT_EQ(PickLanguageFile(files, codes, {"fr", "en", "de"}), "English.lan");
    EXPECT_EQ(PickLanguageFile(files, codes, {"de", "en"}), "Deutsch.lan");
    // With no wanted language left, English when there is a file for it, else the first file.
    EXPECT_EQ(PickLanguageFile(files, codes, {"fr"}), "English.lan");
    EXPECT_EQ(PickLanguageFile(files, codes, {}), "English.lan");
    EXPECT_EQ(PickLanguageFile({"Deutsch.lan", "Old.lan"}, {"de", ""}, {}), "Deutsch.lan");
    EXPECT_EQ(PickLanguageFile({}, {}, {"en"}), "");
}

TEST(DesktopLanguage, ShippedFilesNameTheirLanguage)
{
    EXPECT_EQ(LanguageCodeOf(std::string(SQUINX_DATA_DIR) + "/Deutsch.lan"), "de");
    EXPECT_EQ(LanguageCodeOf(std::string(SQUINX_DATA_DIR) + "/English.lan"), "en");
    EXPECT_EQ(LanguageCodeOf(std::string(SQUINX_DATA_DIR) + "/missing.lan"), "");
    EXPECT_TRUE(IsLanguageFileName("English.lan"));
    EXPECT_FALSE(IsLanguageFileName("texturen.dat"));
    EXPECT_FALSE(IsLanguageFileName(".lan"));
}

}  // namespace
