// The pointer as fixation target or penlight, the view turned by a right
// drag, the patient's head moved by a drag with Shift, the mode pair
// switched by a double click, and quadrant marking.
#include "view/EyesCanvas.h"

#include "view/ViewHost.h"
#include "resources/Resources.h"
#include "view/GazeMath.h"
#include "view/EyeRotation.h"
#include "view/SceneState.h"

#include <wx/menu.h>
#include <wx/slider.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

namespace {

constexpr int kPickSize = 4;
// How far a drag with Shift moves the head.
constexpr double kHeadDegreesPerPixel = 0.25;
constexpr int kSelectBufferSize = 64;

// GTK reports a button's own press and release with the state of before the
// event; these give the state the event leaves behind.
bool LeftHeld(const wxMouseEvent& event)
{
    return event.LeftDown() || event.LeftDClick() || (event.LeftIsDown() && !event.LeftUp());
}

bool RightHeld(const wxMouseEvent& event)
{
    return event.RightDown() || event.RightDClick() || (event.RightIsDown() && !event.RightUp());
}

}  // namespace

template <typename Draw>
int EyesCanvas::NearestHit(int x, int y, Draw draw)
{
    GLuint buffer[kSelectBufferSize];
    glSelectBuffer(kSelectBufferSize, buffer);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0xFFFFFFFF);

    glPushMatrix();
    glMatrixMode(GL_PROJECTION);
    // Kept, so an unprojection before the next paint still sees the view's projection.
    glPushMatrix();
    glLoadIdentity();
    gluPickMatrix(x, m_viewport.height - y, kPickSize, kPickSize, m_viewportRect);
    SetProjection();
    glMatrixMode(GL_MODELVIEW);
    draw();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();

    // Each hit record is: name count, minimum and maximum depth, the names.
    const GLint hits = glRenderMode(GL_RENDER);
    int nearest = -1;
    GLuint nearestDepth = 0;
    const GLuint* record = buffer;
    for (GLint hit = 0; hit < hits; ++hit) {
        const GLuint names = record[0];
        if (record + 3 + names > buffer + kSelectBufferSize || names == 0)
            break;
        if (nearest == -1 || record[1] < nearestDepth) {
            nearest = static_cast<int>(record[3 + names - 1]);
            nearestDepth = record[1];
        }
        record += 3 + names;
    }
    return nearest;
}

int EyesCanvas::PickQuadrant(int x, int y)
{
    const SceneState scene = ReadScene();
    if (scene.quadrantMarks == 0)
        return -1;  // nothing would be drawn, so nothing can be hit
    return NearestHit(x, y, [&] {
        SceneRenderer::ApplyHeadTransform(scene.distance, Pose());
        SceneRenderer::ApplyHeadPosture(scene.head);
        SceneRenderer::DrawQuadrants(SceneRenderer::QuadrantPass::pickMarked, scene, CurrentCoverBlends(), Pose(),
                                     Look());
    });
}

unsigned char EyesCanvas::QuadrantUnder(int x, int y)
{
    const SceneState scene = ReadScene();
    const int bit = NearestHit(x, y, [&] {
        SceneRenderer::ApplyHeadTransform(scene.distance, Pose());
        SceneRenderer::ApplyHeadPosture(scene.head);
        SceneRenderer::DrawQuadrants(SceneRenderer::QuadrantPass::pickAny, scene, CurrentCoverBlends(), Pose(), Look());
    });
    return bit > 0 ? static_cast<unsigned char>(bit) : 0;
}

wxPoint EyesCanvas::StraightAheadPoint() const
{
    const int distance = ShownDistance();
    const ViewportPixel centre = ProjectToViewport(m_viewport, ViewFrustum(), 0, 0, kSceneDepth + HeadDepth(distance));
    // The pixel that holds the point, as a pointer position names a pixel.
    return {static_cast<int>(std::floor(centre.x)), static_cast<int>(std::floor(centre.y))};
}

const wxCursor& EyesCanvas::FlashlightCursor(bool lit)
{
    wxCursor& cursor = lit ? m_litFlashlightCursor : m_flashlightCursor;
    if (!cursor.IsOk())
        cursor = GetCursorResource(lit ? "penlight-cursor-lit" : "penlight-cursor");
    return cursor;
}

void EyesCanvas::OnMouse(wxMouseEvent& event)
{
    if (!HostReady() || !PrepareGl())
        return;
    const int x = event.GetX();
    const int y = event.GetY();
    // A click in the view leaves any value field, so the examination keys work.
    if (event.ButtonDown())
        SetFocus();

    const Examination examination = m_host->ExaminationNow();
    if (examination.Display().quadrantEdit) {
        EditQuadrants(event, x, y);
        return;
    }
    if (event.ButtonDClick()) {
        // A double click switches between manifest and latent deviation.
        m_host->SwitchManifestLatent();
        return;
    }
    const bool headDrag = event.ShiftDown() && (LeftHeld(event) || RightHeld(event)) && !m_host->IsPlaybackMode();
    if (!headDrag)
        m_headDragArmed = false;
    if (headDrag)
        DragHead(event, x, y, examination.Head());
    else if (RightHeld(event))
        DragView(x, y, examination.QuadrantMarks() != 0);
    else
        FollowPointer(event, x, y, examination);
    m_lastMouseX = static_cast<float>(x);
    m_lastMouseY = static_cast<float>(y);
}

void EyesCanvas::EditQuadrants(const wxMouseEvent& event, int x, int y)
{
    SetCursor(*wxSTANDARD_CURSOR);
    if (!LeftHeld(event))
        return;
    const unsigned char toggled = QuadrantUnder(x, y);
    if (toggled == 0)
        return;  // beside the quadrants: the case is unchanged
    m_host->ToggleQuadrantMarks(toggled);
    Refresh(false, nullptr);
}

void EyesCanvas::DragView(int x, int y, bool quadrantsMarked)
{
    // The view cannot be turned while quadrants are marked.
    if (quadrantsMarked)
        return;
    if (!m_dragArmed) {
        // The first event only records where the drag starts.
        m_dragArmed = true;
        return;
    }
    m_viewRotY += x - m_lastMouseX;
    m_viewRotZ += (y - m_lastMouseY) * m_dragSign;
    Refresh(false, nullptr);
}

void EyesCanvas::DragHead(const wxMouseEvent& event, int x, int y, HeadPosture head)
{
    if (!m_headDragArmed) {
        m_headDragArmed = true;
        return;
    }
    // The face follows the pointer across the screen, where the patient's
    // right is the viewer's left: the left button turns it and lifts the
    // chin, the right button tilts it.
    const double across = (x - m_lastMouseX) * kHeadDegreesPerPixel;
    if (RightHeld(event)) {
        head.tilt -= across;
    } else {
        head.turn -= across;
        head.chinUp += (m_lastMouseY - y) * kHeadDegreesPerPixel;
    }
    m_host->SetHeadPosture(head);
}

void EyesCanvas::FollowPointer(const wxMouseEvent& event, int x, int y, const Examination& examination)
{
    const bool flashlight = examination.Display().penlight;
    const bool leftHeld = LeftHeld(event);
    SetCursor(flashlight ? FlashlightCursor(leftHeld) : *wxSTANDARD_CURSOR);
    SetPenlightShining(flashlight && leftHeld && !event.Leaving());

    // The eyes follow the penlight only while it is switched on, and a
    // marked quadrant under the pointer holds them still.
    // A fixed position of gaze holds the eyes until the pointer is chosen again.
    if (event.Leaving() || m_host->IsPlaybackMode() || (flashlight && !leftHeld) || m_gazeTarget ||
        PickQuadrant(x, y) != -1)
        return;

    const wxPoint centre = StraightAheadPoint();
    m_dragSign = DragSignForPointer(x, centre.x);
    m_dragArmed = false;
    AimEyes(examination, TargetOffset(GazePointerOffset(x, y, centre.x, centre.y),
                                      DefaultPixelsPerPixel(m_viewport, ViewFrustum())));
}

void EyesCanvas::SetPenlightShining(bool shining)
{
    if (shining == m_penlightShining)
        return;
    m_penlightShining = shining;
    Refresh(false, nullptr);
}

void EyesCanvas::AimEyes(const Examination& examination, PointerOffset offset)
{
    ViewPose turned = Pose();
    m_aimedOffset = offset;
    m_muscleTarget = TurnEyesTowards(examination, offset, turned);
    for (int eye = 0; eye < kEyeCount; ++eye) {
        m_gazeAzimuth[eye] = turned.azimuth[eye];
        m_gazeElevation[eye] = turned.elevation[eye];
    }
    Refresh(false, nullptr);
}
