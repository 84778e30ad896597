#pragma once

#include <wx/dialog.h>

class wxCheckBox;

// The small modal hints of the main window: a text, "OK" and a check box
// that decides whether the hint may appear again.
class HintDialog : public wxDialog {
public:
    struct Geometry {
        wxSize dialog;
        wxSize text;
        wxPoint button;
        wxSize checkBox;
    };

    HintDialog(wxWindow* parent, const wxString& title, const wxString& text, const wxString& checkLabel,
               bool showAgain, const Geometry& geometry);

    bool ShowAgain() const;
    void SetShowAgain(bool showAgain);

private:
    wxCheckBox* m_showAgain;
};
