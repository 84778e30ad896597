#include "frame/HintDialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/stattext.h>

HintDialog::HintDialog(wxWindow* parent, const wxString& title, const wxString& text, const wxString& checkLabel,
                       bool showAgain, const Geometry& geometry)
    : wxDialog(parent, wxID_ANY, title, wxDefaultPosition, geometry.dialog, wxCAPTION) {
    new wxStaticText(this, wxID_ANY, text, wxPoint(10, 10), geometry.text);
    // The cancel identity lets OK, Escape and the close box all end the dialog alike.
    new wxButton(this, wxID_CANCEL, "OK", geometry.button, wxSize(60, 15));
    m_showAgain = new wxCheckBox(this, wxID_ANY, checkLabel, wxPoint(10, 65), geometry.checkBox);
    m_showAgain->SetValue(showAgain);
    Centre(wxBOTH);
}

bool HintDialog::ShowAgain() const {
    return m_showAgain->GetValue();
}

void HintDialog::SetShowAgain(bool showAgain) {
    m_showAgain->SetValue(showAgain);
}
