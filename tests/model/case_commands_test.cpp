// New, Open, Save and Save as through the main window, dialogs answered by the test seam.
#include "FileSizeLimit.h"
#include "FrameDriver.h"
#include "FrameFixture.h"
#include "LanguageFile.h"
#include "TestDialogs.h"

#include "widgets/Ids.h"
#include "lang/TextIds.h"
#include "model/CaseFile.h"

#include <wx/filedlg.h>
#include <wx/menu.h>
#include <wx/slider.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace drive;
namespace fs = std::filesystem;

class CaseCommandsTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        CopyDataFile("English.lan");
        ASSERT_TRUE(StartProgram());
    }

    std::string ReadBytes(const std::string& name) const
    {
        std::ifstream in(PathOf(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    const ShippedLanguage english{"English.lan"};
};

TEST_F(CaseCommandsTest, SaveAsAppendsTheExtensionUnlessItEndsInLowerCaseSd)
{
    TypeAndEnter(m_frame, 400, "2");
    wxTEST_DIALOG(SendCommand(Id::SaveCaseAs), wxExpectModal<wxFileDialog>(PathOf("patient")));
    EXPECT_EQ(ReadBytes("patient.sd").size(), kCaseFileSize);
    EXPECT_FALSE(m_frame->IsModified());
    EXPECT_EQ(m_frame->CasePath(), PathOf("patient.sd"));
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(0), english(Text::CaseSavedStatus));

    wxTEST_DIALOG(SendCommand(Id::SaveCaseAs), wxExpectModal<wxFileDialog>(PathOf("upper.SD")));
    EXPECT_TRUE(fs::exists(PathOf("upper.SD.sd")));
    EXPECT_FALSE(fs::exists(PathOf("upper.SD")));
}

TEST_F(CaseCommandsTest, SavedCaseOpensWithItsValuesModeAndMarks)
{
    TypeAndEnter(m_frame, 404, "-3.25");
    m_frame->CurrentExamination().SetQuadrantMarks(0x81);
    SendCommand(Id::ModeLatent);
    wxTEST_DIALOG(SendCommand(Id::SaveCaseAs), wxExpectModal<wxFileDialog>(PathOf("a.sd")));

    wxCommandEvent newCase(wxEVT_MENU, Id::NewCase);
    ASSERT_TRUE(m_frame->NewCase(newCase));
    SendCommand(Id::ModeManifest);
    SaveCaseAs(m_frame, PathOf("saved.sd"));
    EXPECT_EQ(m_frame->ExaminationNow().Model().Far(Eye::two, EyeQuantity::vertical), 0);

    wxTEST_DIALOG(SendCommand(Id::OpenCase), wxExpectModal<wxFileDialog>(PathOf("a")));
    EXPECT_EQ(m_frame->ExaminationNow().Model().Far(Eye::two, EyeQuantity::vertical), -325);
    EXPECT_EQ(FieldText(m_frame, 404), " -3.25\xB0");
    EXPECT_EQ(m_frame->ExaminationNow().QuadrantMarks(), 0x81);
    EXPECT_TRUE(m_frame->GetMenuBar()->IsChecked(Id::ModeLatent));
    EXPECT_FALSE(m_frame->GetMenuBar()->IsChecked(Id::ModeManifest));
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(3), english(Text::LatentModeStatus));
    EXPECT_EQ(m_frame->GetTitle(), english(Text::ProductTitle) + " [" + PathOf("a.sd") + "]");
    EXPECT_FALSE(m_frame->IsModified());
}

TEST_F(CaseCommandsTest, CaseFilesCarryNoUnit)
{
    WriteCase("hundredths.sd", 1200, true);
    ToggleMenuItem(m_frame, Id::WholeDegreesItem);
    wxTEST_DIALOG(SendCommand(Id::OpenCase), wxExpectModal<wxFileDialog>(PathOf("hundredths.sd")));
    EXPECT_EQ(m_frame->ExaminationNow().Model().Far(Eye::one, EyeQuantity::horizontal), 1200);
    EXPECT_EQ(FieldText(m_frame, 400), "+50\xB0");  // 1200 degrees, held at the control's limit
}

TEST_F(CaseCommandsTest, OpenRefusesMissingAndShortFilesAndKeepsTheModel)
{
    TypeAndEnter(m_frame, 400, "1");
    SaveCaseAs(m_frame, PathOf("saved.sd"));
    WriteFile("short.sd", std::string(50, '\x01'));
    wxString message;
    wxTEST_DIALOG(SendCommand(Id::OpenCase), wxExpectModal<wxFileDialog>(PathOf("short.sd")),
                  ExpectMessageBox(wxID_OK, &message));
    EXPECT_NE(message.Find(PathOf("short.sd")), wxNOT_FOUND) << message;
    EXPECT_EQ(m_frame->ExaminationNow().Model().Far(Eye::one, EyeQuantity::horizontal), 100);

    wxTEST_DIALOG(SendCommand(Id::OpenCase), wxExpectModal<wxFileDialog>(PathOf("missing")),
                  ExpectMessageBox(wxID_OK, &message));
    EXPECT_NE(message.Find(PathOf("missing.sd")), wxNOT_FOUND) << message;
    EXPECT_EQ(m_frame->ExaminationNow().Model().Far(Eye::one, EyeQuantity::horizontal), 100);
}

TEST_F(CaseCommandsTest, OverwritingATooShortFileAsksFirst)
{
    WriteFile("old.sd", std::string(50, 'x'));
    wxString question;
    wxTEST_DIALOG(SendCommand(Id::SaveCaseAs), wxExpectModal<wxFileDialog>(PathOf("old.sd")),
                  ExpectMessageBox(wxID_YES, &question), ExpectMessageBox(wxID_NO, nullptr));
    EXPECT_EQ(question, "Replace the file '" + PathOf("old.sd") + "'?");
    EXPECT_EQ(ReadBytes("old.sd"), std::string(50, 'x'));

    wxTEST_DIALOG(SendCommand(Id::SaveCaseAs), wxExpectModal<wxFileDialog>(PathOf("old.sd")),
                  ExpectMessageBox(wxID_YES, nullptr), ExpectMessageBox(wxID_YES, &question));
    EXPECT_EQ(question, english(Text::OverwriteShortFile));
    EXPECT_EQ(ReadBytes("old.sd").size(), kCaseFileSize);

    // A full-size case is replaced by Save without any question.
    TypeAndEnter(m_frame, 400, "1");
    SendCommand(Id::SaveCase);
    EXPECT_FALSE(m_frame->IsModified());
}

TEST_F(CaseCommandsTest, NewAfterOpenForgetsTheFileSoSaveAsksForAName)
{
    WriteCase("c.sd", 300, true);
    wxTEST_DIALOG(SendCommand(Id::OpenCase), wxExpectModal<wxFileDialog>(PathOf("c.sd")));
    drive::Slide(m_frame, Id::BlendSlider, 6);
    SendCommand(Id::NewCase);
    EXPECT_EQ(m_frame->GetTitle(), english(Text::ProductTitle));
    EXPECT_EQ(Control<wxSlider>(m_frame, Id::BlendSlider).GetValue(), 1);
    EXPECT_TRUE(m_frame->TextField(400)->IsEnabled());
    EXPECT_EQ(m_frame->GetToolBar()->GetToolShortHelp(Id::SaveCase), english(Text::SaveCaseTip));

    wxTEST_DIALOG(SendCommand(Id::SaveCase), wxExpectModal<wxFileDialog>(PathOf("fresh")));
    EXPECT_TRUE(fs::exists(PathOf("fresh.sd")));
    EXPECT_EQ(m_frame->GetToolBar()->GetToolShortHelp(Id::SaveCase), english(Text::SaveCaseAsMenu));
}

TEST_F(CaseCommandsTest, CancelInTheUnsavedChangesPromptAbandonsNewAndOpen)
{
    TypeAndEnter(m_frame, 400, "4");
    wxString question;
    wxTEST_DIALOG(SendCommand(Id::NewCase), ExpectMessageBox(wxID_CANCEL, &question));
    EXPECT_EQ(question, english(Text::SaveChangesQuestion));
    EXPECT_EQ(m_frame->ExaminationNow().Model().Far(Eye::one, EyeQuantity::horizontal), 400);
    EXPECT_TRUE(m_frame->IsModified());

    wxTEST_DIALOG(SendCommand(Id::OpenCase), ExpectMessageBox(wxID_CANCEL, nullptr));
    EXPECT_TRUE(m_frame->IsModified());

    wxTEST_DIALOG(SendCommand(Id::NewCase), ExpectMessageBox(wxID_NO, nullptr));
    EXPECT_EQ(m_frame->ExaminationNow().Model().Far(Eye::one, EyeQuantity::horizontal), 0);
    EXPECT_FALSE(m_frame->IsModified());
}

// A language file written before the questions were translatable still asks in the built-in German.
class OlderLanguageFileTest : public FrameFixture {};

TEST_F(OlderLanguageFileTest, QuestionsMissingFromTheFileAreAskedInGerman)
{
    std::ifstream in(std::string(SQUINX_DATA_DIR) + "/English.lan", std::ios::binary);
    std::string lines;
    std::string line;
    for (int n = 0; n < Text::HighestId && std::getline(in, line); ++n)
        lines += line + "\n";
    WriteFile("Old.lan", lines);
    ASSERT_TRUE(StartProgram());
    WriteFile("old.sd", std::string(50, 'x'));
    TypeAndEnter(m_frame, 400, "4");
    wxString replace;
    wxString save;
    wxTEST_DIALOG(SendCommand(Id::SaveCaseAs), wxExpectModal<wxFileDialog>(PathOf("old.sd")),
                  ExpectMessageBox(wxID_NO, &replace));
    wxTEST_DIALOG(SendCommand(Id::NewCase), ExpectMessageBox(wxID_CANCEL, &save));
    EXPECT_EQ(replace, "Datei '" + PathOf("old.sd") + "' ersetzen?");
    EXPECT_EQ(save, wxString::FromUTF8("\xC3\x84nderungen speichern?"));
}

TEST_F(CaseCommandsTest, YesInThePromptSavesToTheNamedFileFirst)
{
    WriteCase("named.sd", 0, true);
    wxTEST_DIALOG(SendCommand(Id::OpenCase), wxExpectModal<wxFileDialog>(PathOf("named.sd")));
    TypeAndEnter(m_frame, 400, "7");
    wxString question;
    wxTEST_DIALOG(SendCommand(Id::NewCase), ExpectMessageBox(wxID_YES, &question));
    EXPECT_EQ(question, "Save changes to " + PathOf("named.sd") + "?");
    CaseData saved;
    const std::string bytes = ReadBytes("named.sd");
    ASSERT_EQ(DecodeCase(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), saved), CaseReadResult::ok);
    EXPECT_EQ(saved.values.Far(Eye::one, EyeQuantity::horizontal), 700);
}

TEST_F(CaseCommandsTest, FailedWriteIsReportedAndKeepsTheOldFileAndTheMark)
{
    WriteCase("kept.sd", 100, true);
    wxTEST_DIALOG(SendCommand(Id::OpenCase), wxExpectModal<wxFileDialog>(PathOf("kept.sd")));
    const std::string before = ReadBytes("kept.sd");
    TypeAndEnter(m_frame, 400, "9");

    wxString message;
    {
        const FileSizeLimit diskOf50Bytes(50);
        wxTEST_DIALOG(SendCommand(Id::SaveCase), ExpectMessageBox(wxID_OK, &message));
    }

    EXPECT_NE(message.Find(PathOf("kept.sd")), wxNOT_FOUND) << message;
    EXPECT_EQ(ReadBytes("kept.sd"), before);
    EXPECT_TRUE(m_frame->IsModified());
    EXPECT_TRUE(m_frame->GetTitle().EndsWith("*]"));
    for (const auto& entry : fs::directory_iterator(m_folder))
        EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST_F(CaseCommandsTest, ByteNinetySixZeroMeansLatentMode)
{
    WriteCase("latent.sd", 0, false);
    wxTEST_DIALOG(SendCommand(Id::OpenCase), wxExpectModal<wxFileDialog>(PathOf("latent.sd")));
    EXPECT_TRUE(m_frame->GetMenuBar()->IsChecked(Id::ModeLatent));
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(3), english(Text::LatentModeStatus));
}
