// The animation timers against the real main window, stepped by calling Notify.
#include "CanvasFixture.h"
#include "FrameDriver.h"

#include "widgets/Ids.h"
#include "view/CoverAnimationTimer.h"
#include "view/EyesCanvas.h"
#include "frame/OverlayTimer.h"

#include <wx/checkbox.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include <cmath>
#include <memory>
#include <optional>

// The view draws the blends of a timer of the test's own, which only the test steps.
class ViewAnimationTest : public CanvasFixture {
protected:
    void SetUp() override
    {
        CanvasFixture::SetUp();
        if (HasFatalFailure())
            return;
        m_timer = std::make_unique<CoverAnimationTimer>(*m_frame, [this] { m_canvas->Refresh(false, nullptr); });
        m_canvas->SetCoverBlends(&m_timer->Blends());
    }
    void TearDown() override
    {
        if (m_canvas)
            m_canvas->SetCoverBlends(nullptr);
        CanvasFixture::TearDown();
    }

    const CoverBlends& Blends() const { return m_timer->Blends(); }
    double PupilX(double eyeX)
    {
        const std::optional<PixelPoint> pupil = PupilOf(ViewImage::Capture(*m_canvas), eyeX);
        return pupil ? pupil->x : -1;
    }

    std::unique_ptr<CoverAnimationTimer> m_timer;
};

TEST_F(ViewAnimationTest, OccluderInManifestModeMovesInFourTicks)
{
    ASSERT_TRUE(m_frame->GetMenuBar()->IsChecked(Id::ModeManifest));
    SetTool(Id::OccluderEye1, true);
    for (double phase : {0.3925, 0.785, 1.1775, 1.57}) {
        m_timer->Notify();
        EXPECT_FLOAT_EQ(Blends().coverBlend1, static_cast<float>(std::sin(phase)));
    }
    m_timer->Notify();
    EXPECT_EQ(Blends().coverBlend1, 1.0f);

    SetTool(Id::OccluderEye1, false);
    m_timer->Notify();
    EXPECT_NEAR(Blends().coverBlend1, 1.0 - std::cos(1.1775), 1e-6);
    for (int tick = 0; tick < 4; ++tick)
        m_timer->Notify();
    EXPECT_EQ(Blends().coverBlend1, 0.0f);
}

TEST_F(ViewAnimationTest, CoveringTheFellowEyeMakesTheDeviatingEyeFixate)
{
    const double rest1 = PupilX(-0.5);
    const double rest2 = PupilX(0.5);
    drive::Spin(m_frame, 408, 2000);  // eye 1 turned 20 degrees
    const double deviated1 = PupilX(-0.5);
    ASSERT_GT(deviated1, rest1 + 5);

    SetTool(Id::OccluderEye2, true);
    for (int tick = 0; tick < 5; ++tick)
        m_timer->Notify();
    ASSERT_EQ(Blends().coverBlend2, 1.0f);
    // Eye 1 takes up fixation; eye 2 behind the occluder turns by the same angle.
    EXPECT_NEAR(PupilX(-0.5), rest1, 0.5);
    SetTool(Id::OccluderEye2, false);  // look behind the occluder, without ticking
    EXPECT_NEAR(rest2 - PupilX(0.5), deviated1 - rest1, 1.0);
}

TEST_F(ViewAnimationTest, SwapToTranslucentOccluderHandsOverInLatentMode)
{
    drive::SetMenuItem(m_frame, Id::ModeLatent, true);
    SetTool(Id::OccluderEye1, true);
    for (int tick = 0; tick < 4; ++tick)
        m_timer->Notify();
    const float reached = Blends().coverBlend1;
    SetTool(Id::OccluderEye1, false);
    SetTool(Id::TranslucentEye1, true);
    m_timer->Notify();
    EXPECT_EQ(Blends().coverBlend1, 0.0f);
    EXPECT_EQ(Blends().translucentBlend1, reached);
}

TEST_F(ViewAnimationTest, OffsetFactorsHoldWhileTheOffsetTextReadsZero)
{
    drive::TypeAndEnter(m_frame, 423, "2");
    SetTool(Id::RedFilterEye1, true);
    drive::Control<wxCheckBox>(m_frame, Id::CoverCheckBox1).SetValue(true);
    for (int tick = 0; tick < 3; ++tick)
        m_timer->Notify();
    const float offset = Blends().offsetBlend2;
    ASSERT_GT(offset, 0.0f);
    EXPECT_EQ(Blends().coverBlend1, 0.0f);

    drive::TypeAndEnter(m_frame, 423, "0");
    SetTool(Id::RedFilterEye1, false);
    for (int tick = 0; tick < 12; ++tick)
        m_timer->Notify();
    EXPECT_EQ(Blends().offsetBlend2, offset);
    EXPECT_EQ(Blends().filterBlend1, 0.0f);
}

TEST_F(ViewAnimationTest, RepaintsOnlyWhileAFactorMoves)
{
    for (int tick = 0; tick < 3; ++tick)
        m_timer->Notify();
    EXPECT_EQ(m_timer->MovingTicks(), 0u);

    // Windows of other tests on the same display may cause paints too, so
    // only the arrival of one is checked here.
    int paints = 0;
    m_canvas->Bind(wxEVT_PAINT, [&](wxPaintEvent& event) {
        ++paints;
        event.Skip();
    });
    SetTool(Id::OccluderEye1, true);
    Yield();
    paints = 0;
    m_timer->Notify();
    EXPECT_EQ(m_timer->MovingTicks(), 1u);
    for (int wait = 0; wait < 100 && paints == 0; ++wait)
        Yield();
    EXPECT_GT(paints, 0);

    for (int tick = 0; tick < 3; ++tick)
        m_timer->Notify();
    EXPECT_EQ(m_timer->MovingTicks(), 4u);
    m_timer->Notify();  // rounds the factor up to 1 without moving the eye
    EXPECT_EQ(Blends().coverBlend1, 1.0f);
    EXPECT_EQ(m_timer->MovingTicks(), 4u);
}

TEST_F(ViewAnimationTest, AxisLinesHideWhenTheOverlayTimerFiresUnlessKept)
{
    drive::Spin(m_frame, 413, 300);
    OverlayTimer& overlay = m_frame->AxisOverlayTimer();
    EXPECT_TRUE(overlay.axisOverlaysVisible);
    EXPECT_TRUE(overlay.IsRunning());
    EXPECT_TRUE(overlay.IsOneShot());
    EXPECT_EQ(overlay.GetInterval(), 4000);
    overlay.Notify();
    EXPECT_FALSE(overlay.axisOverlaysVisible);

    drive::SetMenuItem(m_frame, Id::AxisLinesItem, true);
    drive::Spin(m_frame, 413, 400);
    overlay.Notify();
    EXPECT_TRUE(overlay.axisOverlaysVisible);
}
