#include "charts/HessChart.h"

#include <cmath>
#include <cstddef>

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;

std::array<ChartPoint, kHessTargetCount> MakeTargets()
{
    // One ring of unit offsets, clockwise from the upper left as the patient sees it.
    constexpr ChartPoint ring[kHessRingSize] = {{-1, 1}, {0, 1}, {1, 1}, {1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}};
    std::array<ChartPoint, kHessTargetCount> targets{};
    for (int i = 0; i < kHessRingSize; ++i) {
        targets[1 + i] = {ring[i].x * kHessInnerSquare, ring[i].y * kHessInnerSquare};
        targets[1 + kHessRingSize + i] = {ring[i].x * kHessOuterSquare, ring[i].y * kHessOuterSquare};
    }
    return targets;
}

// Towards the patient's right is outward for his right eye, inward for his left.
double RightwardsPerAbduction(Eye eye)
{
    return eye == Eye::one ? 1.0 : -1.0;
}

} // namespace

const std::array<ChartPoint, kHessTargetCount>& HessTargets()
{
    static const std::array<ChartPoint, kHessTargetCount> targets = MakeTargets();
    return targets;
}

double PrismDioptres(double degrees)
{
    return 100.0 * std::tan(degrees * kRadiansPerDegree);
}

HessField HessFieldOf(Eye plotted, const ComitantAngles& angles, const MuscleStrengths& muscles)
{
    const Eye fixing = plotted == Eye::one ? Eye::two : Eye::one;
    const std::size_t p = static_cast<std::size_t>(plotted);
    const std::size_t f = static_cast<std::size_t>(fixing);
    // With both eyes open the fixing eye's own angles are taken up when it
    // fixes, and the plotted eye moves by as much (as on the cover test).
    const double shareOfFixing = angles.latent ? 0.0 : 1.0;
    // View signs: horizontal towards the viewer's right is the patient's left, vertical is downwards.
    const ChartPoint comitant{-(angles.horizontal[p] - shareOfFixing * angles.horizontal[f]),
                              -(angles.vertical[p] - shareOfFixing * angles.vertical[f])};

    HessField field;
    field.plottedEye = plotted;
    const double rightwards = RightwardsPerAbduction(plotted);
    for (int i = 0; i < kHessTargetCount; ++i) {
        const ChartPoint& target = HessTargets()[i];
        const BinocularDeviation deviation = MuscleDeviation(muscles, {target.x, target.y}, fixing);
        const EyeTurn& turn = deviation.eyes[p];
        field.cannotFixate[i] = deviation.cannotFixate;
        field.plotted[i] = {target.x + comitant.x + rightwards * turn.abduction,
                            target.y + comitant.y + turn.elevation};
    }
    const ChartPoint& centre = field.plotted[0];
    field.primary = {-rightwards * centre.x, centre.y};
    return field;
}
