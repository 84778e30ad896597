#pragma once

#include <wx/dialog.h>

#include <string>

class LanguageTable;

// Ids of the about dialog's controls, as its description names them.
namespace AboutId {
enum : int {
    Dialog = 6003,
    Version = 6004,
    Maker = 6005,
    AndThe = 6006,
    ProductTitle = 6007,
    CopyrightLine = 6008,
    ProducedBy = 6009,
    OkButton = 6012,
    Remark = 6017,
    Rule = 6019,
    GroupLine1 = 6022,
    GroupLine2 = 6023,
    ProgrammingLabel = 6024,
    Programmers = 6025,
    ConceptLabel = 6026,
    ConceptAuthors = 6028,
    Logo = 6029,
    ProjectButton = 6030,
    DocumentationButton = 6031,
    ClickHere = 6033,
    ClickHereArrow = 6034,
    NoteLine1 = 6037,
    NoteLine2 = 6038,
    NoteLine3 = 6039,
    NoteLine4 = 6040,
    NoteLine5 = 6041,
};
}

// The about box. Its controls come from the compiled-in description
// "dialog1"; the class adds what its three buttons do.
class AboutDialog : public wxDialog {
public:
    AboutDialog() = default;

    // Creates the dialog and its controls from the description; false, with
    // nothing created, when the description is missing or broken.
    bool LoadFromResource(wxWindow* parent);

    // The pages the two logo buttons open: the project's and the documentation's.
    void SetAddresses(const wxString& projectPage, const wxString& documentationPage);

    // The language string, with one %s for the address, shown when no
    // browser can be started.
    void SetNoBrowserFormat(const std::string& format) { m_noBrowserFormat = format; }

    // Replaces the label of the control with that id; unknown ids are ignored.
    void SetControlText(int id, const wxString& text);

    // Makes each static text's font smaller until its label fits its room:
    // its own width, but no further than the next text starting on its line.
    // Labels come from language files and fonts differ between platforms.
    void FitLabels();

    // Places what follows a text by the text's real width, which depends on
    // the language and the font: the names column after the widest label,
    // "and the" after the maker, "Click here" after its arrow. Then closes
    // the empty band the description leaves above the rule.
    void ArrangeByTextWidths();

private:
    void FitPictures();
    void OnOk(wxCommandEvent& event);
    void OnProjectButton(wxCommandEvent& event);
    void OnDocumentationButton(wxCommandEvent& event);
    void OpenPage(const wxString& address);

    wxString m_projectPage;
    wxString m_documentationPage;
    std::string m_noBrowserFormat;

    wxDECLARE_EVENT_TABLE();
};

// The about command: builds the dialog in the interface language and shows
// it modally. Outside Deutsch.lan (exactly that name) its German sentences
// become English ones. Shows nothing when the description cannot be loaded.
void ShowAboutDialog(wxWindow* parent, const LanguageTable& language, const wxString& languageFile);
