#pragma once

#include <wx/dialog.h>

class wxButton;
class wxTextCtrl;

// The trainee's answers beside what would have scored, question by
// question. Modeless and reused; its save button reaches the quiz window,
// which owns the answers.
class ReviewWindow : public wxDialog {
public:
    static constexpr int SaveId = 1012;

    ReviewWindow(wxWindow* parent, const wxString& title, const wxString& saveLabel);

    void SetReview(const wxString& text);
    void ApplyLanguage(const wxString& title, const wxString& saveLabel);

    wxTextCtrl* ReviewText() const { return m_text; }
    wxButton* SaveButton() const { return m_saveButton; }

private:
    wxTextCtrl* m_text = nullptr;
    wxButton* m_saveButton = nullptr;
};
