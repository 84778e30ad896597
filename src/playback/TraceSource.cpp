#include "playback/TraceSource.h"

namespace {

constexpr float kHundredthsPerDegree = 100.0f;

}  // namespace

void ReadTraceRow(const RecordingPlayer& player, std::size_t row, TraceRow& values)
{
    ShownSample shown;
    player.Show(row, false, shown);
    for (Eye eye : kEyes) {
        const ShownEye& of = shown.eyes[EyeIndex(eye)];
        const std::size_t base = EyeIndex(eye) * kPlayedQuantityCount;
        for (std::size_t i = 0; i < kPlayedQuantityCount; ++i)
            values[base + i] = static_cast<float>(of.angles[i]) / kHundredthsPerDegree;
        values[kEyeOneWeak + EyeIndex(eye)] = of.interpolated ? 1.0f : 0.0f;
    }
}

TraceRowReader TraceReaderOf(const RecordingPlayer& player)
{
    return [&player](std::size_t row, TraceRow& values) { ReadTraceRow(player, row, values); };
}

double MillisecondsPerRow(const Recording& recording)
{
    const std::size_t rows = recording.RowCount();
    if (rows < 2)
        return 1.0;
    const double span = static_cast<double>(recording.Value(rows - 1, kTimeColumn)) - recording.Value(0, kTimeColumn);
    return span > 0.0 ? span / static_cast<double>(rows - 1) : 1.0;
}

double SecondsFromStart(const Recording& recording, std::size_t row)
{
    return (static_cast<double>(recording.Value(row, kTimeColumn)) - recording.Value(0, kTimeColumn)) / 1000.0;
}
