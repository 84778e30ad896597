#include "playback/PlaybackSpeed.h"

#include "playback/Recording.h"

#include <algorithm>

bool IsPlaybackSpeed(int eighths)
{
    return std::find(kSpeedEighths.begin(), kSpeedEighths.end(), eighths) != kSpeedEighths.end();
}

std::int64_t RecordingTimeAfter(std::int64_t startMs, std::int64_t elapsedMs, int speedEighths)
{
    return startMs + std::max<std::int64_t>(elapsedMs, 0) * speedEighths / kRealTimeEighths;
}

std::size_t RowDueAt(const Recording& recording, std::size_t from, std::int64_t timeMs)
{
    std::size_t row = from;
    while (row + 1 < recording.RowCount() && recording.Value(row + 1, kTimeColumn) <= timeMs)
        ++row;
    return row;
}

const char* SpeedLabel(int eighths)
{
    switch (eighths) {
    case 1:
        return "1/4\xC3\x97";
    case 2:
        return "1/2\xC3\x97";
    case 4:
        return "1\xC3\x97";
    case 16:
        return "4\xC3\x97";
    default:
        return "2\xC3\x97";
    }
}
