#include "frame/FileChooser.h"
#include "frame/ScreenText.h"

#include "app/ProgramState.h"
#include "lang/FormatCheck.h"
#include "lang/LanguageTable.h"
#include "lang/Latin1.h"
#include "lang/TextIds.h"

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

namespace {

// The built-in texts are the program's original German ones, for language
// files written before these strings existed.
const std::string kSaveChanges = "\xC4nderungen speichern?";
const std::string kSaveChangesTo = "\xC4nderungen in %s speichern?";
const std::string kReplaceFile = "Datei '%s' ersetzen?";

const std::string& LanguageStringOr(int n, const std::string& fallback) {
    return g_languageTable ? g_languageTable->GetOr(n, fallback) : fallback;
}

wxString FormatOptionalString(int n, const std::string& fallback, const wxString& argument) {
    return FormatLanguageString(LanguageStringOr(n, fallback), argument,
                                FromLatin1(FormatSingle(fallback, ToLatin1(argument), fallback)));
}

}  // namespace

wxString ChooseFile(wxWindow* parent, const wxString& message, const wxString& wildcard, long style) {
    wxFileDialog dialog(parent, message, wxEmptyString, wxEmptyString, wildcard, style);
    if (dialog.ShowModal() != wxID_OK || dialog.GetFilename().empty())
        return wxEmptyString;
    // A typed name with a folder in it ("cases/x.sd") is only right in the full path.
    if (!dialog.GetPath().empty())
        return dialog.GetPath();
    return wxFileName(dialog.GetDirectory(), dialog.GetFilename()).GetFullPath();
}

bool ConfirmReplace(wxWindow* parent, const wxString& path) {
    return ShowMessage(FormatOptionalString(Text::ReplaceFileFormat, kReplaceFile, FitPath(path)), wxEmptyString,
                       wxYES_NO | wxCENTRE, parent) == wxYES;
}

int AskToSaveChanges(wxWindow* parent, const wxString& fileName) {
    const wxString question = fileName.empty()
                                  ? FromLatin1(LanguageStringOr(Text::SaveChangesQuestion, kSaveChanges))
                                  : FormatOptionalString(Text::SaveChangesToFormat, kSaveChangesTo, FitPath(fileName));
    return ShowMessage(question, wxEmptyString, wxYES_NO | wxCANCEL | wxCENTRE, parent);
}

wxString OptionalLanguageString(int n, const std::string& fallback) {
    return FromLatin1(LanguageStringOr(n, fallback));
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
