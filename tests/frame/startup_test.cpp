#include "FrameFixture.h"
#include "LanguageFile.h"
#include "TestDialogs.h"

#include "app/ProgramState.h"
#include "frame/Ids.h"
#include "lang/TextIds.h"

#include <wx/checkbox.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

#include <filesystem>

using StartupTest = FrameFixture;

TEST_F(StartupTest, WithoutLanguageFilesShowsOneMessageAndNoWindow) {
    WriteFile("notes.txt", "not a language file\n");
    wxString message;
    bool started = true;
    wxTEST_DIALOG(started = StartProgram(), ExpectMessageBox(wxID_OK, &message));
    EXPECT_FALSE(started);
    EXPECT_EQ(message, "Could not open any language file.");
    EXPECT_EQ(g_patientFrame, nullptr);
    EXPECT_TRUE(wxTopLevelWindows.empty());
}

TEST_F(StartupTest, InitialStateBeforeAnySettingsFile) {
    CopyDataFile("Deutsch.lan");
    CopyDataFile("English.lan");
    ASSERT_TRUE(StartProgram());
    const ShippedLanguage german("Deutsch.lan");

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
                   Id::TranslucentEye2, Id::QuizTool, Id::HideValuesTool, Id::QuadrantEditTool,
                   Id::QuadrantHideTool})
        EXPECT_FALSE(tools->GetToolState(id)) << id;

    EXPECT_FALSE(m_frame->m_coverCheckBox1->IsEnabled());
    EXPECT_FALSE(m_frame->m_coverCheckBox2->IsEnabled());
    EXPECT_FALSE(m_frame->m_playbackPanel->IsShown());
    EXPECT_EQ(m_frame->GetTitle(), german(Text::ProductTitle));
    EXPECT_EQ(m_frame->m_statusBar->GetStatusText(3), german(Text::ManifestModeStatus));
    EXPECT_EQ(m_frame->m_languageFile, "Deutsch.lan");
}

TEST_F(StartupTest, LanguageMenuListsAtMostOneHundredFiles) {
    for (int i = 0; i < 101; ++i)
        CopyDataFile("English.lan", wxString::Format("lang%03d.lan", i).ToStdString());
    ASSERT_TRUE(StartProgram());
    wxMenuBar* menus = m_frame->GetMenuBar();
    wxMenu* languages = menus->GetMenu(3);
    EXPECT_EQ(languages->GetMenuItemCount(), 100u);
    EXPECT_EQ(menus->GetLabel(Id::FirstLanguage), "lang000");
    EXPECT_EQ(menus->GetLabel(Id::LastLanguage), "lang099");
}
