// Files named on the command line, opened after start-up as the File menu
// opens them, with the same messages for files that cannot be opened.
#include "FrameFixture.h"
#include "LanguageFile.h"
#include "TestDialogs.h"

#include "app/PatientApp.h"
#include "widgets/Ids.h"
#include "lang/TextIds.h"
#include "playback/RecordingReader.h"
#include "quiz/QuizFrame.h"

#include <wx/toolbar.h>

#include <filesystem>

namespace fs = std::filesystem;

class CommandLineOpenTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        CopyDataFile("English.lan");
        WriteCase("patient.sd", 1500);
        fs::copy_file(fs::path(SQUINX_TEST_DATA_DIR) / "playback/device_export.txt", PathOf("export.txt"));
        fs::copy_file(fs::path(SQUINX_TEST_DATA_DIR) / "playback/cut_short.stx", PathOf("cut_short.stx"));
        WriteFile("quiz.sqs", "[QUESTION]\nQuestion=Which eye?\nFile=" + PathOf("patient.sd") +
                                  "\nAnswerBox=RADIO\nAnswer=right,1\nAnswer=left,0\n");
    }
    // Starts the program as main() does when files are named.
    bool StartWith(const std::vector<std::string>& names)
    {
        std::vector<wxString> files;
        for (const std::string& name : names)
            files.push_back(PathOf(name));
        PatientApp::SetFilesToOpen(files);
        return StartProgram();
    }
    wxString CannotOpen(const std::string& name) const
    {
        return wxString::Format(english(Text::FileOpenErrorFormat), PathOf(name));
    }
    const ShippedLanguage english{"English.lan"};
};

TEST_F(CommandLineOpenTest, ACaseOpensAfterStartUp)
{
    ASSERT_TRUE(StartWith({"patient.sd"}));
    EXPECT_NE(m_frame->GetTitle().Find("patient.sd"), wxNOT_FOUND) << m_frame->GetTitle();
    EXPECT_EQ(m_frame->ExaminationNow().Model().Far(Eye::one, EyeQuantity::horizontal), 1500);

    wxString message;
    wxTEST_DIALOG(m_frame->OpenFromCommandLine({PathOf("absent.sd")}), ExpectMessageBox(wxID_OK, &message));
    EXPECT_EQ(message, CannotOpen("absent.sd"));
    EXPECT_EQ(m_frame->CasePath(), PathOf("patient.sd"));
}

TEST_F(CommandLineOpenTest, ARecordingOpensInPlayback)
{
    ASSERT_TRUE(StartWith({"export.txt"}));
    EXPECT_TRUE(m_frame->IsPlaybackMode());
    EXPECT_NE(m_frame->GetTitle().Find("export.txt"), wxNOT_FOUND) << m_frame->GetTitle();

    wxString message;
    wxTEST_DIALOG(m_frame->OpenFromCommandLine({PathOf("cut_short.stx")}), ExpectMessageBox(wxID_OK, &message));
    EXPECT_TRUE(message.StartsWith(english(Text::RecordingInvalid))) << message;
    // Long lines of a message are wrapped to fit the screen.
    message.Replace("\n", " ");
    EXPECT_NE(message.Find(DescribeRecordingError(RecordingError::PartialLastRow)), wxNOT_FOUND) << message;
    EXPECT_NE(m_frame->GetTitle().Find("export.txt"), wxNOT_FOUND) << "the open recording stays";
}

TEST_F(CommandLineOpenTest, AQuestionFileStartsTheQuiz)
{
    ASSERT_TRUE(StartWith({"quiz.sqs"}));
    EXPECT_TRUE(m_frame->GetToolBar()->GetToolState(Id::QuizTool));
    ASSERT_NE(m_frame->QuizWindow(), nullptr);
    EXPECT_EQ(m_frame->QuizWindow()->Session().Size(), 1u);
    // The quiz keeps the case's name, which may give the answer away, out of the title.
    EXPECT_EQ(m_frame->CasePath(), PathOf("patient.sd"));
    EXPECT_EQ(m_frame->GetTitle().Find("patient.sd"), wxNOT_FOUND) << m_frame->GetTitle();

    wxString message;
    wxTEST_DIALOG(m_frame->OpenFromCommandLine({PathOf("absent.sqs")}), ExpectMessageBox(wxID_OK, &message));
    EXPECT_EQ(message, CannotOpen("absent.sqs"));
    EXPECT_TRUE(m_frame->QuizWindow()->Session().Empty());
}

TEST_F(CommandLineOpenTest, AnUnknownKindIsRefusedAndTheNextFileStillOpens)
{
    WriteFile("notes.pdf", "%PDF");
    wxString message;
    wxTEST_DIALOG(EXPECT_TRUE(StartWith({"notes.pdf", "patient.sd"})), ExpectMessageBox(wxID_OK, &message));
    EXPECT_TRUE(message.StartsWith(CannotOpen("notes.pdf"))) << message;
    EXPECT_NE(message.Find(".sqs"), wxNOT_FOUND) << "names the kinds it opens: " << message;
    EXPECT_EQ(m_frame->CasePath(), PathOf("patient.sd"));
}
