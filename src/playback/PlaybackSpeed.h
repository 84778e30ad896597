#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

class Recording;

// Playback speeds in eighths of the normal speed, which plays the recording
// at twice the speed it was recorded at: 1/4, 1/2, 1, 2 and 4 times real
// time. The speed kept in the settings file is one of these.
inline constexpr std::array<int, 5> kSpeedEighths = {1, 2, 4, 8, 16};
inline constexpr int kNormalSpeedEighths = 8;
// The speed that plays one second of recording per second.
inline constexpr int kRealTimeEighths = 4;

bool IsPlaybackSpeed(int eighths);

// The recording's time after elapsedMs of wall-clock time at a speed, from
// startMs on.
std::int64_t RecordingTimeAfter(std::int64_t startMs, std::int64_t elapsedMs, int speedEighths);

// The row playback shows when the recording's time has reached timeMs: from
// row `from` on, the last row of those that follow it without a gap whose
// time is at most timeMs; `from` itself when the next row is not due yet.
std::size_t RowDueAt(const Recording& recording, std::size_t from, std::int64_t timeMs);

// The choice text of a speed in UTF-8, as a factor of real time: "1/4×" ...
// "1×", "2×", "4×".
const char* SpeedLabel(int eighths);
