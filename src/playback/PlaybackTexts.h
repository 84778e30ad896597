#pragma once

#include <cstdint>
#include <string>

// The quality label of an eye: the quality (thousandths) in whole percent,
// truncated, right-aligned in five characters: 987 gives "   98%".
std::string QualityLabel(std::int32_t quality);

class Recording;

// The decimals of a second that tell the rows of a recording apart: enough
// for its first time and its step, so 250 Hz (4 ms) gives 3 and 100 Hz 2.
int TimeDecimals(const Recording& recording);

// The time of a row for the status bar: format (a language string) applied to
// the time in seconds when it holds exactly one floating-point conversion,
// with at least `decimals` decimals; otherwise the seconds with three decimals.
// The number carries the language's decimal mark.
std::string TimeText(const std::string& format, std::int32_t timeMs, int decimals = 0, const std::string& mark = ".");
