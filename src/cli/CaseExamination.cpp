#include "cli/CaseExamination.h"

#include "cli/StartFolder.h"

#include "model/CaseFile.h"
#include "model/MuscleFile.h"
#include "settings/FileIo.h"

#include <cstdint>
#include <vector>

namespace {

const char* Reason(MuscleFileError error)
{
    switch (error) {
    case MuscleFileError::noHeader:
        return "its first line is not the header";
    case MuscleFileError::badLine:
        return "a line is not key=value";
    case MuscleFileError::unknownKey:
        return "a key names no muscle or anomaly";
    case MuscleFileError::repeatedKey:
        return "a key comes twice";
    case MuscleFileError::badValue:
        return "a strength is not a whole number of percent from 0 to 100";
    case MuscleFileError::badHeadAngle:
        return "a head posture is not a whole number of degrees from -45 to 45";
    case MuscleFileError::unreadable:
    case MuscleFileError::none:
        break;
    }
    return "it cannot be read";
}

}  // namespace

bool OpenCaseExamination(const std::filesystem::path& path, const Settings& settings, Examination& examination,
                         std::string& musclesRefused)
{
    std::vector<std::uint8_t> bytes;
    std::string error;
    CaseData data;
    // One byte more than a case holds tells a larger file from a case.
    if (!ReadFileBytes(path, kCaseFileSize + 1, bytes, error) || DecodeCase(bytes, data) != CaseReadResult::ok)
        return false;
    MuscleStrengths muscles;
    CompensatoryHead head;
    const MuscleFileResult muscleFile = LoadMuscleFile(path, muscles, head);
    musclesRefused.clear();
    if (muscleFile.error != MuscleFileError::none) {
        muscles.Reset();
        head.reset();
        musclesRefused = PathForMessage(MuscleFilePath(path)) + ": " + Reason(muscleFile.error);
        if (muscleFile.line > 0)
            musclesRefused += " (line " + std::to_string(muscleFile.line) + ")";
        musclesRefused += ", so every muscle is taken at normal strength";
    }
    examination = Examination();
    examination.SetWholeDegrees(settings.wholeDegrees);
    examination.SetModel(data.values);
    examination.SetDistance(settings.blendSlider);
    examination.SetLatent(!data.manifestMode);
    examination.SetQuadrantMarks(data.quadrantMarks);
    examination.SetMuscles(muscles);
    examination.SetCompensatoryHead(head);
    examination.SetPath(path);
    examination.SetCycloStaysUnderCover(settings.extension.cycloStaysUnderCover);
    return true;
}

bool OpenCommandCase(const std::string& givenPath, const std::string& startFolder, std::ostream& err,
                     ProgramChoices& choices, Examination& examination)
{
    std::string error;
    if (!LoadProgramChoices("", choices, error)) {
        err << "squinx: " << error << '\n';
        return false;
    }
    std::string musclesRefused;
    if (!OpenCaseExamination(ResolveFromStartFolder(givenPath, startFolder), choices.settings, examination,
                             musclesRefused)) {
        err << "squinx: " << givenPath << ": not a case file that can be read\n";
        return false;
    }
    if (!musclesRefused.empty())
        err << "squinx: " << musclesRefused << '\n';
    return true;
}
