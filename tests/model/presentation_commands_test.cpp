// Mode pair, mirrored tools, cover tools, hiding the values and playback mode.
#include "FrameDriver.h"
#include "FrameFixture.h"
#include "LanguageFile.h"
#include "MappedSize.h"
#include "TestDialogs.h"

#include "widgets/AngleSpinButton.h"
#include "widgets/Ids.h"
#include "lang/TextIds.h"
#include "playback/TracePanel.h"

#include <wx/checkbox.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/toolbar.h>

#include <functional>
#include <utility>

using namespace drive;

class PresentationCommandsTest : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        CopyDataFile("English.lan");
        ASSERT_TRUE(StartProgram());
    }
    wxToolBar* Tools() const { return m_frame->GetToolBar(); }
    wxMenuBar* Menus() const { return m_frame->GetMenuBar(); }
    wxCheckBox& FixingEyeCheck(int eye) const
    {
        return Control<wxCheckBox>(m_frame, eye == 1 ? Id::CoverCheckBox1 : Id::CoverCheckBox2);
    }
    const ShippedLanguage english{"English.lan"};
};

TEST_F(PresentationCommandsTest, ManifestModeWithBothEyesDeviatedWarnsAndMarksTheCase)
{
    SendCommand(Id::ModeLatent);
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(3), english(Text::LatentModeStatus));
    TypeAndEnter(m_frame, 400, "2");
    TypeAndEnter(m_frame, 403, "3");
    SaveCaseAs(m_frame, PathOf("saved.sd"));
    const wxString savedTitle = m_frame->GetTitle();

    wxTEST_DIALOG(SendCommand(Id::ModeManifest), ExpectHint());
    EXPECT_TRUE(Menus()->IsChecked(Id::ModeManifest));
    EXPECT_FALSE(Menus()->IsChecked(Id::ModeLatent));
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(1), english(Text::BothEyesStatus));
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(3), english(Text::ManifestModeStatus));
    EXPECT_TRUE(m_frame->IsModified());
    EXPECT_EQ(m_frame->GetTitle(), savedTitle.BeforeLast(']') + "*]");

    SendCommand(Id::ModeManifest);  // choosing the checked item keeps it checked
    EXPECT_TRUE(Menus()->IsChecked(Id::ModeManifest));
    SendCommand(Id::ModeLatent);
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(1), "");
}

TEST_F(PresentationCommandsTest, ToolsAndMenuItemsMirrorEachOther)
{
    ToggleMenuItem(m_frame, Id::EyeCrossItem);
    EXPECT_TRUE(Tools()->GetToolState(Id::EyeCrossTool));
    ToggleTool(m_frame, Id::EyeCrossTool);
    EXPECT_FALSE(Menus()->IsChecked(Id::EyeCrossItem));
    ToggleTool(m_frame, Id::FlashlightTool);
    EXPECT_FALSE(Menus()->IsChecked(Id::FlashlightItem));
    ToggleMenuItem(m_frame, Id::FlashlightItem);
    EXPECT_TRUE(Tools()->GetToolState(Id::FlashlightTool));
}

TEST_F(PresentationCommandsTest, CoverToolsActLikeRadioButtonsAndChooseTheFixingEye)
{
    ToggleTool(m_frame, Id::RedFilterEye2);
    EXPECT_TRUE(FixingEyeCheck(1).GetValue());
    ToggleTool(m_frame, Id::RedFilterEye1);
    EXPECT_FALSE(Tools()->GetToolState(Id::RedFilterEye2));
    EXPECT_TRUE(Tools()->GetToolState(Id::RedFilterEye1));
    EXPECT_TRUE(FixingEyeCheck(2).GetValue());  // eye 2 has no vertical offset
    EXPECT_FALSE(FixingEyeCheck(1).GetValue());

    ToggleTool(m_frame, Id::RedFilterEye1);  // off again
    TypeAndEnter(m_frame, 423, "2");
    ToggleTool(m_frame, Id::RedFilterEye1);
    EXPECT_TRUE(FixingEyeCheck(1).GetValue());  // now eye 1 fixates

    ToggleTool(m_frame, Id::OccluderEye2);
    EXPECT_FALSE(Tools()->GetToolState(Id::RedFilterEye1));
    EXPECT_TRUE(FixingEyeCheck(1).GetValue());
    ToggleTool(m_frame, Id::OccluderEye2);
    EXPECT_FALSE(FixingEyeCheck(1).GetValue());
    EXPECT_FALSE(FixingEyeCheck(2).GetValue());
}

TEST_F(PresentationCommandsTest, FixingEyeChoiceIsOfferedInLatentModeOnlyWithAnOffset)
{
    EXPECT_FALSE(FixingEyeCheck(1).IsEnabled());
    SendCommand(Id::ModeLatent);
    ToggleTool(m_frame, Id::RedFilterEye1);
    EXPECT_FALSE(FixingEyeCheck(1).IsEnabled());
    TypeAndEnter(m_frame, 423, "1.5");
    ToggleTool(m_frame, Id::RedFilterEye1);
    ToggleTool(m_frame, Id::RedFilterEye1);
    EXPECT_TRUE(FixingEyeCheck(1).IsEnabled());
    EXPECT_TRUE(FixingEyeCheck(2).IsEnabled());
    ToggleTool(m_frame, Id::OccluderEye1);
    EXPECT_FALSE(FixingEyeCheck(2).IsEnabled());
}

TEST_F(PresentationCommandsTest, TorsionHintOnEveryCoverClickUntilUnticked)
{
    TypeAndEnter(m_frame, 402, "0.05");
    wxTEST_DIALOG(ToggleTool(m_frame, Id::OccluderEye1), ExpectHint());
    // The hint's modal loop updates the tools from the examination: the click holds.
    EXPECT_TRUE(m_frame->GetToolBar()->GetToolState(Id::OccluderEye1));
    EXPECT_TRUE(m_frame->ExaminationNow().Aids(Eye::one).occluder);
    wxTEST_DIALOG(ToggleTool(m_frame, Id::OccluderEye1), ExpectHint());
    EXPECT_FALSE(m_frame->ExaminationNow().Aids(Eye::one).occluder);
    wxTEST_DIALOG(ToggleTool(m_frame, Id::TranslucentEye2), ExpectHint(false));
    EXPECT_FALSE(m_frame->ShowsCoverHint());
    ToggleTool(m_frame, Id::TranslucentEye2);  // no dialog any more
}

// Shown for real, with no window manager to size them (as under Xvfb): each
// hint must be mapped at the size it measured for its contents.
TEST_F(PresentationCommandsTest, HintsAreMappedAtTheSizeOfTheirContents)
{
    const auto mappedWhileShown = [this](const std::function<void()>& show) {
        wxSize mapped = wxDefaultSize, wanted;
        int ticks = 0;
        wxTimer poll;
        poll.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
            HintDialog* hint = nullptr;
            for (wxWindow* window : wxTopLevelWindows)
                if (auto* shown = dynamic_cast<HintDialog*>(window); shown && shown->IsShown())
                    hint = shown;
            if (!hint)
                return;
            wanted = hint->GetSize();
            mapped = MappedSize(hint->GetTitle());
            // Mapping and sizing take a few rounds of the X server; wait for them, within a bound.
            if ((mapped.x < wanted.x || mapped.y < wanted.y) && ++ticks < 100)
                return;
            hint->EndModal(wxID_CANCEL);
        });
        poll.Start(20);
        {
            const RealDialogs real;
            show();
        }
        poll.Stop();
        return std::make_pair(mapped, wanted);
    };
    TypeAndEnter(m_frame, 402, "0.05");
    const auto [torsionMapped, torsionWanted] = mappedWhileShown([this] { ToggleTool(m_frame, Id::OccluderEye1); });
    EXPECT_GE(torsionMapped.x, torsionWanted.x);
    EXPECT_GE(torsionMapped.y, torsionWanted.y);
    EXPECT_GT(torsionWanted.x, 100);
    TypeAndEnter(m_frame, 402, "0");
    TypeAndEnter(m_frame, 400, "2");
    const auto [bothMapped, bothWanted] = mappedWhileShown([this] { TypeAndEnter(m_frame, 404, "3"); });
    EXPECT_GE(bothMapped.x, bothWanted.x);
    EXPECT_GE(bothMapped.y, bothWanted.y);
}

TEST_F(PresentationCommandsTest, HidingTheValuesLocksTheCaseToolsAndRestoresTheOverlayTool)
{
    ToggleTool(m_frame, Id::QuadrantHideTool);
    ToggleTool(m_frame, Id::QuadrantHideTool);  // off before hiding
    ToggleTool(m_frame, Id::HideValuesTool);
    EXPECT_FALSE(Named<wxStaticBox>(m_frame, FrameControl::EyeBox(1)).IsShown());
    EXPECT_FALSE(Control<wxSlider>(m_frame, Id::GazeSliderEye1Horizontal).IsShown());
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(3), "");
    EXPECT_FALSE(Tools()->GetToolEnabled(Id::OpenCase));
    EXPECT_FALSE(Tools()->GetToolEnabled(Id::QuadrantEditTool));
    EXPECT_TRUE(Tools()->GetToolState(Id::QuadrantHideTool));
    EXPECT_FALSE(Tools()->GetToolEnabled(Id::QuadrantHideTool));
    EXPECT_FALSE(Menus()->IsEnabled(Id::ViewSubmenu));

    ToggleTool(m_frame, Id::HideValuesTool);
    EXPECT_TRUE(Named<wxStaticBox>(m_frame, FrameControl::EyeBox(2)).IsShown());
    EXPECT_TRUE(Tools()->GetToolEnabled(Id::SaveCase));
    EXPECT_FALSE(Tools()->GetToolState(Id::QuadrantHideTool));
    EXPECT_TRUE(Tools()->GetToolEnabled(Id::QuadrantHideTool));
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(3), english(Text::ManifestModeStatus));
    EXPECT_TRUE(Menus()->IsEnabled(Id::ViewSubmenu));
}

TEST_F(PresentationCommandsTest, QuizToolHidesValuesAndStartsANewCaseWhenSwitchedOff)
{
    TypeAndEnter(m_frame, 400, "3");
    SaveCaseAs(m_frame, PathOf("saved.sd"));
    ToggleTool(m_frame, Id::QuizTool);
    EXPECT_TRUE(Tools()->GetToolState(Id::HideValuesTool));
    EXPECT_FALSE(Tools()->GetToolEnabled(Id::HideValuesTool));
    EXPECT_FALSE(Named<wxStaticBox>(m_frame, FrameControl::EyeBox(1)).IsShown());

    ToggleTool(m_frame, Id::QuizTool);
    EXPECT_FALSE(Tools()->GetToolState(Id::HideValuesTool));
    EXPECT_TRUE(Tools()->GetToolEnabled(Id::HideValuesTool));
    EXPECT_TRUE(Named<wxStaticBox>(m_frame, FrameControl::EyeBox(1)).IsShown());
    EXPECT_EQ(m_frame->ExaminationNow().Model().Far(Eye::one, EyeQuantity::horizontal), 0);
}

TEST_F(PresentationCommandsTest, PlaybackModeShowsTheBarAndHidesTheLowerRows)
{
    const wxSize before = m_frame->GetSize();
    m_frame->SetPlaybackMode(true);
    Yield();
    const auto& bar = Named<wxPanel>(m_frame, FrameControl::kPlaybackPanel);
    const auto& trace = Control<TracePanel>(m_frame, Id::TracePanel);
    EXPECT_GE(bar.GetSize().GetHeight(), 28);
    const int playbackHeight = bar.GetSize().GetHeight() + trace.GetSize().GetHeight();
    EXPECT_TRUE(bar.IsShown());
    EXPECT_TRUE(trace.IsShown());
    EXPECT_FALSE(Control<wxSlider>(m_frame, Id::BlendSlider).IsEnabled());
    EXPECT_TRUE(Menus()->IsEnabled(Id::RepairRecording));
    EXPECT_FALSE(m_frame->TextField(418)->IsShown());
    EXPECT_FALSE(m_frame->SpinButton(417)->IsShown());
    EXPECT_TRUE(Named<wxStaticText>(m_frame, FrameControl::QuantityLabel(1, 3)).IsShown());
    EXPECT_EQ(Named<wxStaticText>(m_frame, FrameControl::QuantityLabel(1, 3)).GetLabel(),
              english(Text::QualityRowLabel));
    EXPECT_FALSE(Named<wxStaticText>(m_frame, FrameControl::QuantityLabel(2, 5)).IsShown());
    EXPECT_FALSE(FixingEyeCheck(2).IsShown());
    EXPECT_EQ(m_frame->GetSize().GetHeight(), before.GetHeight() + playbackHeight);

    m_frame->SetPlaybackMode(true);  // a second recording does not grow the window again
    EXPECT_EQ(m_frame->GetSize().GetHeight(), before.GetHeight() + playbackHeight);

    m_frame->SetPlaybackMode(false);
    Yield();
    EXPECT_FALSE(Named<wxPanel>(m_frame, FrameControl::kPlaybackPanel).IsShown());
    EXPECT_FALSE(Control<TracePanel>(m_frame, Id::TracePanel).IsShown());
    EXPECT_TRUE(Control<wxSlider>(m_frame, Id::BlendSlider).IsEnabled());
    EXPECT_FALSE(Menus()->IsEnabled(Id::SaveRecording));
    EXPECT_TRUE(m_frame->TextField(423)->IsShown());
    EXPECT_EQ(Named<wxStaticText>(m_frame, FrameControl::QuantityLabel(1, 3)).GetLabel(),
              english(Text::VerticalAxisTiltRow));
    EXPECT_EQ(m_frame->GetSize().GetHeight(), before.GetHeight());
}

TEST_F(PresentationCommandsTest, LeavingPlaybackModeWhenNotInItChangesNothing)
{
    const wxSize before = m_frame->GetSize();
    m_frame->GetStatusBar()->SetStatusText("kept", 2);
    m_frame->SetPlaybackMode(false);
    EXPECT_EQ(m_frame->GetSize(), before);
    EXPECT_EQ(m_frame->GetStatusBar()->GetStatusText(2), "kept");
    EXPECT_FALSE(Named<wxPanel>(m_frame, FrameControl::kPlaybackPanel).IsShown());
}
