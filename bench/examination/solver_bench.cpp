// One solve of both eyes, as the view makes it for every pointer movement
// and the Hess chart for each of its targets: target under 5 microseconds.
// The hardest case is the paretic eye fixing through a prism, which needs
// its innervation solved for the target it sees displaced. With the head
// turned and tilted (target under 10 microseconds) the gaze is taken into the
// head and both eyes counter-roll.

#include "examination/Solver.h"

#include <benchmark/benchmark.h>

namespace {

Examination ThirdNervePalsyBehindPrisms(bool pareticEyeFixes, const HeadPosture& head = {})
{
    Examination examination;
    MuscleStrengths strengths;
    for (Muscle m : {Muscle::MR, Muscle::SR, Muscle::IR, Muscle::IO})
        strengths.Set(Eye::one, m, 10);
    examination.SetMuscles(strengths);
    examination.SetPrism(Eye::one, {20, PrismBase::in});
    examination.SetPrism(Eye::two, {6, PrismBase::up});
    examination.SetAids(pareticEyeFixes ? Eye::two : Eye::one, {true, false, false, false});
    examination.SetHead(head);
    return examination;
}

void Evaluate(benchmark::State& state, bool pareticEyeFixes, const HeadPosture& head = {})
{
    const Examination examination = ThirdNervePalsyBehindPrisms(pareticEyeFixes, head);
    const CoverBlends blends = SettledBlends(examination);
    double right = -30;
    for (auto _ : state) {
        // Sweep the target so no two solves are alike.
        right = right > 30 ? -30 : right + 0.37;
        benchmark::DoNotOptimize(Solve(examination, {right, -0.5 * right}, blends));
    }
}

void BM_SolveSoundEyeFixes(benchmark::State& state)
{
    Evaluate(state, false);
}

void BM_SolvePareticEyeFixes(benchmark::State& state)
{
    Evaluate(state, true);
}

void BM_SolvePareticEyeFixesHeadTurnedAndTilted(benchmark::State& state)
{
    Evaluate(state, true, {20, -30, 10});
}

}  // namespace

BENCHMARK(BM_SolveSoundEyeFixes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SolvePareticEyeFixes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SolvePareticEyeFixesHeadTurnedAndTilted)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
