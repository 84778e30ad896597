#include "playback/PlaybackTexts.h"

#include "lang/FormatCheck.h"

#include <cstdio>

std::string QualityLabel(std::int32_t quality)
{
    char text[16];
    std::snprintf(text, sizeof text, "%5d%%", static_cast<int>(quality / 10));
    return text;
}

std::string TimeText(const std::string& format, std::int32_t timeMs)
{
    const double seconds = timeMs * 0.001;
    char fallback[32];
    std::snprintf(fallback, sizeof fallback, "%.3f", seconds);
    return FormatSingle(format, seconds, fallback);
}
