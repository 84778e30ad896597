#pragma once

#include "examination/Examination.h"
#include "settings/SettingsFile.h"

#include <string>

namespace cli {

// The examination the window shows right after opening the case at path,
// with no aid and no prism: the case's angles in the unit the settings hold
// them in, its mode, marks and muscle strengths, at the settings' distance.
// False when path is no case file that can be read. A muscle file beside it
// that is refused leaves every muscle at normal strength, as the window
// does, and says why in musclesRefused (English, one line).
bool OpenCaseExamination(const std::string& path, const Settings& settings, Examination& examination,
                         std::string& musclesRefused);

}  // namespace cli
