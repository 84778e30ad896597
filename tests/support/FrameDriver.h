#pragma once

#include "frame/FrameControls.h"
#include "frame/PatientFrame.h"

#include <wx/colour.h>
#include <wx/string.h>

#include <functional>
#include <stdexcept>
#include <string>

class DisplayOptionsDialog;

// Sends the events a user's actions would cause to the main window's controls.
namespace drive {

void TypeAndEnter(PatientFrame* frame, int textId, const wxString& text);
void Spin(PatientFrame* frame, int spinId, int value);
void Slide(PatientFrame* frame, wxWindowID sliderId, int value);
// Toggles a check item as a click would, then sends its command.
void ToggleMenuItem(PatientFrame* frame, int id);
void ToggleTool(PatientFrame* frame, int id);
// Brings a check item or a tool to a state as a click would, if it is not there.
void SetMenuItem(PatientFrame* frame, int id, bool on);
void SetTool(PatientFrame* frame, int id, bool on);
void ClickCheckBox(PatientFrame* frame, int id, bool checked);
// Shown text of a quantity field, as Latin-1 bytes.
std::string FieldText(PatientFrame* frame, int textId);

// The window's control of that id or name (frame/FrameControls.h); a
// missing one ends the test with a failure.
template <class T>
T& Control(PatientFrame* frame, int id)
{
    if (T* control = FrameControl::Find<T>(frame, id))
        return *control;
    throw std::logic_error("no control of id " + std::to_string(id));
}

template <class T>
T& Named(PatientFrame* frame, const wxString& name)
{
    if (T* control = FrameControl::Find<T>(frame, name))
        return *control;
    throw std::logic_error("no control named " + name.utf8_string());
}

// The colours of the panel and of its texts, as the window shows them.
wxColour PanelColour(PatientFrame* frame);
wxColour TextColour(PatientFrame* frame);

// Options > Display: choose works the dialog's controls, then OK closes it.
void ChooseDisplayOptions(PatientFrame* frame, const std::function<void(DisplayOptionsDialog&)>& choose);
// Types the threshold into the display options; 0 switches it off.
void SetQualityThreshold(PatientFrame* frame, float threshold);
// File > Save as to path: the case is then saved and unmodified.
void SaveCaseAs(PatientFrame* frame, const std::string& path);

}  // namespace drive
