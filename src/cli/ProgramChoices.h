#pragma once

#include "lang/LanguageTable.h"
#include "settings/SettingsFile.h"

#include <filesystem>
#include <string>

// What the window would start with in the working folder, for the commands
// that show the examination without it: the settings file (or the defaults
// of a first run) and the language the window would choose.
struct ProgramChoices {
    Settings settings;
    LanguageTable texts;
};

// The language is the one the settings name, or on a first run the one the
// desktop asks for; when that file cannot be read, the first of the folder's
// others that can, as the window does. False, with an English reason in
// error, when no language file in folder can be read.
bool LoadProgramChoices(const std::filesystem::path& folder, ProgramChoices& choices, std::string& error);
