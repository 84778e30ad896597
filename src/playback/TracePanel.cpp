#include "playback/TracePanel.h"

#include "lang/LanguageTable.h"
#include "lang/DecimalMark.h"
#include "lang/Latin1.h"
#include "lang/TextIds.h"
#include "lang/LanguageText.h"
#include "playback/RecordingPlayer.h"
#include "playback/TraceSource.h"

#include <wx/dcbuffer.h>
#include <wx/graphics.h>
#include <wx/pen.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kZoomPerWheelStep = 0.8;
constexpr int kPixelsPerTimeLabel = 70;
constexpr int kPixelsPerValueStep = 22;
constexpr int kGap = 4;
constexpr int kSwatchWidth = 18;
constexpr int kLegendSpacing = 12;
constexpr int kRightMargin = 14;

const wxColour kBackground(255, 255, 255);
const wxColour kGrid(225, 225, 225);
const wxColour kZeroLine(170, 170, 170);
const wxColour kWeakShade(255, 215, 215);
const wxColour kPartlyWeakShade(255, 238, 238);  // a pixel column with weak rows among good ones
const wxColour kLabel(60, 60, 60);
const wxColour kEyeColours[] = {wxColour(0, 90, 200), wxColour(215, 95, 0)};
const wxPenStyle kQuantityStyles[] = {wxPENSTYLE_SOLID, wxPENSTYLE_SHORT_DASH, wxPENSTYLE_DOT};

// Interpolated values in a paler shade of the eye's colour.
wxColour Pale(const wxColour& colour)
{
    auto mix = [](unsigned char channel) { return static_cast<unsigned char>((channel + 2 * 255) / 3); };
    return wxColour(mix(colour.Red()), mix(colour.Green()), mix(colour.Blue()));
}

wxString Decimal(const LanguageTable& texts, double value, double step)
{
    const int decimals = step >= 1.0 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    // "-0" would look like a value of its own.
    const double shown = std::abs(value) < step / 2 ? 0.0 : value;
    const std::string number = wxString::Format("%.*f", decimals, shown).ToStdString();
    return FromLatin1(WithDecimalMark(number, texts.Get(Text::DecimalMark)));
}

wxString DegreesLabel(const LanguageTable& texts, double value, double step)
{
    return Decimal(texts, value, step) + wxString::FromUTF8("\xC2\xB0");
}

enum class Swatch { eyeOne, eyeTwo, horizontal, vertical, torsion, interpolated };

struct LegendItem {
    Swatch swatch;
    wxString text;
};

std::vector<LegendItem> LegendItems(const LanguageTable& texts, bool withTorsion)
{
    std::vector<LegendItem> items = {{Swatch::eyeOne, LanguageText(texts, Text::EyeGroup1)},
                                     {Swatch::eyeTwo, LanguageText(texts, Text::EyeGroup2)},
                                     {Swatch::horizontal, LanguageText(texts, Text::HorizontalRow)},
                                     {Swatch::vertical, LanguageText(texts, Text::VerticalRow)}};
    if (withTorsion)
        items.push_back({Swatch::torsion, LanguageText(texts, Text::TorsionRow)});
    items.push_back({Swatch::interpolated, LanguageText(texts, Text::TraceInterpolated)});
    return items;
}

void DrawSwatch(wxDC& dc, Swatch swatch, const wxRect& box)
{
    const int y = box.y + box.height / 2;
    const wxColour grey(90, 90, 90);
    switch (swatch) {
    case Swatch::eyeOne:
    case Swatch::eyeTwo:
        dc.SetPen(wxPen(kEyeColours[swatch == Swatch::eyeOne ? 0 : 1], 3));
        break;
    case Swatch::horizontal:
    case Swatch::vertical:
    case Swatch::torsion:
        dc.SetPen(wxPen(grey, 1, kQuantityStyles[static_cast<int>(swatch) - static_cast<int>(Swatch::horizontal)]));
        break;
    case Swatch::interpolated:
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(kWeakShade));
        dc.DrawRectangle(box);
        dc.SetPen(wxPen(Pale(kEyeColours[0]), 1));
        break;
    }
    dc.DrawLine(box.x, y, box.x + box.width, y);
}

}  // namespace

wxBEGIN_EVENT_TABLE(TracePanel, wxWindow)
    EVT_PAINT(TracePanel::OnPaint)
    EVT_MOUSE_EVENTS(TracePanel::OnMouse)
    EVT_MOUSE_CAPTURE_LOST(TracePanel::OnCaptureLost)
wxEND_EVENT_TABLE()

TracePanel::TracePanel(wxWindow* parent, wxWindowID id, const LanguageTable& texts)
    : wxWindow(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_SUNKEN | wxFULL_REPAINT_ON_RESIZE), m_texts(texts)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetFont(wxFont(8, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));
}

void TracePanel::ShowRecording(const RecordingPlayer& player)
{
    m_player = &player;
    m_msPerRow = MillisecondsPerRow(player.GetRecording());
    m_window.Reset(player.RowCount(), 1000.0 / m_msPerRow);
    m_cursorRow = 0;
    m_levelsRevision = player.Revision() - 1;
    UpdateLevels();
    LayOut(GetClientSize());
    ApplySpan();
    Refresh(false);
}

void TracePanel::ShowRow(std::size_t row)
{
    if (!m_player || row >= m_window.RowCount())
        return;
    m_cursorRow = row;
    m_window.Follow(row);
    Refresh(false);
}

int TracePanel::SpanMs() const
{
    return m_spanMs;
}

void TracePanel::SetSpanMs(int spanMs)
{
    m_spanMs = std::max(spanMs, 0);
    ApplySpan();
}

void TracePanel::ApplySpan()
{
    if (!m_player)
        return;
    m_window.SetVisibleRows(m_spanMs > 0 ? m_spanMs / m_msPerRow : static_cast<double>(m_window.RowCount()));
    m_window.Follow(m_cursorRow);
}

void TracePanel::UpdateLevels()
{
    if (!m_player || m_player->Revision() == m_levelsRevision)
        return;
    m_levels.Build(m_player->RowCount(), TraceReaderOf(*m_player));
    m_levelsRevision = m_player->Revision();
    m_allRows = m_levels.RangeOf(0, m_levels.RowCount(), TraceReaderOf(*m_player));
    m_withTorsion = false;
    for (std::size_t c : {kEyeOneTorsion, kEyeTwoTorsion})
        m_withTorsion = m_withTorsion || m_allRows[c].min != 0.0f || m_allRows[c].max != 0.0f;
}

void TracePanel::LayOut(const wxSize& size)
{
    const int legend = LegendHeight(size.GetWidth(), nullptr);
    const int labelHeight = GetTextExtent("0").GetHeight();
    const int top = legend + kGap;
    // Room below for the time labels, clear of the lowest value label.
    const int height = std::max(1, size.GetHeight() - top - 2 * labelHeight - kGap);
    m_scale = ScaleFor(m_allRows, m_withTorsion, height, std::max(1, height / kPixelsPerValueStep), m_valueStep);
    const int labelWidth = std::max(GetTextExtent(DegreesLabel(m_texts, m_scale.top, m_valueStep)).GetWidth(),
                                    GetTextExtent(DegreesLabel(m_texts, m_scale.bottom, m_valueStep)).GetWidth());
    const int left = labelWidth + 2 * kGap;
    m_plot = wxRect(left, top, std::max(1, size.GetWidth() - left - kRightMargin), height);
    m_window.SetWidth(m_plot.width);
}

int TracePanel::LegendHeight(int width, wxDC* drawOn) const
{
    const int lineHeight = GetTextExtent("Ag").GetHeight() + 2;
    int x = kGap;
    int y = 2;
    for (const LegendItem& item : LegendItems(m_texts, m_withTorsion)) {
        const int itemWidth = kSwatchWidth + kGap + GetTextExtent(item.text).GetWidth();
        if (x > kGap && x + itemWidth > width - kGap) {
            x = kGap;
            y += lineHeight;
        }
        if (drawOn) {
            DrawSwatch(*drawOn, item.swatch, wxRect(x, y + 2, kSwatchWidth, lineHeight - 4));
            drawOn->DrawText(item.text, x + kSwatchWidth + kGap, y);
        }
        x += itemWidth + kLegendSpacing;
    }
    return y + lineHeight;
}

void TracePanel::Draw(wxDC& dc, const wxSize& size)
{
    UpdateLevels();
    LayOut(size);
    dc.SetBackground(wxBrush(kBackground));
    dc.Clear();
    dc.SetFont(GetFont());
    dc.SetTextForeground(kLabel);
    LegendHeight(size.GetWidth(), &dc);
    if (!m_player)
        return;
    const TraceFigure figure = LayOutTrace(m_levels, TraceReaderOf(*m_player), m_window, m_scale, m_withTorsion);
    dc.SetPen(*wxTRANSPARENT_PEN);
    for (const TraceSpan& span : figure.weakSpans) {
        dc.SetBrush(wxBrush(span.whole ? kWeakShade : kPartlyWeakShade));
        dc.DrawRectangle(m_plot.x + span.begin, m_plot.y, span.end - span.begin, m_plot.height);
    }
    DrawAxes(dc);
    DrawCurves(dc, figure);
}

void TracePanel::DrawAxes(wxDC& dc) const
{
    const int textHeight = dc.GetTextExtent("0").GetHeight();
    for (double value = m_scale.bottom; value <= m_scale.top + m_valueStep / 2; value += m_valueStep) {
        const int y = m_plot.y + m_scale.YOf(value);
        dc.SetPen(wxPen(std::abs(value) < m_valueStep / 2 ? kZeroLine : kGrid));
        dc.DrawLine(m_plot.x, y, m_plot.GetRight() + 1, y);
        const wxString label = DegreesLabel(m_texts, value, m_valueStep);
        dc.DrawText(label, m_plot.x - kGap - dc.GetTextExtent(label).GetWidth(), y - textHeight / 2);
    }

    const double secondsPerRow = m_msPerRow / 1000.0;
    const double start = m_window.FirstRow() * secondsPerRow;
    const double span = m_window.VisibleRows() * secondsPerRow;
    const double step = NiceStep(span, std::max(1, m_plot.width / kPixelsPerTimeLabel));
    const int labelY = m_plot.GetBottom() + textHeight / 2 + kGap;
    for (double t = std::ceil(start / step) * step; t <= start + span; t += step) {
        const int x = m_plot.x + static_cast<int>(std::lround((t - start) / span * m_plot.width));
        dc.SetPen(wxPen(kGrid));
        dc.DrawLine(x, m_plot.y, x, m_plot.GetBottom() + 3);
        const wxString label = Decimal(m_texts, t, step) + " s";
        const int width = dc.GetTextExtent(label).GetWidth();
        dc.DrawText(label, std::clamp(x - width / 2, 0, m_plot.GetRight() + kRightMargin - width), labelY);
    }
    dc.SetPen(wxPen(kZeroLine));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(m_plot.x - 1, m_plot.y - 1, m_plot.width + 2, m_plot.height + 2);
}

void TracePanel::DrawCurves(wxDC& dc, const TraceFigure& figure) const
{
    dc.SetClippingRegion(m_plot);
    // Smoothing thousands of pixel-sized segments costs more than it shows.
    wxGraphicsContext* context = dc.GetGraphicsContext();
    const wxAntialiasMode smoothing = context ? context->GetAntialiasMode() : wxANTIALIAS_DEFAULT;
    if (context)
        context->SetAntialiasMode(wxANTIALIAS_NONE);
    std::vector<wxPoint> points;
    for (std::size_t c = 0; c < kTraceAngleChannels; ++c) {
        const wxColour& colour = kEyeColours[c < kEyeTwoHorizontal ? 0 : 1];
        const wxPenStyle style = kQuantityStyles[c % kPlayedQuantityCount];
        for (const TraceRun& run : figure.lines[c]) {
            points.clear();
            for (const TracePoint& p : run.points)
                points.emplace_back(p.x, p.y);
            if (points.size() < 2)
                continue;
            dc.SetPen(wxPen(run.interpolated ? Pale(colour) : colour, 1, style));
            dc.DrawLines(static_cast<int>(points.size()), points.data(), m_plot.x, m_plot.y);
        }
        for (const bool interpolated : {false, true})
            DrawBars(dc, context, figure.bars[c], interpolated, interpolated ? Pale(colour) : colour,
                     c % kPlayedQuantityCount);
    }
    const double cursor = m_window.XOfRow(m_cursorRow);
    if (cursor >= 0 && cursor <= m_plot.width) {
        const int x = m_plot.x + static_cast<int>(std::lround(cursor));
        dc.SetPen(wxPen(*wxBLACK, 1));
        dc.DrawLine(x, m_plot.y, x, m_plot.GetBottom() + 1);
    }
    if (context)
        context->SetAntialiasMode(smoothing);
    dc.DestroyClippingRegion();
}

void TracePanel::DrawBars(wxDC& dc, wxGraphicsContext* context, const std::vector<TraceBar>& bars, bool interpolated,
                          const wxColour& colour, std::size_t quantity) const
{
    // Gaps along the time axis stand in for the dashes and dots of the lines:
    // a pen's pattern would be lost on bars one pixel wide.
    auto shown = [quantity](int x) { return quantity == 0 || (quantity == 1 ? x / 4 % 2 == 0 : x % 3 == 0); };
    if (!context) {
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(colour));
        for (const TraceBar& bar : bars)
            if (bar.interpolated == interpolated && shown(bar.x))
                dc.DrawRectangle(m_plot.x + bar.x, m_plot.y + bar.top, 1, bar.bottom - bar.top + 1);
        return;
    }
    // One fill for all bars of a colour: thousands of separate fills would be slow.
    wxGraphicsPath path = context->CreatePath();
    bool any = false;
    for (const TraceBar& bar : bars) {
        if (bar.interpolated == interpolated && shown(bar.x)) {
            path.AddRectangle(m_plot.x + bar.x, m_plot.y + bar.top, 1, bar.bottom - bar.top + 1);
            any = true;
        }
    }
    if (!any)
        return;
    context->SetBrush(wxBrush(colour));
    context->FillPath(path);
}

void TracePanel::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    Draw(dc, GetClientSize());
}

void TracePanel::SeekAt(int x)
{
    if (!m_player || !m_seek)
        return;
    m_seek(m_window.RowAt(std::clamp(x - m_plot.x, 0, m_plot.width - 1)));
}

void TracePanel::ZoomAt(int x, int wheelSteps)
{
    if (!m_player || wheelSteps == 0)
        return;
    const double pointer = std::clamp(x - m_plot.x, 0, m_plot.width);
    m_window.ZoomAt(pointer, m_window.VisibleRows() * std::pow(kZoomPerWheelStep, wheelSteps));
    m_spanMs = m_window.ShowsAll() ? 0 : static_cast<int>(std::lround(m_window.VisibleRows() * m_msPerRow));
    Refresh(false);
}

void TracePanel::OnMouse(wxMouseEvent& event)
{
    if (event.LeftDown()) {
        // Left and Right step from here, not in a text field that had the focus.
        SetFocus();
        if (!HasCapture())
            CaptureMouse();
        SeekAt(event.GetX());
    } else if (event.Dragging() && event.LeftIsDown() && HasCapture()) {
        SeekAt(event.GetX());
    } else if (event.LeftUp()) {
        if (HasCapture())
            ReleaseMouse();
    } else if (event.GetEventType() == wxEVT_MOUSEWHEEL && event.GetWheelDelta() > 0) {
        ZoomAt(event.GetX(), event.GetWheelRotation() / event.GetWheelDelta());
    } else {
        event.Skip();
    }
}

void TracePanel::OnCaptureLost(wxMouseCaptureLostEvent&) {}
