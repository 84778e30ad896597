#pragma once

#include <cstdint>
#include <string>

// The quality label of an eye: the quality (thousandths) in whole percent,
// truncated, right-aligned in five characters: 987 gives "   98%".
std::string QualityLabel(std::int32_t quality);

// The time of a row for the status bar: format (a language string) applied to
// the time in seconds when it holds exactly one floating-point conversion;
// otherwise the seconds with three decimals.
std::string TimeText(const std::string& format, std::int32_t timeMs);
