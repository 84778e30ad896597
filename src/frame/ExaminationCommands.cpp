// The examination menu: every step of an examination as one command with its
// key, so a teacher can examine while talking, in a window or full screen.
#include "frame/PatientFrame.h"

#include "widgets/Ids.h"
#include "model/EyeQuantity.h"
#include "view/GazeMath.h"
#include "view/EyesCanvas.h"

#include <wx/accel.h>
#include <wx/menu.h>
#include <wx/slider.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

#include <algorithm>
#include <memory>

namespace {

constexpr int kCoverTools[] = {Id::OccluderEye1, Id::RedFilterEye1, Id::TranslucentEye1,
                               Id::OccluderEye2, Id::RedFilterEye2, Id::TranslucentEye2};
constexpr double kEccentricities[] = {10, 15, 20, 25, 30};

}  // namespace

void PatientFrame::SetCoverTool(int tool, bool on)
{
    wxToolBar* tools = GetToolBar();
    if (!tools->GetToolEnabled(tool) || tools->GetToolState(tool) == on)
        return;
    tools->ToggleTool(tool, on);
    wxCommandEvent clicked(wxEVT_TOOL, tool);
    OnCoverTool(clicked);
}

void PatientFrame::OnExaminationCover(wxCommandEvent& event)
{
    const int tool = kCoverTools[event.GetId() - Id::CoverRightEyeOccluder];
    SetCoverTool(tool, !GetToolBar()->GetToolState(tool));
}

void PatientFrame::OnUncover(wxCommandEvent&)
{
    for (int tool : kCoverTools)
        SetCoverTool(tool, false);
}

void PatientFrame::OnAlternateCover(wxCommandEvent&)
{
    // The occluder goes straight to the other eye, without a pause uncovered.
    const bool onRightEye = GetToolBar()->GetToolState(Id::OccluderEye1);
    SetCoverTool(onRightEye ? Id::OccluderEye2 : Id::OccluderEye1, true);
}

void PatientFrame::OnDistanceCommand(wxCommandEvent& event)
{
    // Playback holds the distance still.
    if (!m_blendSlider->IsEnabled())
        return;
    int value = m_examination.Distance();
    switch (event.GetId()) {
    case Id::DistanceFar:
        value = kBlendSliderFar;
        break;
    case Id::DistanceNear:
        value = kBlendSliderNear;
        break;
    case Id::DistanceNearer:
        value = std::min(value + 1, kBlendSliderNear);
        break;
    case Id::DistanceFarther:
        value = std::max(value - 1, kBlendSliderFar);
        break;
    }
    SetDistance(value);
}

void PatientFrame::OnGazeCommand(wxCommandEvent& event)
{
    m_gazeKey = event.GetId() == Id::GazeFollowsPointer ? 0 : event.GetId() - Id::FirstGazePosition + 1;
    ApplyGazeKey();
}

void PatientFrame::OnEccentricity(wxCommandEvent& event)
{
    m_gazeEccentricity = kEccentricities[event.GetId() - Id::FirstEccentricity];
    // A position still held moves out to the new eccentricity.
    if (m_canvas->CurrentGazeTarget())
        ApplyGazeKey();
}

void PatientFrame::ApplyGazeKey()
{
    if (m_gazeKey == 0)
        m_canvas->SetGazeTarget(std::nullopt);
    else
        m_canvas->SetGazeTarget(KeypadGazePosition(m_gazeKey, m_gazeEccentricity));
}

bool PatientFrame::RunMenuItemForKey(const wxKeyEvent& event)
{
    // The menus name every key; GTK leaves plain letters to the focused
    // control, so the keys shown there are matched here.
    wxMenuBar* menus = GetMenuBar();
    for (std::size_t position = 0; position < menus->GetMenuCount(); ++position) {
        wxMenuItemList pending = menus->GetMenu(position)->GetMenuItems();
        while (!pending.empty()) {
            wxMenuItem* item = pending.front();
            pending.pop_front();
            if (item->IsSubMenu()) {
                // A locked submenu (the quiz locks the view) locks its keys too.
                if (item->IsEnabled())
                    for (wxMenuItem* child : item->GetSubMenu()->GetMenuItems())
                        pending.push_back(child);
                continue;
            }
            const std::unique_ptr<wxAcceleratorEntry> key(item->GetAccel());
            if (!key || key->GetKeyCode() != event.GetKeyCode() || key->GetFlags() != event.GetModifiers())
                continue;
            if (item->IsEnabled()) {
                if (item->IsCheckable())
                    item->Check(!item->IsChecked());
                wxCommandEvent command(wxEVT_MENU, item->GetId());
                command.SetEventObject(this);
                command.SetInt(item->IsCheckable() && item->IsChecked());
                ProcessWindowEvent(command);
            }
            return true;
        }
    }
    return false;
}

void PatientFrame::OnCharHook(wxKeyEvent& event)
{
    // Keys typed into a value field belong to the field. (wxDynamicCast casts
    // down before it checks, which the sanitizer rightly reports.)
    if (dynamic_cast<wxTextCtrl*>(FindFocus())) {
        event.Skip();
        return;
    }
    const int key = event.GetKeyCode();
    if (key >= WXK_NUMPAD0 && key <= WXK_NUMPAD9) {
        // The keypad doubles the digit keys of the gaze menu.
        const int id = key == WXK_NUMPAD0 ? Id::GazeFollowsPointer : Id::FirstGazePosition + (key - WXK_NUMPAD1);
        wxCommandEvent gaze(wxEVT_MENU, id);
        OnGazeCommand(gaze);
        return;
    }
    if (RunMenuItemForKey(event))
        return;
    if (event.HasAnyModifiers()) {
        event.Skip();
        return;
    }
    // Tools without a menu item.
    switch (key) {
    case WXK_ESCAPE:
        if (!m_presentation)
            break;
        SetPresentation(false);
        return;
    case 'H':
        if (!GetToolBar()->GetToolEnabled(Id::HideValuesTool))
            break;
        {
            GetToolBar()->ToggleTool(Id::HideValuesTool, !GetToolBar()->GetToolState(Id::HideValuesTool));
            wxCommandEvent toggled(wxEVT_TOOL, Id::HideValuesTool);
            OnHideValuesToggle(toggled);
        }
        return;
    case 'R': {
        wxCommandEvent reset(wxEVT_TOOL, Id::ResetViewTool);
        OnResetView(reset);
        return;
    }
    case 'V':
        PeekAtValues();
        return;
    }
    event.Skip();
}
