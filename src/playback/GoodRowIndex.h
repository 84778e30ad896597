#pragma once

#include "playback/Recording.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// For one eye: which rows are good (quality at least the limit) and, for every
// row, the nearest good row before and after it. A weak row finds the rows it
// is interpolated between in constant time, however long the weak stretch.
class GoodRowIndex {
public:
    // The rows a weak row takes its values from.
    struct Neighbours {
        std::size_t before;
        std::size_t after;
    };

    // O(rows). The recording has fewer than 2^32 - 1 rows.
    void Build(const Recording& recording, unsigned qualityColumn, std::int32_t limit);

    bool IsGood(std::size_t row) const { return m_good[row]; }

    // The nearest good rows before and after row, found as a row-by-row
    // search outward from row would find them: the search stops at the first
    // and the last row whatever their quality. When it ends on a weak first
    // row, the row after serves as both; otherwise, when it ends on a weak
    // last row, the row before serves as both. So leading weak rows take the
    // first good row's values, trailing ones the last good row's, and with no
    // good row at all every row takes the last row's.
    Neighbours Around(std::size_t row) const;

    // The first good row after row, or the last row when none follows.
    std::size_t NextGoodOrLast(std::size_t row) const;

    // Records that row has become good, as after an edit; O(length of the
    // weak stretches beside it).
    void MarkGood(std::size_t row);

private:
    static constexpr std::uint32_t kNone = UINT32_MAX;

    std::vector<bool> m_good;
    std::vector<std::uint32_t> m_previousGood;  // the last good row before each row, or kNone
    std::vector<std::uint32_t> m_nextGood;      // the first good row after each row, or kNone
};

// The value at row b on the straight line from (p, atP) to (f, atF), in double
// precision; atP when p == f. The nearer row weighs more.
double InterpolateAt(std::int32_t atP, std::int32_t atF, std::size_t p, std::size_t b, std::size_t f);
