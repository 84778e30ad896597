#include "playback/TraceLevels.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::size_t kFanOut = 8;

void Widen(TraceRanges& ranges, const TraceRow& values)
{
    for (std::size_t c = 0; c < kTraceChannelCount; ++c) {
        ranges[c].min = std::min(ranges[c].min, values[c]);
        ranges[c].max = std::max(ranges[c].max, values[c]);
    }
}

void Widen(TraceRanges& ranges, const TraceRanges& block)
{
    for (std::size_t c = 0; c < kTraceChannelCount; ++c) {
        ranges[c].min = std::min(ranges[c].min, block[c].min);
        ranges[c].max = std::max(ranges[c].max, block[c].max);
    }
}

}  // namespace

TraceRanges EmptyTraceRanges()
{
    TraceRanges ranges;
    ranges.fill({std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity()});
    return ranges;
}

void TraceLevels::Build(std::size_t rows, const TraceRowReader& read)
{
    m_rows = rows;
    m_levels.clear();
    std::vector<TraceRanges> finest(rows / kFanOut, EmptyTraceRanges());
    TraceRow values;
    for (std::size_t row = 0; row < finest.size() * kFanOut; ++row) {
        read(row, values);
        Widen(finest[row / kFanOut], values);
    }
    m_levels.push_back(std::move(finest));
    while (m_levels.back().size() >= kFanOut) {
        const std::vector<TraceRanges>& below = m_levels.back();
        std::vector<TraceRanges> above(below.size() / kFanOut, EmptyTraceRanges());
        for (std::size_t block = 0; block < above.size() * kFanOut; ++block)
            Widen(above[block / kFanOut], below[block]);
        m_levels.push_back(std::move(above));
    }
}

TraceRanges TraceLevels::RangeOf(std::size_t first, std::size_t end, const TraceRowReader& read) const
{
    TraceRanges ranges = EmptyTraceRanges();
    TraceRow values;
    std::size_t row = first;
    while (row < end) {
        // The largest block that starts at row and ends within the span.
        std::size_t size = 1;
        std::size_t level = 0;
        while (level < m_levels.size() && row % (size * kFanOut) == 0 && row + size * kFanOut <= end) {
            size *= kFanOut;
            ++level;
        }
        if (level == 0) {
            read(row, values);
            Widen(ranges, values);
        } else {
            Widen(ranges, m_levels[level - 1][row / size]);
        }
        row += size;
    }
    return ranges;
}
