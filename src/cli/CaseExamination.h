#pragma once

#include "cli/ProgramChoices.h"
#include "examination/Examination.h"
#include "settings/SettingsFile.h"

#include <filesystem>
#include <ostream>
#include <string>

// The examination the window shows right after opening the case at path,
// with no aid and no prism: the case's angles in the unit the settings hold
// them in, its mode, marks and muscle strengths, at the settings' distance.
// False when path is no case file that can be read. A muscle file beside it
// that is refused leaves every muscle at normal strength, as the window
// does, and says why in musclesRefused (English, one line).
bool OpenCaseExamination(const std::filesystem::path& path, const Settings& settings, Examination& examination,
                         std::string& musclesRefused);

// What a drawing or measuring command starts from: the program's choices and
// the examination of the case at givenPath (resolved from startFolder). False
// after saying why on err; a refused muscle file is said there too.
bool OpenCommandCase(const std::string& givenPath, const std::string& startFolder, std::ostream& err,
                     ProgramChoices& choices, Examination& examination);
