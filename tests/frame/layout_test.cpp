#include "FrameDriver.h"
#include "FrameFixture.h"

#include "widgets/AngleSpinButton.h"
#include "widgets/Ids.h"
#include "model/EyeQuantity.h"
#include "view/EyesCanvas.h"

#include <wx/checkbox.h>
#include <wx/panel.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>

#include <string>

class LayoutTest : public FrameFixture, public ::testing::WithParamInterface<std::string> {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        CopyDataFile(GetParam().empty() ? "English.lan" : GetParam());
        ASSERT_TRUE(StartProgram());
    }

    void ExpectCanvasAndGroupsPlaced()
    {
        // The layout measures the panel with its sunken border, children from its client origin.
        const wxSize panel = drive::Named<wxPanel>(m_frame, FrameControl::kMainPanel).GetSize();
        const wxRect canvas = m_frame->View().GetRect();
        EXPECT_EQ(canvas.GetLeft(), 14);
        // The controls keep their width on the right; the canvas takes the rest.
        EXPECT_GE(panel.GetWidth() - (canvas.GetRight() + 1), 200);
        EXPECT_EQ(canvas.GetTop(), 5);
        EXPECT_EQ(panel.GetHeight() - (canvas.GetBottom() + 1), 19);

        const int centreY = canvas.GetTop() + canvas.GetHeight() / 2;
        const wxRect group1 = drive::Named<wxStaticBox>(m_frame, FrameControl::EyeBox(1)).GetRect();
        const wxRect group2 = drive::Named<wxStaticBox>(m_frame, FrameControl::EyeBox(2)).GetRect();
        // Static boxes may be nudged by a pixel by the toolkit's frame drawing.
        EXPECT_NEAR(group1.GetTop(), canvas.GetTop(), 1);
        EXPECT_NEAR(group1.GetBottom() + 1, centreY - 2, 1);
        EXPECT_NEAR(group2.GetTop(), centreY + 5, 1);
        EXPECT_NEAR(group1.GetLeft(), canvas.GetRight() + 1 + 16, 1);
        EXPECT_GE(panel.GetWidth() - (group1.GetRight() + 1), 34);
        EXPECT_EQ(group1.GetWidth(), group2.GetWidth());
    }

    static void ExpectWhole(const wxWindow* window, const wxString& text)
    {
        EXPECT_GE(window->GetSize().GetWidth(), window->GetTextExtent(text).GetWidth()) << text;
    }
};

TEST_P(LayoutTest, CanvasAndEyeGroupsFollowTheFrameSize)
{
    ExpectCanvasAndGroupsPlaced();
    m_frame->SetClientSize(1000, 760);
    Yield();
    ExpectCanvasAndGroupsPlaced();
    EXPECT_GT(m_frame->View().GetSize().GetWidth(), 700);
    m_frame->SetClientSize(700, 560);
    Yield();
    ExpectCanvasAndGroupsPlaced();
}

TEST_P(LayoutTest, PlaybackPanelHasNoHeightWhileHidden)
{
    EXPECT_FALSE(drive::Named<wxPanel>(m_frame, FrameControl::kPlaybackPanel).IsShown());
    const wxSize client = m_frame->GetClientSize();
    const wxRect main = drive::Named<wxPanel>(m_frame, FrameControl::kMainPanel).GetRect();
    EXPECT_EQ(main.GetLeft(), 2);
    EXPECT_EQ(main.GetTop(), 2);
    EXPECT_EQ(client.GetHeight() - (main.GetBottom() + 1), 2);
}

TEST_P(LayoutTest, EveryTextShowsWhole)
{
    for (const QuantityControl& control : kQuantityControls) {
        wxTextCtrl* field = m_frame->TextField(control.textId);
        // Borders and padding come on top of the widest value.
        EXPECT_GE(field->GetSize().GetWidth(),
                  field->GetTextExtent(wxString::FromUTF8("-50.00\xC2\xB0")).GetWidth() + 6)
            << control.textId;
        const wxRect spin = m_frame->SpinButton(control.spinId)->GetRect();
        EXPECT_GE(spin.GetLeft(), field->GetRect().GetRight()) << "the spin button leaves the field whole";
        EXPECT_LE(spin.GetRight(), field->GetParent()->GetSize().GetWidth()) << "the group holds its spin button";
    }
    for (int eye : {1, 2})
        for (int row = 0; row < kEyeQuantityCount; ++row) {
            const auto& label = drive::Named<wxStaticText>(m_frame, FrameControl::QuantityLabel(eye, row));
            EXPECT_LE(label.GetRect().GetRight(), m_frame->TextField(400)->GetRect().GetLeft()) << label.GetLabel();
        }
    for (const wxStaticText* label : {&drive::Named<wxStaticText>(m_frame, FrameControl::FixingEyeLabel(1)),
                                      &drive::Named<wxStaticText>(m_frame, FrameControl::FixingEyeLabel(2)),
                                      &drive::Named<wxStaticText>(m_frame, FrameControl::kFarLabel),
                                      &drive::Named<wxStaticText>(m_frame, FrameControl::kNearLabel)})
        ExpectWhole(label, label->GetLabel());

    wxStatusBar* status = m_frame->GetStatusBar();
    for (int field : {1, 3}) {
        wxRect rect;
        ASSERT_TRUE(status->GetFieldRect(field, rect));
        EXPECT_GE(rect.GetWidth(), status->GetTextExtent(status->GetStatusText(field)).GetWidth()) << field;
    }
    for (int id : {Id::PlaybackStart, Id::PlaybackPause, Id::PlaybackStop}) {
        const wxWindow* button = drive::Named<wxPanel>(m_frame, FrameControl::kPlaybackPanel).FindWindow(id);
        ASSERT_NE(button, nullptr);
        EXPECT_GE(button->GetSize().GetWidth(), button->GetBestSize().GetWidth()) << id;
        EXPECT_GE(button->GetSize().GetHeight(), button->GetBestSize().GetHeight()) << id;
        EXPECT_FALSE(button->GetToolTipText().empty()) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, LayoutTest, ::testing::Values("English.lan", "Deutsch.lan"),
                         [](const auto& info) { return info.param.substr(0, info.param.size() - 4); });
