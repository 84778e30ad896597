// The pointer as fixation target or penlight, the view turned by a right
// drag, the mode pair switched by a double click, and quadrant marking.
#include "view/MyGLCanvas.h"

#include "frame/Ids.h"
#include "frame/PatientFrame.h"
#include "resources/Resources.h"
#include "view/FrameQueries.h"
#include "view/GazeMath.h"
#include "view/QuadrantMarks.h"
#include "view/SceneState.h"

#include <wx/menu.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <limits>

namespace {

// Window depth at which the pointer is unprojected; with it the eye centres
// come out near x = -0.6 and 0.6 after scaling by 100.
constexpr double kPointerDepth = -13.161306;
constexpr double kPointerScale = 100.0;
constexpr int kPickSize = 4;
constexpr int kSelectBufferSize = 10;

// GTK reports a button's own press and release with the state of before the
// event; these give the state the event leaves behind.
bool LeftHeld(const wxMouseEvent& event) {
    return event.LeftDown() || event.LeftDClick() || (event.LeftIsDown() && !event.LeftUp());
}

bool RightHeld(const wxMouseEvent& event) {
    return event.RightDown() || event.RightDClick() || (event.RightIsDown() && !event.RightUp());
}

}  // namespace

int MyGLCanvas::viewportY(int canvasY) const {
    // The viewport fills the bottom of the canvas; what is drawn is found by
    // measuring from its top edge.
    return canvasY - (GetClientSize().GetHeight() - m_viewport.height);
}

MyGLCanvas::EyePointers MyGLCanvas::unprojectEyes(int x, int y) {
    GLdouble points[2][2];
    for (int eye = 0; eye < 2; ++eye) {
        glPushMatrix();
        applyGaze(eye);
        if (eye == 1)
            glTranslatef(0, 0, 0.5f);
        GLdouble modelView[16], projection[16];
        GLint viewport[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        GLdouble z = 0;
        // y is handed over as measured downwards: points above an eye come out negative.
        if (gluUnProject(x, y, kPointerDepth, modelView, projection, viewport, &points[eye][0], &points[eye][1], &z)
            != GL_TRUE)
            points[eye][0] = points[eye][1] = std::numeric_limits<double>::quiet_NaN();
        glPopMatrix();
    }
    return {points[0][0] * kPointerScale, points[0][1] * kPointerScale, points[1][0] * kPointerScale,
            points[1][1] * kPointerScale};
}

int MyGLCanvas::pickQuadrant(int x, int y) {
    const SceneState scene = readScene();
    if (scene.quadrantMarks == 0)
        return -1;  // nothing would be drawn, so nothing can be hit

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
    applyHeadTransform(scene.distance);
    drawQuadrants(true, scene);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();

    // Each hit record is: name count, minimum and maximum depth, the one name.
    const GLint hits = glRenderMode(GL_RENDER);
    if (hits <= 0 || 4 * hits > kSelectBufferSize)
        return -1;
    return static_cast<int>(buffer[4 * hits - 1]);
}

const wxCursor& MyGLCanvas::flashlightCursor(bool lit) {
    wxCursor& cursor = lit ? m_litFlashlightCursor : m_flashlightCursor;
    if (!cursor.IsOk())
        cursor = GetCursorResource(lit ? "taschenlampeAn" : "taschenlampe");
    return cursor;
}

void MyGLCanvas::OnMouse(wxMouseEvent& event) {
    if (!m_frame || !prepareGL())
        return;
    const int x = event.GetX();
    const int y = event.GetY();

    if (IsToolOn(*m_frame, Id::QuadrantEditTool)) {
        editQuadrants(event, x, viewportY(y));
        return;
    }
    if (event.ButtonDClick()) {
        // A double click switches between manifest and latent deviation.
        const int id = m_frame->GetMenuBar()->IsChecked(Id::ModeLatent) ? Id::ModeManifest : Id::ModeLatent;
        wxCommandEvent command(wxEVT_MENU, id);
        command.SetEventObject(m_frame);
        m_frame->GetEventHandler()->ProcessEvent(command);
        return;
    }
    if (RightHeld(event))
        dragView(x, y);
    else
        followPointer(event, x, y);
    m_lastMouseX = static_cast<float>(x);
    m_lastMouseY = static_cast<float>(y);
}

void MyGLCanvas::editQuadrants(const wxMouseEvent& event, int x, int y) {
    SetCursor(*wxSTANDARD_CURSOR);
    if (!LeftHeld(event))
        return;
    const EyePointers pointers = unprojectEyes(x, y);
    const std::uint8_t toggled = QuadrantToggleMask(pointers.x1, pointers.y1, pointers.x2, pointers.y2);
    if (toggled == 0)
        return;  // on a boundary: the case is unchanged
    m_frame->m_quadrantMarks ^= toggled;
    m_frame->m_modified = true;
    m_frame->UpdateTitle(m_frame->m_caseFile);
    Refresh(false, nullptr);
}

void MyGLCanvas::dragView(int x, int y) {
    // The view cannot be turned while quadrants are marked.
    if (m_frame->m_quadrantMarks != 0)
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

void MyGLCanvas::followPointer(const wxMouseEvent& event, int x, int y) {
    const bool flashlight = IsToolOn(*m_frame, Id::FlashlightTool);
    const bool leftHeld = LeftHeld(event);
    SetCursor(flashlight ? flashlightCursor(leftHeld) : *wxSTANDARD_CURSOR);

    // The eyes follow the penlight only while it is switched on, and a
    // marked quadrant under the pointer holds them still.
    if (event.Leaving() || m_frame->IsPlaybackMode() || (flashlight && !leftHeld)
        || pickQuadrant(x, viewportY(y)) != -1)
        return;

    const wxSize client = m_frame->GetClientSize();
    m_dragSign = DragSignForPointer(x, client.GetWidth());
    m_dragArmed = false;
    const PointerOffset offset = GazePointerOffset(x, y, client.GetWidth(), client.GetHeight());
    const int divisor = UnitDivisor(*m_frame);
    const EyeGaze eye1 = GazeTowardsPointer(offset, SpinValue(*m_frame, 413), SpinValue(*m_frame, 412), divisor,
                                            m_gazeAzimuth[0]);
    const EyeGaze eye2 = GazeTowardsPointer(offset, SpinValue(*m_frame, 415), SpinValue(*m_frame, 414), divisor,
                                            m_gazeAzimuth[1]);
    m_gazeAzimuth[0] = eye1.azimuth;
    m_gazeElevation[0] = eye1.elevation;
    m_gazeAzimuth[1] = eye2.azimuth;
    m_gazeElevation[1] = eye2.elevation;
    Refresh(false, nullptr);
}
