// What one frame of the view shows: the host's examination as a scene, with
// what belongs to the canvas alone added, drawn by the scene renderer.
#include "view/EyesCanvas.h"

#include "view/ViewHost.h"
#include "examination/Solver.h"
#include "view/CoverBlends.h"
#include "view/EyeGeometry.h"
#include "view/EyeRotation.h"
#include "view/SceneOfExamination.h"
#include "view/SceneState.h"

#include <cmath>

namespace {

ViewColour Bytes(const wxColour& colour)
{
    return {colour.Red(), colour.Green(), colour.Blue()};
}

}  // namespace

bool EyesCanvas::HostReady() const
{
    return m_host && m_host->ExaminationReady();
}

int EyesCanvas::ShownDistance() const
{
    return HostReady() ? m_host->ExaminationNow().Distance() : kBlendSliderFar;
}

SceneState EyesCanvas::ReadScene() const
{
    if (!HostReady())
        return SceneState();
    const Examination examination = m_host->ExaminationNow();
    SceneState scene = SceneOf(examination, m_muscleTarget, CurrentCoverBlends());
    scene.axisLines = scene.axisLines || m_host->AxisOverlaysShowing();
    scene.quadrantEdit = examination.Display().quadrantEdit;
    scene.quadrantHide = examination.Display().quadrantHide;
    scene.penlightShining = scene.penlightShining && m_penlightShining;
    scene.angleKappa = m_angleKappa;
    return scene;
}

ViewPose EyesCanvas::Pose() const
{
    ViewPose pose;
    pose.headX = m_viewRotX;
    pose.headY = m_viewRotY;
    pose.headZ = m_viewRotZ;
    for (int eye = 0; eye < kEyeCount; ++eye) {
        pose.azimuth[eye] = m_gazeAzimuth[eye];
        pose.elevation[eye] = m_gazeElevation[eye];
    }
    return pose;
}

ViewLook EyesCanvas::Look() const
{
    ViewLook look;
    look.background = Bytes(m_backgroundColour);
    look.redFilter = Bytes(m_redFilterColour);
    look.occluder = Bytes(m_occluderColour);
    look.cross = Bytes(m_crossColour);
    look.axis = Bytes(m_axisColour);
    look.quadrant = Bytes(m_quadrantColour);
    look.occluderAlpha = m_occluderAlpha;
    look.redFilterAlpha = m_redFilterAlpha;
    look.quadrantAlpha = m_quadrantAlpha;
    return look;
}

BothEyes EyesCanvas::SolvedEyes() const
{
    if (!HostReady())
        return {};
    return Solve(m_host->ExaminationNow(), m_muscleTarget, CurrentCoverBlends());
}

void EyesCanvas::ReportFixation() const
{
    if (!HostReady() || m_host->IsPlaybackMode())
        return;
    m_host->ShowCannotFixate(FixingEyeCannotFixate(m_host->ExaminationNow(), m_muscleTarget, CurrentCoverBlends()));
}

const CoverBlends& EyesCanvas::CurrentCoverBlends() const
{
    static const CoverBlends resting;
    return m_coverBlends ? *m_coverBlends : resting;
}

void EyesCanvas::RenderScene()
{
    m_renderer.Draw(ReadScene(), CurrentCoverBlends(), Pose(), Look(), DrawnFrustum());
}

wxRect EyesCanvas::EyesArea() const
{
    const int distance = ShownDistance();
    // Measured at the eyeballs' front, which the perspective shows largest.
    const double depth = kSceneDepth + HeadDepth(distance) + kEyeballRadius;
    const double reach = kEyeCentreX[1] + kEyeballRadius;
    const FrustumExtents frustum = ViewFrustum();
    const ViewportPixel topLeft = ProjectToViewport(m_viewport, frustum, -reach, kEyeballRadius, depth);
    const ViewportPixel bottomRight = ProjectToViewport(m_viewport, frustum, reach, -kEyeballRadius, depth);
    return wxRect(wxPoint(static_cast<int>(std::floor(topLeft.x)), static_cast<int>(std::floor(topLeft.y))),
                  wxPoint(static_cast<int>(std::ceil(bottomRight.x)), static_cast<int>(std::ceil(bottomRight.y))));
}
