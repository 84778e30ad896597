#include "playback/GoodRowIndex.h"

void GoodRowIndex::Build(const Recording& recording, unsigned qualityColumn, std::int32_t limit)
{
    const std::size_t rows = recording.RowCount();
    m_good.assign(rows, false);
    m_previousGood.assign(rows, kNone);
    m_nextGood.assign(rows, kNone);

    std::uint32_t lastGood = kNone;
    for (std::size_t row = 0; row < rows; ++row) {
        m_previousGood[row] = lastGood;
        if (recording.Value(row, qualityColumn) >= limit) {
            m_good[row] = true;
            lastGood = static_cast<std::uint32_t>(row);
        }
    }
    std::uint32_t nextGood = kNone;
    for (std::size_t row = rows; row-- > 0;) {
        m_nextGood[row] = nextGood;
        if (m_good[row])
            nextGood = static_cast<std::uint32_t>(row);
    }
}

GoodRowIndex::Neighbours GoodRowIndex::Around(std::size_t row) const
{
    const std::size_t last = m_good.size() - 1;
    std::size_t before = m_previousGood[row] == kNone ? 0 : m_previousGood[row];
    std::size_t after = NextGoodOrLast(row);
    if (before == 0 && !m_good[0])
        before = after;
    else if (after == last && !m_good[last])
        after = before;
    return {before, after};
}

std::size_t GoodRowIndex::NextGoodOrLast(std::size_t row) const
{
    return m_nextGood[row] == kNone ? m_good.size() - 1 : m_nextGood[row];
}

void GoodRowIndex::MarkGood(std::size_t row)
{
    if (m_good[row])
        return;
    m_good[row] = true;
    const auto marked = static_cast<std::uint32_t>(row);
    const std::size_t stretchEnd = NextGoodOrLast(row);
    for (std::size_t later = row + 1; later <= stretchEnd; ++later)
        m_previousGood[later] = marked;
    const std::size_t stretchBegin = m_previousGood[row] == kNone ? 0 : m_previousGood[row];
    for (std::size_t earlier = stretchBegin; earlier < row; ++earlier)
        m_nextGood[earlier] = marked;
}

double InterpolateAt(std::int32_t atP, std::int32_t atF, std::size_t p, std::size_t b, std::size_t f)
{
    if (p == f)
        return atP;
    const double span = static_cast<double>(f) - static_cast<double>(p);
    return atP * (static_cast<double>(f) - static_cast<double>(b)) / span +
           atF * (static_cast<double>(b) - static_cast<double>(p)) / span;
}
