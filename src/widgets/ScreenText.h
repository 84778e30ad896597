#pragma once

#include <wx/string.h>

class wxWindow;

// Every text that reaches a window goes through one of these, so that a
// hostile language line or file name cannot push a window or its buttons
// off the screen. The box is measured from the screen and the widest letter
// of the normal font. File-dialog filters are not shown as they are and
// must reach the dialog whole: they are taken from the table directly.

// Labels, titles, menu entries, tooltips and status fields: lines are cut.
wxString FitLabel(const wxString& text);
// File names inside messages: cut in the middle.
wxString FitPath(const wxString& path);
// Message texts: lines are wrapped.
wxString FitMessage(const wxString& text);

// wxMessageBox with the message and caption fitted to the screen.
int ShowMessage(const wxString& message, const wxString& caption, long style, wxWindow* parent = nullptr);
