#pragma once

#include "examination/Examination.h"

#include <array>

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

// The field of `plotted` dissociated while the fellow eye fixes each
// target, as the solver turns the eyes: the case's angles, tilts, muscles
// and prisms all count. The points are where the plotted eye looks less
// what the fellow's own tilts shear its gaze by, so the chart shows the
// deviation between the eyes that the nine positions show.
HessField HessFieldOf(Eye plotted, const Examination& examination);
