#include "playback/PlaybackTexts.h"

#include "lang/DecimalMark.h"
#include "lang/FormatCheck.h"
#include "playback/Recording.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

std::string QualityLabel(std::int32_t quality)
{
    char text[16];
    std::snprintf(text, sizeof text, "%5d%%", static_cast<int>(quality / 10));
    return text;
}

namespace {

// Decimals of a second that show a time in whole milliseconds exactly.
int DecimalsOf(std::int64_t ms)
{
    int decimals = 3;
    for (std::int64_t unit = 10; decimals > 0 && ms % unit == 0; unit *= 10)
        --decimals;
    return decimals;
}

// The format with at least `decimals` digits after the point of its one
// conversion; unchanged when it has more or its conversion is not found.
std::string WithDecimals(const std::string& format, int decimals)
{
    for (std::size_t percent = format.find('%'); percent != std::string::npos;
         percent = format.find('%', percent + 2)) {
        if (format.compare(percent, 2, "%%") == 0)
            continue;
        const std::size_t letter = format.find_first_of("fFeEgGaA", percent);
        if (letter == std::string::npos)
            return format;
        const std::size_t point = format.find('.', percent);
        const bool hasPoint = point != std::string::npos && point < letter;
        const int shown = hasPoint ? std::atoi(format.c_str() + point + 1) : 6;
        if (shown >= decimals)
            return format;
        const std::size_t cut = hasPoint ? point : letter;
        return format.substr(0, cut) + "." + std::to_string(decimals) + format.substr(letter);
    }
    return format;
}

}  // namespace

int TimeDecimals(const Recording& recording)
{
    if (recording.RowCount() < 2)
        return 0;
    const std::int64_t first = recording.Value(0, kTimeColumn);
    return std::max(DecimalsOf(first), DecimalsOf(recording.Value(1, kTimeColumn) - first));
}

std::string TimeText(const std::string& format, std::int32_t timeMs, int decimals, const std::string& mark)
{
    const double seconds = timeMs * 0.001;
    char fallback[32];
    std::snprintf(fallback, sizeof fallback, "%.3f", seconds);
    const std::string precise = WithDecimals(format, decimals);
    return FormatNumber(IsSafeSingleArgFormat(precise, FormatArg::Floating) ? precise : format, seconds,
                        WithDecimalMark(fallback, mark), mark);
}
