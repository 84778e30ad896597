#include "charts/ChartPainter.h"

#include <wx/dc.h>

#include <algorithm>
#include <cmath>

namespace {

// Heights of the two kinds of text, in millimetres of the page.
constexpr double kHeadingHeight = 5.0;
constexpr double kTextHeight = 3.6;

wxPen PenFor(ChartInk ink, double scale)
{
    const auto width = [scale](double millimetres) {
        return std::max(1, static_cast<int>(std::lround(millimetres * scale)));
    };
    switch (ink) {
    case ChartInk::grid:
        return wxPen(wxColour(200, 200, 200), width(0.15));
    case ChartInk::axis:
        return wxPen(wxColour(110, 110, 110), width(0.3));
    case ChartInk::target:
        return wxPen(wxColour(200, 30, 30), width(0.25));
    case ChartInk::plot:
        break;
    }
    return wxPen(wxColour(20, 40, 170), width(0.5));
}

// Screens, files and printers each have their own idea of a point: the font
// is measured on the DC and scaled until its lines are `height` high.
wxFont FontOfHeight(wxDC& dc, double height, bool bold)
{
    constexpr double kTrialPoints = 20.0;
    wxFont font(wxFontInfo(kTrialPoints).Family(wxFONTFAMILY_SWISS).Bold(bold));
    dc.SetFont(font);
    const int measured = dc.GetCharHeight();
    if (measured > 0)
        font.SetFractionalPointSize(std::max(1.0, kTrialPoints * height / measured));
    return font;
}

}  // namespace

void PaintChart(wxDC& dc, const ChartDrawing& drawing, const wxRect& area)
{
    const double scale = std::min(area.width / kHessPageWidth, area.height / kHessPageHeight);
    const double left = area.x + (area.width - scale * kHessPageWidth) / 2;
    const double top = area.y + (area.height - scale * kHessPageHeight) / 2;
    const auto at = [&](double x, double y) {
        return wxPoint(static_cast<int>(std::lround(left + scale * x)), static_cast<int>(std::lround(top + scale * y)));
    };

    dc.SetBackground(*wxWHITE_BRUSH);
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.SetPen(*wxWHITE_PEN);
    dc.DrawRectangle(area);

    for (const ChartLine& line : drawing.lines) {
        dc.SetPen(PenFor(line.ink, scale));
        dc.DrawLine(at(line.x1, line.y1), at(line.x2, line.y2));
    }
    for (const ChartDot& dot : drawing.dots) {
        const wxPen pen = PenFor(dot.ink, scale);
        dc.SetPen(pen);
        // Targets are printed rings; the plotted points are filled in.
        dc.SetBrush(dot.ink == ChartInk::plot ? wxBrush(pen.GetColour()) : *wxWHITE_BRUSH);
        dc.DrawCircle(at(dot.x, dot.y), std::max(2, static_cast<int>(std::lround(dot.radius * scale))));
    }

    dc.SetTextForeground(*wxBLACK);
    const wxFont heading = FontOfHeight(dc, kHeadingHeight * scale, true);
    const wxFont plain = FontOfHeight(dc, kTextHeight * scale, false);
    for (const ChartText& text : drawing.texts) {
        dc.SetFont(text.heading ? heading : plain);
        const wxString label = wxString::FromUTF8(text.text);
        const wxSize extent = dc.GetTextExtent(label);
        wxPoint point = at(text.x, text.y);
        point.y -= extent.y;
        if (text.place == TextPlace::centre)
            point.x -= extent.x / 2;
        dc.DrawText(label, point);
    }
}
