#include "playback/PlaybackSpeed.h"

#include <algorithm>
#include <cstdint>

bool IsPlaybackSpeed(int eighths)
{
    return std::find(kSpeedEighths.begin(), kSpeedEighths.end(), eighths) != kSpeedEighths.end();
}

int TickIntervalMs(int recordingIntervalMs, int speedEighths)
{
    const std::int64_t interval = std::int64_t{recordingIntervalMs} * kNormalSpeedEighths / std::max(speedEighths, 1);
    return static_cast<int>(std::clamp<std::int64_t>(interval, 1, INT32_MAX));
}

const char* SpeedLabel(int eighths)
{
    switch (eighths) {
    case 1: return "1/8\xC3\x97";
    case 2: return "1/4\xC3\x97";
    case 4: return "1/2\xC3\x97";
    case 16: return "2\xC3\x97";
    default: return "1\xC3\x97";
    }
}
