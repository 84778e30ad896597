#pragma once

#include "playback/TraceFigure.h"
#include "playback/TraceLevels.h"
#include "playback/TraceWindow.h"

#include <wx/window.h>

#include <cstddef>
#include <functional>
#include <vector>

class LanguageTable;
class RecordingPlayer;
class wxDC;
class wxGraphicsContext;

// Below the playback bar: the horizontal and vertical angles of both eyes
// (and their torsion where the recording has any) over time, weak rows
// shaded, a cursor on the row shown. Clicking or dragging asks for another
// row; the mouse wheel zooms the time axis around the pointer.
class TracePanel : public wxWindow {
public:
    // The panel keeps a reference to texts for its labels.
    TracePanel(wxWindow* parent, wxWindowID id, const LanguageTable& texts);

    // Called with the row the user clicked or dragged to.
    void SetSeekHandler(std::function<void(std::size_t row)> seek) { m_seek = std::move(seek); }

    // A newly loaded recording: shown at the kept span, cursor on row 0.
    void ShowRecording(const RecordingPlayer& player);
    // Moves the cursor to row and scrolls it into view.
    void ShowRow(std::size_t row);

    // Time across the width, 0 while the whole recording is shown; a span
    // set before a recording is loaded applies to it.
    int SpanMs() const;
    void SetSpanMs(int spanMs);

    const TraceWindow& Window() const { return m_window; }
    std::size_t CursorRow() const { return m_cursorRow; }
    // Where the curves are drawn, in the panel's pixels.
    wxRect PlotArea() const { return m_plot; }

    // Draws the whole panel as it would appear at size.
    void Draw(wxDC& dc, const wxSize& size);

    // The mouse actions, at x in the panel's pixels.
    void SeekAt(int x);
    void ZoomAt(int x, int wheelSteps);

private:
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);

    void UpdateLevels();
    void LayOut(const wxSize& size);
    // Lays the legend out in lines across width, drawing it when drawOn is given.
    int LegendHeight(int width, wxDC* drawOn) const;
    void DrawAxes(wxDC& dc) const;
    void DrawCurves(wxDC& dc, const TraceFigure& figure) const;
    void DrawBars(wxDC& dc, wxGraphicsContext* context, const std::vector<TraceBar>& bars, bool interpolated,
                  const wxColour& colour, std::size_t quantity) const;
    void ApplySpan();

    const LanguageTable& m_texts;
    const RecordingPlayer* m_player = nullptr;
    TraceLevels m_levels;
    unsigned m_levelsRevision = 0;
    TraceRanges m_allRows = EmptyTraceRanges();
    bool m_withTorsion = false;
    TraceScale m_scale{5.0, -5.0, 1};
    double m_valueStep = 1.0;
    double m_msPerRow = 1.0;
    TraceWindow m_window;
    std::size_t m_cursorRow = 0;
    int m_spanMs = 0;
    wxRect m_plot;
    std::function<void(std::size_t)> m_seek;

    wxDECLARE_EVENT_TABLE();
};
