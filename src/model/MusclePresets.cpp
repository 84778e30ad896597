#include "model/MusclePresets.h"

#include <initializer_list>

MuscleStrengths PresetStrengths(MusclePreset preset, Eye eye)
{
    MuscleStrengths strengths;
    const auto weaken = [&](std::initializer_list<Muscle> muscles, int percent) {
        for (Muscle muscle : muscles)
            strengths.Set(eye, muscle, percent);
    };
    switch (preset) {
    case MusclePreset::sixthNervePalsy:
        weaken({Muscle::LR}, 20);
        break;
    case MusclePreset::fourthNervePalsy:
        weaken({Muscle::SO}, 20);
        break;
    case MusclePreset::thirdNervePalsy:
        weaken({Muscle::MR, Muscle::SR, Muscle::IR, Muscle::IO}, 10);
        // The third nerve feeds the levator too: a complete palsy has a marked ptosis.
        strengths.SetLevator(eye, kThirdNerveLevator);
        break;
    case MusclePreset::brownSyndrome:
        strengths.SetTether(eye, kBrownTether);
        break;
    case MusclePreset::duaneSyndrome:
        weaken({Muscle::LR}, 10);
        strengths.SetCoContraction(eye, kDuaneCoContraction);
        break;
    }
    return strengths;
}
