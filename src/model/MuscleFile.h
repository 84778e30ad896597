#pragma once

#include "model/HeadPosture.h"
#include "model/MuscleStrengths.h"

#include <filesystem>
#include <string>

// Muscle strengths live in a small text file beside the case, so that the
// 98-byte case file keeps its format: a header line, then one key=value line
// per muscle whose strength is not 100 %, such as "right.LR=20". A muscle
// without a line is normal; a case with all muscles normal has no such file.
// After the strengths come the anomalies present, in percent:
// "right.SOtether=68" (superior oblique tether) and "right.LRcocontraction=40"
// (lateral rectus co-contracting with the medial rectus), then the levators
// of the upper lids that are not 100 %: "right.LPS=30".
// Last comes the patient's compensatory head posture, if the case names one:
// "head.turn=20", "head.tilt=-15", "head.chin=0", whole degrees within
// kLargestHeadPosture (a missing one of the three is 0).

inline constexpr const char* kMuscleFileHeader = "Squinx muscle strengths 1";
// Twelve lines and a header fit many times over; anything larger is not one.
inline constexpr std::size_t kLargestMuscleFile = 4096;

// "x.sd" -> "x.sd.muscles".
std::filesystem::path MuscleFilePath(const std::filesystem::path& casePath);

std::string EncodeMuscles(const MuscleStrengths& strengths, const CompensatoryHead& head = std::nullopt);

enum class MuscleFileError {
    none,
    noHeader,  // the first line is not kMuscleFileHeader
    badLine,   // not key=value
    unknownKey,  // not right.XX or left.XX with a muscle's, an anomaly's or the levator's (LPS) name, nor head.turn/tilt/chin
    repeatedKey,
    badValue,      // not a whole number of percent from 0 to 100
    unreadable,    // missing, too large or not a regular file
    badHeadAngle,  // a head posture not a whole number of degrees within kLargestHeadPosture
};

struct MuscleFileResult {
    MuscleFileError error = MuscleFileError::none;
    int line = 0;  // 1-based line of the fault, 0 where no line is at fault
};

// Fills out and head only when the whole text is right; otherwise both are untouched.
// Lines may end in CR LF; blank lines are ignored.
MuscleFileResult DecodeMuscles(const std::string& text, MuscleStrengths& out, CompensatoryHead& head);
// The same for a reader with no use for the head posture.
MuscleFileResult DecodeMuscles(const std::string& text, MuscleStrengths& out);

// Reads the companion of casePath. With no companion, out becomes all normal
// and the result is none: such a case simply has no weak muscle.
MuscleFileResult LoadMuscleFile(const std::filesystem::path& casePath, MuscleStrengths& out, CompensatoryHead& head);
MuscleFileResult LoadMuscleFile(const std::filesystem::path& casePath, MuscleStrengths& out);

// Writes the companion of casePath, or removes it when every strength is
// normal and no head posture is named. On failure the old companion is
// untouched and error names the file and the reason.
bool SaveMuscleFile(const std::filesystem::path& casePath, const MuscleStrengths& strengths,
                    const CompensatoryHead& head, std::string& error);
bool SaveMuscleFile(const std::filesystem::path& casePath, const MuscleStrengths& strengths, std::string& error);
