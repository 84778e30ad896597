#include "about/AboutDialog.h"

#include "about/AboutDescription.h"
#include "about/AboutTexts.h"
#include "about/BrowserCommand.h"
#include "about/UrlOpener.h"
#include "widgets/FileChooser.h"
#include "widgets/ScreenText.h"
#include "lang/LanguageTable.h"
#include "lang/Latin1.h"
#include "lang/TextIds.h"
#include "lang/LanguageText.h"
#include "resources/Resources.h"

#include <wx/bmpbuttn.h>
#include <wx/filename.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/xml/xml.h>
#include <wx/xrc/xmlres.h>

#include <algorithm>
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
wxSize FittedPictureSize(const wxSize& picture, const wxSize& room)
{
    if (picture.x <= 0 || picture.y <= 0 || room.x <= 0 || room.y <= 0)
        return wxDefaultSize;
    if (room.x * picture.y <= room.y * picture.x)
        return wxSize(room.x, -1);
    return wxSize(-1, room.y);
}

// The dialog's size as its description gives it, measured in the dialog's own
// font: the toolkit converts the dialog's size before it applies that font.
void ApplyDescribedSize(wxDialog& dialog)
{
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

wxSize NaturalSize(const wxString& name)
{
    return GetBitmapResource(name).GetDefaultSize();
}

// Width from text's left edge to its own right edge or to the next text to its
// right that shares some of its height, whichever comes first.
int LabelRoom(const wxStaticText& text, const std::vector<wxStaticText*>& texts)
{
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
wxString WorkingFolderUrl(const wxString& relativePath)
{
    wxFileName file(relativePath);
    file.MakeAbsolute();
    return wxFileName::FileNameToURL(file);
}

}  // namespace

bool AboutDialog::LoadFromResource(wxWindow* parent)
{
    if (!LoadAboutDialogDescription() || !wxXmlResource::Get()->LoadDialog(this, parent, kDescriptionName))
        return false;
    SetId(AboutId::Dialog);
    ApplyDescribedSize(*this);
    FitPictures();
    return true;
}

void AboutDialog::FitPictures()
{
    const struct {
        int id;
        const char* name;
    } pictures[] = {{AboutId::Logo, "logo"},
                    {AboutId::ClickHereArrow, "arrow-to-buttons"},
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

void AboutDialog::SetAddresses(const wxString& projectPage, const wxString& documentationPage)
{
    m_projectPage = projectPage;
    m_documentationPage = documentationPage;
}

void AboutDialog::SetControlText(int id, const wxString& text)
{
    if (wxWindow* control = FindWindow(id))
        control->SetLabel(text);
}

void AboutDialog::FitLabels()
{
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

void AboutDialog::ArrangeByTextWidths()
{
    const auto control = [this](int id) { return FindWindow(id); };
    const auto textRight = [](const wxWindow* text) {
        return text->GetPosition().x + text->GetTextExtent(text->GetLabel()).x;
    };
    const int space = ConvertDialogToPixels(wxSize(4, 0)).x;

    int namesLeft = control(AboutId::Maker)->GetPosition().x;
    for (int label : {AboutId::ProducedBy, AboutId::ProgrammingLabel, AboutId::ConceptLabel})
        namesLeft = std::max(namesLeft, textRight(control(label)) + space);
    for (int name :
         {AboutId::Maker, AboutId::GroupLine1, AboutId::GroupLine2, AboutId::Programmers, AboutId::ConceptAuthors})
        control(name)->Move(namesLeft, control(name)->GetPosition().y);
    wxWindow* andThe = control(AboutId::AndThe);
    const wxWindow* maker = control(AboutId::Maker);
    andThe->Move(textRight(maker) + maker->GetTextExtent(" ").x, andThe->GetPosition().y);
    const wxRect arrow = control(AboutId::ClickHereArrow)->GetRect();
    wxWindow* clickHere = control(AboutId::ClickHere);
    clickHere->Move(arrow.GetRight() + 1 + space / 2, clickHere->GetPosition().y);

    // Everything from the rule down moves up to a line's gap below the last
    // text with something to show above it.
    const int ruleTop = control(AboutId::Rule)->GetPosition().y;
    int shownBottom = 0;
    for (wxWindow* child : GetChildren()) {
        if (dynamic_cast<wxStaticText*>(child) && child->GetLabel().empty())
            child->Hide();
        else if (child->GetPosition().y < ruleTop)
            shownBottom = std::max(shownBottom, child->GetRect().GetBottom() + 1);
    }
    const int lift = ruleTop - shownBottom - ConvertDialogToPixels(wxSize(0, 8)).y;
    if (lift <= 0)
        return;
    for (wxWindow* child : GetChildren())
        if (child->GetPosition().y >= ruleTop)
            child->Move(child->GetPosition().x, child->GetPosition().y - lift);
    SetClientSize(GetClientSize() - wxSize(0, lift));
}

void AboutDialog::OnOk(wxCommandEvent&)
{
    EndModal(AboutId::OkButton);
}

void AboutDialog::OnProjectButton(wxCommandEvent&)
{
    OpenPage(m_projectPage);
}

void AboutDialog::OnDocumentationButton(wxCommandEvent&)
{
    OpenPage(m_documentationPage);
}

void AboutDialog::OpenPage(const wxString& address)
{
    if (OpenUrl(address))
        return;
    const wxString message = FormatLanguageString(
        m_noBrowserFormat, address, "No web browser was found. Open this address in a browser yourself:\n" + address);
    ShowMessage(message, GetTitle(), wxOK | wxICON_INFORMATION | wxCENTRE, this);
}

void ShowAboutDialog(wxWindow* parent, const LanguageTable& language, const wxString& languageFile)
{
    AboutDialog dialog;
    if (!dialog.LoadFromResource(parent))
        return;
    const auto text = [&language](int n) { return FitLabel(FromLatin1(language.Get(n))); };

    dialog.SetControlText(AboutId::ProductTitle, text(Text::ProductTitle));
    dialog.SetControlText(AboutId::Version, "Version " SQUINX_VERSION);
    dialog.SetControlText(AboutId::CopyrightLine, text(Text::AboutCopyright));
    dialog.SetTitle(text(Text::ProductTitle));
    if (languageFile != kGermanLanguageFile) {
        dialog.SetControlText(AboutId::ProducedBy, text(Text::AboutProducedBy));
        dialog.SetControlText(AboutId::GroupLine1, kTeachingGroupEnglishLine1);
        dialog.SetControlText(AboutId::GroupLine2, kTeachingGroupEnglishLine2);
        dialog.SetControlText(AboutId::AndThe, text(Text::AboutAndThe));
        for (int id :
             {AboutId::NoteLine5, AboutId::NoteLine1, AboutId::NoteLine4, AboutId::NoteLine2, AboutId::NoteLine3})
            dialog.SetControlText(id, wxEmptyString);
    }
    dialog.SetControlText(AboutId::ClickHere, text(Text::AboutClickHere));
    dialog.SetControlText(AboutId::OkButton, text(Text::OkButton));
    dialog.SetControlText(AboutId::ProgrammingLabel, text(Text::AboutProgramming));
    dialog.SetControlText(AboutId::ConceptLabel, text(Text::AboutConcept));

    dialog.ArrangeByTextWidths();
    dialog.FitLabels();
    dialog.SetNoBrowserFormat(language.Get(Text::NoBrowserFormat));
    dialog.SetAddresses(WorkingFolderUrl(kProjectHomePage),
                        WorkingFolderUrl(FromLatin1(HelpStartPage(language.Get(Text::HelpBook)))));
    dialog.ShowModal();
}
