// The about dialog: its compiled-in description, its texts in each language
// and the pages its logo buttons open.
#include "FrameFixture.h"
#include "widgets/Ids.h"
#include "LanguageFile.h"
#include "TestDialogs.h"

#include "about/AboutDialog.h"
#include "about/AboutTexts.h"
#include "about/UrlOpener.h"
#include "app/PatientApp.h"
#include "lang/TextIds.h"

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/filename.h>
#include <wx/gauge.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include <functional>
#include <map>
#include <vector>

namespace {

const char kGermanProducedBy[] = "Eine Produktion von:";
const char kGermanAndThe[] = "und der";
const char kGermanGroupLine1[] = "Arbeitsgruppe Orthoptik-Lehre";
const char kGermanGroupLine2[] = "im Squinx-Projekt";

// Every control of the description: id, position and size in dialog units,
// font size in points (0: none given).
struct ControlSpec {
    int id;
    wxPoint pos;
    wxSize size;
    int points;
};
const ControlSpec kControls[] = {
    {6007, {48, 8}, {160, 14}, 14},  {6008, {48, 20}, {160, 8}, 8},   {6004, {49, 28}, {130, 8}, 8},
    {6041, {48, 46}, {141, 6}, 7},   {6037, {48, 58}, {165, 6}, 7},   {6017, {50, 58}, {143, 33}, 8},
    {6040, {48, 65}, {63, 6}, 7},    {6038, {48, 80}, {178, 6}, 7},   {6039, {70, 87}, {172, 6}, 7},
    {6019, {48, 98}, {186, 1}, 8},   {6009, {48, 103}, {180, 6}, 7},  {6005, {100, 103}, {180, 6}, 7},
    {6006, {166, 103}, {80, 6}, 7},  {6022, {100, 110}, {110, 6}, 7}, {6023, {100, 117}, {110, 6}, 7},
    {6024, {48, 131}, {180, 6}, 7},  {6025, {100, 131}, {88, 6}, 7},  {6026, {48, 138}, {180, 6}, 7},
    {6028, {100, 138}, {100, 6}, 7}, {6029, {7, 7}, {35, 25}, 0},     {6030, {48, 150}, {65, 20}, 0},
    {6031, {114, 150}, {54, 20}, 0}, {6034, {168, 159}, {15, 8}, 0},  {6033, {182, 160}, {80, 6}, 7},
    {6012, {215, 8}, {30, 11}, 8},
};

// Answers the about dialog after letting the test look at it.
class ExpectAbout : public wxExpectModalBase<AboutDialog> {
public:
    explicit ExpectAbout(std::function<void(AboutDialog&)> inspect) : m_inspect(std::move(inspect)) {}

protected:
    int OnInvoked(AboutDialog* dialog) const override
    {
        m_inspect(*dialog);
        return AboutId::OkButton;
    }

private:
    std::function<void(AboutDialog&)> m_inspect;
};

wxString Label(const AboutDialog& dialog, int id)
{
    const wxWindow* control = dialog.FindWindow(id);
    return control ? control->GetLabel() : wxString("(missing control)");
}

void Click(AboutDialog& dialog, int id)
{
    wxWindow* button = dialog.FindWindow(id);
    ASSERT_NE(button, nullptr) << id;
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(click);
}

wxString FileUrl(const wxString& folder, const wxString& relativePath)
{
    wxFileName file(relativePath);
    file.MakeAbsolute(folder);
    return wxFileName::FileNameToURL(file);
}

}  // namespace

class AboutDialogTest : public FrameFixture {
protected:
    void Start(const std::string& shippedFile, const std::string& as)
    {
        CopyDataFile(shippedFile, as);
        ASSERT_TRUE(StartProgram());
        ASSERT_EQ(m_frame->LanguageFileName(), wxString(as));
    }

    void ShowAbout(std::function<void(AboutDialog&)> inspect)
    {
        wxTEST_DIALOG(SendCommand(Id::About), ExpectAbout(std::move(inspect)));
    }
};

TEST_F(AboutDialogTest, DescriptionHoldsEveryControlInDialogUnits)
{
    Start("English.lan", "English.lan");
    ShowAbout([](AboutDialog& dialog) {
        EXPECT_EQ(dialog.GetId(), AboutId::Dialog);
        EXPECT_EQ(dialog.GetBackgroundColour(), wxColour(0xC0, 0xC0, 0xC0));
        // The empty notes' band above the rule is closed: the rule follows the
        // version line, everything below it moves up with it.
        const wxRect version = dialog.FindWindow(AboutId::Version)->GetRect();
        const int ruleTop = dialog.FindWindow(AboutId::Rule)->GetPosition().y;
        EXPECT_EQ(ruleTop, version.GetBottom() + 1 + dialog.ConvertDialogToPixels(wxSize(0, 8)).y);
        const int lift = dialog.ConvertDialogToPixels(wxPoint(0, 98)).y - ruleTop;
        EXPECT_EQ(dialog.GetClientSize(), dialog.ConvertDialogToPixels(wxSize(250, 172)) - wxSize(0, lift));
        // These follow the width of the text before them.
        const std::vector<int> placedByText{6005, 6006, 6022, 6023, 6025, 6028, 6033};
        for (const ControlSpec& expected : kControls) {
            const wxWindow* control = dialog.FindWindow(expected.id);
            ASSERT_NE(control, nullptr) << expected.id;
            const wxPoint described = dialog.ConvertDialogToPixels(expected.pos);
            if (std::find(placedByText.begin(), placedByText.end(), expected.id) == placedByText.end()) {
                EXPECT_EQ(control->GetPosition().x, described.x) << expected.id;
            }
            if (control->IsShown()) {
                EXPECT_EQ(control->GetPosition().y, described.y - (expected.pos.y >= 98 ? lift : 0)) << expected.id;
            }
            if (dynamic_cast<const wxStaticText*>(control)) {
                EXPECT_EQ(control->GetSize(), dialog.ConvertDialogToPixels(expected.size)) << expected.id;
                EXPECT_EQ(control->IsShown(), !control->GetLabel().empty()) << expected.id;
            }
            // Labels too wide for their own room are drawn smaller, never larger.
            if (expected.points) {
                EXPECT_LE(control->GetFont().GetPointSize(), expected.points) << expected.id;
                EXPECT_GE(control->GetFont().GetPointSize(), 6) << expected.id;
            }
        }
        EXPECT_EQ(dialog.FindWindow(6007)->GetFont().GetFamily(), wxFONTFAMILY_SWISS);
        EXPECT_NE(dynamic_cast<wxGauge*>(dialog.FindWindow(6019)), nullptr);
        EXPECT_EQ(dynamic_cast<wxGauge*>(dialog.FindWindow(6019))->GetRange(), 10);
        EXPECT_NE(dynamic_cast<wxButton*>(dialog.FindWindow(6012)), nullptr);
        for (int id : {6030, 6031}) {
            auto* button = dynamic_cast<wxBitmapButton*>(dialog.FindWindow(id));
            ASSERT_NE(button, nullptr) << id;
            EXPECT_TRUE(button->GetBitmapLabel().IsOk()) << id;
            EXPECT_LE(button->GetBitmapLabel().GetWidth(), button->GetSize().GetWidth()) << id;
        }
        for (int id : {6029, 6034}) {
            auto* picture = dynamic_cast<wxStaticBitmap*>(dialog.FindWindow(id));
            ASSERT_NE(picture, nullptr) << id;
            EXPECT_TRUE(picture->GetBitmap().IsOk()) << id;
        }
    });
}

TEST_F(AboutDialogTest, LabelsFitBeforeTheNextTextOnTheirLine)
{
    Start("Deutsch.lan", "Deutsch.lan");
    ShowAbout([](AboutDialog& dialog) {
        for (wxWindow* child : dialog.GetChildren()) {
            auto* text = dynamic_cast<const wxStaticText*>(child);
            if (text && text->GetFont().GetPointSize() > 6) {
                EXPECT_LE(text->GetTextExtent(text->GetLabel()).x, text->GetSize().x) << text->GetId();
            }
        }
        const auto textRight = [&dialog](int id) {
            const wxWindow* text = dialog.FindWindow(id);
            return text->GetPosition().x + text->GetTextExtent(text->GetLabel()).x;
        };
        // One font size for the labels: the names move aside instead.
        EXPECT_EQ(dialog.FindWindow(AboutId::ProducedBy)->GetFont().GetPointSize(), 7);
        EXPECT_LE(textRight(AboutId::ProducedBy), dialog.FindWindow(AboutId::Maker)->GetPosition().x);
        EXPECT_EQ(dialog.FindWindow(AboutId::AndThe)->GetPosition().x,
                  textRight(AboutId::Maker) + dialog.FindWindow(AboutId::Maker)->GetTextExtent(" ").x)
            << "one space after the maker";
        EXPECT_GT(dialog.FindWindow(AboutId::ClickHere)->GetPosition().x,
                  dialog.FindWindow(AboutId::ClickHereArrow)->GetRect().GetRight() + 1)
            << "the text does not touch its arrow";
        for (int id : {AboutId::AndThe, AboutId::ClickHere})
            EXPECT_LE(textRight(id), dialog.GetClientSize().x) << id;
        EXPECT_EQ(Label(dialog, AboutId::CopyrightLine), ShippedLanguage("Deutsch.lan")(Text::AboutCopyright));
    });
}

TEST_F(AboutDialogTest, GermanFileKeepsTheGermanSentences)
{
    // English texts under the German file's name tell replaced labels from kept ones.
    Start("English.lan", "Deutsch.lan");
    const ShippedLanguage english("English.lan");
    ShowAbout([&](AboutDialog& dialog) {
        EXPECT_EQ(dialog.GetTitle(), english(Text::ProductTitle));
        EXPECT_EQ(Label(dialog, AboutId::ProductTitle), english(Text::ProductTitle));
        EXPECT_EQ(Label(dialog, AboutId::ClickHere), english(Text::AboutClickHere));
        EXPECT_EQ(Label(dialog, AboutId::OkButton), english(Text::OkButton));
        EXPECT_EQ(Label(dialog, AboutId::ProgrammingLabel), english(Text::AboutProgramming));
        EXPECT_EQ(Label(dialog, AboutId::ConceptLabel), english(Text::AboutConcept));

        EXPECT_EQ(Label(dialog, AboutId::ProducedBy), kGermanProducedBy);
        EXPECT_EQ(Label(dialog, AboutId::AndThe), kGermanAndThe);
        EXPECT_EQ(Label(dialog, AboutId::GroupLine1), kGermanGroupLine1);
        EXPECT_EQ(Label(dialog, AboutId::GroupLine2), kGermanGroupLine2);
        EXPECT_EQ(Label(dialog, AboutId::Version), "Version " SQUINX_VERSION) << "the build's version";
    });
}

TEST_F(AboutDialogTest, AnyOtherFileNameGetsTheEnglishSentences)
{
    // Only the exact name counts: the German texts under a lower-case name.
    Start("Deutsch.lan", "deutsch.lan");
    const ShippedLanguage german("Deutsch.lan");
    ShowAbout([&](AboutDialog& dialog) {
        EXPECT_EQ(Label(dialog, AboutId::ProducedBy), german(Text::AboutProducedBy));
        EXPECT_EQ(Label(dialog, AboutId::AndThe), german(Text::AboutAndThe));
        EXPECT_EQ(Label(dialog, AboutId::GroupLine1), kTeachingGroupEnglishLine1);
        EXPECT_EQ(Label(dialog, AboutId::GroupLine2), kTeachingGroupEnglishLine2);
        for (int id :
             {AboutId::NoteLine1, AboutId::NoteLine2, AboutId::NoteLine3, AboutId::NoteLine4, AboutId::NoteLine5})
            EXPECT_EQ(Label(dialog, id), "") << id;
        EXPECT_EQ(Label(dialog, AboutId::ClickHere), german(Text::AboutClickHere));
        EXPECT_EQ(Label(dialog, AboutId::ProductTitle), german(Text::ProductTitle));
    });
}

TEST_F(AboutDialogTest, EnglishFileShowsEnglishThroughout)
{
    Start("English.lan", "English.lan");
    const ShippedLanguage english("English.lan");
    ShowAbout([&](AboutDialog& dialog) {
        EXPECT_EQ(Label(dialog, AboutId::ProducedBy), english(Text::AboutProducedBy));
        EXPECT_EQ(Label(dialog, AboutId::AndThe), english(Text::AboutAndThe));
        EXPECT_EQ(Label(dialog, AboutId::GroupLine1), kTeachingGroupEnglishLine1);
        EXPECT_EQ(Label(dialog, AboutId::OkButton), english(Text::OkButton));
    });
}

TEST_F(AboutDialogTest, LogoButtonsOpenTheBundledPagesOfTheLanguage)
{
    Start("Deutsch.lan", "Deutsch.lan");
    std::vector<wxString> opened;
    ScopedUrlOpener capture([&opened](const wxString& address) {
        opened.push_back(address);
        return true;
    });
    ShowAbout([](AboutDialog& dialog) {
        Click(dialog, AboutId::ProjectButton);
        Click(dialog, AboutId::DocumentationButton);
    });
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], FileUrl(m_folder, kProjectHomePage));
    EXPECT_EQ(opened[1], FileUrl(m_folder, "help/de/index.html"));
    EXPECT_TRUE(opened[1].StartsWith("file://")) << opened[1];
}

TEST_F(AboutDialogTest, WithoutABrowserTheAddressIsShownInTheProgramsLanguage)
{
    Start("Deutsch.lan", "Deutsch.lan");
    ScopedUrlOpener noBrowser([](const wxString&) { return false; });
    wxString message;
    wxTEST_DIALOG(SendCommand(Id::About), ExpectAbout([&message](AboutDialog& dialog) {
                      wxTEST_DIALOG(Click(dialog, AboutId::DocumentationButton), ExpectMessageBox(wxID_OK, &message));
                  }));
    EXPECT_TRUE(message.StartsWith("Es wurde kein Webbrowser gefunden.")) << message;
    EXPECT_TRUE(message.EndsWith("\n" + FileUrl(m_folder, "help/de/index.html"))) << message;
}
