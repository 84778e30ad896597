// One hour of a device export at 250 Hz (900,000 rows of 14 columns): open it,
// save it in the program's own layout, repair it with every row weak, and
// build and read the min/max levels of its trace. The
// peak resident size of one open-save-repair sequence is reported beside the
// size of the samples themselves.

#include "SyntheticRecording.h"

#include "playback/PlaybackColumns.h"
#include "playback/RecordingPlayer.h"
#include "playback/RecordingReader.h"
#include "playback/RecordingWriter.h"
#include "playback/TraceFigure.h"
#include "playback/TraceSource.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <utility>

namespace {

const std::string kDeviceExportPath = kOneHourExportPath;
const std::string kOwnLayoutPath = "/tmp/squinx-bench-playback-1h.stx";

double PeakResidentMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB on Linux
}

double SamplesMiB(const Recording& recording)
{
    return static_cast<double>(recording.Samples().size() * sizeof(std::int32_t)) / (1024.0 * 1024.0);
}

bool Open(const std::string& path, Recording& recording)
{
    const RecordingReadResult result = ReadRecordingFile(path, recording);
    if (!result.Succeeded())
        std::fprintf(stderr, "%s: %s\n", path.c_str(), DescribeRecordingError(result.error));
    return result.Succeeded();
}

// Quality 0 everywhere, so that at threshold 0.5 every row of both eyes is weak.
void MakeEveryRowWeak(Recording& recording)
{
    for (std::size_t row = 0; row < recording.RowCount(); ++row) {
        recording.SetValue(row, kEyeOneColumns.quality, 0);
        recording.SetValue(row, kEyeTwoColumns.quality, 0);
    }
}

// Runs before any benchmark, so that the process's peak belongs to this
// sequence alone.
bool ReportPeakMemory()
{
    const double baseline = PeakResidentMiB();
    RecordingPlayer player;
    {
        Recording recording;
        if (!Open(kDeviceExportPath, recording))
            return false;
        MakeEveryRowWeak(recording);
        player.Load(std::move(recording));
    }
    const double afterOpen = PeakResidentMiB();
    std::string error;
    if (!WriteRecordingFile(kOwnLayoutPath, player.GetRecording(), error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    const double afterSave = PeakResidentMiB();
    player.SetQualityThreshold(0.5f);
    player.RepairAll();
    const double peak = PeakResidentMiB();

    const double samples = SamplesMiB(player.GetRecording());
    const auto put = [](const char* key, double value) { benchmark::AddCustomContext(key, std::to_string(value)); };
    put("rows", static_cast<double>(player.RowCount()));
    put("samples_MiB", samples);
    put("peak_rss_before_MiB", baseline);
    put("peak_rss_after_open_MiB", afterOpen);
    put("peak_rss_after_save_MiB", afterSave);
    put("peak_rss_after_repair_MiB", peak);
    put("peak_rss_per_samples_size", peak / samples);
    return true;
}

void BM_OpenDeviceExport(benchmark::State& state)
{
    for (auto _ : state) {
        Recording recording;
        if (!Open(kDeviceExportPath, recording)) {
            state.SkipWithError("open failed");
            break;
        }
        benchmark::DoNotOptimize(recording.Samples().data());
    }
    struct stat info {};
    ::stat(kDeviceExportPath.c_str(), &info);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * info.st_size);
}

void BM_SaveOwnLayout(benchmark::State& state)
{
    Recording recording;
    if (!Open(kDeviceExportPath, recording)) {
        state.SkipWithError("open failed");
        return;
    }
    for (auto _ : state) {
        std::string error;
        if (!WriteRecordingFile(kOwnLayoutPath, recording, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
}

void BM_RepairEveryRowWeak(benchmark::State& state)
{
    Recording weak;
    if (!Open(kDeviceExportPath, weak)) {
        state.SkipWithError("open failed");
        return;
    }
    MakeEveryRowWeak(weak);
    RecordingPlayer player;
    player.SetQualityThreshold(0.5f);
    for (auto _ : state) {
        state.PauseTiming();
        player.Load(weak);
        state.ResumeTiming();
        player.RepairAll();
    }
}

}  // namespace

// The recording as the trace panel sees it: weak rows (blinks) interpolated
// at threshold 0.5, as many a user sets it.
const RecordingPlayer& TracedPlayer()
{
    static RecordingPlayer player;
    if (player.RowCount() == 0) {
        Recording recording;
        if (Open(kDeviceExportPath, recording))
            player.Load(std::move(recording));
        player.SetQualityThreshold(0.5f);
    }
    return player;
}

void BM_BuildTraceLevels(benchmark::State& state)
{
    const RecordingPlayer& player = TracedPlayer();
    TraceLevels levels;
    for (auto _ : state)
        levels.Build(player.RowCount(), TraceReaderOf(player));
    state.counters["rows"] = static_cast<double>(levels.RowCount());
}

// The columns of a 1000-pixel trace showing range(0) seconds (0: the whole hour).
void BM_TraceColumns(benchmark::State& state)
{
    const RecordingPlayer& player = TracedPlayer();
    TraceLevels levels;
    levels.Build(player.RowCount(), TraceReaderOf(player));
    TraceWindow window;
    window.Reset(player.RowCount(), 250.0);
    window.SetWidth(1000);
    if (state.range(0) > 0)
        window.SetVisibleRows(250.0 * static_cast<double>(state.range(0)));
    const TraceScale scale{30.0, -30.0, 130};
    for (auto _ : state)
        benchmark::DoNotOptimize(LayOutTrace(levels, TraceReaderOf(player), window, scale, true));
}

BENCHMARK(BM_OpenDeviceExport)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveOwnLayout)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RepairEveryRowWeak)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BuildTraceLevels)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TraceColumns)->ArgName("seconds")->Arg(0)->Arg(600)->Arg(60)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (!EnsureOneHourExport() || !ReportPeakMemory())
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
