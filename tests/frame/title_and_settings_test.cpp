// The window title's rules and the settings kept between runs.
#include "FrameDriver.h"
#include "FrameFixture.h"
#include "LanguageFile.h"
#include "TestDialogs.h"

#include "app/PatientApp.h"
#include "widgets/AngleSpinButton.h"
#include "widgets/Ids.h"
#include "lang/TextIds.h"
#include "playback/ColourPicker.h"
#include "settings/SettingsFile.h"
#include "view/EyesCanvas.h"

#include <wx/menu.h>
#include <wx/slider.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

using namespace drive;

class TitleTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        CopyDataFile("English.lan");
        ASSERT_TRUE(StartProgram());
    }
    wxString T() const { return ShippedLanguage("English.lan")(Text::ProductTitle); }
};

TEST_F(TitleTest, FollowsFileAndModifiedState)
{
    EXPECT_EQ(m_frame->GetTitle(), T());
    TypeAndEnter(m_frame, 400, "1");
    EXPECT_EQ(m_frame->GetTitle(), T() + " [*]");
    m_frame->UpdateTitle("C:\\a.sd");
    EXPECT_EQ(m_frame->GetTitle(), T() + " [C:\\a.sd*]");
    const wxString longPath = "/" + wxString('p', 44) + "/x.sd";  // 50 characters
    SaveCaseAs(m_frame, PathOf("saved.sd"));
    m_frame->UpdateTitle(longPath);
    EXPECT_EQ(m_frame->GetTitle(), T() + " [..." + longPath.Right(40) + "]");
}

class SettingsTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        CopyDataFile("Deutsch.lan");
        CopyDataFile("English.lan");
    }
    std::vector<std::uint8_t> SettingsBytes() const
    {
        std::ifstream in(PathOf("squinx.ini"), std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(SettingsTest, FirstRunWritesTheDefaultsOnClosing)
{
    ASSERT_TRUE(StartProgram());
    EXPECT_FALSE(std::filesystem::exists(PathOf("squinx.ini")));
    ASSERT_TRUE(Restart());
    const auto bytes = SettingsBytes();
    ASSERT_EQ(bytes.size(), kSettingsFileSize);
    const std::vector<std::uint8_t> colours(bytes.begin(), bytes.begin() + 24);
    const std::vector<std::uint8_t> expected = {192, 0, 0, 0, 192, 0, 0, 0, 192, 0, 0, 0,
                                                0,   0, 0, 0, 0,   0, 0, 0, 0,   0, 0, 0};
    EXPECT_EQ(colours, expected);
}

TEST_F(SettingsTest, ChoicesComeBackAfterARestart)
{
    ASSERT_TRUE(StartProgram());
    SendCommand(Id::FirstLanguage + 1);  // English
    Slide(m_frame, Id::BlendSlider, 3);
    SetQualityThreshold(m_frame, 0.5f);
    ToggleMenuItem(m_frame, Id::WholeDegreesItem);
    ToggleTool(m_frame, Id::EyeCrossTool);
    m_frame->View().m_eyeSegments = 45;
    const ScopedColourPicker picker([](wxWindow*) { return std::optional<wxColour>(wxColour(10, 20, 30)); });
    ChooseDisplayOptions(m_frame, [](DisplayOptionsDialog& dialog) {
        wxCommandEvent click(wxEVT_BUTTON, DisplayOptionsId::PanelColourButton);
        dialog.ProcessWindowEvent(click);
    });
    ASSERT_TRUE(Restart());

    EXPECT_EQ(m_frame->LanguageFileName(), "English.lan");
    EXPECT_EQ(m_frame->GetTitle(), ShippedLanguage("English.lan")(Text::ProductTitle));
    EXPECT_EQ(Control<wxSlider>(m_frame, Id::BlendSlider).GetValue(), 3);
    EXPECT_FALSE(m_frame->TextField(400)->IsEnabled());  // between the ends nothing is edited
    EXPECT_FLOAT_EQ(m_frame->QualityThreshold(), 0.5f);
    EXPECT_TRUE(m_frame->IsWholeDegreeMode());
    EXPECT_EQ(m_frame->SpinButton(408)->GetMax(), 50);
    EXPECT_TRUE(m_frame->GetToolBar()->GetToolState(Id::EyeCrossTool));
    EXPECT_EQ(m_frame->View().m_eyeSegments, 45);
    EXPECT_EQ(PanelColour(m_frame), wxColour(10, 20, 30));

    // A record of a newer program outlives a run of this one, after the known records.
    CloseProgram();
    std::vector<std::uint8_t> bytes = SettingsBytes();
    const std::vector<std::uint8_t> newer = {'N', 'E', 'X', 'T', 2, 0, 0, 0, 7, 9};
    bytes.insert(bytes.end(), newer.begin(), newer.end());
    std::ofstream(PathOf("squinx.ini"), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(StartProgram());
    m_frame->View().m_angleKappa = !m_frame->View().m_angleKappa;
    ASSERT_TRUE(Restart());
    bytes = SettingsBytes();
    ASSERT_GE(bytes.size(), kSettingsFileSize + newer.size());
    EXPECT_TRUE(std::equal(newer.begin(), newer.end(), bytes.end() - static_cast<std::ptrdiff_t>(newer.size())));
    EXPECT_EQ(Control<wxSlider>(m_frame, Id::BlendSlider).GetValue(), 3);
}

TEST_F(SettingsTest, HostileValuesAreCorrected)
{
    Settings hostile;
    hostile.eyeSegments = 7;
    hostile.blendSlider = 99;
    hostile.showBothEyesHint = false;
    hostile.languageFile = "../English.lan";
    const auto full = EncodeSettings(hostile);
    WriteFile("squinx.ini", std::string(full.begin(), full.end()));
    ASSERT_TRUE(StartProgram());
    EXPECT_EQ(m_frame->View().m_eyeSegments, 22);
    EXPECT_EQ(Control<wxSlider>(m_frame, Id::BlendSlider).GetValue(), 11);
    EXPECT_FALSE(m_frame->ShowsBothEyesHint());             // offset 108 reached the program
    EXPECT_EQ(m_frame->LanguageFileName(), "Deutsch.lan");  // the name at 109 was refused
}

TEST_F(SettingsTest, LargeFileIsReadByItsFirstBytes)
{
    Settings chosen;
    chosen.blendSlider = 3;
    chosen.languageFile = "English.lan";
    const auto bytes = EncodeSettings(chosen);
    WriteFile("squinx.ini", std::string(bytes.begin(), bytes.end()) + std::string(100000, '\0'));
    ASSERT_TRUE(StartProgram());  // no warning: any dialog would end the test
    EXPECT_EQ(Control<wxSlider>(m_frame, Id::BlendSlider).GetValue(), 3);
    EXPECT_EQ(m_frame->LanguageFileName(), "English.lan");
}

TEST_F(SettingsTest, FolderOrFifoInsteadOfTheFileGivesDefaultsSilently)
{
    ::setenv("LANG", "en_GB.UTF-8", 1);  // a first run would choose English
    std::filesystem::create_directory(PathOf("squinx.ini"));
    ASSERT_TRUE(StartProgram());
    EXPECT_EQ(m_frame->LanguageFileName(), "Deutsch.lan");
    EXPECT_EQ(Control<wxSlider>(m_frame, Id::BlendSlider).GetValue(), 1);
    CloseProgram();
    EXPECT_TRUE(std::filesystem::is_directory(PathOf("squinx.ini")));

    std::filesystem::remove(PathOf("squinx.ini"));
    ASSERT_EQ(::mkfifo(PathOf("squinx.ini").c_str(), 0600), 0);
    ASSERT_TRUE(StartProgram());
    EXPECT_EQ(m_frame->LanguageFileName(), "Deutsch.lan");
    CloseProgram();
    EXPECT_TRUE(std::filesystem::is_fifo(PathOf("squinx.ini")));
}
