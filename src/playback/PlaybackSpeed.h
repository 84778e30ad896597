#pragma once

#include <array>

// Playback speeds in eighths of the recording's own tick rate: 1/8, 1/4, 1/2,
// 1 and 2 times. The speed kept in the settings file is one of these.
inline constexpr std::array<int, 5> kSpeedEighths = {1, 2, 4, 8, 16};
inline constexpr int kNormalSpeedEighths = 8;

bool IsPlaybackSpeed(int eighths);

// The timer interval for a speed: 1/8 speed ticks 8 times as far apart;
// never below 1 ms.
int TickIntervalMs(int recordingIntervalMs, int speedEighths);

// The choice text of a speed in UTF-8: "1/8×" ... "1×", "2×".
const char* SpeedLabel(int eighths);
