#include "widgets/FileChooser.h"
#include "widgets/ScreenText.h"

#include "lang/AddedTexts.h"
#include "lang/FormatCheck.h"
#include "lang/LanguageTable.h"
#include "lang/LanguageText.h"
#include "lang/Latin1.h"
#include "lang/TextIds.h"

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

namespace {

wxString FormatAddedString(const LanguageTable& texts, int n, const wxString& argument)
{
    const std::string& builtIn = BuiltInText(n);
    return FormatLanguageString(texts.Get(n), argument, FromLatin1(FormatSingle(builtIn, ToLatin1(argument), builtIn)));
}

}  // namespace

wxString ChooseFile(wxWindow* parent, const wxString& message, const wxString& wildcard, long style,
                    const wxString& suggestedName)
{
    wxFileDialog dialog(parent, message, wxEmptyString, suggestedName, wildcard, style);
    if (dialog.ShowModal() != wxID_OK || dialog.GetFilename().empty())
        return wxEmptyString;
    // A typed name with a folder in it ("cases/x.sd") is only right in the full path.
    if (!dialog.GetPath().empty())
        return dialog.GetPath();
    return wxFileName(dialog.GetDirectory(), dialog.GetFilename()).GetFullPath();
}

wxString SuggestedFileName(const wxString& casePath, const wxString& kind, const wxString& extension)
{
    const wxString caseName = casePath.empty() ? wxString() : wxFileName(casePath).GetName();
    const wxString name = caseName.empty() || kind.empty() ? caseName + kind : caseName + "-" + kind;
    return name.empty() ? name : name + extension;
}

bool ConfirmReplace(wxWindow* parent, const LanguageTable& texts, const wxString& path)
{
    return ShowMessage(FormatAddedString(texts, Text::ReplaceFileFormat, FitPath(path)), wxEmptyString,
                       wxYES_NO | wxCENTRE, parent) == wxYES;
}

int AskToSaveChanges(wxWindow* parent, const LanguageTable& texts, const wxString& fileName)
{
    const wxString question = fileName.empty() ? LanguageText(texts, Text::SaveChangesQuestion)
                                               : FormatAddedString(texts, Text::SaveChangesToFormat, FitPath(fileName));
    return ShowMessage(question, wxEmptyString, wxYES_NO | wxCANCEL | wxCENTRE, parent);
}

wxString WithExtension(const wxString& path, const wxString& extension)
{
    return path.EndsWith(extension) ? path : path + extension;
}
