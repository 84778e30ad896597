#include "FrameDriver.h"
#include "FrameFixture.h"
#include "LanguageFile.h"
#include "TestDialogs.h"

#include "widgets/Ids.h"
#include "lang/TextIds.h"
#include "model/EyeQuantity.h"
#include "playback/DisplayOptionsDialog.h"

#include <wx/filefn.h>
#include <wx/html/helpctrl.h>
#include <wx/html/helpwnd.h>
#include <wx/log.h>
#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

class LanguageSwitchTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        CopyDataFile("Deutsch.lan");
        CopyDataFile("English.lan");
        ::setenv("LANG", "de_DE.UTF-8", 1);  // a first start in German
        ASSERT_TRUE(StartProgram());
    }
    // Menu items are listed in name order: Deutsch, English.
    static constexpr int kEnglishItem = Id::FirstLanguage + 1;
};

TEST_F(LanguageSwitchTest, RelabelsMenusTitlesToolTipsAndGroups)
{
    const ShippedLanguage german("Deutsch.lan");
    const ShippedLanguage english("English.lan");
    ASSERT_NE(german(Text::NewCaseMenu), english(Text::NewCaseMenu));
    wxMenuBar* menus = m_frame->GetMenuBar();
    // The toolkit's own texts follow (wx's catalogues need no system locale).
    EXPECT_TRUE(menus->IsChecked(Id::FirstLanguage));
    EXPECT_EQ(wxGetTranslation("Cancel"), "Abbrechen");

    SendCommand(kEnglishItem);

    EXPECT_EQ(m_frame->LanguageFileName(), "English.lan");
    EXPECT_TRUE(menus->IsChecked(kEnglishItem));
    EXPECT_FALSE(menus->IsChecked(Id::FirstLanguage));
    EXPECT_EQ(wxGetTranslation("Cancel"), "Cancel");
    EXPECT_EQ(menus->GetLabel(Id::NewCase), english(Text::NewCaseMenu));
    EXPECT_EQ(menus->GetLabel(Id::ModeLatent), english(Text::LatentModeMenu) + "\tShift+M");
    EXPECT_EQ(menus->GetLabel(Id::CoverRightEyeOccluder),
              english(Text::OccluderTip) + ": " + english(Text::EyeGroup1) + "\tQ");
    EXPECT_EQ(menus->GetLabel(Id::DisplayOptions), english(Text::DisplayOptions));
    EXPECT_EQ(menus->GetMenuLabel(0), english(Text::FileMenu));
    EXPECT_EQ(menus->GetMenuLabel(2), english(Text::ExaminationMenu));
    EXPECT_EQ(menus->GetMenuLabel(4), english(Text::HelpMenu));

    wxToolBar* tools = m_frame->GetToolBar();
    EXPECT_EQ(tools->GetToolShortHelp(Id::NewCase), english(Text::NewCaseTip));
    EXPECT_EQ(tools->GetToolShortHelp(Id::SaveCase), english(Text::SaveCaseTip));
    EXPECT_EQ(tools->GetToolShortHelp(Id::RedFilterEye2), english(Text::RedFilterTip));
    // These two keep the text they were created with.
    EXPECT_EQ(tools->GetToolShortHelp(Id::HideValuesTool), german(Text::HideValuesTip));
    EXPECT_EQ(tools->GetToolShortHelp(Id::QuadrantHideTool), german(Text::HideQuadrantsTip));

    EXPECT_EQ(m_frame->GetTitle(), english(Text::ProductTitle));
    EXPECT_EQ(drive::Named<wxStaticBox>(m_frame, FrameControl::EyeBox(1)).GetLabel(), english(Text::EyeGroup1));
    EXPECT_EQ(drive::Named<wxStaticBox>(m_frame, FrameControl::EyeBox(2)).GetLabel(), english(Text::EyeGroup2));
    for (int row = 0; row < kEyeQuantityCount; ++row) {
        EXPECT_EQ(drive::Named<wxStaticText>(m_frame, FrameControl::QuantityLabel(1, row)).GetLabel(),
                  english(kQuantityControls[row].labelString));
        EXPECT_EQ(drive::Named<wxStaticText>(m_frame, FrameControl::QuantityLabel(2, row)).GetLabel(),
                  english(kQuantityControls[6 + row].labelString));
    }
    EXPECT_EQ(drive::Named<wxStaticText>(m_frame, FrameControl::kFarLabel).GetLabel(), english(Text::FarLabel));
    EXPECT_EQ(drive::Named<wxStaticText>(m_frame, FrameControl::FixingEyeLabel(2)).GetLabel(),
              english(Text::FixingEyeLabel2));
}

using LanguageMenuTest = FrameFixture;

TEST_F(LanguageMenuTest, EntryLoadsItsOwnFileEvenWithDotsInTheName)
{
    CopyDataFile("Deutsch.lan");
    CopyDataFile("English.lan", "en.classroom.lan");
    ASSERT_TRUE(StartProgram());
    wxMenuBar* menus = m_frame->GetMenuBar();
    ASSERT_EQ(menus->GetLabel(Id::FirstLanguage + 1), "en");

    SendCommand(Id::FirstLanguage + 1);

    EXPECT_EQ(m_frame->LanguageFileName(), "en.classroom.lan");
    EXPECT_EQ(m_frame->GetTitle(), ShippedLanguage("English.lan")(Text::ProductTitle));
}

TEST_F(LanguageSwitchTest, LanguageFilesComeFromTheStartFolderAfterTheWorkingFolderChanged)
{
    ASSERT_TRUE(wxSetWorkingDirectory("/"));
    SendCommand(kEnglishItem);
    EXPECT_EQ(m_frame->GetTitle(), ShippedLanguage("English.lan")(Text::ProductTitle));
}

TEST_F(LanguageSwitchTest, UnreadableChoiceReportsTheFileAndKeepsTheLabels)
{
    const ShippedLanguage german("Deutsch.lan");
    const wxString labelBefore = m_frame->GetMenuBar()->GetLabel(Id::NewCase);
    std::filesystem::remove(PathOf("English.lan"));

    wxString message;
    wxTEST_DIALOG(SendCommand(kEnglishItem), ExpectMessageBox(wxID_OK, &message));

    EXPECT_NE(message.Find("English.lan"), wxNOT_FOUND) << message;
    EXPECT_EQ(m_frame->GetMenuBar()->GetLabel(Id::NewCase), labelBefore);
}

TEST_F(LanguageSwitchTest, ReloadingTheCurrentLanguageRelabelsEverything)
{
    const ShippedLanguage german("Deutsch.lan");
    drive::Named<wxStaticBox>(m_frame, FrameControl::EyeBox(1)).SetLabel("stale");
    m_frame->SetTitle("stale");
    SendCommand(Id::FirstLanguage);
    EXPECT_EQ(drive::Named<wxStaticBox>(m_frame, FrameControl::EyeBox(1)).GetLabel(), german(Text::EyeGroup1));
    EXPECT_EQ(m_frame->GetTitle(), german(Text::ProductTitle));
}

namespace {

// Keeps every message the toolkit logs while it is installed.
class LogCollector : public wxLog {
public:
    LogCollector() : m_previous(wxLog::SetActiveTarget(this)) {}
    ~LogCollector() override { wxLog::SetActiveTarget(m_previous); }
    const wxArrayString& Messages() const { return m_messages; }

protected:
    void DoLogTextAtLevel(wxLogLevel, const wxString& text) override { m_messages.push_back(text); }

private:
    wxLog* m_previous;
    wxArrayString m_messages;
};

}  // namespace

TEST_F(LanguageSwitchTest, EveryHelpPageWithAPictureOpensWithoutAMessageInBothLanguages)
{
    namespace fs = std::filesystem;
    fs::copy(fs::path(SQUINX_DATA_DIR) / "help", PathOf("help"), fs::copy_options::recursive);
    for (const auto& [item, book] :
         {std::pair<int, const char*>{Id::FirstLanguage, "de"}, std::pair<int, const char*>{kEnglishItem, "en"}}) {
        SendCommand(item);  // sets the help book of that language
        SendCommand(Id::HelpContents);
        Yield();
        wxHtmlHelpWindow* help = m_frame->Help()->GetHelpWindow();
        ASSERT_NE(help, nullptr) << book;
        int pagesWithPictures = 0;
        for (const auto& entry : fs::directory_iterator(PathOf(std::string("help/") + book))) {
            if (entry.path().extension() != ".html")
                continue;
            std::ifstream page(entry.path());
            const std::string html{std::istreambuf_iterator<char>(page), std::istreambuf_iterator<char>()};
            if (html.find("<img") == std::string::npos)
                continue;
            ++pagesWithPictures;
            const LogCollector log;
            ASSERT_TRUE(help->GetHtmlWindow()->LoadPage(entry.path().string()));
            Yield();
            EXPECT_TRUE(log.Messages().empty()) << entry.path() << ": " << wxJoin(log.Messages(), '\n');
        }
        EXPECT_GE(pagesWithPictures, 5) << book;
        m_frame->Help()->Quit();
    }
}

namespace {

// Reads the threshold field of the display options and cancels them.
class ReadThreshold : public wxExpectModalBase<DisplayOptionsDialog> {
public:
    explicit ReadThreshold(wxString* shown) : m_shown(shown) {}

protected:
    int OnInvoked(DisplayOptionsDialog* dialog) const override
    {
        *m_shown = wxDynamicCast(dialog->FindWindow(DisplayOptionsId::ThresholdText), wxTextCtrl)->GetValue();
        return wxID_CANCEL;
    }

private:
    wxString* m_shown;
};

// The labels of every item of the menu bar, submenus included.
wxArrayString MenuLabels(const wxMenu* menu)
{
    wxArrayString labels;
    for (const wxMenuItem* item : menu->GetMenuItems()) {
        labels.push_back(item->GetItemLabel());
        if (item->GetSubMenu())
            for (const wxString& label : MenuLabels(item->GetSubMenu()))
                labels.push_back(label);
    }
    return labels;
}

}  // namespace

// Every number written for a reader carries the language's decimal mark (a
// comma in German); every menu ends its "more to come" items alike.
TEST_F(LanguageSwitchTest, NumbersAndEllipsesFollowTheLanguage)
{
    std::string recording = "Name: A\nFirstname: B\nID: 1\nExamination Date: today\nTest Type: saccades\n\nTime\tx\n";
    for (const char* time : {"0,000", "0,004", "0,008"})
        recording += std::string(time) + "\t2,5\t0\t0,4\t0\t0\t1\t0\t0\t0\t0\t0\t0\t1\n";
    WriteFile("r.stx", recording);

    drive::TypeAndEnter(m_frame, 400, "2,5");
    EXPECT_EQ(m_frame->TextField(400)->GetValue(), wxString::FromUTF8("+2,50\xC2\xB0"));
    drive::SaveCaseAs(m_frame, PathOf("saved.sd"));

    drive::SetQualityThreshold(m_frame, 0.5f);
    wxString threshold;
    wxTEST_DIALOG(SendCommand(Id::DisplayOptions), ReadThreshold(&threshold));
    EXPECT_EQ(threshold, "0,50");

    wxTEST_DIALOG(SendCommand(Id::OpenRecording), wxExpectModal<wxFileDialog>(PathOf("r.stx")));
    m_frame->SeekPlayback(1);
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(2), "t = 0,004 s");
    wxString question;
    wxTEST_DIALOG(SendCommand(Id::RepairRecording), ExpectMessageBox(wxID_NO, &question));
    EXPECT_NE(question.Find("0,50"), wxNOT_FOUND) << question;

    for (const int language : {static_cast<int>(Id::FirstLanguage), kEnglishItem}) {
        SendCommand(language);
        int dots = 0, ellipses = 0;
        wxMenuBar* menus = m_frame->GetMenuBar();
        for (std::size_t i = 0; i < menus->GetMenuCount(); ++i)
            for (const wxString& label : MenuLabels(menus->GetMenu(i))) {
                dots += label.Contains("...");
                ellipses += label.Contains(wxString::FromUTF8("\xE2\x80\xA6"));
            }
        EXPECT_GT(dots + ellipses, 3) << m_frame->LanguageFileName();
        EXPECT_TRUE(dots == 0 || ellipses == 0) << m_frame->LanguageFileName();
    }
    // English keeps the point.
    m_frame->SeekPlayback(2);
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(2), "t = 0.008 s");
}
