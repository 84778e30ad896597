#include "playback/PlaybackColumns.h"

#include "model/AngleUnit.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int kStoredPerDegree = 1000;

}  // namespace

int StoredPerModelUnit(bool wholeDegrees)
{
    return kStoredPerDegree / UnitDivisor(wholeDegrees);
}

double StoredToModel(double stored, int sign, bool wholeDegrees)
{
    return sign * stored / StoredPerModelUnit(wholeDegrees);
}

std::int32_t ModelToStored(std::int32_t modelValue, int sign, bool wholeDegrees)
{
    const std::int64_t stored = std::int64_t{sign} * modelValue * StoredPerModelUnit(wholeDegrees);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(stored, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}
