#pragma once

#include "model/MuscleModel.h"

#include <array>

// The comitant part of a case: each eye's horizontal and vertical angle in
// degrees, in the signs the view turns an eye by (horizontal towards the
// viewer's right, vertical downwards), eye 1 at index 0.
struct ComitantAngles {
    std::array<double, kEyeCount> horizontal{};
    std::array<double, kEyeCount> vertical{};
    // The deviation shows only under cover: each eye's angles are then its
    // deviation while the other fixes. Otherwise they are where the eyes
    // stand with both open, and the fixing eye's angles move both.
    bool latent = false;
};

// A direction on the chart in degrees as the patient sees it: x towards his
// right, y upwards.
struct ChartPoint {
    double x = 0;
    double y = 0;
};

// The targets of the standard chart: the centre, then the inner square
// (15 degrees) and the outer square (30 degrees), each ring of eight from
// the upper corner on the patient's left, clockwise as he sees it.
inline constexpr int kHessRingSize = 8;
inline constexpr int kHessTargetCount = 1 + 2 * kHessRingSize;
inline constexpr double kHessInnerSquare = 15.0;
inline constexpr double kHessOuterSquare = 30.0;
const std::array<ChartPoint, kHessTargetCount>& HessTargets();

// Deviation of the plotted eye in its own terms, degrees: inward (towards
// the nose: eso) and upward (hyper) positive.
struct PlottedDeviation {
    double inward = 0;
    double upward = 0;
};

double PrismDioptres(double degrees);

// One field: where the plotted eye points for each target while the other
// eye fixes it.
// cannotFixate: the fixing eye cannot reach that target, so nothing is
// plotted there.
struct HessField {
    Eye plottedEye = Eye::one;
    std::array<ChartPoint, kHessTargetCount> plotted{};
    std::array<bool, kHessTargetCount> cannotFixate{};
    PlottedDeviation primary;  // at the centre target
};

// The field of `plotted` with the fellow eye fixing: Hering's law through
// the muscle model, plus the comitant deviation.
HessField HessFieldOf(Eye plotted, const ComitantAngles& angles, const MuscleStrengths& muscles);
