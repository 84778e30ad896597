#include "playback/TraceWindow.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kFollowMargin = 0.1;

}  // namespace

void TraceWindow::Reset(std::size_t rows, double minimumVisibleRows)
{
    m_rows = std::max<std::size_t>(rows, 1);
    m_minimumVisible = std::clamp(minimumVisibleRows, 1.0, static_cast<double>(m_rows));
    m_first = 0.0;
    m_visible = static_cast<double>(m_rows);
}

void TraceWindow::SetWidth(int pixels)
{
    m_width = std::max(pixels, 1);
}

double TraceWindow::XOfRow(std::size_t row) const
{
    return (static_cast<double>(row) + 0.5 - m_first) / RowsPerPixel();
}

std::size_t TraceWindow::RowAt(double x) const
{
    const double row = std::floor(m_first + x * RowsPerPixel());
    return static_cast<std::size_t>(std::clamp(row, 0.0, static_cast<double>(m_rows - 1)));
}

std::size_t TraceWindow::FirstRowOfColumn(int x) const
{
    const double row = std::floor(m_first + x * RowsPerPixel());
    return static_cast<std::size_t>(std::clamp(row, 0.0, static_cast<double>(m_rows)));
}

void TraceWindow::ZoomAt(double x, double visibleRows)
{
    const double anchor = m_first + x * RowsPerPixel();
    m_visible = std::clamp(visibleRows, m_minimumVisible, static_cast<double>(m_rows));
    m_first = anchor - x * RowsPerPixel();
    ClampFirst();
}

void TraceWindow::SetVisibleRows(double visibleRows)
{
    ZoomAt(m_width / 2.0, visibleRows);
}

void TraceWindow::Follow(std::size_t row)
{
    const double at = static_cast<double>(row);
    if (at >= m_first && at + 1.0 <= m_first + m_visible)
        return;
    m_first = at - kFollowMargin * m_visible;
    ClampFirst();
}

void TraceWindow::ClampFirst()
{
    m_first = std::clamp(m_first, 0.0, static_cast<double>(m_rows) - m_visible);
}
