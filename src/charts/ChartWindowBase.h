#pragma once

#include <wx/frame.h>

#include <vector>

class PatientFrame;
class wxButton;
class wxPanel;

// A chart window beside the main window: a row of controls above a page
// that draws what the main window shows. The page is drawn afresh whenever
// the window comes to the front, so it follows the case.
class ChartWindowBase : public wxFrame {
public:
    ChartWindowBase(PatientFrame* frame, wxWindowID id, const wxString& title, const wxSize& size);

    // Draw the page again from the main window's state.
    virtual void Renew() = 0;

protected:
    // Controls of the top row, placed left to right in this order.
    void SetRow(std::vector<wxWindow*> controls);
    wxPanel* Row() const { return m_row; }
    wxPanel* Page() const { return m_page; }
    // A file name for a save, with the extension added; empty when the user
    // cancels or will not replace an existing file.
    wxString AskSavePath(const wxString& wildcard, const wxString& extension);

    PatientFrame* m_frame;

private:
    void OnSize(wxSizeEvent& event);
    void OnActivate(wxActivateEvent& event);
    void Place();

    wxPanel* m_row;
    wxPanel* m_page;
    std::vector<wxWindow*> m_controls;

    wxDECLARE_EVENT_TABLE();
};
