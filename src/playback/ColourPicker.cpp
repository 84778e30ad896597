#include "playback/ColourPicker.h"

#include <wx/colordlg.h>

#include <utility>

namespace {

constexpr int kCustomColours = 16;
constexpr int kGreyStep = 16;

ScopedColourPicker::Picker& Replacement()
{
    static ScopedColourPicker::Picker picker;
    return picker;
}

std::optional<wxColour> AskWithColourDialog(wxWindow* parent)
{
    wxColourData data;
    data.SetChooseFull(true);
    for (int i = 0; i < kCustomColours; ++i)
        data.SetCustomColour(i, wxColour(i * kGreyStep, i * kGreyStep, i * kGreyStep));
    wxColourDialog dialog(parent, &data);
    if (dialog.ShowModal() != wxID_OK)
        return std::nullopt;
    return dialog.GetColourData().GetColour();
}

}  // namespace

std::optional<wxColour> PickColour(wxWindow* parent)
{
    return Replacement() ? Replacement()(parent) : AskWithColourDialog(parent);
}

ScopedColourPicker::ScopedColourPicker(Picker picker) : m_previous(std::exchange(Replacement(), std::move(picker))) {}

ScopedColourPicker::~ScopedColourPicker()
{
    Replacement() = std::move(m_previous);
}
