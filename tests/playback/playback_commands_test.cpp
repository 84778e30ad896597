// Opening, playing, editing, repairing and saving recordings through the main window.
#include "FrameDriver.h"
#include "FrameFixture.h"
#include "LanguageFile.h"
#include "TestDialogs.h"

#include "app/PatientApp.h"
#include "widgets/Ids.h"
#include "lang/TextIds.h"
#include "playback/PlaybackTimer.h"
#include "playback/RecordingReader.h"
#include "playback/TracePanel.h"
#include "view/EyesCanvas.h"

#include <wx/display.h>
#include <wx/filedlg.h>
#include <wx/html/helpctrl.h>
#include <wx/html/helpwnd.h>
#include <wx/html/htmlwin.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/slider.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <cstdint>
#include <filesystem>

using namespace drive;
namespace fs = std::filesystem;

class PlaybackCommandsTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        CopyDataFile("English.lan");
        fs::copy_file(fs::path(SQUINX_TEST_DATA_DIR) / "playback/device_export.txt", PathOf("export.txt"));
        ASSERT_TRUE(StartProgram());
    }
    void Open(const std::string& name)
    {
        wxTEST_DIALOG(SendCommand(Id::OpenRecording), wxExpectModal<wxFileDialog>(PathOf(name)));
    }
    PlaybackTimer& Player() { return m_frame->Playback(); }
    wxSlider& TimeSlider() { return Control<wxSlider>(m_frame, Id::TimeSlider); }
    void ClickButton(int id)
    {
        wxCommandEvent event(wxEVT_BUTTON, id);
        m_frame->ProcessWindowEvent(event);
    }
    const ShippedLanguage english{"English.lan"};
};

TEST_F(PlaybackCommandsTest, OpeningADeviceExportEntersPlaybackMode)
{
    Open("export");  // ".txt" is appended
    EXPECT_TRUE(m_frame->IsPlaybackMode());
    EXPECT_EQ(TimeSlider().GetMax(), 3);
    EXPECT_TRUE(m_frame->GetMenuBar()->IsEnabled(Id::SaveRecording));
    EXPECT_TRUE(m_frame->GetTitle().StartsWith(english(Text::ProductTitle) + " ["));
    EXPECT_TRUE(m_frame->GetTitle().EndsWith("export.txt]")) << m_frame->GetTitle();
    EXPECT_EQ(Named<wxStaticText>(m_frame, FrameControl::QualityText(1)).GetLabel(), "  100%");
    EXPECT_EQ(Named<wxStaticText>(m_frame, FrameControl::QualityText(2)).GetLabel(), "   98%");
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(2), "t = 0.00 s");
    EXPECT_EQ(FieldText(m_frame, 400), "+2.50\xB0");
    TimeSlider().SetValue(3);
    Player().ShowSample();
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(2), "t = 0.06 s");
}

TEST_F(PlaybackCommandsTest, RefusedFileKeepsThePreviousRecordingPlayable)
{
    Open("export.txt");
    WriteFile("broken.stx", "Name: x\nFirstname: y\nID: 1\nExamination Date: 2\nTest Type: 3\nTime\n1\t2\t3\n");
    wxString message;
    wxTEST_DIALOG(SendCommand(Id::OpenRecording), wxExpectModal<wxFileDialog>(PathOf("broken.stx")),
                  ExpectMessageBox(wxID_OK, &message));
    EXPECT_TRUE(message.StartsWith(english(Text::RecordingInvalid))) << message;
    EXPECT_EQ(TimeSlider().GetMax(), 3);
    TimeSlider().SetValue(2);
    Player().ShowSample();
    EXPECT_EQ(Named<wxStaticText>(m_frame, FrameControl::QualityText(2)).GetLabel(), "   99%");
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(0), "");
}

TEST_F(PlaybackCommandsTest, PipesAndFoldersAreRefusedWithTheReasonWithoutBlocking)
{
    std::vector<const char*> names{"folder.stx"};
    fs::create_directory(PathOf("folder.stx"));
#ifndef _WIN32  // Windows keeps no pipes among the files.
    ASSERT_EQ(::mkfifo(PathOf("pipe.stx").c_str(), 0600), 0);
    names.push_back("pipe.stx");
#endif
    for (const char* name : names) {
        wxString message;
        wxTEST_DIALOG(SendCommand(Id::OpenRecording), wxExpectModal<wxFileDialog>(PathOf(name)),
                      ExpectMessageBox(wxID_OK, &message));
        EXPECT_TRUE(message.StartsWith(english(Text::RecordingInvalid))) << message;
        EXPECT_NE(message.Find("not a file"), wxNOT_FOUND) << message;
        EXPECT_FALSE(m_frame->IsPlaybackMode());
    }
}

TEST_F(PlaybackCommandsTest, StartPauseAndStop)
{
    Open("export.txt");  // rows every 20 ms
    std::int64_t now = 0;
    Player().SetClock([&now] { return now; });
    ClickButton(Id::PlaybackStart);
    EXPECT_TRUE(Player().IsRunning());
    Player().Notify();
    EXPECT_EQ(TimeSlider().GetValue(), 0);
    now = 10;  // the normal speed plays twice as fast as recorded
    Player().Notify();
    EXPECT_EQ(TimeSlider().GetValue(), 1);
    now = 29;
    Player().Notify();
    EXPECT_EQ(TimeSlider().GetValue(), 2);
    ClickButton(Id::PlaybackPause);
    EXPECT_FALSE(Player().IsRunning());
    EXPECT_EQ(TimeSlider().GetValue(), 2);
    now = 1000;  // a pause does not count
    ClickButton(Id::PlaybackStart);
    Player().Notify();
    EXPECT_EQ(TimeSlider().GetValue(), 2);
    now = 5000;
    Player().Notify();  // the last row stops the timer
    EXPECT_EQ(TimeSlider().GetValue(), 3);
    EXPECT_FALSE(Player().IsRunning());
    ClickButton(Id::PlaybackStop);
    EXPECT_EQ(TimeSlider().GetValue(), 0);
    EXPECT_EQ(Named<wxStaticText>(m_frame, FrameControl::QualityText(1)).GetLabel(), "  100%");
}

TEST_F(PlaybackCommandsTest, WeakRowsAreShownInRedAndGoodOnesInTheTextColour)
{
    SetQualityThreshold(m_frame, 0.5f);
    Open("export.txt");
    TimeSlider().SetValue(1);  // both eyes weak in row 1
    Player().ShowSample();
    EXPECT_EQ(m_frame->TextField(400)->GetForegroundColour(), *wxRED);
    EXPECT_EQ(m_frame->TextField(405)->GetForegroundColour(), *wxRED);
    TimeSlider().SetValue(2);
    Player().ShowSample();
    EXPECT_EQ(m_frame->TextField(400)->GetForegroundColour(), TextColour(m_frame));
}

TEST_F(PlaybackCommandsTest, AnEditChangesTheRowNotTheCase)
{
    SetQualityThreshold(m_frame, 0.5f);
    Open("export.txt");
    TimeSlider().SetValue(1);
    Player().ShowSample();
    TypeAndEnter(m_frame, 400, "4");
    EXPECT_FALSE(m_frame->IsModified());
    EXPECT_TRUE(Player().IsRecordingModified());
    EXPECT_TRUE(m_frame->GetTitle().EndsWith("*]"));
    Player().ShowSample();
    EXPECT_EQ(Named<wxStaticText>(m_frame, FrameControl::QualityText(1)).GetLabel(), "  100%");
    EXPECT_EQ(Named<wxStaticText>(m_frame, FrameControl::QualityText(2)).GetLabel(), "  100%");
    EXPECT_EQ(FieldText(m_frame, 400), "+4.00\xB0");
    EXPECT_EQ(m_frame->TextField(400)->GetForegroundColour(), TextColour(m_frame));
}

TEST_F(PlaybackCommandsTest, SaveAsWritesTheOwnFormatAndClearsTheMark)
{
    Open("export.txt");
    TypeAndEnter(m_frame, 402, "1");
    wxTEST_DIALOG(SendCommand(Id::SaveRecordingAs), wxExpectModal<wxFileDialog>(PathOf("edited")));
    EXPECT_FALSE(Player().IsRecordingModified());
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(0), english(Text::RecordingSavedStatus));
    Recording saved;
    ASSERT_TRUE(ReadRecordingFile(PathOf("edited.stx"), saved).Succeeded());
    EXPECT_EQ(saved.RowCount(), 4u);
    EXPECT_TRUE(m_frame->GetTitle().EndsWith("edited.stx]"));
}

TEST_F(PlaybackCommandsTest, RepairAsksFirstAndMarksTheRecording)
{
    SetQualityThreshold(m_frame, 0.5f);
    Open("export.txt");
    wxTEST_DIALOG(SendCommand(Id::RepairRecording), ExpectMessageBox(wxID_NO, nullptr));
    EXPECT_FALSE(Player().IsRecordingModified());

    wxString done;
    wxTEST_DIALOG(SendCommand(Id::RepairRecording), ExpectMessageBox(wxID_YES, nullptr),
                  ExpectMessageBox(wxID_OK, &done));
    EXPECT_EQ(done, english(Text::RepairDone));
    EXPECT_TRUE(Player().IsRecordingModified());
    TimeSlider().SetValue(1);
    Player().ShowSample();
    EXPECT_EQ(Named<wxStaticText>(m_frame, FrameControl::QualityText(2)).GetLabel(), "  100%");
    EXPECT_EQ(m_frame->TextField(403)->GetForegroundColour(), TextColour(m_frame));
}

TEST_F(PlaybackCommandsTest, CaseCommandsStopARunningPlaybackAndLeavePlaybackMode)
{
    Open("export.txt");
    ClickButton(Id::PlaybackStart);
    SendCommand(Id::NewCase);
    EXPECT_FALSE(Player().IsRunning());
    EXPECT_FALSE(m_frame->IsPlaybackMode());
    EXPECT_EQ(m_frame->GetTitle(), english(Text::ProductTitle));
}

TEST_F(PlaybackCommandsTest, LanguageAndUnitSwitchesShowTheRowAgain)
{
    Open("export.txt");
    EXPECT_EQ(FieldText(m_frame, 400), "+2.50\xB0");
    EXPECT_EQ(FieldText(m_frame, 403), "+1.25\xB0");
    ToggleMenuItem(m_frame, Id::WholeDegreesItem);
    // The row is read again in whole degrees, truncated towards zero.
    EXPECT_EQ(FieldText(m_frame, 400), "+2\xB0");
    EXPECT_EQ(FieldText(m_frame, 403), "+1\xB0");
    EXPECT_EQ(Named<wxStaticText>(m_frame, FrameControl::QualityText(1)).GetLabel(), "  100%");
    Named<wxStaticText>(m_frame, FrameControl::QualityText(1)).SetLabel("stale");
    Named<wxStaticText>(m_frame, FrameControl::QuantityLabel(1, 3)).SetLabel("stale");
    SendCommand(Id::FirstLanguage);
    EXPECT_EQ(Named<wxStaticText>(m_frame, FrameControl::QualityText(1)).GetLabel(), "  100%");
    EXPECT_EQ(Named<wxStaticText>(m_frame, FrameControl::QuantityLabel(1, 3)).GetLabel(),
              english(Text::QualityRowLabel));
    EXPECT_EQ(FieldText(m_frame, 400), "+2\xB0");
}

using ShellCommandsTest = PlaybackCommandsTest;

TEST_F(ShellCommandsTest, ExitWithCancelKeepsTheProgramRunning)
{
    TypeAndEnter(m_frame, 400, "1");
    wxTEST_DIALOG(SendCommand(Id::Exit), ExpectMessageBox(wxID_CANCEL, nullptr));
    EXPECT_FALSE(wxPendingDelete.Member(m_frame));
    EXPECT_TRUE(m_frame->IsModified());

    wxTEST_DIALOG(SendCommand(Id::Exit), ExpectMessageBox(wxID_NO, nullptr));
    EXPECT_TRUE(wxPendingDelete.Member(m_frame));
}

TEST_F(ShellCommandsTest, HelpShowsTheBookNamedByTheLanguageFile)
{
    fs::create_directories(PathOf("help/en"));
    WriteFile("help/en/squinx.hhp", "[OPTIONS]\nContents file=squinx.hhc\nDefault topic=index.html\nTitle=Test\n\n"
                                    "[FILES]\nindex.html\n");
    WriteFile("help/en/squinx.hhc", "<ul><li><object type=\"text/sitemap\"><param name=\"Name\" value=\"Start\">"
                                    "<param name=\"Local\" value=\"index.html\"></object></ul>\n");
    WriteFile("help/en/index.html", "<html><body>Help</body></html>\n");
    SendCommand(Id::FirstLanguage);  // sets the help book again
    SendCommand(Id::HelpContents);
    Yield();
    wxHtmlHelpWindow* help = m_frame->Help()->GetHelpWindow();
    ASSERT_NE(help, nullptr) << "the help viewer did not open";
    ASSERT_EQ(help->GetData()->GetBookRecArray().size(), 1u);
    EXPECT_EQ(help->GetData()->GetBookRecArray()[0].GetTitle(), "Test");
    EXPECT_TRUE(help->GetHtmlWindow()->GetOpenedPage().EndsWith("index.html"))
        << help->GetHtmlWindow()->GetOpenedPage();
}

TEST_F(PlaybackCommandsTest, EditedRecordingIsOfferedForSavingBeforeItIsLeft)
{
    Open("export.txt");
    TypeAndEnter(m_frame, 400, "2");
    wxString question;
    wxTEST_DIALOG(SendCommand(Id::NewCase), ExpectMessageBox(wxID_CANCEL, &question));
    EXPECT_NE(question.Find("export.txt"), wxNOT_FOUND) << question;
    EXPECT_TRUE(m_frame->IsPlaybackMode());
    EXPECT_TRUE(Player().IsRecordingModified());

    wxTEST_DIALOG(SendCommand(Id::Exit), ExpectMessageBox(wxID_YES, nullptr));
    EXPECT_TRUE(wxPendingDelete.Member(m_frame));
    Recording saved;
    ASSERT_TRUE(ReadRecordingFile(PathOf("export.txt"), saved).Succeeded());
    EXPECT_EQ(saved.Value(0, 13), 1000);
}

TEST_F(PlaybackCommandsTest, PlaybackTakesItsRoomFromTheViewOfAWindowFillingTheScreen)
{
    const wxRect screen = wxDisplay(m_frame).GetClientArea();
    const auto viewHeight = [this] { return m_frame->View().GetSize().GetHeight(); };

    // A window with room below grows by the playback bar and the traces, and gives it back.
    const wxRect small = m_frame->GetRect();
    ASSERT_LT(small.GetBottom() + 300, screen.GetBottom());
    const int smallView = viewHeight();
    Open("export.txt");
    Yield();
    EXPECT_EQ(m_frame->GetPosition(), small.GetPosition());
    EXPECT_GT(m_frame->GetSize().GetHeight(), small.GetHeight() + 150);
    EXPECT_EQ(viewHeight(), smallView);
    EXPECT_EQ(TimeSlider().GetSize().GetWidth(), 300);
    SendCommand(Id::NewCase);
    Yield();
    ASSERT_FALSE(m_frame->IsPlaybackMode());
    EXPECT_EQ(m_frame->GetRect(), small);

    m_frame->Maximize();
    Yield();
    if (!m_frame->IsMaximized())  // no window manager on this display: fill the screen as one would
        m_frame->SetSize(screen);
    Yield();
    const wxRect full = m_frame->GetRect();
    const int fullView = viewHeight();
    Open("export.txt");
    Yield();
    EXPECT_EQ(m_frame->GetRect(), full);
    EXPECT_TRUE(screen.Contains(Control<TracePanel>(m_frame, Id::TracePanel).GetScreenRect()))
        << Control<TracePanel>(m_frame, Id::TracePanel).GetScreenRect().y;
    // The time slider takes the width the window gained, and stays inside its bar.
    const wxRect slider = TimeSlider().GetRect();
    EXPECT_GT(slider.GetWidth(), 300 + full.GetWidth() - small.GetWidth() - 20);
    EXPECT_LT(slider.GetRight(), Named<wxPanel>(m_frame, FrameControl::kPlaybackPanel).GetClientSize().GetWidth());
    EXPECT_LT(viewHeight(), fullView - 150);
    SendCommand(Id::NewCase);
    Yield();
    EXPECT_EQ(m_frame->GetRect(), full);
    EXPECT_EQ(viewHeight(), fullView);
}
