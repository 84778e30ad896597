// Nothing the user edited is replaced without a question, whichever command
// replaces it, and a playback never writes into a case loaded after it.
#include "FrameDriver.h"
#include "FrameFixture.h"
#include "LanguageFile.h"
#include "TestDialogs.h"

#include "widgets/Ids.h"
#include "lang/TextIds.h"
#include "model/EyeQuantity.h"
#include "playback/PlaybackTimer.h"
#include "quiz/QuizFrame.h"

#include <wx/filedlg.h>
#include <wx/menu.h>
#include <wx/slider.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

#include <filesystem>

using namespace drive;
namespace fs = std::filesystem;

class UnsavedWorkTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        CopyDataFile("English.lan");
        fs::copy_file(fs::path(SQUINX_TEST_DATA_DIR) / "playback/device_export.txt", PathOf("export.txt"));
        WriteCase("case.sd", 1500);
        ASSERT_TRUE(StartProgram());
    }
    void OpenRecording()
    {
        wxTEST_DIALOG(SendCommand(Id::OpenRecording), wxExpectModal<wxFileDialog>(PathOf("export.txt")));
    }
    int EyeOneFar() const { return m_frame->ExaminationNow().Model().Far(Eye::one, EyeQuantity::horizontal); }
    PlaybackTimer& Player() { return m_frame->Playback(); }
    const ShippedLanguage english{"English.lan"};
};

TEST_F(UnsavedWorkTest, OpeningARecordingAsksAboutAnEditedCase)
{
    TypeAndEnter(m_frame, 400, "4");
    wxString question;
    wxTEST_DIALOG(SendCommand(Id::OpenRecording), ExpectMessageBox(wxID_CANCEL, &question));
    EXPECT_EQ(question, english(Text::SaveChangesQuestion));
    EXPECT_FALSE(m_frame->IsPlaybackMode());
    EXPECT_EQ(EyeOneFar(), 400);
    EXPECT_TRUE(m_frame->IsModified());

    wxTEST_DIALOG(SendCommand(Id::OpenRecording), ExpectMessageBox(wxID_NO, nullptr),
                  wxExpectModal<wxFileDialog>(PathOf("export.txt")));
    EXPECT_TRUE(m_frame->IsPlaybackMode());
    EXPECT_FALSE(m_frame->IsModified());
    EXPECT_TRUE(m_frame->CasePath().empty()) << "Save case must not write a recording's row over the case file";
}

TEST_F(UnsavedWorkTest, TheQuizAsksOnceBeforeItReplacesAnEditedCase)
{
    TypeAndEnter(m_frame, 400, "4");
    wxTEST_DIALOG(ToggleTool(m_frame, Id::QuizTool), ExpectMessageBox(wxID_CANCEL, nullptr));
    EXPECT_FALSE(m_frame->GetToolBar()->GetToolState(Id::QuizTool));
    EXPECT_EQ(m_frame->QuizWindow(), nullptr);
    EXPECT_EQ(EyeOneFar(), 400);

    wxTEST_DIALOG(ToggleTool(m_frame, Id::QuizTool), ExpectMessageBox(wxID_NO, nullptr));
    ASSERT_NE(m_frame->QuizWindow(), nullptr);
    // The question's case loads without a second question.
    EXPECT_TRUE(m_frame->ReadCaseFile(PathOf("case.sd")));
    EXPECT_EQ(EyeOneFar(), 1500);
}

TEST_F(UnsavedWorkTest, LoadingACaseStopsThePlaybackAndALateTickChangesNothing)
{
    OpenRecording();
    wxCommandEvent start(wxEVT_BUTTON, Id::PlaybackStart);
    m_frame->ProcessWindowEvent(start);
    ASSERT_TRUE(Player().IsRunning());
    wxTEST_DIALOG(SendCommand(Id::OpenCase), wxExpectModal<wxFileDialog>(PathOf("case.sd")));
    EXPECT_FALSE(Player().IsRunning());
    EXPECT_FALSE(m_frame->IsPlaybackMode());
    const int slider = Control<wxSlider>(m_frame, Id::TimeSlider).GetValue();
    Player().Notify();
    EXPECT_EQ(EyeOneFar(), 1500);
    EXPECT_EQ(Control<wxSlider>(m_frame, Id::TimeSlider).GetValue(), slider);
    EXPECT_FALSE(m_frame->IsModified());
}

TEST_F(UnsavedWorkTest, AnEditedRecordingIsOfferedWhenACaseReplacesIt)
{
    OpenRecording();
    TypeAndEnter(m_frame, 400, "2");
    wxTEST_DIALOG(EXPECT_TRUE(m_frame->ReadCaseFile(PathOf("case.sd"))), ExpectMessageBox(wxID_CANCEL, nullptr));
    EXPECT_TRUE(m_frame->IsPlaybackMode());
    EXPECT_TRUE(Player().IsRecordingModified());

    wxTEST_DIALOG(EXPECT_TRUE(m_frame->ReadCaseFile(PathOf("case.sd"))), ExpectMessageBox(wxID_NO, nullptr));
    EXPECT_FALSE(m_frame->IsPlaybackMode());
    EXPECT_EQ(EyeOneFar(), 1500);
}

TEST_F(UnsavedWorkTest, LeavingPlaybackRestoresTheFieldColoursAndTheMuscles)
{
    SetQualityThreshold(m_frame, 0.5f);
    OpenRecording();
    // A recording has no muscles: a change there would show nowhere and be lost.
    EXPECT_FALSE(m_frame->GetMenuBar()->IsEnabled(Id::Muscles));
    Control<wxSlider>(m_frame, Id::TimeSlider).SetValue(1);  // both eyes weak in this row
    Player().ShowSample();
    ASSERT_EQ(m_frame->TextField(400)->GetForegroundColour(), *wxRED);
    SendCommand(Id::NewCase);
    for (const QuantityControl& control : kQuantityControls)
        EXPECT_EQ(m_frame->TextField(control.textId)->GetForegroundColour(), TextColour(m_frame)) << control.textId;
    EXPECT_TRUE(m_frame->GetMenuBar()->IsEnabled(Id::Muscles));
}

TEST_F(UnsavedWorkTest, AMissingRecordingIsReportedAndChangesNothing)
{
    TypeAndEnter(m_frame, 400, "3");
    wxString message;
    wxTEST_DIALOG(SendCommand(Id::OpenRecording), ExpectMessageBox(wxID_NO, nullptr),
                  wxExpectModal<wxFileDialog>(PathOf("nothing.stx")), ExpectMessageBox(wxID_OK, &message));
    EXPECT_NE(message.Find(PathOf("nothing.stx")), wxNOT_FOUND) << message;
    EXPECT_FALSE(m_frame->IsPlaybackMode());
    EXPECT_EQ(EyeOneFar(), 300);
}
