#pragma once

#include "frame/PatientFrame.h"

#include <wx/string.h>

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

}  // namespace drive
