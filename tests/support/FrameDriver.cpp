#include "FrameDriver.h"
#include "TestDialogs.h"

#include "widgets/AngleSpinButton.h"
#include "lang/Latin1.h"
#include "model/EyeQuantity.h"
#include "playback/DisplayOptionValues.h"
#include "playback/DisplayOptionsDialog.h"

#include <wx/checkbox.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/slider.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

namespace drive {

void TypeAndEnter(PatientFrame* frame, int textId, const wxString& text)
{
    wxTextCtrl* field = frame->TextField(textId);
    field->ChangeValue(text);
    wxCommandEvent event(wxEVT_TEXT_ENTER, textId);
    event.SetEventObject(field);
    event.SetString(text);
    field->GetEventHandler()->ProcessEvent(event);
}

void Spin(PatientFrame* frame, int spinId, int value)
{
    AngleSpinButton* spin = frame->SpinButton(spinId);
    spin->SetValue(value);
    wxSpinEvent event(wxEVT_SPIN, spinId);
    event.SetEventObject(spin);
    event.SetPosition(value);
    spin->GetEventHandler()->ProcessEvent(event);
}

void Slide(PatientFrame* frame, wxWindowID sliderId, int value)
{
    auto* slider = wxDynamicCast(frame->FindWindow(sliderId), wxSlider);
    slider->SetValue(value);
    wxScrollEvent event(wxEVT_SCROLL_THUMBTRACK, sliderId, value,
                        slider->HasFlag(wxSL_VERTICAL) ? wxVERTICAL : wxHORIZONTAL);
    event.SetEventObject(slider);
    slider->GetEventHandler()->ProcessEvent(event);
}

void ToggleMenuItem(PatientFrame* frame, int id)
{
    wxMenuBar* menus = frame->GetMenuBar();
    menus->Check(id, !menus->IsChecked(id));
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(frame);
    event.SetInt(menus->IsChecked(id));
    frame->ProcessWindowEvent(event);
}

void SetMenuItem(PatientFrame* frame, int id, bool on)
{
    if (frame->GetMenuBar()->IsChecked(id) != on)
        ToggleMenuItem(frame, id);
}

void SetTool(PatientFrame* frame, int id, bool on)
{
    if (frame->GetToolBar()->GetToolState(id) != on)
        ToggleTool(frame, id);
}

void ToggleTool(PatientFrame* frame, int id)
{
    wxToolBar* tools = frame->GetToolBar();
    tools->ToggleTool(id, !tools->GetToolState(id));
    wxCommandEvent event(wxEVT_TOOL, id);
    event.SetEventObject(tools);
    event.SetInt(tools->GetToolState(id));
    tools->GetEventHandler()->ProcessEvent(event);
}

void ClickCheckBox(PatientFrame* frame, int id, bool checked)
{
    auto* box = wxDynamicCast(frame->FindWindow(id), wxCheckBox);
    box->SetValue(checked);
    wxCommandEvent event(wxEVT_CHECKBOX, id);
    event.SetEventObject(box);
    event.SetInt(checked);
    box->GetEventHandler()->ProcessEvent(event);
}

std::string FieldText(PatientFrame* frame, int textId)
{
    return ToLatin1(frame->TextField(textId)->GetValue());
}

wxColour PanelColour(PatientFrame* frame)
{
    return Named<wxPanel>(frame, FrameControl::kMainPanel).GetBackgroundColour();
}

wxColour TextColour(PatientFrame* frame)
{
    return Named<wxStaticText>(frame, FrameControl::QuantityLabel(1, 0)).GetForegroundColour();
}

void ChooseDisplayOptions(PatientFrame* frame, const std::function<void(DisplayOptionsDialog&)>& choose)
{
    wxCommandEvent command(wxEVT_MENU, Id::DisplayOptions);
    command.SetEventObject(frame);
    wxTEST_DIALOG(frame->ProcessWindowEvent(command),
                  wxExpectModal<DisplayOptionsDialog>([&](DisplayOptionsDialog& dialog) {
                      choose(dialog);
                      return DisplayOptionsId::OkButton;
                  }));
}

void SetQualityThreshold(PatientFrame* frame, float threshold)
{
    ChooseDisplayOptions(frame, [threshold](DisplayOptionsDialog& dialog) {
        auto* check = wxDynamicCast(dialog.FindWindow(DisplayOptionsId::ThresholdCheck), wxCheckBox);
        check->SetValue(threshold > 0);
        wxCommandEvent tick(wxEVT_CHECKBOX, check->GetId());
        tick.SetEventObject(check);
        tick.SetInt(check->GetValue());
        check->GetEventHandler()->ProcessEvent(tick);
        if (threshold > 0)
            wxDynamicCast(dialog.FindWindow(DisplayOptionsId::ThresholdText), wxTextCtrl)
                ->ChangeValue(FormatThreshold(threshold));
    });
}

void SaveCaseAs(PatientFrame* frame, const std::string& path)
{
    wxCommandEvent command(wxEVT_MENU, Id::SaveCaseAs);
    command.SetEventObject(frame);
    wxTEST_DIALOG(frame->ProcessWindowEvent(command), wxExpectModal<wxFileDialog>(path));
}

}  // namespace drive
