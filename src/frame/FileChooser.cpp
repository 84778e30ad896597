#include "frame/FileChooser.h"
#include "frame/ScreenText.h"

#include "lang/FormatCheck.h"
#include "lang/Latin1.h"

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/msgdlg.h>

wxString ChooseFile(wxWindow* parent, const wxString& message, const wxString& wildcard, long style) {
    wxFileDialog dialog(parent, message, wxEmptyString, wxEmptyString, wildcard, style);
    if (dialog.ShowModal() != wxID_OK || dialog.GetFilename().empty())
        return wxEmptyString;
    return wxFileName(dialog.GetDirectory(), dialog.GetFilename()).GetFullPath();
}

bool ConfirmReplace(wxWindow* parent, const wxString& path) {
    return ShowMessage(wxString::Format(wxGetTranslation("Datei '%s' ersetzen?"), FitPath(path)), wxEmptyString,
                       wxYES_NO | wxCENTRE, parent) == wxYES;
}

int AskToSaveChanges(wxWindow* parent, const wxString& fileName) {
    const wxString question = fileName.empty()
                                  ? wxString::FromUTF8("\xC3\x84nderungen speichern?")
                                  : wxString::Format(wxString::FromUTF8("\xC3\x84nderungen in %s speichern?"),
                                                     FitPath(fileName));
    return ShowMessage(question, wxEmptyString, wxYES_NO | wxCANCEL | wxCENTRE, parent);
}

wxString WithExtension(const wxString& path, const wxString& extension) {
    return path.EndsWith(extension) ? path : path + extension;
}

wxString FormatLanguageString(const std::string& format, const wxString& argument, const wxString& fallback) {
    if (!IsSafeSingleArgFormat(format, FormatArg::String))
        return fallback;
    // The argument goes in after the 8-bit formatting, so a file name keeps
    // characters beyond Latin-1, the "…" of a shortened path among them.
    const std::string marker = "\x1F";
    wxString text = FromLatin1(FormatSingle(format, marker, std::string()));
    text.Replace(FromLatin1(marker), argument);
    return text;
}
