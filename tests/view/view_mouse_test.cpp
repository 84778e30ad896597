// The canvas's mouse handler, driven by synthesised events under Xvfb.
#include "CanvasFixture.h"
#include "FrameDriver.h"

#include "widgets/Ids.h"
#include "view/GazeMath.h"
#include "view/EyesCanvas.h"
#include "view/ViewProjection.h"

#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/toolbar.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

// The mouse handler reads the frame drawn last: the view is drawn once.
class ViewMouseTest : public CanvasFixture {
protected:
    void SetUp() override
    {
        CanvasFixture::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(m_canvas->Render());
    }

    void Send(wxEventType type, wxPoint at, bool left = false, bool right = false)
    {
        wxMouseEvent event(type);
        event.SetPosition(at);
        event.SetLeftDown(left);
        event.SetRightDown(right);
        event.SetEventObject(m_canvas);
        m_canvas->GetEventHandler()->ProcessEvent(event);
    }
    void Move(wxPoint at, bool left = false) { Send(wxEVT_MOTION, at, left); }

    // Canvas pixel showing a point of the head (eye 1 at x = -0.5).
    wxPoint CanvasPoint(double x, double y) const
    {
        const PixelPoint p = At(x, y);
        return {static_cast<int>(p.x), static_cast<int>(m_canvas->GetClientSize().GetHeight() - p.y)};
    }
    // Where the eyes look straight ahead, 40 pixels to its right and above it.
    wxPoint StraightAhead(int dx = 0, int dy = 0) const { return CanvasPoint(0, 0) + wxSize(dx, -dy); }
    bool GazeAtRest() const
    {
        return m_canvas->m_gazeAzimuth[0] == 0 && m_canvas->m_gazeElevation[0] == 0 &&
               m_canvas->m_gazeAzimuth[1] == 0 && m_canvas->m_gazeElevation[1] == 0;
    }
};

TEST_F(ViewMouseTest, FlashlightMovesTheEyesOnlyWhileSwitchedOn)
{
    ASSERT_TRUE(m_frame->GetToolBar()->GetToolState(Id::FlashlightTool));
    Move(StraightAhead(40, 0));
    EXPECT_TRUE(GazeAtRest());
    const wxCursor unlit = m_canvas->GetCursor();
    EXPECT_TRUE(unlit.IsOk());
    EXPECT_FALSE(unlit.IsSameAs(*wxSTANDARD_CURSOR));

    Send(wxEVT_LEFT_DOWN, StraightAhead(40, 0), true);
    const wxCursor lit = m_canvas->GetCursor();
    EXPECT_FALSE(lit.IsSameAs(unlit));
    EXPECT_FALSE(lit.IsSameAs(*wxSTANDARD_CURSOR));
    // 40 pixels to the right: turned 5 degrees towards it.
    for (int eye = 0; eye < 2; ++eye) {
        EXPECT_FLOAT_EQ(m_canvas->m_gazeAzimuth[eye], -90.0f) << eye;
        EXPECT_FLOAT_EQ(m_canvas->m_gazeElevation[eye], -5.0f) << eye;
    }
    Send(wxEVT_LEFT_UP, StraightAhead(0, 40));
    EXPECT_TRUE(m_canvas->GetCursor().IsSameAs(unlit));
    EXPECT_FLOAT_EQ(m_canvas->m_gazeAzimuth[0], -90.0f);

    SetTool(Id::FlashlightTool, false);
    Move(StraightAhead(0, 40));
    EXPECT_TRUE(m_canvas->GetCursor().IsSameAs(*wxSTANDARD_CURSOR));
    EXPECT_FLOAT_EQ(m_canvas->m_gazeAzimuth[0], 0.0f);
    EXPECT_FLOAT_EQ(m_canvas->m_gazeElevation[0], -5.0f);
}

TEST_F(ViewMouseTest, LeavingTheCanvasOrPlaybackKeepsTheEyesStill)
{
    SetTool(Id::FlashlightTool, false);
    Send(wxEVT_LEAVE_WINDOW, StraightAhead(-60, 30));
    EXPECT_TRUE(GazeAtRest());
    drive::Named<wxPanel>(m_frame, FrameControl::kPlaybackPanel).Show(true);
    Move(StraightAhead(-60, 30));
    EXPECT_TRUE(GazeAtRest());
    drive::Named<wxPanel>(m_frame, FrameControl::kPlaybackPanel).Show(false);
    Send(wxEVT_ENTER_WINDOW, StraightAhead(-60, 30));
    EXPECT_FALSE(GazeAtRest());
}

TEST_F(ViewMouseTest, MarkedQuadrantUnderThePointerFreezesTheGaze)
{
    SetTool(Id::FlashlightTool, false);
    const wxPoint upperOuter1 = CanvasPoint(kEye1 - 0.25, 0.25);
    const wxPoint lowerOuter1 = CanvasPoint(kEye1 - 0.25, -0.25);
    m_frame->CurrentExamination().SetQuadrantMarks(0x80);
    Move(upperOuter1);
    EXPECT_TRUE(GazeAtRest());
    // Hidden marks still hold the eyes.
    SetTool(Id::QuadrantHideTool, true);
    Move(upperOuter1);
    EXPECT_TRUE(GazeAtRest());
    // The pick looks where the pointer is, not at a neighbouring quadrant.
    Move(lowerOuter1);
    EXPECT_FALSE(GazeAtRest());

    m_canvas->ResetView();
    m_frame->CurrentExamination().SetQuadrantMarks(0x20);
    Move(upperOuter1);
    EXPECT_FALSE(GazeAtRest());
    m_canvas->ResetView();
    Move(lowerOuter1);
    EXPECT_TRUE(GazeAtRest());
}

TEST_F(ViewMouseTest, QuadrantEditModeTogglesTheQuadrantUnderTheLeftButton)
{
    SetTool(Id::QuadrantEditTool, true);
    drive::SaveCaseAs(m_frame, PathOf("saved.sd"));
    Move(CanvasPoint(kEye1 - 0.25, 0.25));
    EXPECT_EQ(m_frame->ExaminationNow().QuadrantMarks(), 0);
    EXPECT_FALSE(m_frame->IsModified());
    EXPECT_TRUE(m_canvas->GetCursor().IsSameAs(*wxSTANDARD_CURSOR));

    struct Click {
        double x, y;
        unsigned char bit;
    };
    for (const Click click :
         {Click{kEye1 - 0.25, 0.25, 0x80}, Click{kEye1 + 0.2, 0.25, 0x40}, Click{kEye1 - 0.25, -0.25, 0x20},
          Click{kEye1 + 0.2, -0.25, 0x10}, Click{kEye2 - 0.2, 0.25, 0x08}, Click{kEye2 + 0.25, 0.25, 0x04},
          Click{kEye2 - 0.2, -0.25, 0x02}, Click{kEye2 + 0.25, -0.25, 0x01}}) {
        m_frame->CurrentExamination().SetQuadrantMarks(0);
        Send(wxEVT_LEFT_DOWN, CanvasPoint(click.x, click.y), true);
        EXPECT_EQ(m_frame->ExaminationNow().QuadrantMarks(), click.bit) << click.x << " " << click.y;
        Send(wxEVT_LEFT_UP, CanvasPoint(click.x, click.y));
        EXPECT_EQ(m_frame->ExaminationNow().QuadrantMarks(), click.bit) << "the release toggles nothing";
    }
    EXPECT_TRUE(m_frame->IsModified());

    // Close to the eye centres the quadrant drawn under the pointer decides, at either end of the distance slider.
    for (int distance : {1, 11}) {
        drive::Slide(m_frame, Id::BlendSlider, distance);
        ASSERT_TRUE(m_canvas->Render());
        for (const Click click : {Click{kEye1 + 0.04, 0.1, 0x40}, Click{kEye1 - 0.04, 0.1, 0x80},
                                  Click{kEye2 - 0.04, -0.1, 0x02}, Click{kEye2 + 0.04, -0.1, 0x01}}) {
            m_frame->CurrentExamination().SetQuadrantMarks(0);
            Send(wxEVT_LEFT_DOWN, CanvasPoint(click.x, click.y), true);
            Send(wxEVT_LEFT_UP, CanvasPoint(click.x, click.y));
            EXPECT_EQ(m_frame->ExaminationNow().QuadrantMarks(), click.bit) << distance << ": " << click.x;
        }
    }

    // A drag toggles on every motion event; the gaze stays where it was.
    m_frame->CurrentExamination().SetQuadrantMarks(0);
    for (int i = 0; i < 3; ++i)
        Move(CanvasPoint(kEye1 - 0.25, 0.25 + 0.01 * i), true);
    EXPECT_EQ(m_frame->ExaminationNow().QuadrantMarks(), 0x80);
    EXPECT_TRUE(GazeAtRest());
}

TEST_F(ViewMouseTest, EyesLookAtThePointerAtEveryDistance)
{
    SetTool(Id::FlashlightTool, false);
    for (int distance : {1, 6, 11}) {
        drive::Slide(m_frame, Id::BlendSlider, distance);
        ASSERT_TRUE(m_canvas->Render());
        // Between the eyes: straight ahead, not looking down.
        Move(CanvasPoint(0, 0) + wxSize(1, 0));
        EXPECT_NEAR(m_canvas->m_gazeElevation[0], -0.125f, 1e-4f) << distance;
        // Above the eyes they look up: the elevation's sign flips with the azimuth's half-turn.
        Move(CanvasPoint(0, 0) + wxSize(0, -80));
        EXPECT_FLOAT_EQ(m_canvas->m_gazeAzimuth[0], 0.0f) << distance;
        EXPECT_FLOAT_EQ(m_canvas->m_gazeElevation[0], -10.0f) << distance;
        Move(CanvasPoint(0, 0) + wxSize(0, 80));
        EXPECT_FLOAT_EQ(m_canvas->m_gazeElevation[0], 10.0f) << distance;
    }
}

TEST_F(ViewMouseTest, GazeFollowsAPointOfTheFaceAtAnySizeWithinTheHumanRange)
{
    SetTool(Id::FlashlightTool, false);
    // The rule of an eighth of a degree per pixel was set at this size.
    const wxSize normal = m_canvas->GetClientSize();
    EXPECT_EQ(std::min(normal.x, normal.y), kDefaultViewShortSide);
    const wxPoint abovePupil = CanvasPoint(kEye1, 0.6);
    Move(abovePupil);
    const float azimuth = m_canvas->m_gazeAzimuth[0];
    const float elevation = m_canvas->m_gazeElevation[0];
    ASSERT_LT(std::abs(elevation), 45.0f);

    SendCommand(Id::Presentation);
    Yield();
    ASSERT_TRUE(m_canvas->Render());
    const wxSize full = m_canvas->GetClientSize();
    ASSERT_GT(full.y, normal.y + 100);
    Move(CanvasPoint(kEye1, 0.6));
    // One pixel of rounding either way is at most an eighth of a degree.
    EXPECT_NEAR(m_canvas->m_gazeAzimuth[0], azimuth, 0.5f);
    EXPECT_NEAR(m_canvas->m_gazeElevation[0], elevation, 0.2f);
    // The corners of the large view are points beside the face, well within
    // reach; a pointer dragged far beyond them stops the eyes at the limit.
    for (const wxPoint corner : {wxPoint(0, 0), wxPoint(full.x - 1, full.y - 1), wxPoint(full.x - 1, 0)}) {
        Move(corner);
        EXPECT_LT(std::abs(m_canvas->m_gazeElevation[0]), kGazeLimitDegrees) << corner.x << "," << corner.y;
    }
    Move(wxPoint(-20 * full.x, full.y / 2));
    for (int eye = 0; eye < 2; ++eye)
        EXPECT_NEAR(std::abs(m_canvas->m_gazeElevation[eye]), kGazeLimitDegrees, 0.1) << eye;
}

TEST_F(ViewMouseTest, RightDragTurnsTheViewBySignOfTheLastGazeUpdate)
{
    SetTool(Id::FlashlightTool, false);
    const wxPoint start(120, 100);
    const auto drag = [&] {
        Send(wxEVT_RIGHT_DOWN, start, false, true);
        Send(wxEVT_MOTION, start + wxSize(10, 10), false, true);
        Send(wxEVT_RIGHT_UP, start + wxSize(10, 10));
    };
    // Before any gaze update the vertical part has no sign.
    drag();
    EXPECT_FLOAT_EQ(m_canvas->m_viewRotY, 10.0f);
    EXPECT_FLOAT_EQ(m_canvas->m_viewRotZ, 0.0f);

    const int width = 2 * StraightAhead().x;
    m_canvas->ResetView();
    Move({width / 4, 50});
    drag();
    EXPECT_FLOAT_EQ(m_canvas->m_viewRotY, 10.0f);
    EXPECT_FLOAT_EQ(m_canvas->m_viewRotZ, 10.0f);

    m_canvas->ResetView();
    Move({width * 3 / 4, 50});
    drag();
    EXPECT_FLOAT_EQ(m_canvas->m_viewRotZ, -10.0f);

    m_canvas->ResetView();
    m_frame->CurrentExamination().SetQuadrantMarks(0x01);
    Move({width / 4, 50});
    drag();
    EXPECT_FLOAT_EQ(m_canvas->m_viewRotY, 0.0f);
    EXPECT_FLOAT_EQ(m_canvas->m_viewRotZ, 0.0f);
}

TEST_F(ViewMouseTest, ShiftDragMovesTheHeadAndTheEyesKeepTheTargetInTheRoom)
{
    SetTool(Id::FlashlightTool, false);
    FixationTarget straightAhead;
    straightAhead.kind = FixationTarget::Kind::ninePositions;
    straightAhead.key = 5;
    m_frame->CurrentExamination().SetTarget(straightAhead);
    ASSERT_TRUE(GazeAtRest());
    const auto shiftDrag = [&](bool right, wxSize by) {
        const wxPoint start(120, 100);
        for (const auto& [type, at, held] : {std::tuple{right ? wxEVT_RIGHT_DOWN : wxEVT_LEFT_DOWN, start, true},
                                             std::tuple{wxEVT_MOTION, start + by, true},
                                             std::tuple{right ? wxEVT_RIGHT_UP : wxEVT_LEFT_UP, start + by, false}}) {
            wxMouseEvent event(type);
            event.SetPosition(at);
            event.SetLeftDown(held && !right);
            event.SetRightDown(held && right);
            event.SetShiftDown(true);
            event.SetEventObject(m_canvas);
            m_canvas->GetEventHandler()->ProcessEvent(event);
        }
    };
    // The face follows the pointer across the screen: to the viewer's right is the patient's left.
    shiftDrag(false, {20, -8});
    shiftDrag(true, {-20, 0});
    EXPECT_EQ(m_frame->ExaminationNow().Head(), (HeadPosture{-5, 5, 2}));
    EXPECT_FLOAT_EQ(m_canvas->m_viewRotY, 0.0f);
    // The target stays straight ahead in the room, so in the turned head the eyes look away from it.
    EXPECT_EQ(m_canvas->m_muscleTarget.right, 0.0);
    EXPECT_EQ(m_canvas->m_muscleTarget.up, 0.0);
    EXPECT_FALSE(GazeAtRest());
    // Straight again, the eyes look straight ahead (no elevation, whatever the azimuth it turns about).
    m_frame->CurrentExamination().SetHead({});
    EXPECT_EQ(m_canvas->m_gazeElevation[0], 0.0f);
    EXPECT_EQ(m_canvas->m_gazeElevation[1], 0.0f);
}

TEST_F(ViewMouseTest, DoubleClickSwitchesTheModePair)
{
    std::vector<int> sent;
    const auto record = [&](wxCommandEvent& event) {
        sent.push_back(event.GetId());
        event.Skip();
    };
    m_frame->Bind(wxEVT_MENU, record, Id::ModeManifest, Id::ModeLatent);
    wxMenuBar* menus = m_frame->GetMenuBar();
    menus->Check(Id::ModeManifest, true);
    Send(wxEVT_LEFT_DCLICK, {50, 50}, true);
    menus->Check(Id::ModeLatent, true);
    Send(wxEVT_RIGHT_DCLICK, {50, 50}, false, true);
    EXPECT_EQ(sent, (std::vector<int>{Id::ModeLatent, Id::ModeManifest}));
    EXPECT_TRUE(GazeAtRest());
    EXPECT_EQ(m_canvas->m_viewRotY, 0.0f);
}
