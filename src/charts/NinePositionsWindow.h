#pragma once

#include "charts/ChartWindowBase.h"

#include <wx/image.h>

class wxChoice;

// View -> Nine positions: the patient's eyes in the nine diagnostic
// positions of gaze, drawn by the main view, with a chooser of how far out
// they lie and export as PNG and PDF.
class NinePositionsWindow : public ChartWindowBase {
public:
    NinePositionsWindow(wxWindow* parent, ChartHost& host);

    const wxImage& Picture() const { return m_picture; }
    int Eccentricity() const;
    void SetEccentricity(int degrees);

    // A failed save is reported, and leaves no file.
    void ExportPng(const wxString& path);
    void ExportPdf(const wxString& path);

private:
    void Redraw() override;
    void OnPaintPage(wxPaintEvent& event);
    void OnEccentricity(wxCommandEvent& event);
    void OnExport(wxCommandEvent& event);

    wxChoice* m_eccentricity;
    wxImage m_picture;

    wxDECLARE_EVENT_TABLE();
};
