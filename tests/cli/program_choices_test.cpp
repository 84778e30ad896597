#include "cli/ProgramChoices.h"

#include "../lang/TempFolder.h"
#include "lang/TextIds.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

void CopyLanguage(const TempFolder& folder, const std::string& name)
{
    std::filesystem::copy_file(std::string(SQUINX_DATA_DIR) + "/" + name, folder.Path(name));
}

std::string ChosenDecimalMark(const TempFolder& folder)
{
    ProgramChoices choices;
    std::string error;
    EXPECT_TRUE(LoadProgramChoices(folder.Folder(), choices, error)) << error;
    return choices.texts.Get(Text::DecimalMark);
}

}  // namespace

// The console commands speak the language the window would start in.
TEST(ProgramChoices, TheSettingsLanguageElseAnyReadableOneAndNoneIsAnError)
{
    const TempFolder folder;
    ProgramChoices choices;
    std::string error;
    EXPECT_FALSE(LoadProgramChoices(folder.Folder(), choices, error));
    EXPECT_EQ(error, "no language file (.lan) in the working folder can be read");

    CopyLanguage(folder, "English.lan");
    CopyLanguage(folder, "Deutsch.lan");
#ifndef _WIN32  // Windows names the desktop's language in its own setting, not in the environment.
    // No settings file yet: the desktop's language, whichever it is.
    for (const char* desktop : {"de", "en"}) {
        setenv("LANGUAGE", desktop, 1);
        EXPECT_EQ(ChosenDecimalMark(folder), desktop == std::string("de") ? "," : ".") << desktop;
    }
    unsetenv("LANGUAGE");
#endif
    Settings settings;
    settings.languageFile = "Deutsch.lan";
    settings.wholeDegrees = true;
    settings.blendSlider = 7;
    ASSERT_TRUE(SaveSettingsFile(folder.Path(kSettingsFileName), settings, error)) << error;
    EXPECT_EQ(ChosenDecimalMark(folder), ",");
    ASSERT_TRUE(LoadProgramChoices(folder.Folder(), choices, error));
    EXPECT_TRUE(choices.settings.wholeDegrees);
    EXPECT_EQ(choices.settings.blendSlider, 7);

    // The named file broken: the folder's other file, as the window falls back.
    folder.Write("Deutsch.lan", std::string(LanguageTable::MaxFileBytes + 1, 'x'));
    EXPECT_EQ(ChosenDecimalMark(folder), ".");
}

// The settings keep a name in Latin-1; the folder lists it in UTF-8.
TEST(ProgramChoices, FindsTheSettingsLanguageByANameBeyondAscii)
{
    const TempFolder folder;
    CopyLanguage(folder, "English.lan");
    std::filesystem::copy_file(std::string(SQUINX_DATA_DIR) + "/Deutsch.lan",
                               std::filesystem::path(folder.Folder()) / std::filesystem::u8path("\xC3\x84rzte.lan"));
    Settings settings;
    settings.languageFile = "\xC4rzte.lan";
    std::string error;
    ASSERT_TRUE(SaveSettingsFile(folder.Path(kSettingsFileName), settings, error)) << error;
    EXPECT_EQ(ChosenDecimalMark(folder), ",");
}
