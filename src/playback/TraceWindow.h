#pragma once

#include <cstddef>

// Which rows the trace panel shows across its width. Rows are laid side by
// side in row space, row r covering r .. r + 1; the panel shows the stretch
// FirstRow() .. FirstRow() + VisibleRows() over Width() pixel columns.
class TraceWindow {
public:
    // A new recording of rows rows (at least 1), shown whole. The view never
    // narrows below minimumVisibleRows (about one second of the recording).
    void Reset(std::size_t rows, double minimumVisibleRows);
    void SetWidth(int pixels);

    int Width() const { return m_width; }
    std::size_t RowCount() const { return m_rows; }
    double FirstRow() const { return m_first; }
    double VisibleRows() const { return m_visible; }
    double RowsPerPixel() const { return m_visible / m_width; }
    bool ShowsAll() const { return m_visible >= static_cast<double>(m_rows); }

    // Pixel x of the middle of row.
    double XOfRow(std::size_t row) const;
    // The row drawn at pixel x, clamped to the recording.
    std::size_t RowAt(double x) const;
    // The first row of pixel column x: column x shows RowAt(x) .. FirstRowOfColumn(x + 1) - 1.
    std::size_t FirstRowOfColumn(int x) const;

    // Shows visible rows (clamped to the minimum and the whole recording),
    // keeping the row at pixel x where it is unless the view meets an end.
    void ZoomAt(double x, double visibleRows);
    // The same around the middle of the panel.
    void SetVisibleRows(double visibleRows);
    // Scrolls so that row is in view: a row beyond either edge becomes the
    // row a tenth of the width from the left, so playback turns pages.
    void Follow(std::size_t row);

private:
    void ClampFirst();

    std::size_t m_rows = 1;
    double m_minimumVisible = 1.0;
    int m_width = 1;
    double m_first = 0.0;
    double m_visible = 1.0;
};
