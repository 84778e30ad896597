#include "quiz/ReviewWindow.h"

#include <wx/button.h>
#include <wx/layout.h>
#include <wx/textctrl.h>

ReviewWindow::ReviewWindow(wxWindow* parent, const wxString& title, const wxString& saveLabel)
    : wxDialog(parent, wxID_ANY, title, wxDefaultPosition, wxSize(520, 460),
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxRESIZE_BORDER)
{
    // The save command needs the answers, which the quiz window holds.
    SetExtraStyle(GetExtraStyle() & ~wxWS_EX_BLOCK_EVENTS);
    SetAutoLayout(true);

    m_saveButton = new wxButton(this, SaveId, saveLabel);
    auto save = new wxLayoutConstraints;
    save->left.SameAs(this, wxLeft, 7);
    save->bottom.SameAs(this, wxBottom, 7);
    save->width.AsIs();
    save->height.AsIs();
    m_saveButton->SetConstraints(save);

    auto* ok = new wxButton(this, wxID_OK, "OK");
    auto okPlace = new wxLayoutConstraints;
    okPlace->right.SameAs(this, wxRight, 7);
    okPlace->bottom.SameAs(this, wxBottom, 7);
    okPlace->width.AsIs();
    okPlace->height.AsIs();
    ok->SetConstraints(okPlace);

    m_text =
        new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxTE_MULTILINE | wxTE_READONLY);
    auto text = new wxLayoutConstraints;
    text->left.SameAs(this, wxLeft, 7);
    text->top.SameAs(this, wxTop, 7);
    text->right.SameAs(this, wxRight, 7);
    text->bottom.SameAs(m_saveButton, wxTop, 7);
    m_text->SetConstraints(text);
}

void ReviewWindow::SetReview(const wxString& text)
{
    m_text->ChangeValue(text);
    m_text->SetInsertionPoint(0);
}

void ReviewWindow::ApplyLanguage(const wxString& title, const wxString& saveLabel)
{
    SetTitle(title);
    m_saveButton->SetLabel(saveLabel);
    Layout();
}
