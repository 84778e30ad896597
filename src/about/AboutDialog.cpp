#include "about/AboutDialog.h"

#include "about/AboutDescription.h"
#include "about/AboutTexts.h"
#include "about/BrowserCommand.h"
#include "about/UrlOpener.h"
#include "frame/ScreenText.h"
#include "lang/LanguageTable.h"
#include "lang/Latin1.h"
#include "lang/TextIds.h"
#include "resources/Resources.h"

#include <wx/bmpbuttn.h>
#include <wx/filename.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/xml/xml.h>
#include <wx/xrc/xmlres.h>

#include <vector>

wxBEGIN_EVENT_TABLE(AboutDialog, wxDialog)
    EVT_BUTTON(AboutId::OkButton, AboutDialog::OnOk)
    EVT_BUTTON(AboutId::ProjectButton, AboutDialog::OnProjectButton)
    EVT_BUTTON(AboutId::DocumentationButton, AboutDialog::OnDocumentationButton)
wxEND_EVENT_TABLE()

namespace {

const char kDescriptionName[] = "dialog1";
// Labels are not made smaller than this to fit their room.
constexpr int kSmallestLabelPoints = 6;
// The one language file that keeps the description's German sentences.
const char kGermanLanguageFile[] = "Deutsch.lan";

// Pictures are scaled to fit their control, keeping their proportions: the
// side that fills its room is given, the other follows.
wxSize FittedPictureSize(const wxSize& picture, const wxSize& room) {
    if (picture.x <= 0 || picture.y <= 0 || room.x <= 0 || room.y <= 0)
        return wxDefaultSize;
    if (room.x * picture.y <= room.y * picture.x)
        return wxSize(room.x, -1);
    return wxSize(-1, room.y);
}

// The dialog's size as its description gives it, measured in the dialog's own
// font: the toolkit converts the dialog's size before it applies that font.
void ApplyDescribedSize(wxDialog& dialog) {
    const wxXmlNode* description = wxXmlResource::Get()->GetResourceNode(kDescriptionName);
    for (const wxXmlNode* item = description ? description->GetChildren() : nullptr; item; item = item->GetNext()) {
        if (item->GetName() != "size" || !item->GetChildren())
            continue;
        wxString text = item->GetChildren()->GetContent();
        long width = 0;
        long height = 0;
        if (text.EndsWith("d", &text) && text.BeforeFirst(',').ToLong(&width) && text.AfterFirst(',').ToLong(&height))
            dialog.SetClientSize(dialog.ConvertDialogToPixels(wxSize(int(width), int(height))));
    }
}

wxSize NaturalSize(const wxString& name) {
    return GetBitmapResource(name).GetDefaultSize();
}

// Width from text's left edge to its own right edge or to the next text to its
// right that shares some of its height, whichever comes first.
int LabelRoom(const wxStaticText& text, const std::vector<wxStaticText*>& texts) {
    const wxRect own = text.GetRect();
    int right = own.GetRight() + 1;
    for (const wxStaticText* other : texts) {
        const wxRect next = other->GetRect();
        const bool sharesHeight = next.GetTop() <= own.GetBottom() && own.GetTop() <= next.GetBottom();
        if (other != &text && sharesHeight && next.GetLeft() > own.GetLeft() && next.GetLeft() < right)
            right = next.GetLeft();
    }
    return right - own.GetLeft();
}

// A file in the working folder as an address a browser understands.
wxString WorkingFolderUrl(const wxString& relativePath) {
    wxFileName file(relativePath);
    file.MakeAbsolute();
    return wxFileName::FileNameToURL(file);
}

}  // namespace

bool AboutDialog::LoadFromResource(wxWindow* parent) {
    if (!LoadAboutDialogDescription() || !wxXmlResource::Get()->LoadDialog(this, parent, kDescriptionName))
        return false;
    SetId(AboutId::Dialog);
    ApplyDescribedSize(*this);
    FitPictures();
    return true;
}

void AboutDialog::FitPictures() {
    const struct {
        int id;
        const char* name;
    } pictures[] = {{AboutId::Logo, "logo"},
                    {AboutId::ClickHereArrow, "iconbefore"},
                    {AboutId::ProjectButton, "logoProject"},
                    {AboutId::DocumentationButton, "logoDocs"}};
    for (const auto& picture : pictures) {
        wxWindow* control = FindWindow(picture.id);
        const wxSize natural = NaturalSize(picture.name);
        if (auto* image = dynamic_cast<wxStaticBitmap*>(control)) {
            image->SetBitmap(GetBitmapResource(picture.name, FittedPictureSize(natural, image->GetSize())));
        } else if (auto* button = dynamic_cast<wxBitmapButton*>(control)) {
            // The button's frame and padding are whatever its best size adds to the picture.
            const wxSize frame = button->GetBestSize() - button->GetBitmapLabel().GetSize();
            const wxSize room = button->GetSize() - frame;
            button->SetBitmapLabel(GetBitmapResource(picture.name, FittedPictureSize(natural, room)));
        }
    }
}

void AboutDialog::SetAddresses(const wxString& projectPage, const wxString& documentationPage) {
    m_projectPage = projectPage;
    m_documentationPage = documentationPage;
}

void AboutDialog::SetControlText(int id, const wxString& text) {
    if (wxWindow* control = FindWindow(id))
        control->SetLabel(text);
}

void AboutDialog::FitLabels() {
    std::vector<wxStaticText*> texts;
    for (wxWindow* child : GetChildren())
        if (auto* text = dynamic_cast<wxStaticText*>(child))
            texts.push_back(text);
    for (wxStaticText* text : texts) {
        const int room = LabelRoom(*text, texts);
        wxFont font = text->GetFont();
        while (font.GetPointSize() > kSmallestLabelPoints && text->GetTextExtent(text->GetLabel()).x > room) {
            font.SetPointSize(font.GetPointSize() - 1);
            text->SetFont(font);
        }
    }
}

void AboutDialog::OnOk(wxCommandEvent&) {
    EndModal(AboutId::OkButton);
}

void AboutDialog::OnProjectButton(wxCommandEvent&) {
    OpenUrl(m_projectPage);
}

void AboutDialog::OnDocumentationButton(wxCommandEvent&) {
    OpenUrl(m_documentationPage);
}

void ShowAboutDialog(wxWindow* parent, const LanguageTable& language, const wxString& languageFile) {
    AboutDialog dialog;
    if (!dialog.LoadFromResource(parent))
        return;
    const auto text = [&language](int n) { return FitLabel(FromLatin1(language.Get(n))); };

    dialog.SetControlText(AboutId::ProductTitle, text(Text::ProductTitle));
    dialog.SetTitle(text(Text::ProductTitle));
    if (languageFile != kGermanLanguageFile) {
        dialog.SetControlText(AboutId::ProducedBy, text(Text::AboutProducedBy));
        dialog.SetControlText(AboutId::GroupLine1, kTeachingGroupEnglishLine1);
        dialog.SetControlText(AboutId::GroupLine2, kTeachingGroupEnglishLine2);
        dialog.SetControlText(AboutId::AndThe, text(Text::AboutAndThe));
        for (int id : {AboutId::NoteLine5, AboutId::NoteLine1, AboutId::NoteLine4, AboutId::NoteLine2,
                       AboutId::NoteLine3})
            dialog.SetControlText(id, wxEmptyString);
    }
    dialog.SetControlText(AboutId::ClickHere, text(Text::AboutClickHere));
    dialog.SetControlText(AboutId::OkButton, text(Text::OkButton));
    dialog.SetControlText(AboutId::ProgrammingLabel, text(Text::AboutProgramming));
    dialog.SetControlText(AboutId::ConceptLabel, text(Text::AboutConcept));

    dialog.FitLabels();
    dialog.SetAddresses(WorkingFolderUrl(kProjectHomePage),
                        WorkingFolderUrl(FromLatin1(HelpStartPage(language.Get(Text::HelpBook)))));
    dialog.ShowModal();
}
