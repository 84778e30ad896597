#include "widgets/FileChooser.h"
#include "widgets/ScreenText.h"

#include "app/ProgramState.h"
#include "lang/AddedTexts.h"
#include "lang/FormatCheck.h"
#include "lang/LanguageTable.h"
#include "lang/Latin1.h"
#include "lang/TextIds.h"

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

namespace {

const std::string& LanguageString(int n) {
    return g_languageTable ? g_languageTable->Get(n) : BuiltInText(n);
}

wxString FormatAddedString(int n, const wxString& argument) {
    const std::string& builtIn = BuiltInText(n);
    return FormatLanguageString(LanguageString(n), argument,
                                FromLatin1(FormatSingle(builtIn, ToLatin1(argument), builtIn)));
}

}  // namespace

wxString ChooseFile(wxWindow* parent, const wxString& message, const wxString& wildcard, long style,
                    const wxString& suggestedName) {
    wxFileDialog dialog(parent, message, wxEmptyString, suggestedName, wildcard, style);
    if (dialog.ShowModal() != wxID_OK || dialog.GetFilename().empty())
        return wxEmptyString;
    // A typed name with a folder in it ("cases/x.sd") is only right in the full path.
    if (!dialog.GetPath().empty())
        return dialog.GetPath();
    return wxFileName(dialog.GetDirectory(), dialog.GetFilename()).GetFullPath();
}

wxString SuggestedFileName(const wxString& casePath, const wxString& kind, const wxString& extension) {
    const wxString caseName = casePath.empty() ? wxString() : wxFileName(casePath).GetName();
    const wxString name = caseName.empty() || kind.empty() ? caseName + kind : caseName + "-" + kind;
    return name.empty() ? name : name + extension;
}

bool ConfirmReplace(wxWindow* parent, const wxString& path) {
    return ShowMessage(FormatAddedString(Text::ReplaceFileFormat, FitPath(path)), wxEmptyString,
                       wxYES_NO | wxCENTRE, parent) == wxYES;
}

int AskToSaveChanges(wxWindow* parent, const wxString& fileName) {
    const wxString question = fileName.empty()
                                  ? FromLatin1(LanguageString(Text::SaveChangesQuestion))
                                  : FormatAddedString(Text::SaveChangesToFormat, FitPath(fileName));
    return ShowMessage(question, wxEmptyString, wxYES_NO | wxCANCEL | wxCENTRE, parent);
}

wxString LanguageText(int n) {
    return FromLatin1(LanguageString(n));
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
