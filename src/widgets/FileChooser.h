#pragma once

#include <wx/string.h>

#include <string>

class wxWindow;

// Runs a file dialog, offering `suggestedName`, and returns the chosen path,
// empty when cancelled. The dialog's full path is used; only where GTK leaves
// it empty (under a dialog hook) is it joined from folder and name.
wxString ChooseFile(wxWindow* parent, const wxString& message, const wxString& wildcard, long style,
                    const wxString& suggestedName = wxEmptyString);

// The name a save dialog offers: the case's file name without its folder and
// extension, then what the file holds, joined by '-' ("esotropia-left" and
// "hess" give "esotropia-left-hess.svg"). Either part may be empty.
wxString SuggestedFileName(const wxString& casePath, const wxString& kind, const wxString& extension);

// Asks before `path` is replaced (language string 141) with Yes and No; true
// only for Yes.
bool ConfirmReplace(wxWindow* parent, const wxString& path);

// Asks whether to save the changes to `fileName` (language string 140, or 139
// when the name is empty) with Yes, No and Cancel; returns wxYES, wxNO or
// wxCANCEL.
int AskToSaveChanges(wxWindow* parent, const wxString& fileName);

// Language string n of the program's table (its built-in text before a
// table exists), converted for display.
wxString LanguageText(int n);

// The name with `extension` appended unless it already ends in exactly it.
wxString WithExtension(const wxString& path, const wxString& extension);

// Formats a one-%s language string with `argument`, or uses `fallback` when
// the string from the language file is not a safe format.
wxString FormatLanguageString(const std::string& format, const wxString& argument, const wxString& fallback);
