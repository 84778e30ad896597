#include "widgets/HintDialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/stattext.h>

#include <algorithm>

namespace {

constexpr int kMargin = 10;
constexpr int kGap = 8;

wxSize AtLeast(wxSize wanted, wxSize minimum)
{
    return {std::max(wanted.GetWidth(), minimum.GetWidth()), std::max(wanted.GetHeight(), minimum.GetHeight())};
}

}  // namespace

HintDialog::HintDialog(wxWindow* parent, const wxString& title, const wxString& text, const wxString& checkLabel,
                       bool showAgain, const Geometry& geometry)
    : wxDialog(parent, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, wxCAPTION)
{
    // The geometry is the smallest layout; GTK's fonts may need more, so each
    // control grows to what its text measures and the rest moves along.
    auto* message = new wxStaticText(this, wxID_ANY, text, wxPoint(kMargin, kMargin), geometry.text);
    const wxSize textSize = AtLeast(message->GetBestSize(), geometry.text);
    message->SetSize(textSize);

    const int rowY = std::max(65, kMargin + textSize.GetHeight() + kGap);
    m_showAgain = new wxCheckBox(this, wxID_ANY, checkLabel, wxPoint(kMargin, rowY), geometry.checkBox);
    m_showAgain->SetValue(showAgain);
    const wxSize checkSize = AtLeast(m_showAgain->GetBestSize(), geometry.checkBox);
    m_showAgain->SetSize(checkSize);

    // The cancel identity lets OK, Escape and the close box all end the dialog alike.
    auto* ok = new wxButton(this, wxID_CANCEL, "OK", geometry.button, wxSize(60, 15));
    const wxSize okSize = AtLeast(ok->GetBestSize(), wxSize(60, 15));
    const wxPoint okAt(std::max(geometry.button.x, kMargin + checkSize.GetWidth() + kGap), rowY);
    ok->SetSize(wxRect(okAt, okSize));

    const int rowHeight = std::max(checkSize.GetHeight(), okSize.GetHeight());
    const wxSize content(std::max(kMargin + textSize.GetWidth(), okAt.x + okSize.GetWidth()) + kMargin,
                         rowY + rowHeight + kMargin);
    // GTK shows a window without a resize border at the size last set after
    // its creation, 1x1 when none was: so the size is set here, not above.
    SetClientSize(AtLeast(content, geometry.dialog));
    Centre(wxBOTH);
}

bool HintDialog::ShowAgain() const
{
    return m_showAgain->GetValue();
}

void HintDialog::SetShowAgain(bool showAgain)
{
    m_showAgain->SetValue(showAgain);
}
