#pragma once

#include <wx/string.h>

class LanguageTable;
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
bool ConfirmReplace(wxWindow* parent, const LanguageTable& texts, const wxString& path);

// Asks whether to save the changes to `fileName` (language string 140, or 139
// when the name is empty) with Yes, No and Cancel; returns wxYES, wxNO or
// wxCANCEL.
int AskToSaveChanges(wxWindow* parent, const LanguageTable& texts, const wxString& fileName);

// The name with `extension` appended unless it already ends in exactly it.
wxString WithExtension(const wxString& path, const wxString& extension);
