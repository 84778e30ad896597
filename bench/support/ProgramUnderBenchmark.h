#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

// Starts the real program for a benchmark that needs its windows: the
// toolkit, the application's start-up and the first events. Messages go to
// standard error; false when there is no display or the program did not start.
bool StartProgramUnderBenchmark(int argc, char** argv);

// Lets pending layout and paint events run.
void SettleEvents(int rounds = 10);

// Times each run on its own, as manual time, and reports the median, the
// 95th percentile and the slowest run.
template <typename Run>
void TimeEachRun(benchmark::State& state, Run run)
{
    std::vector<double> seconds;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        seconds.push_back(elapsed.count());
    }
    if (seconds.empty())
        return;
    std::sort(seconds.begin(), seconds.end());
    state.counters["median_ms"] = seconds[seconds.size() / 2] * 1e3;
    state.counters["p95_ms"] = seconds[seconds.size() * 95 / 100] * 1e3;
    state.counters["max_ms"] = seconds.back() * 1e3;
}
