#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <vector>

// What the trace panel draws of one row, channel by channel: the angles of
// both eyes in degrees as playback shows them (interpolated where the row is
// weak), then for each eye 1 when its row is weak and 0 when it is good.
enum TraceChannel : std::size_t {
    kEyeOneHorizontal,
    kEyeOneVertical,
    kEyeOneTorsion,
    kEyeTwoHorizontal,
    kEyeTwoVertical,
    kEyeTwoTorsion,
    kEyeOneWeak,
    kEyeTwoWeak,
    kTraceChannelCount
};
inline constexpr std::size_t kTraceAngleChannels = 6;

struct ValueRange {
    float min;
    float max;
};

using TraceRow = std::array<float, kTraceChannelCount>;
using TraceRanges = std::array<ValueRange, kTraceChannelCount>;

// Fills values with what the trace draws of row.
using TraceRowReader = std::function<void(std::size_t row, TraceRow& values)>;

// The minimum and maximum of every channel over blocks of 8, 64, 512 ... rows,
// so the range of any span of rows takes a few dozen block look-ups and at
// most 14 rows read one by one, however long the span: an hour at 250 Hz
// draws as fast as a minute.
class TraceLevels {
public:
    // Reads every row once. O(rows); about rows / 7 blocks are kept.
    void Build(std::size_t rows, const TraceRowReader& read);

    std::size_t RowCount() const { return m_rows; }

    // The ranges of rows first .. end - 1; first < end <= RowCount(). Rows
    // outside whole blocks are taken from read, which must be the reader the
    // levels were built from.
    TraceRanges RangeOf(std::size_t first, std::size_t end, const TraceRowReader& read) const;

private:
    std::size_t m_rows = 0;
    std::vector<std::vector<TraceRanges>> m_levels;  // level k: blocks of 8^(k+1) rows, whole blocks only
};

// Ranges that any value widens: min +infinity, max -infinity.
TraceRanges EmptyTraceRanges();
