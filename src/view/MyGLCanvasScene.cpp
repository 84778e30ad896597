// One frame of the view: the two eyes turned by the current angles, with the
// aids and overlays in front of them.
#include "view/MyGLCanvas.h"

#include "view/ViewHost.h"
#include "examination/Solver.h"
#include "model/EyeQuantity.h"
#include "view/CoverBlends.h"
#include "view/DisplayLists.h"
#include "view/EyeGeometry.h"
#include "view/EyeRotation.h"
#include "view/ReflexSpot.h"
#include "view/SceneOfExamination.h"
#include "view/SceneState.h"

#include <wx/menu.h>
#include <wx/slider.h>

#include <GL/gl.h>

#include <cmath>

namespace {

constexpr double kEyeX[2] = {-0.5, 0.5};

// Lenses hang half a unit in front of the eye centres.
constexpr double kLensDepth = 0.5;
// The prism stands just in front of the lenses; a stronger one is thicker.
constexpr double kPrismGap = 0.05;
constexpr double kPrismBaseThickness = 0.03;
constexpr double kPrismThicknessPerDioptre = 0.004;
// The reflex lies just in front of the pupil square and the iris; one that
// would fall beyond the iris is off the cornea and not drawn.
constexpr double kReflexLift = 0.012;
constexpr double kReflexMaxRadius = 0.15;
// The globe is drawn kEyeballRadius wide for an adult globe's radius of about 12 mm.
constexpr double kUnitsPerMm = kEyeballRadius / 12.0;

struct QuadrantQuad {
    unsigned char bit;
    int eye;
    float corners[4][2];  // counter-clockwise seen from the viewer
};

constexpr QuadrantQuad kQuadrantQuads[] = {
    {0x80, 0, {{-2, 2}, {-2, 0}, {0, 0}, {0, 2}}},
    {0x40, 0, {{0, 2}, {0, 0}, {0.5f, 0}, {0.5f, 2}}},
    {0x20, 0, {{-2, -2}, {0, -2}, {0, 0}, {-2, 0}}},
    {0x10, 0, {{0.5f, 0}, {0, 0}, {0, -2}, {0.5f, -2}}},
    {0x08, 1, {{-0.5f, 2}, {-0.5f, 0}, {0, 0}, {0, 2}}},
    {0x04, 1, {{0, 2}, {0, 0}, {2, 0}, {2, 2}}},
    {0x02, 1, {{-0.5f, -2}, {0, -2}, {0, 0}, {-0.5f, 0}}},
    {0x01, 1, {{2, 0}, {0, 0}, {0, -2}, {2, -2}}},
};

void GlColour(const wxColour& colour) {
    glColor3f(colour.Red() / 255.0f, colour.Green() / 255.0f, colour.Blue() / 255.0f);
}

void GlColour(const wxColour& colour, float alpha) {
    glColor4f(colour.Red() / 255.0f, colour.Green() / 255.0f, colour.Blue() / 255.0f, alpha);
}

void Rotate(const AxisRotation& rotation) {
    switch (rotation.axis) {
    case RotationAxis::x:
        glRotatef(rotation.degrees, 1, 0, 0);
        break;
    case RotationAxis::y:
        glRotatef(rotation.degrees, 0, 1, 0);
        break;
    case RotationAxis::z:
        glRotatef(rotation.degrees, 0, 0, 1);
        break;
    }
}

}  // namespace

bool MyGLCanvas::hostReady() const {
    return m_host && m_host->ExaminationReady();
}

int MyGLCanvas::shownDistance() const {
    return hostReady() ? m_host->ExaminationNow().Distance() : kBlendSliderFar;
}

SceneState MyGLCanvas::readScene() const {
    if (!hostReady())
        return SceneState();
    const Examination examination = m_host->ExaminationNow();
    SceneState scene = SceneOf(examination, m_muscleTarget, coverBlends());
    scene.axisLines = scene.axisLines || m_host->AxisOverlaysShowing();
    scene.quadrantEdit = examination.Display().quadrantEdit;
    scene.quadrantHide = examination.Display().quadrantHide;
    scene.penlightShining = scene.penlightShining && m_penlightShining;
    scene.angleKappa = m_angleKappa;
    return scene;
}

BothEyes MyGLCanvas::solvedEyes() const {
    if (!hostReady())
        return {};
    return Solve(m_host->ExaminationNow(), m_muscleTarget, coverBlends());
}

void MyGLCanvas::reportFixation() const {
    if (!hostReady() || m_host->IsPlaybackMode())
        return;
    m_host->ShowCannotFixate(FixingEyeCannotFixate(m_host->ExaminationNow(), m_muscleTarget, coverBlends()));
}

const CoverBlends& MyGLCanvas::coverBlends() const {
    static const CoverBlends resting;
    return m_coverBlends ? *m_coverBlends : resting;
}

void MyGLCanvas::applyHeadTransform(int distance) {
    glTranslatef(0, 0, HeadDepth(distance));
    glRotatef(m_viewRotY, 0, 1, 0);
    glRotatef(m_viewRotX, 1, 0, 0);
    glRotatef(m_viewRotZ, 0, 0, 1);
}

void MyGLCanvas::applyGaze(int eye) {
    glRotatef(m_gazeAzimuth[eye], 0, 0, 1);
    glRotatef(m_gazeElevation[eye], 1, 0, 0);
    glRotatef(m_gazeAzimuth[eye], 0, 0, -1);
}

void MyGLCanvas::applyEyeRotation(int eye, const SceneState& scene) {
    const RotationSequence rotation = EyeRotation(eye, scene, coverBlends());
    for (std::size_t i = 0; i < rotation.count; ++i)
        Rotate(rotation.steps[i]);
}

void MyGLCanvas::renderScene() {
    const SceneState scene = readScene();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    setProjection();
    glMatrixMode(GL_MODELVIEW);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    glPushMatrix();
    applyHeadTransform(scene.distance);
    drawEye(0, scene);
    drawEye(1, scene);
    drawFilters(scene);
    drawPrisms(scene);

    glDisable(GL_LIGHTING);
    GlColour(m_quadrantColour);
    if (scene.quadrantEdit)
        drawGrid();
    if (QuadrantOverlayShown(scene)) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_DST_ALPHA, GL_SRC_ALPHA);
        // Drawn last, the shading has no use for depth: not writing it spares
        // a full-screen overlay a second pass over the depth buffer.
        glDepthMask(GL_FALSE);
        drawQuadrants(QuadrantPass::shade, scene);
        glDepthMask(GL_TRUE);
        glDisable(GL_BLEND);
    }
    glEnable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glPopMatrix();
}

void MyGLCanvas::drawEye(int eye, const SceneState& scene) {
    glPushMatrix();
    glTranslated(kEyeX[eye], 0, 0);
    if (scene.eyes[eye].occluder) {
        // The occluder stays put while the eye behind it turns.
        glPushMatrix();
        glTranslated(0, 0, kLensDepth);
        glCallList(DisplayList::occluderLens);
        glCallList(DisplayList::lensFrame);
        glPopMatrix();
    }
    // A retracted globe sinks into the orbit, straight back from the face.
    if (scene.eyes[eye].retractionMm != 0)
        glTranslated(0, 0, -scene.eyes[eye].retractionMm * kUnitsPerMm);
    applyGaze(eye);
    if (scene.axisLines)
        drawAxisLines(eye, scene);
    applyEyeRotation(eye, scene);
    if (scene.eyeCross) {
        glPushMatrix();
        glTranslated(0, 0, 0.385);
        glRotated(180, 0, 1, 0);
        GlColour(m_crossColour);
        glCallList(DisplayList::eyeCross);
        glPopMatrix();
    }
    glCallList(DisplayList::eyeball);
    glTranslated(0, 0, -0.215);
    glEnable(GL_TEXTURE_2D);
    glCallList(DisplayList::iris);
    glDisable(GL_TEXTURE_2D);
    // The pupil square ends up 0.375 in front of the eye centre, behind the iris's hole.
    glTranslated(0, 0, 0.275);
    glTranslated(0, 0, 0.315);
    glCallList(DisplayList::pupil);
    if (scene.penlightShining)
        drawReflex(eye, scene);
    glPopMatrix();
}

void MyGLCanvas::drawReflex(int eye, const SceneState& scene) {
    const SpotPosition spot = ReflexSpotOf(eye, EyeRotation(eye, scene, coverBlends()), scene);
    if (std::hypot(spot.x, spot.y) > kReflexMaxRadius)
        return;
    glPushMatrix();
    glTranslated(spot.x, spot.y, kReflexLift);
    glCallList(DisplayList::reflexSpot);
    glPopMatrix();
}

void MyGLCanvas::drawPrisms(const SceneState& scene) {
    // Called after drawFilters, whose lens depth is still applied.
    for (int eye = 0; eye < kEyeCount; ++eye) {
        const Prism& prism = scene.eyes[eye].prism;
        if (prism.dioptres == 0)
            continue;
        // The wedge is built with its base towards the viewer's right.
        const bool nasalIsRight = eye == 0;
        double baseAngle = 0;
        switch (prism.base) {
        case PrismBase::out:
            baseAngle = nasalIsRight ? 180 : 0;
            break;
        case PrismBase::in:
            baseAngle = nasalIsRight ? 0 : 180;
            break;
        case PrismBase::up:
            baseAngle = 90;
            break;
        case PrismBase::down:
            baseAngle = 270;
            break;
        }
        glPushMatrix();
        glTranslated(kEyeX[eye], 0, kPrismGap);
        glRotated(baseAngle, 0, 0, 1);
        glScaled(1, 1, kPrismBaseThickness + kPrismThicknessPerDioptre * prism.dioptres);
        glCallList(DisplayList::prismWedge);
        glPopMatrix();
    }
}

void MyGLCanvas::drawAxisLines(int eye, const SceneState& scene) {
    const AxisLineAngles angles = AxisLinesOf(scene.eyes[eye], scene.latentMode);
    glPushMatrix();
    glTranslated(0, 0, 0.395);
    glRotated(180, 0, 1, 0);
    GlColour(m_axisColour);
    for (double angle : {angles.first, angles.second}) {
        glPushMatrix();
        glRotated(angle, 0, 0, 1);
        glCallList(DisplayList::axisLine);
        glPopMatrix();
    }
    glPopMatrix();
}

void MyGLCanvas::drawFilters(const SceneState& scene) {
    glBlendFunc(GL_DST_ALPHA, GL_SRC_ALPHA);
    glTranslated(0, 0, kLensDepth);
    for (int eye = 0; eye < kEyeCount; ++eye) {
        const EyeSceneState& state = scene.eyes[eye];
        if (!state.redFilter && !state.translucentOccluder)
            continue;
        glPushMatrix();
        glEnable(GL_BLEND);
        glTranslated(kEyeX[eye], 0, 0);
        if (state.redFilter) {
            GlColour(m_redFilterColour, m_redFilterAlpha);
            glCallList(DisplayList::filterLens);
        }
        if (state.translucentOccluder) {
            GlColour(m_occluderColour, m_occluderAlpha);
            glCallList(DisplayList::translucentDisc);
        }
        glDisable(GL_BLEND);
        glCallList(DisplayList::lensFrame);
        glPopMatrix();
    }
    glDisable(GL_BLEND);
}

void MyGLCanvas::drawGrid() {
    glLineStipple(2, 0xCCCC);
    glEnable(GL_LINE_STIPPLE);
    glBegin(GL_LINES);
    glVertex3d(-2, 0, 0.5);
    glVertex3d(2, 0, 0.5);
    for (double x : {-0.5, 0.0, 0.5}) {
        glVertex3d(x, 2, 0.5);
        glVertex3d(x, -2, 0.5);
    }
    glEnd();
    glDisable(GL_LINE_STIPPLE);
}

void MyGLCanvas::drawQuadrants(QuadrantPass pass, const SceneState& scene) {
    GlColour(m_quadrantColour, m_quadrantAlpha);
    glPushMatrix();
    for (int eye = 0; eye < kEyeCount; ++eye) {
        glPushMatrix();
        glTranslated(kEyeX[eye], 0, 0);
        applyGaze(eye);
        glTranslated(0, 0, kLensDepth);
        applyEyeRotation(eye, scene);
        for (const QuadrantQuad& quad : kQuadrantQuads) {
            const bool marked = (scene.quadrantMarks & quad.bit) != 0;
            if (quad.eye != eye || (pass != QuadrantPass::pickAny && !marked))
                continue;
            // A pick of marks only asks whether one is hit; editing asks which.
            if (pass != QuadrantPass::shade)
                glLoadName(pass == QuadrantPass::pickAny ? quad.bit : 1);
            glBegin(GL_QUADS);
            for (const auto& corner : quad.corners)
                glVertex3f(corner[0], corner[1], 0);
            glEnd();
        }
        glPopMatrix();
    }
    glPopMatrix();
}

wxRect MyGLCanvas::eyesArea() const {
    const int distance = shownDistance();
    // Measured at the eyeballs' front, which the perspective shows largest.
    const double depth = kSceneDepth + HeadDepth(distance) + kEyeballRadius;
    const double reach = kEyeX[1] + kEyeballRadius;
    const FrustumExtents frustum = viewFrustum();
    const ViewportPixel topLeft = ProjectToViewport(m_viewport, frustum, -reach, kEyeballRadius, depth);
    const ViewportPixel bottomRight = ProjectToViewport(m_viewport, frustum, reach, -kEyeballRadius, depth);
    return wxRect(wxPoint(static_cast<int>(std::floor(topLeft.x)), static_cast<int>(std::floor(topLeft.y))),
                  wxPoint(static_cast<int>(std::ceil(bottomRight.x)), static_cast<int>(std::ceil(bottomRight.y))));
}
