#pragma once

#include <wx/frame.h>

#include <vector>

class PatientFrame;

// The PDF export's button in both chart windows, next to their ids in frame/Ids.h.
inline constexpr int kChartExportPdfId = 769;
class wxButton;
class wxPanel;

// A chart window beside the main window: a row of controls above a page
// that draws what the main window shows. The page and the texts are renewed
// whenever the window comes to the front, so it follows the case and the
// language.
class ChartWindowBase : public wxFrame {
public:
    // titleText: the language string of the menu item that opens the window.
    ChartWindowBase(PatientFrame* frame, wxWindowID id, int titleText, const wxSize& size);

    // Label the controls and draw the page again from the main window's state.
    void Renew();

protected:
    struct RowControl {
        wxWindow* control;
        int labelText;  // language string of its label; 0 for a control without one
    };
    // Controls of the top row, placed left to right in this order.
    void SetRow(std::vector<RowControl> controls);
    virtual void Redraw() = 0;
    wxPanel* Row() const { return m_row; }
    wxPanel* Page() const { return m_page; }
    // A file name for a save, with the extension added; empty when the user
    // cancels or will not replace an existing file.
    wxString AskSavePath(const wxString& wildcard, const wxString& kind, const wxString& extension);

    PatientFrame* m_frame;

private:
    void OnSize(wxSizeEvent& event);
    void OnActivate(wxActivateEvent& event);
    void Relabel();
    void Place();

    int m_titleText;
    wxPanel* m_row;
    wxPanel* m_page;
    std::vector<RowControl> m_controls;

    wxDECLARE_EVENT_TABLE();
};
