#pragma once

#include "model/CaseFile.h"
#include "model/EyeQuantity.h"
#include "model/HeadPosture.h"
#include "model/MuscleStrengths.h"

#include <string>
#include <vector>

// The teaching cases shipped in data/cases. Each is written there as
// <name>.sd, with <name>.sd.muscles where a muscle is weak or the patient holds his head
// compensatorily, by the case
// generator (build target "cases"); the help book's case library page
// describes the findings of every entry.

enum class Deviation { manifest, latent };

// One angle as the value field shows it, in degrees, at the two ends of the
// distance slider. Angles left out of a case are 0 at both ends.
struct LibraryAngle {
    Eye eye;
    EyeQuantity quantity;
    double farDegrees;
    double nearDegrees;
};

struct LibraryCase {
    std::string name;  // file name without ".sd"
    Deviation deviation;
    std::vector<LibraryAngle> angles;
    // Written beside the case file when any muscle is weak or a head posture is named.
    MuscleStrengths muscles{};
    // The posture the patient takes up to ease his palsy.
    CompensatoryHead head{};
};

const std::vector<LibraryCase>& CaseLibrary();

// The case as the program stores it: hundredths of a degree, with the sign
// of every quantity that the value fields show negated turned back.
CaseData ToCaseData(const LibraryCase& libraryCase);
