// Commands that change how the patient is presented rather than the angles:
// the mode pair, display toggles, cover tools, hiding the values, the quiz
// tool and playback mode.
#include "widgets/AngleSpinButton.h"
#include "widgets/HintDialog.h"
#include "widgets/Ids.h"
#include "frame/PatientFrame.h"
#include "lang/Latin1.h"
#include "lang/TextIds.h"
#include "model/AngleText.h"
#include "playback/TracePanel.h"
#include "quiz/QuizFrame.h"
#include "view/EyesCanvas.h"
#include "frame/OverlayTimer.h"

#include <algorithm>
#include <cmath>

#include <wx/checkbox.h>
#include <wx/display.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/slider.h>
#include <wx/spinbutt.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

namespace {

constexpr int kCoverTools[] = {Id::OccluderEye1, Id::RedFilterEye1, Id::TranslucentEye1,
                               Id::OccluderEye2, Id::RedFilterEye2, Id::TranslucentEye2};
constexpr int kPanelMargin = 2;
constexpr int kFirstHiddenRowInPlayback = 3;
constexpr auto kTiltRow = static_cast<std::size_t>(EyeQuantity::verticalAxisTilt);

}  // namespace

float PatientFrame::ShownNumber(int textId) const
{
    // The number at the start of the field, as the user reads it.
    return ParseAngleText(ToLatin1(TextField(textId)->GetValue()), true, false);
}

void PatientFrame::ApplyModePair(int id)
{
    const bool manifest = id == Id::ModeManifest;
    wxMenuBar* menus = GetMenuBar();
    if (!manifest) {
        m_statusBar->SetStatusText(wxEmptyString, kHintStatusField);
        FitStatusFields();
    }
    menus->Check(Id::ModeManifest, manifest);
    menus->Check(Id::ModeLatent, !manifest);
    if (!GetToolBar()->GetToolState(Id::QuizTool))
        m_statusBar->SetStatusText(Text(manifest ? Text::ManifestModeStatus : Text::LatentModeStatus), 3);
    NoteSwitches();
    if (manifest)
        SetQuantity(kNoControl, 0.0f);
    m_examination.SetModified(true);
    UpdateTitle(CasePath());
    m_canvas->Refresh();
}

void PatientFrame::ApplyMirrorPair(int id)
{
    const bool eyeCross = id == Id::EyeCrossTool || id == Id::EyeCrossItem;
    const int tool = eyeCross ? Id::EyeCrossTool : Id::FlashlightTool;
    const int item = eyeCross ? Id::EyeCrossItem : Id::FlashlightItem;
    if (id == item)
        GetToolBar()->ToggleTool(tool, GetMenuBar()->IsChecked(item));
    else
        GetMenuBar()->Check(item, GetToolBar()->GetToolState(tool));
    NoteSwitches();
    m_canvas->Refresh(eyeCross);
}

void PatientFrame::ApplyAxisLines()
{
    NoteSwitches();
    m_overlayTimer->axisOverlaysVisible = false;
    m_canvas->Refresh();
}

void PatientFrame::ResetView()
{
    FixationTarget target = m_examination.Target();
    target.kind = FixationTarget::Kind::pointer;
    m_examination.SetTarget(target);
    m_canvas->ResetView();
    m_canvas->Refresh();
}

void PatientFrame::ApplyViewTool(int id)
{
    if (id == Id::QuadrantEditTool)
        ResetView();
    NoteSwitches();
    m_canvas->Refresh();
}

void PatientFrame::ApplyCoverTool(int clicked)
{
    wxToolBar* tools = GetToolBar();
    for (int tool : kCoverTools)
        if (tool != clicked)
            tools->ToggleTool(tool, false);
    // The tools show the examination's aids at every idle time, the hint's
    // modal loop included: it must hold the click before the hint shows.
    NoteSwitches();

    const bool torsion = std::abs(ShownNumber(405)) >= 0.01f || std::abs(ShownNumber(402)) >= 0.01f;
    if (m_showCoverHint && torsion) {
        HintDialog hint(this, Text(Text::HintTitle), Text(Text::TorsionHintText), Text(Text::TorsionHintCheck),
                        m_showCoverHint, {wxSize(300, 115), wxSize(255, 50), wxPoint(205, 65), wxSize(180, 15)});
        hint.ShowModal();
        m_showCoverHint = hint.ShowAgain();
    }

    m_coverCheckBox1->SetValue(false);
    m_coverCheckBox2->SetValue(false);
    const bool on = tools->GetToolState(clicked);
    const bool offset1 = ShownNumber(420) != 0.0f;
    const bool offset2 = ShownNumber(423) != 0.0f;
    // The box that is checked names the eye that fixates under the aid.
    if (on) {
        switch (clicked) {
        case Id::OccluderEye1:
        case Id::TranslucentEye1:
            m_coverCheckBox2->SetValue(true);
            break;
        case Id::OccluderEye2:
        case Id::TranslucentEye2:
            m_coverCheckBox1->SetValue(true);
            break;
        case Id::RedFilterEye1:
            (offset2 ? m_coverCheckBox1 : m_coverCheckBox2)->SetValue(true);
            break;
        case Id::RedFilterEye2:
            (offset1 ? m_coverCheckBox2 : m_coverCheckBox1)->SetValue(true);
            break;
        }
    }
    if (GetMenuBar()->IsChecked(Id::ModeLatent)) {
        const bool choice =
            (tools->GetToolState(Id::RedFilterEye1) && offset2) || (tools->GetToolState(Id::RedFilterEye2) && offset1);
        m_coverCheckBox1->Enable(choice);
        m_coverCheckBox2->Enable(choice);
    }
    NoteSwitches();
    m_canvas->Refresh(false);
}

void PatientFrame::ApplyHideValues()
{
    wxToolBar* tools = GetToolBar();
    const bool hide = tools->GetToolState(Id::HideValuesTool);
    m_eyeBox1->Show(!hide);
    m_eyeBox2->Show(!hide);
    for (wxSlider* slider : m_gazeSliders)
        slider->Show(!hide);
    if (hide)
        m_statusBar->SetStatusText(wxEmptyString, 3);
    else
        m_statusBar->SetStatusText(
            Text(GetMenuBar()->IsChecked(Id::ModeManifest) ? Text::ManifestModeStatus : Text::LatentModeStatus), 3);
    if (hide) {
        m_quadrantsHiddenBeforeHidingValues = tools->GetToolState(Id::QuadrantHideTool);
        tools->ToggleTool(Id::QuadrantHideTool, true);
    } else {
        tools->ToggleTool(Id::QuadrantHideTool, m_quadrantsHiddenBeforeHidingValues);
    }
    NoteSwitches();
    UpdateCommandStates();
    if (m_presentation)
        ApplyPresentationLayout();
    m_canvas->Refresh();
}

void PatientFrame::ApplyQuizTool()
{
    wxToolBar* tools = GetToolBar();
    const bool on = tools->GetToolState(Id::QuizTool);
    // The quiz replaces the case with its own: ask once, before its first case loads.
    if (on) {
        StopPlayback();
        if (!ConfirmDiscard()) {
            tools->ToggleTool(Id::QuizTool, false);
            return;
        }
        m_examination.SetModified(false);
    }
    tools->ToggleTool(Id::HideValuesTool, on);
    ApplyHideValues();
    if (on) {
        if (!m_quizFrame)
            m_quizFrame = new QuizFrame(this, *this, m_languageTable);
        m_quizFrame->ShowQuiz(true);
    } else {
        if (m_quizFrame)
            m_quizFrame->ShowQuiz(false);
        wxCommandEvent newCase(wxEVT_MENU, -1);
        NewCase(newCase);
    }
}

int PatientFrame::RoomBelow(int wanted) const
{
    if (IsMaximized() || IsFullScreen())
        return 0;
    const wxRect screen = wxDisplay(this).GetClientArea();
    return std::clamp(screen.GetBottom() - GetRect().GetBottom(), 0, wanted);
}

void PatientFrame::SetPlaybackMode(bool on)
{
    const bool wasOn = IsPlaybackMode();
    m_examination.SetRecordingPlays(on);
    if (on || wasOn) {
        const int playbackHeight = m_playbackBarHeight + m_traceHeight;
        ConstrainPanels(on ? playbackHeight + kPanelMargin : kPanelMargin);
        m_blendSlider->Enable(!on);
        // A recording shows the eye positions it recorded: no prisms meanwhile.
        if (on)
            SetPrisms({});
        UpdateCommandStates();
        for (int row = kFirstHiddenRowInPlayback; row < kEyeQuantityCount; ++row) {
            m_quantityTexts1[row]->Show(!on);
            m_quantityTexts2[row]->Show(!on);
            SpinButton(kQuantityControls[row].spinId)->Show(!on);
            SpinButton(kQuantityControls[kEyeQuantityCount + row].spinId)->Show(!on);
            if (row != kTiltRow) {
                m_quantityLabels1[row]->Show(!on);
                m_quantityLabels2[row]->Show(!on);
            }
        }
        for (wxWindow* window : {static_cast<wxWindow*>(m_coverCheckBox1), static_cast<wxWindow*>(m_coverCheckBox2),
                                 static_cast<wxWindow*>(m_coverLabel1), static_cast<wxWindow*>(m_coverLabel2)})
            window->Show(!on);
        const int tiltLabel = on ? Text::QualityRowLabel : Text::VerticalAxisTiltRow;
        m_quantityLabels1[kTiltRow]->SetLabel(Text(tiltLabel));
        m_quantityLabels2[kTiltRow]->SetLabel(Text(tiltLabel));
        m_qualityText1->Show(on);
        m_qualityText2->Show(on);
        if (on) {
            ResetView();
        } else {
            StopPlayback();
            m_statusBar->SetStatusText(wxEmptyString, 2);
            // Rows shown as interpolated coloured the fields; a case shows them plainly.
            for (const QuantityControl& control : kQuantityControls)
                TextField(control.textId)->SetForegroundColour(m_textColour);
        }
        if (on && !wasOn)
            m_playbackGrowth = RoomBelow(playbackHeight);
        if (on != wasOn)
            SetSize(GetSize() + wxSize(0, on ? m_playbackGrowth : -m_playbackGrowth));
    }
    m_playbackPanel->Show(on);
    m_tracePanel->Show(on);
    FitStatusFields();
    Layout();
}
