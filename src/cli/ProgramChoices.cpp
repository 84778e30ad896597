#include "cli/ProgramChoices.h"

#include "lang/DesktopLanguage.h"
#include "lang/LanguageFiles.h"
#include "lang/Latin1Utf8.h"

#include <vector>

namespace {

std::filesystem::path InFolder(const std::filesystem::path& folder, const std::string& utf8Name)
{
    return folder / std::filesystem::u8path(utf8Name);
}

}  // namespace

bool LoadProgramChoices(const std::filesystem::path& folder, ProgramChoices& choices, std::string& error)
{
    std::string settingsError;
    const SettingsFileState state =
        LoadSettingsFile(InFolder(folder, kSettingsFileName), Settings{}, choices.settings, nullptr, settingsError);

    const std::vector<std::string> files = ListLanguageFiles(folder.empty() ? "." : folder);
    // The settings keep the name in Latin-1, the folder's names are UTF-8.
    std::string wanted = Latin1ToUtf8(choices.settings.languageFile);
    if (state == SettingsFileState::Missing) {
        std::vector<std::string> codes;
        for (const std::string& file : files)
            codes.push_back(LanguageCodeOf(InFolder(folder, file)));
        wanted = PickLanguageFile(files, codes, DesktopLanguageCodes());
    }
    std::vector<std::string> order;
    if (IsLanguageFileName(wanted))
        order.push_back(wanted);
    for (const std::string& file : files)
        if (file != wanted)
            order.push_back(file);
    for (const std::string& file : order)
        if (choices.texts.Load(InFolder(folder, file)))
            return true;
    error = "no language file (.lan) in the working folder can be read";
    return false;
}
