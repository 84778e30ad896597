#pragma once

#include "model/MusclePresets.h"
#include "model/MuscleStrengths.h"

#include <wx/dialog.h>

#include <array>

class wxChoice;
class wxSlider;
class wxStaticText;

// Options -> Muscles: the strength of each eye's six muscles and of its
// lid's levator on sliders with their numbers, presets of typical palsies,
// and a reset. The dialog
// edits a copy; the caller takes Strengths() after OK.
class MusclesDialog : public wxDialog {
public:
    struct Texts {
        wxString title;
        std::array<wxString, kEyeCount> eyes;
        std::array<wxString, kMuscleCount> muscles;
        wxString levator;
        wxString presetLabel;
        // One entry per preset and eye: preset 0 in eye 1, preset 0 in eye 2, preset 1 in eye 1, ...
        std::array<wxString, kMusclePresetCount * kEyeCount> presets;
        wxString apply;
        wxString reset;
        wxString ok;
        wxString cancel;
    };

    MusclesDialog(wxWindow* parent, const Texts& texts, const MuscleStrengths& strengths);

    // One row of controls per muscle, the levator's last.
    static constexpr int kRows = kMuscleCount + 1;

    const MuscleStrengths& Strengths() const { return m_strengths; }

    // What the preset and reset buttons do, also for tests that answer the dialog.
    void ApplyPreset(int entry);
    void ResetAll();

private:
    void ShowStrengths();
    void OnSlider(wxCommandEvent& event);

    MuscleStrengths m_strengths;
    std::array<std::array<wxSlider*, kRows>, kEyeCount> m_sliders{};
    std::array<std::array<wxStaticText*, kRows>, kEyeCount> m_numbers{};
    wxChoice* m_presets = nullptr;
};
