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
        const wxSize panel = m_frame->m_mainPanel->GetSize();
        const wxRect canvas = m_frame->m_canvas->GetRect();
        EXPECT_EQ(canvas.GetLeft(), 14);
        // The controls keep their width on the right; the canvas takes the rest.
        EXPECT_GE(panel.GetWidth() - (canvas.GetRight() + 1), 200);
        EXPECT_EQ(canvas.GetTop(), 5);
        EXPECT_EQ(panel.GetHeight() - (canvas.GetBottom() + 1), 19);

        const int centreY = canvas.GetTop() + canvas.GetHeight() / 2;
        const wxRect group1 = m_frame->m_eyeBox1->GetRect();
        const wxRect group2 = m_frame->m_eyeBox2->GetRect();
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
    EXPECT_GT(m_frame->m_canvas->GetSize().GetWidth(), 700);
    m_frame->SetClientSize(700, 560);
    Yield();
    ExpectCanvasAndGroupsPlaced();
}

TEST_P(LayoutTest, PlaybackPanelHasNoHeightWhileHidden)
{
    EXPECT_FALSE(m_frame->m_playbackPanel->IsShown());
    const wxSize client = m_frame->GetClientSize();
    const wxRect main = m_frame->m_mainPanel->GetRect();
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
    for (const auto* labels : {&m_frame->m_quantityLabels1, &m_frame->m_quantityLabels2})
        for (const wxStaticText* label : *labels)
            EXPECT_LE(label->GetRect().GetRight(), m_frame->TextField(400)->GetRect().GetLeft()) << label->GetLabel();
    for (const wxStaticText* label :
         {m_frame->m_coverLabel1, m_frame->m_coverLabel2, m_frame->m_blendLabelTop, m_frame->m_blendLabelBottom})
        ExpectWhole(label, label->GetLabel());

    wxStatusBar* status = m_frame->m_statusBar;
    for (int field : {1, 3}) {
        wxRect rect;
        ASSERT_TRUE(status->GetFieldRect(field, rect));
        EXPECT_GE(rect.GetWidth(), status->GetTextExtent(status->GetStatusText(field)).GetWidth()) << field;
    }
    for (int id : {Id::PlaybackStart, Id::PlaybackPause, Id::PlaybackStop}) {
        const wxWindow* button = m_frame->m_playbackPanel->FindWindow(id);
        ASSERT_NE(button, nullptr);
        EXPECT_GE(button->GetSize().GetWidth(), button->GetBestSize().GetWidth()) << id;
        EXPECT_GE(button->GetSize().GetHeight(), button->GetBestSize().GetHeight()) << id;
        EXPECT_FALSE(button->GetToolTipText().empty()) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, LayoutTest, ::testing::Values("English.lan", "Deutsch.lan"),
                         [](const auto& info) { return info.param.substr(0, info.param.size() - 4); });
