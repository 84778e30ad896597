// Binding of the eye-position model to the main window's controls: the
// gaze sliders, the distance slider, the twelve text fields and spin buttons.
#include "widgets/AngleSpinButton.h"
#include "widgets/HintDialog.h"
#include "widgets/Ids.h"
#include "frame/PatientFrame.h"
#include "lang/DecimalMark.h"
#include "lang/LanguageTable.h"
#include "lang/Latin1.h"
#include "lang/TextIds.h"
#include "model/AngleText.h"
#include "model/AngleUnit.h"
#include "model/EyeQuantity.h"
#include "playback/PlaybackTimer.h"
#include "view/EyesCanvas.h"
#include "frame/OverlayTimer.h"

#include <wx/checkbox.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>

namespace {

constexpr int kAxisOverlayMilliseconds = 4000;

int IndexOf(const QuantityControl& control)
{
    return static_cast<int>(&control - kQuantityControls.data());
}

}  // namespace

AngleSpinButton* PatientFrame::SpinButton(int spinId) const
{
    const QuantityControl* control = FindQuantityControl(spinId);
    if (!control)
        return nullptr;
    const int index = IndexOf(*control);
    return index < kEyeQuantityCount ? m_quantitySpins1[index] : m_quantitySpins2[index - kEyeQuantityCount];
}

wxTextCtrl* PatientFrame::TextField(int textId) const
{
    const QuantityControl* control = FindQuantityControl(textId);
    if (!control)
        return nullptr;
    const int index = IndexOf(*control);
    return index < kEyeQuantityCount ? m_quantityTexts1[index] : m_quantityTexts2[index - kEyeQuantityCount];
}

wxSlider* PatientFrame::GazeSlider(int sliderId) const
{
    return m_gazeSliders[sliderId - Id::GazeSliderEye1Vertical];
}

bool PatientFrame::IsWholeDegreeMode() const
{
    return GetMenuBar()->IsChecked(Id::WholeDegreesItem);
}

bool PatientFrame::IsPlaybackMode() const
{
    return m_playbackPanel->IsShown();
}

void PatientFrame::SetQuantity(int controlId, float value)
{
    EyeModel model = m_examination.Model();
    const StoreResult result = model.Store(controlId, value, m_examination.Distance());
    m_examination.SetModel(model);
    if (result.tilt) {
        m_overlayTimer->axisOverlaysVisible = true;
        m_overlayTimer->Stop();
        m_overlayTimer->StartOnce(kAxisOverlayMilliseconds);
    }
    RunBothEyesCheck();
}

int PatientFrame::BlendedValue(int spinId) const
{
    return m_examination.Model().BlendedValue(spinId, m_examination.Distance());
}

void PatientFrame::RunBothEyesCheck()
{
    const bool active = !IsPlaybackMode() && GetMenuBar()->IsChecked(Id::ModeManifest);
    const bool holds = active && m_examination.Model().BothEyesDeviated();
    const bool due = m_bothEyesHint.Check(holds, active);
    const wxString hintText = holds ? Text(Text::BothEyesStatus) : wxString();
    if (m_statusBar->GetStatusText(kHintStatusField) != hintText) {
        m_statusBar->SetStatusText(hintText, kHintStatusField);
        FitStatusFields();
    }
    if (!due || !m_showBothEyesHint)
        return;
    HintDialog hint(this, Text(Text::HintTitle), Text(Text::BothEyesHintText), Text(Text::BothEyesHintCheck),
                    m_showBothEyesHint, {wxSize(340, 115), wxSize(295, 50), wxPoint(255, 65), wxSize(220, 15)});
    hint.ShowModal();
    m_showBothEyesHint = hint.ShowAgain();
}

void PatientFrame::UpdateSpinsFromModel()
{
    const int s = m_examination.Distance();
    for (const QuantityControl& control : kQuantityControls)
        SpinButton(control.spinId)->SetValue(m_examination.Model().Blended(control.eye, control.quantity, s));
}

void PatientFrame::UpdateGazeSlidersFromModel()
{
    const int s = m_examination.Distance();
    for (const QuantityControl& control : kQuantityControls)
        if (control.sliderId != kNoControl)
            GazeSlider(control.sliderId)->SetValue(m_examination.Model().Blended(control.eye, control.quantity, s));
}

void PatientFrame::UpdateTextsFromSpins()
{
    const bool whole = IsWholeDegreeMode();
    const std::string& mark = m_languageTable->Get(Text::DecimalMark);
    for (const QuantityControl& control : kQuantityControls) {
        const int value = SpinButton(control.spinId)->GetValue();
        TextField(control.textId)
            ->ChangeValue(FromLatin1(WithDecimalMark(FormatAngle(value, control.shownNegated, whole), mark)));
    }
    constexpr int torsionRow = static_cast<int>(EyeQuantity::torsion);
    const QuantityControl& torsion1 = FindQuantityControl(Eye::one, EyeQuantity::torsion);
    const QuantityControl& torsion2 = FindQuantityControl(Eye::two, EyeQuantity::torsion);
    m_quantityLabels1[torsionRow]->SetLabel(
        Text(TorsionLabelString(Eye::one, SpinButton(torsion1.spinId)->GetValue())));
    m_quantityLabels2[torsionRow]->SetLabel(
        Text(TorsionLabelString(Eye::two, SpinButton(torsion2.spinId)->GetValue())));
}

void PatientFrame::ApplyAngleUnit()
{
    const bool whole = IsWholeDegreeMode();
    // The examination converts the angles to the new unit.
    NoteSwitches();
    const int limit = AngleLimit(whole);
    for (wxSlider* slider : m_gazeSliders)
        slider->SetRange(-limit, limit);
    for (const QuantityControl& control : kQuantityControls) {
        if (IsSpinRangeReversed(control.spinId))
            SpinButton(control.spinId)->SetRange(limit, -limit);
        else
            SpinButton(control.spinId)->SetRange(-limit, limit);
    }
    if (IsPlaybackMode())
        m_playbackTimer->ShowSample();
    UpdateSpinsFromModel();
    UpdateGazeSlidersFromModel();
    UpdateTextsFromSpins();
    m_canvas->Refresh();
}

void PatientFrame::EnableQuantityControls(bool enable)
{
    for (wxSlider* slider : m_gazeSliders)
        slider->Enable(enable);
    for (const QuantityControl& control : kQuantityControls) {
        TextField(control.textId)->Enable(enable);
        SpinButton(control.spinId)->Enable(enable);
    }
}

void PatientFrame::FinishQuantityEdit()
{
    if (IsPlaybackMode()) {
        m_playbackTimer->StoreCurrentSample();
        m_playbackTimer->SetRecordingModified(true);
    } else {
        m_examination.SetModified(true);
    }
    UpdateTitle(CasePath());
}

void PatientFrame::OnGazeSlider(wxScrollEvent& event)
{
    SetQuantity(event.GetId(), static_cast<float>(GazeSlider(event.GetId())->GetValue()));
    UpdateSpinsFromModel();
    UpdateTextsFromSpins();
    m_canvas->Refresh();
    FinishQuantityEdit();
}

void PatientFrame::OnQuantitySpin(wxSpinEvent& event)
{
    SetQuantity(event.GetId(), static_cast<float>(SpinButton(event.GetId())->GetValue()));
    UpdateGazeSlidersFromModel();
    UpdateTextsFromSpins();
    m_canvas->Refresh();
    FinishQuantityEdit();
}

void PatientFrame::OnQuantityText(wxCommandEvent& event)
{
    const int id = event.GetId();
    const QuantityControl* control = FindQuantityControl(id);
    if (!control)
        return;
    SetQuantity(id, ParseAngleText(ToLatin1(TextField(id)->GetValue()), IsWholeDegreeMode(), control->shownNegated));
    TextField(NextTextField(id))->SetFocus();
    UpdateGazeSlidersFromModel();
    UpdateSpinsFromModel();
    UpdateTextsFromSpins();
    m_canvas->Refresh();
    FinishQuantityEdit();
}

void PatientFrame::OnBlendSlider(wxScrollEvent&)
{
    SetDistance(m_blendSlider->GetValue());
}

void PatientFrame::SetDistance(int distance)
{
    m_examination.SetDistance(distance);
    ShowDistance();
}

void PatientFrame::ShowDistance()
{
    const int s = m_examination.Distance();
    m_blendSlider->SetValue(s);
    // Between the ends an angle is a blend of both: there is nothing to type.
    EnableQuantityControls(s == kBlendSliderFar || s == kBlendSliderNear);
    UpdateGazeSlidersFromModel();
    UpdateSpinsFromModel();
    UpdateTextsFromSpins();
    m_canvas->Refresh();
}

void PatientFrame::OnCoverCheckBox(wxCommandEvent& event)
{
    // Only one eye can be the one that fixates under the red filter.
    if (event.GetId() == Id::CoverCheckBox1)
        m_coverCheckBox2->SetValue(false);
    else
        m_coverCheckBox1->SetValue(false);
    NoteSwitches();
    m_canvas->Refresh(false);
}

void PatientFrame::ApplyPanelColours()
{
    std::vector<wxWindow*> labelled = {m_eyeBox1,       m_eyeBox2,          m_coverLabel1,  m_coverLabel2,
                                       m_blendLabelTop, m_blendLabelBottom, m_qualityText1, m_qualityText2};
    labelled.insert(labelled.end(), m_quantityLabels1.begin(), m_quantityLabels1.end());
    labelled.insert(labelled.end(), m_quantityLabels2.begin(), m_quantityLabels2.end());
    std::vector<wxWindow*> sliders(m_gazeSliders.begin(), m_gazeSliders.end());
    sliders.push_back(m_blendSlider);

    m_mainPanel->SetBackgroundColour(m_panelColour);
    for (wxWindow* window : {static_cast<wxWindow*>(m_coverCheckBox1), static_cast<wxWindow*>(m_coverCheckBox2)})
        window->SetBackgroundColour(m_panelColour);
    for (wxWindow* window : sliders)
        window->SetBackgroundColour(m_panelColour);
    for (wxWindow* window : labelled) {
        window->SetBackgroundColour(m_panelColour);
        window->SetForegroundColour(m_textColour);
    }
    for (wxWindow* window : sliders)
        window->Refresh();
    m_mainPanel->Refresh();
    m_canvas->Refresh();
}
