#pragma once

#include "model/MuscleStrengths.h"

#include <string>

// Muscle strengths live in a small text file beside the case, so that the
// 98-byte case file keeps its format: a header line, then one key=value line
// per muscle whose strength is not 100 %, such as "right.LR=20". A muscle
// without a line is normal; a case with all muscles normal has no such file.
// After the strengths come the anomalies present, in percent:
// "right.SOtether=68" (superior oblique tether) and "right.LRcocontraction=40"
// (lateral rectus co-contracting with the medial rectus). Last come the
// levators of the upper lids that are not 100 %: "right.LPS=30".

inline constexpr const char* kMuscleFileHeader = "Squinx muscle strengths 1";
// Twelve lines and a header fit many times over; anything larger is not one.
inline constexpr std::size_t kLargestMuscleFile = 4096;

// "x.sd" -> "x.sd.muscles".
std::string MuscleFilePath(const std::string& casePath);

std::string EncodeMuscles(const MuscleStrengths& strengths);

enum class MuscleFileError {
    none,
    noHeader,    // the first line is not kMuscleFileHeader
    badLine,     // not key=value
    unknownKey,  // not right.XX or left.XX with a muscle's, an anomaly's or the levator's (LPS) name
    repeatedKey,
    badValue,    // not a whole number of percent from 0 to 100
    unreadable,  // missing, too large or not a regular file
};

struct MuscleFileResult {
    MuscleFileError error = MuscleFileError::none;
    int line = 0;  // 1-based line of the fault, 0 where no line is at fault
};

// Fills out only when the whole text is right; otherwise out is untouched.
// Lines may end in CR LF; blank lines are ignored.
MuscleFileResult DecodeMuscles(const std::string& text, MuscleStrengths& out);

// Reads the companion of casePath. With no companion, out becomes all normal
// and the result is none: such a case simply has no weak muscle.
MuscleFileResult LoadMuscleFile(const std::string& casePath, MuscleStrengths& out);

// Writes the companion of casePath, or removes it when every strength is
// normal. On failure the old companion is untouched and error names the
// file and the reason.
bool SaveMuscleFile(const std::string& casePath, const MuscleStrengths& strengths, std::string& error);
