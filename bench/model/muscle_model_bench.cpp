// One evaluation of both eyes through the muscle model, as the view makes it
// for every pointer movement: target under 5 microseconds. The hardest case
// is a paretic eye fixing, which needs the innervation to be solved for.

#include "model/MuscleModel.h"

#include <benchmark/benchmark.h>

namespace {

MuscleStrengths RightThirdNervePalsy()
{
    MuscleStrengths s;
    for (Muscle m : {Muscle::MR, Muscle::SR, Muscle::IR, Muscle::IO})
        s.Set(Eye::one, m, 10);
    return s;
}

void Evaluate(benchmark::State& state, Eye fixing)
{
    const MuscleStrengths strengths = RightThirdNervePalsy();
    double right = -30;
    for (auto _ : state) {
        // Sweep the target so no two evaluations are alike.
        right = right > 30 ? -30 : right + 0.37;
        benchmark::DoNotOptimize(MuscleDeviation(strengths, {right, -0.5 * right}, fixing));
    }
}

void BM_SoundEyeFixes(benchmark::State& state)
{
    Evaluate(state, Eye::two);
}

void BM_PareticEyeFixes(benchmark::State& state)
{
    Evaluate(state, Eye::one);
}

}  // namespace

BENCHMARK(BM_SoundEyeFixes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PareticEyeFixes)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
