#include "FrameDriver.h"
#include "FrameFixture.h"
#include "LanguageFile.h"
#include "TestDialogs.h"

#include "app/PatientApp.h"
#include "widgets/Ids.h"
#include "lang/LanguageTable.h"
#include "lang/TextIds.h"
#include "settings/SettingsFile.h"

#include <wx/arrstr.h>
#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>

using StartupTest = FrameFixture;

TEST_F(StartupTest, WithoutLanguageFilesShowsOneMessageAndNoWindow)
{
    WriteFile("notes.txt", "not a language file\n");
    wxString message;
    bool started = true;
    wxTEST_DIALOG(started = StartProgram(), ExpectMessageBox(wxID_OK, &message));
    EXPECT_FALSE(started);
    EXPECT_EQ(message, "Could not open any language file.");
    EXPECT_EQ(PatientApp::MainWindow(), nullptr);
    EXPECT_TRUE(wxTopLevelWindows.empty());
}

TEST_F(StartupTest, InitialStateBeforeAnySettingsFile)
{
    CopyDataFile("Deutsch.lan");
    CopyDataFile("English.lan");
    ASSERT_TRUE(StartProgram());
    // A desktop that names no language gets English.
    const ShippedLanguage english("English.lan");

    wxMenuBar* menus = m_frame->GetMenuBar();
    EXPECT_TRUE(menus->IsChecked(Id::ModeManifest));
    EXPECT_FALSE(menus->IsChecked(Id::ModeLatent));
    EXPECT_TRUE(menus->IsChecked(Id::FlashlightItem));
    EXPECT_FALSE(menus->IsChecked(Id::WholeDegreesItem));
    EXPECT_FALSE(menus->IsEnabled(Id::SaveRecording));
    EXPECT_FALSE(menus->IsEnabled(Id::SaveRecordingAs));
    EXPECT_FALSE(menus->IsEnabled(Id::RepairRecording));

    wxToolBar* tools = m_frame->GetToolBar();
    EXPECT_TRUE(tools->GetToolState(Id::FlashlightTool));
    EXPECT_FALSE(tools->GetToolState(Id::EyeCrossTool));
    for (int id : {Id::OccluderEye1, Id::RedFilterEye1, Id::TranslucentEye1, Id::OccluderEye2, Id::RedFilterEye2,
                   Id::TranslucentEye2, Id::QuizTool, Id::HideValuesTool, Id::QuadrantEditTool, Id::QuadrantHideTool})
        EXPECT_FALSE(tools->GetToolState(id)) << id;

    EXPECT_FALSE(drive::Control<wxCheckBox>(m_frame, Id::CoverCheckBox1).IsEnabled());
    EXPECT_FALSE(drive::Control<wxCheckBox>(m_frame, Id::CoverCheckBox2).IsEnabled());
    EXPECT_FALSE(drive::Named<wxPanel>(m_frame, FrameControl::kPlaybackPanel).IsShown());
    EXPECT_EQ(m_frame->GetTitle(), english(Text::ProductTitle));
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(3), english(Text::ManifestModeStatus));
    EXPECT_EQ(m_frame->LanguageFileName(), "English.lan");
}

TEST_F(StartupTest, LanguageMenuListsAtMostOneHundredFiles)
{
    for (int i = 0; i < 101; ++i)
        CopyDataFile("English.lan", wxString::Format("lang%03d.lan", i).ToStdString());
    ASSERT_TRUE(StartProgram());
    wxMenuBar* menus = m_frame->GetMenuBar();
    wxMenu* languages = menus->GetMenu(3);
    EXPECT_EQ(languages->GetMenuItemCount(), 100u);
    EXPECT_EQ(menus->GetLabel(Id::FirstLanguage), "lang000");
    EXPECT_EQ(menus->GetLabel(Id::LastLanguage), "lang099");
}

namespace {

// English.lan with some lines replaced.
std::string EnglishWith(const std::map<int, std::string>& replaced, int keepLines = 1000)
{
    std::ifstream in(std::string(SQUINX_DATA_DIR) + "/English.lan", std::ios::binary);
    std::string out;
    int n = 0;
    for (std::string line; std::getline(in, line) && n < keepLines;) {
        ++n;
        const auto found = replaced.find(n);
        out += (found == replaced.end() ? line : found->second) + "\n";
    }
    return out;
}

void WriteSettingsNaming(const std::string& languageFile, const std::string& path)
{
    Settings settings;
    settings.languageFile = languageFile;
    const auto bytes = EncodeSettings(settings);
    std::ofstream(path, std::ios::binary) << std::string(bytes.begin(), bytes.end());
}

}  // namespace

TEST_F(StartupTest, FirstStartFollowsTheDesktopLanguage)
{
    CopyDataFile("Deutsch.lan");
    CopyDataFile("English.lan");
    const struct {
        const char* language;
        const char* lcAll;
        const char* lang;
        const char* expected;
    } cases[] = {{nullptr, nullptr, "en_GB.UTF-8", "English.lan"},
                 {"fr:en", nullptr, "de_DE.UTF-8", "English.lan"},
                 {nullptr, nullptr, "de_AT", "Deutsch.lan"},
                 // C and POSIX prefer no language: the next variable decides, else English.
                 {nullptr, nullptr, "C", "English.lan"},
                 {nullptr, "C", "en_US", "English.lan"},
                 {nullptr, "POSIX", "de_DE", "Deutsch.lan"},
                 {nullptr, nullptr, "fr_FR", "English.lan"}};
    const auto setOrUnset = [](const char* name, const char* value) {
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    };
    for (const auto& c : cases) {
        setOrUnset("LANGUAGE", c.language);
        setOrUnset("LC_ALL", c.lcAll);
        ::setenv("LANG", c.lang, 1);
        ASSERT_TRUE(StartProgram()) << c.lang;
        EXPECT_EQ(m_frame->LanguageFileName(), c.expected) << c.lang;
        EXPECT_EQ(m_frame->GetTitle(), ShippedLanguage(c.expected)(Text::ProductTitle)) << c.lang;
        CloseProgram();
        std::filesystem::remove(PathOf("squinx.ini"));
    }
}

TEST_F(StartupTest, RefusedLanguageFileIsReportedOnceAndTheNextOneIsUsed)
{
    // Without an English file the first one is tried first.
    WriteFile("A.lan", std::string(LanguageTable::MaxFileBytes + 1, 'x'));
    CopyDataFile("Deutsch.lan");
    wxString message;
    wxTEST_DIALOG(ASSERT_TRUE(StartProgram()), ExpectMessageBox(wxID_OK, &message));
    EXPECT_NE(message.Find("A.lan"), wxNOT_FOUND) << message;
    EXPECT_NE(message.Find("larger than"), wxNOT_FOUND) << message;
    EXPECT_EQ(m_frame->LanguageFileName(), "Deutsch.lan");
    EXPECT_EQ(m_frame->GetTitle(), ShippedLanguage("Deutsch.lan")(Text::ProductTitle));
}

TEST_F(StartupTest, WhenNoLanguageFileLoadsTheReasonComesBeforeTheEnd)
{
    WriteFile("A.lan", std::string(LanguageTable::MaxFileBytes + 1, 'x'));
    wxString reason, end;
    bool started = true;
    wxTEST_DIALOG(started = StartProgram(), ExpectMessageBox(wxID_OK, &reason), ExpectMessageBox(wxID_OK, &end));
    EXPECT_FALSE(started);
    EXPECT_NE(reason.Find("larger than"), wxNOT_FOUND) << reason;
    EXPECT_EQ(end, "Could not open any language file.");
    EXPECT_TRUE(wxTopLevelWindows.empty());
}

TEST_F(StartupTest, SettingsNamingAMissingOrForeignFileFallBackWithOneMessage)
{
    CopyDataFile("Deutsch.lan");
    CopyDataFile("English.lan");
    for (const char* named : {"texturen.dat", "Gone.lan"}) {
        WriteSettingsNaming(named, PathOf("squinx.ini"));
        wxString message;
        wxTEST_DIALOG(ASSERT_TRUE(StartProgram()), ExpectMessageBox(wxID_OK, &message));
        EXPECT_NE(message.Find(named), wxNOT_FOUND) << message;
        EXPECT_EQ(m_frame->LanguageFileName(), "Deutsch.lan");
        EXPECT_EQ(m_frame->GetTitle(), ShippedLanguage("Deutsch.lan")(Text::ProductTitle));
        CloseProgram();
    }
}

TEST_F(StartupTest, HelpExistsBeforeAnyLanguageLoads)
{
    PatientFrame* frame = nullptr;
    wxTEST_DIALOG(frame = new PatientFrame(nullptr, wxEmptyString, wxPoint(0, 0), wxSize(640, 508)),
                  ExpectMessageBox(wxID_OK, nullptr));
    EXPECT_NE(frame->Help(), nullptr);
    delete frame;
}

TEST_F(StartupTest, StartUpLetsSavesFailUnderAFileSizeLimit)
{
    CopyDataFile("English.lan");
    ASSERT_TRUE(StartProgram());
    struct sigaction action {};
    ASSERT_EQ(::sigaction(SIGXFSZ, nullptr, &action), 0);
    EXPECT_EQ(action.sa_handler, SIG_IGN);
}

TEST_F(StartupTest, ShortLanguageFileStillExplainsFailures)
{
    WriteFile("Short.lan", EnglishWith({}, 10));
    ASSERT_TRUE(StartProgram());
    ASSERT_EQ(::mkfifo(PathOf("pipe.stx").c_str(), 0600), 0);
    wxString message;
    wxTEST_DIALOG(SendCommand(Id::OpenRecording), wxExpectModal<wxFileDialog>(PathOf("pipe.stx")),
                  ExpectMessageBox(wxID_OK, &message));
    EXPECT_TRUE(message.StartsWith(ShippedLanguage("English.lan")(Text::RecordingInvalid))) << message;
    EXPECT_EQ(message.Find("--NOT DEFINED--"), wxNOT_FOUND) << message;
}

TEST_F(StartupTest, HugeTextsStayWithinTheScreen)
{
    const std::string huge(60000, 'W');
    WriteFile("Huge.lan", EnglishWith({{Text::ProductTitle, huge},
                                       {Text::FileMenu, huge},
                                       {Text::EyeGroup1, huge},
                                       {Text::ManifestModeStatus, huge}}));
    ASSERT_TRUE(StartProgram());
    const wxSize screen = wxGetDisplaySize();
    EXPECT_LE(m_frame->GetSize().x, screen.x);
    EXPECT_LT(m_frame->GetTitle().length(), 1000u);

    std::string deep = m_folder;
    for (int level = 0; level < 12; ++level)
        deep += "/" + std::string(200, 'd');
    std::filesystem::create_directories(deep);
    ASSERT_EQ(::mkfifo((deep + "/pipe.stx").c_str(), 0600), 0);
    wxString message;
    wxTEST_DIALOG(SendCommand(Id::OpenRecording), wxExpectModal<wxFileDialog>(deep + "/pipe.stx"),
                  ExpectMessageBox(wxID_OK, &message));
    EXPECT_NE(message.Find(wxString::FromUTF8("\xE2\x80\xA6")), wxNOT_FOUND);
    EXPECT_NE(message.Find("pipe.stx"), wxNOT_FOUND) << message;
    for (const wxString& line : wxSplit(message, '\n'))
        EXPECT_LT(line.length(), 400u);
    EXPECT_LT(wxSplit(message, '\n').size(), 100u);
}
