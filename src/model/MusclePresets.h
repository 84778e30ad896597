#pragma once

#include "model/MuscleStrengths.h"

// Typical pictures offered by the muscles dialog and used by the case library.
enum class MusclePreset {
    sixthNervePalsy,   // lateral rectus 20 %
    fourthNervePalsy,  // superior oblique 20 %
    thirdNervePalsy,   // medial, superior and inferior rectus, inferior oblique and levator 10 %
    brownSyndrome,     // superior oblique tether, every muscle normal
    duaneSyndrome,     // type 1: lateral rectus 10 %, co-contracting with the medial rectus
};

// Brown: the eye rises about 4 degrees in adduction, 6 straight ahead.
inline constexpr int kBrownTether = 68;
// Duane type 1: enough co-contraction to keep the primary esotropia small and
// retract the globe in adduction, little enough to leave adduction near full.
// The lateral rectus keeps a remnant of 10 %, so the eye just passes the
// midline and can fixate straight ahead without a secondary deviation larger
// than a sixth nerve palsy's.
inline constexpr int kDuaneCoContraction = 50;

// Third nerve: the levator as weak as the recti it shares the nerve with.
inline constexpr int kThirdNerveLevator = 10;

inline constexpr int kMusclePresetCount = 5;

// The preset in the given eye; every other muscle of both eyes is normal.
MuscleStrengths PresetStrengths(MusclePreset preset, Eye eye);
