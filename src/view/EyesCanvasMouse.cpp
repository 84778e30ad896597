// The pointer as fixation target or penlight, the view turned by a right
// drag, the mode pair switched by a double click, and quadrant marking.
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
int EyesCanvas::nearestHit(int x, int y, Draw draw)
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
    setProjection();
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

int EyesCanvas::pickQuadrant(int x, int y)
{
    const SceneState scene = readScene();
    if (scene.quadrantMarks == 0)
        return -1;  // nothing would be drawn, so nothing can be hit
    return nearestHit(x, y, [&] {
        SceneRenderer::applyHeadTransform(scene.distance, pose());
        SceneRenderer::drawQuadrants(SceneRenderer::QuadrantPass::pickMarked, scene, coverBlends(), pose(), look());
    });
}

unsigned char EyesCanvas::quadrantUnder(int x, int y)
{
    const SceneState scene = readScene();
    const int bit = nearestHit(x, y, [&] {
        SceneRenderer::applyHeadTransform(scene.distance, pose());
        SceneRenderer::drawQuadrants(SceneRenderer::QuadrantPass::pickAny, scene, coverBlends(), pose(), look());
    });
    return bit > 0 ? static_cast<unsigned char>(bit) : 0;
}

wxPoint EyesCanvas::straightAheadPoint() const
{
    const int distance = shownDistance();
    const ViewportPixel centre = ProjectToViewport(m_viewport, viewFrustum(), 0, 0, kSceneDepth + HeadDepth(distance));
    // The pixel that holds the point, as a pointer position names a pixel.
    return {static_cast<int>(std::floor(centre.x)), static_cast<int>(std::floor(centre.y))};
}

const wxCursor& EyesCanvas::flashlightCursor(bool lit)
{
    wxCursor& cursor = lit ? m_litFlashlightCursor : m_flashlightCursor;
    if (!cursor.IsOk())
        cursor = GetCursorResource(lit ? "penlight-cursor-lit" : "penlight-cursor");
    return cursor;
}

void EyesCanvas::OnMouse(wxMouseEvent& event)
{
    if (!hostReady() || !prepareGL())
        return;
    const int x = event.GetX();
    const int y = event.GetY();
    // A click in the view leaves any value field, so the examination keys work.
    if (event.ButtonDown())
        SetFocus();

    const Examination examination = m_host->ExaminationNow();
    if (examination.Display().quadrantEdit) {
        editQuadrants(event, x, y);
        return;
    }
    if (event.ButtonDClick()) {
        // A double click switches between manifest and latent deviation.
        m_host->SwitchManifestLatent();
        return;
    }
    if (RightHeld(event))
        dragView(x, y, examination.QuadrantMarks() != 0);
    else
        followPointer(event, x, y, examination);
    m_lastMouseX = static_cast<float>(x);
    m_lastMouseY = static_cast<float>(y);
}

void EyesCanvas::editQuadrants(const wxMouseEvent& event, int x, int y)
{
    SetCursor(*wxSTANDARD_CURSOR);
    if (!LeftHeld(event))
        return;
    const unsigned char toggled = quadrantUnder(x, y);
    if (toggled == 0)
        return;  // beside the quadrants: the case is unchanged
    m_host->ToggleQuadrantMarks(toggled);
    Refresh(false, nullptr);
}

void EyesCanvas::dragView(int x, int y, bool quadrantsMarked)
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

void EyesCanvas::followPointer(const wxMouseEvent& event, int x, int y, const Examination& examination)
{
    const bool flashlight = examination.Display().penlight;
    const bool leftHeld = LeftHeld(event);
    SetCursor(flashlight ? flashlightCursor(leftHeld) : *wxSTANDARD_CURSOR);
    setPenlightShining(flashlight && leftHeld && !event.Leaving());

    // The eyes follow the penlight only while it is switched on, and a
    // marked quadrant under the pointer holds them still.
    // A fixed position of gaze holds the eyes until the pointer is chosen again.
    if (event.Leaving() || m_host->IsPlaybackMode() || (flashlight && !leftHeld) || m_gazeTarget ||
        pickQuadrant(x, y) != -1)
        return;

    const wxPoint centre = straightAheadPoint();
    m_dragSign = DragSignForPointer(x, centre.x);
    m_dragArmed = false;
    turnEyesTowards(examination, TargetOffset(GazePointerOffset(x, y, centre.x, centre.y),
                                              DefaultPixelsPerPixel(m_viewport, viewFrustum())));
}

void EyesCanvas::setPenlightShining(bool shining)
{
    if (shining == m_penlightShining)
        return;
    m_penlightShining = shining;
    Refresh(false, nullptr);
}

void EyesCanvas::turnEyesTowards(const Examination& examination, PointerOffset offset)
{
    ViewPose turned = pose();
    m_muscleTarget = TurnEyesTowards(examination, offset, turned);
    for (int eye = 0; eye < kEyeCount; ++eye) {
        m_gazeAzimuth[eye] = turned.azimuth[eye];
        m_gazeElevation[eye] = turned.elevation[eye];
    }
    Refresh(false, nullptr);
}
