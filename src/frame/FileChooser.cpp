#include "frame/FileChooser.h"

#include "lang/FormatCheck.h"
#include "lang/Latin1.h"

#include <wx/filedlg.h>
#include <wx/filename.h>

wxString ChooseFile(wxWindow* parent, const wxString& message, const wxString& wildcard, long style) {
    wxFileDialog dialog(parent, message, wxEmptyString, wxEmptyString, wildcard, style);
    if (dialog.ShowModal() != wxID_OK || dialog.GetFilename().empty())
        return wxEmptyString;
    return wxFileName(dialog.GetDirectory(), dialog.GetFilename()).GetFullPath();
}

wxString WithExtension(const wxString& path, const wxString& extension) {
    return path.EndsWith(extension) ? path : path + extension;
}

wxString FormatLanguageString(const std::string& format, const wxString& argument, const wxString& fallback) {
    return FromLatin1(FormatSingle(format, ToLatin1(argument), ToLatin1(fallback)));
}
