#include "FrameFixture.h"

#include "view/MyGLCanvas.h"

#include <wx/panel.h>
#include <wx/statbox.h>

class LayoutTest : public FrameFixture {
protected:
    void SetUp() override {
        FrameFixture::SetUp();
        CopyDataFile("English.lan");
        ASSERT_TRUE(StartProgram());
    }

    void ExpectCanvasAndGroupsPlaced() {
        // The layout measures the panel with its sunken border, children from its client origin.
        const wxSize panel = m_frame->m_mainPanel->GetSize();
        const wxRect canvas = m_frame->m_canvas->GetRect();
        EXPECT_EQ(canvas.GetLeft(), 14);
        EXPECT_EQ(panel.GetWidth() - (canvas.GetRight() + 1), 200);
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
        EXPECT_NEAR(panel.GetWidth() - (group1.GetRight() + 1), 35, 1);
    }
};

TEST_F(LayoutTest, CanvasAndEyeGroupsFollowTheFrameSize) {
    ExpectCanvasAndGroupsPlaced();
    m_frame->SetClientSize(1000, 760);
    Yield();
    ExpectCanvasAndGroupsPlaced();
    EXPECT_GT(m_frame->m_canvas->GetSize().GetWidth(), 700);
    m_frame->SetClientSize(700, 560);
    Yield();
    ExpectCanvasAndGroupsPlaced();
}

TEST_F(LayoutTest, PlaybackPanelHasNoHeightWhileHidden) {
    EXPECT_FALSE(m_frame->m_playbackPanel->IsShown());
    const wxSize client = m_frame->GetClientSize();
    const wxRect main = m_frame->m_mainPanel->GetRect();
    EXPECT_EQ(main.GetLeft(), 2);
    EXPECT_EQ(main.GetTop(), 2);
    EXPECT_EQ(client.GetHeight() - (main.GetBottom() + 1), 2);
}
