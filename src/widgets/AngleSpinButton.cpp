#include "widgets/AngleSpinButton.h"

namespace {

// GTK stacks a vertical spin button's two arrows with the theme's full icon
// size, which a 19-pixel row cannot show; side by side they fit.
#ifdef __WXGTK__
constexpr long kOrientation = wxSP_HORIZONTAL;
#else
constexpr long kOrientation = wxSP_VERTICAL;
#endif

}  // namespace

AngleSpinButton::AngleSpinButton(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : wxSpinButton(parent, id, pos, size, kOrientation | wxSP_ARROW_KEYS)
{}

int AngleSpinButton::GetValue() const
{
    const int native = wxSpinButton::GetValue();
    return m_reversed ? -native : native;
}

void AngleSpinButton::SetValue(int value)
{
    wxSpinButton::SetValue(m_reversed ? -value : value);
}

void AngleSpinButton::SetRange(int first, int last)
{
    const int value = GetValue();
    m_reversed = first > last;
    if (m_reversed)
        wxSpinButton::SetRange(-first, -last);
    else
        wxSpinButton::SetRange(first, last);
    SetValue(value);
}

int AngleSpinButton::GetMin() const
{
    return m_reversed ? -wxSpinButton::GetMin() : wxSpinButton::GetMin();
}

int AngleSpinButton::GetMax() const
{
    return m_reversed ? -wxSpinButton::GetMax() : wxSpinButton::GetMax();
}
