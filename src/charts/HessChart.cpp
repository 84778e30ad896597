#include "charts/HessChart.h"

#include "examination/Solver.h"

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

}  // namespace

const std::array<ChartPoint, kHessTargetCount>& HessTargets()
{
    static const std::array<ChartPoint, kHessTargetCount> targets = MakeTargets();
    return targets;
}

double PrismDioptres(double degrees)
{
    return 100.0 * std::tan(degrees * kRadiansPerDegree);
}

HessField HessFieldOf(Eye plotted, const Examination& examination)
{
    const Eye fixing = plotted == Eye::one ? Eye::two : Eye::one;
    const std::size_t p = static_cast<std::size_t>(plotted);
    const std::size_t f = static_cast<std::size_t>(fixing);
    Examination dissociated = examination;
    EyeAids cover;
    cover.occluder = true;
    dissociated.SetAids(plotted, cover);
    dissociated.SetAids(fixing, {});
    // The chart is taken with the head held straight, whatever posture the patient adopts.
    dissociated.SetHead({});

    HessField field;
    field.plottedEye = plotted;
    for (int i = 0; i < kHessTargetCount; ++i) {
        const ChartPoint& target = HessTargets()[i];
        const BothEyes solved = Solve(dissociated, {target.x, target.y});
        field.cannotFixate[i] = FixingEyeCannotFixate(dissociated, {target.x, target.y}, SettledBlends(dissociated));
        const GazeTarget looks = solved[p].LineOfSight();
        const GazeTarget fixingShear = {solved[f].gaze.right - target.x, solved[f].gaze.up - target.y};
        field.plotted[i] = {looks.right - fixingShear.right, looks.up - fixingShear.up};
    }
    const ChartPoint& centre = field.plotted[0];
    field.primary = {-RightwardsPerAbduction(plotted) * centre.x, centre.y};
    return field;
}
