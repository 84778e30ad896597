#pragma once

#include "model/MuscleStrengths.h"

// Typical pictures offered by the muscles dialog and used by the case library.
enum class MusclePreset {
    sixthNervePalsy,   // lateral rectus 20 %
    fourthNervePalsy,  // superior oblique 20 %
    thirdNervePalsy,   // medial, superior and inferior rectus and inferior oblique 10 %
    brownSyndrome,     // elevation in adduction restricted: inferior oblique 10 %
    duaneSyndrome,     // type 1, abduction absent: lateral rectus 0 %
};

inline constexpr int kMusclePresetCount = 5;

// The preset in the given eye; every other muscle of both eyes is normal.
MuscleStrengths PresetStrengths(MusclePreset preset, Eye eye);
