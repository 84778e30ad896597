#pragma once

#include "charts/ChartWindowBase.h"
#include "charts/HessLayout.h"

// View -> Hess chart: both fields of the current case, with export as SVG,
// PDF and PNG, printing and a print preview on one A4 page.
class HessChartWindow : public ChartWindowBase {
public:
    HessChartWindow(wxWindow* parent, ChartHost& host);

    const ChartDrawing& Drawing() const { return m_drawing; }

    // The commands of the buttons; a failed save is reported, and leaves no file.
    void ExportSvg(const wxString& path);
    void ExportPng(const wxString& path);
    void ExportPdf(const wxString& path);

private:
    void Redraw() override;
    void OnPaintPage(wxPaintEvent& event);
    void OnExport(wxCommandEvent& event);
    void OnPrint(wxCommandEvent& event);
    void OnPrintPreview(wxCommandEvent& event);

    ChartDrawing m_drawing;

    wxDECLARE_EVENT_TABLE();
};
