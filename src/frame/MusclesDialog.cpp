#include "frame/MusclesDialog.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <algorithm>

namespace {

constexpr int kMargin = 10;
constexpr int kGap = 8;
constexpr int kSliderWidth = 150;
constexpr int kRowGap = 3;
constexpr int kFirstSliderId = wxID_HIGHEST + 1;

Eye EyeOf(int index)
{
    return index == 0 ? Eye::one : Eye::two;
}

constexpr int kRows = MusclesDialog::kRows;
constexpr int kLevatorRow = kMuscleCount;

int SliderId(int eye, int row)
{
    return kFirstSliderId + eye * kRows + row;
}

int PercentOf(const MuscleStrengths& strengths, int eye, int row)
{
    return row == kLevatorRow ? strengths.Levator(EyeOf(eye)) : strengths.Get(EyeOf(eye), static_cast<Muscle>(row));
}

void SetPercent(MuscleStrengths& strengths, int eye, int row, int percent)
{
    if (row == kLevatorRow)
        strengths.SetLevator(EyeOf(eye), percent);
    else
        strengths.Set(EyeOf(eye), static_cast<Muscle>(row), percent);
}

wxString PercentText(int percent)
{
    return wxString::Format("%d %%", percent);
}

}  // namespace

MusclesDialog::MusclesDialog(wxWindow* parent, const Texts& texts, const MuscleStrengths& strengths)
    : wxDialog(parent, wxID_ANY, texts.title, wxDefaultPosition, wxDefaultSize, wxCAPTION | wxCLOSE_BOX),
      m_strengths(strengths)
{
    // Controls first, places after: the rows are as high and the name column
    // as wide as this language and font need.
    std::array<wxStaticBox*, kEyeCount> boxes{};
    std::array<wxStaticText*, kEyeCount * kRows> names{};
    int nameWidth = 0;
    for (int eye = 0; eye < kEyeCount; ++eye) {
        boxes[eye] = new wxStaticBox(this, wxID_ANY, texts.eyes[eye]);
        for (int muscle = 0; muscle < kRows; ++muscle) {
            const int percent = PercentOf(m_strengths, eye, muscle);
            wxStaticText*& name = names[eye * kRows + muscle];
            name = new wxStaticText(this, wxID_ANY, muscle == kLevatorRow ? texts.levator : texts.muscles[muscle]);
            nameWidth = std::max(nameWidth, name->GetBestSize().GetWidth());
            m_sliders[eye][muscle] = new wxSlider(this, SliderId(eye, muscle), percent, 0, kNormalStrength);
            m_numbers[eye][muscle] = new wxStaticText(this, wxID_ANY, PercentText(percent), wxDefaultPosition,
                                                      wxDefaultSize, wxALIGN_RIGHT | wxST_NO_AUTORESIZE);
        }
    }
    Bind(wxEVT_SLIDER, &MusclesDialog::OnSlider, this, SliderId(0, 0), SliderId(kEyeCount - 1, kRows - 1));

    const int numberWidth = GetTextExtent(PercentText(kNormalStrength)).GetWidth() + kGap;
    const int textHeight = names[0]->GetBestSize().GetHeight();
    const int rowHeight = std::max(textHeight, m_sliders[0][0]->GetBestSize().GetHeight());
    const int boxTitle = GetTextExtent(texts.eyes[0]).GetHeight() + kGap;
    int boxWidth = nameWidth + kSliderWidth + numberWidth + 2 * kGap + 2 * kMargin;
    for (const wxString& title : texts.eyes)
        boxWidth = std::max(boxWidth, GetTextExtent(title).GetWidth() + 4 * kMargin);
    const int rowPitch = rowHeight + kRowGap;
    const int boxHeight = boxTitle + kRows * rowPitch + kMargin;
    const int textOffset = (rowHeight - textHeight) / 2;

    for (int eye = 0; eye < kEyeCount; ++eye) {
        const int boxX = kMargin + eye * (boxWidth + kMargin);
        boxes[eye]->SetSize(boxX, kMargin, boxWidth, boxHeight);
        for (int muscle = 0; muscle < kRows; ++muscle) {
            const int y = kMargin + boxTitle + muscle * rowPitch;
            const int x = boxX + kMargin;
            names[eye * kRows + muscle]->SetSize(x, y + textOffset, nameWidth, textHeight);
            m_sliders[eye][muscle]->SetSize(x + nameWidth + kGap, y, kSliderWidth, rowHeight);
            m_numbers[eye][muscle]->SetSize(x + nameWidth + 2 * kGap + kSliderWidth, y + textOffset, numberWidth,
                                            textHeight);
        }
    }

    int y = 2 * kMargin + boxHeight;
    auto* presetLabel = new wxStaticText(this, wxID_ANY, texts.presetLabel);
    wxArrayString presetNames;
    for (const wxString& name : texts.presets)
        presetNames.Add(name);
    m_presets = new wxChoice(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, presetNames);
    m_presets->SetSelection(0);
    auto* apply = new wxButton(this, wxID_APPLY, texts.apply);
    apply->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ApplyPreset(m_presets->GetSelection()); });
    auto* reset = new wxButton(this, wxID_ANY, texts.reset);
    reset->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ResetAll(); });
    const int presetRowHeight = std::max(
        {m_presets->GetBestSize().GetHeight(), apply->GetBestSize().GetHeight(), reset->GetBestSize().GetHeight()});
    int x = kMargin;
    for (wxWindow* control : {static_cast<wxWindow*>(presetLabel), static_cast<wxWindow*>(m_presets),
                              static_cast<wxWindow*>(apply), static_cast<wxWindow*>(reset)}) {
        const wxSize size = control->GetBestSize();
        control->SetSize(x, y + (presetRowHeight - size.GetHeight()) / 2, size.GetWidth(), size.GetHeight());
        x += size.GetWidth() + kGap;
    }

    y += presetRowHeight + kMargin;
    const int width = std::max(2 * boxWidth + 3 * kMargin, x - kGap + kMargin);
    auto* cancel = new wxButton(this, wxID_CANCEL, texts.cancel);
    auto* ok = new wxButton(this, wxID_OK, texts.ok);
    const wxSize cancelSize = cancel->GetBestSize();
    const wxSize okSize = ok->GetBestSize();
    cancel->SetSize(wxRect(wxPoint(width - kMargin - cancelSize.GetWidth(), y), cancelSize));
    ok->SetSize(wxRect(wxPoint(width - kMargin - cancelSize.GetWidth() - kGap - okSize.GetWidth(), y), okSize));
    ok->SetDefault();

    SetClientSize(width, y + std::max(cancelSize.GetHeight(), okSize.GetHeight()) + kMargin);
    Centre(wxBOTH);
}

void MusclesDialog::ApplyPreset(int entry)
{
    if (entry < 0 || entry >= kMusclePresetCount * kEyeCount)
        return;
    m_strengths = PresetStrengths(static_cast<MusclePreset>(entry / kEyeCount), EyeOf(entry % kEyeCount));
    ShowStrengths();
}

void MusclesDialog::ResetAll()
{
    m_strengths.Reset();
    ShowStrengths();
}

void MusclesDialog::ShowStrengths()
{
    for (int eye = 0; eye < kEyeCount; ++eye) {
        for (int muscle = 0; muscle < kRows; ++muscle) {
            const int percent = PercentOf(m_strengths, eye, muscle);
            m_sliders[eye][muscle]->SetValue(percent);
            m_numbers[eye][muscle]->SetLabel(PercentText(percent));
        }
    }
}

void MusclesDialog::OnSlider(wxCommandEvent& event)
{
    const int index = event.GetId() - kFirstSliderId;
    const int eye = index / kRows;
    const int muscle = index % kRows;
    SetPercent(m_strengths, eye, muscle, m_sliders[eye][muscle]->GetValue());
    m_numbers[eye][muscle]->SetLabel(PercentText(m_sliders[eye][muscle]->GetValue()));
}
