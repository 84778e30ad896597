#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

// Starts the real program for a benchmark that needs its windows: the
// toolkit, the application's start-up and the first events. Messages go to
// standard error; false when there is no display or the program did not start.
bool StartProgramUnderBenchmark(int argc, char** argv);

// Lets pending layout and paint events run.
void SettleEvents(int rounds = 10);

// Times each run on its own, as manual time, and reports the median, the
// 95th percentile and the slowest run. The median of the process's CPU time
// per run is reported too: with LP_NUM_THREADS=0 Mesa's software renderer
// draws on the calling thread, and that figure then holds on a busy machine
// where the wall-clock ones wait for a core.
template <typename Run>
void TimeEachRun(benchmark::State& state, Run run)
{
    std::vector<double> seconds;
    std::vector<double> cpuSeconds;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        run();
        const std::clock_t cpuEnd = std::clock();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        seconds.push_back(elapsed.count());
        cpuSeconds.push_back(static_cast<double>(cpuEnd - cpuStart) / CLOCKS_PER_SEC);
    }
    if (seconds.empty())
        return;
    std::sort(seconds.begin(), seconds.end());
    std::sort(cpuSeconds.begin(), cpuSeconds.end());
    state.counters["median_ms"] = seconds[seconds.size() / 2] * 1e3;
    state.counters["p95_ms"] = seconds[seconds.size() * 95 / 100] * 1e3;
    state.counters["max_ms"] = seconds.back() * 1e3;
    state.counters["cpu_median_ms"] = cpuSeconds[cpuSeconds.size() / 2] * 1e3;
}
