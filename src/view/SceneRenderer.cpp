// One frame of the view: the two eyes turned by the current angles, with the
// aids and overlays in front of them.
#include "view/SceneRenderer.h"

#include "view/DisplayLists.h"
#include "view/EyeGeometry.h"
#include "view/EyeRotation.h"
#include "view/FaceRenderer.h"
#include "view/FixationLight.h"
#include "view/ReflexSpot.h"
#include "settings/SettingsFile.h"

#include <GL/gl.h>

#include <array>
#include <cmath>

namespace {

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
    {0x80, 0, {{-2, 2}, {-2, 0}, {0, 0}, {0, 2}}},         {0x40, 0, {{0, 2}, {0, 0}, {0.5f, 0}, {0.5f, 2}}},
    {0x20, 0, {{-2, -2}, {0, -2}, {0, 0}, {-2, 0}}},       {0x10, 0, {{0.5f, 0}, {0, 0}, {0, -2}, {0.5f, -2}}},
    {0x08, 1, {{-0.5f, 2}, {-0.5f, 0}, {0, 0}, {0, 2}}},   {0x04, 1, {{0, 2}, {0, 0}, {2, 0}, {2, 2}}},
    {0x02, 1, {{-0.5f, -2}, {0, -2}, {0, 0}, {-0.5f, 0}}}, {0x01, 1, {{2, 0}, {0, 0}, {0, -2}, {2, -2}}},
};

void GlColour(const ViewColour& colour)
{
    glColor3f(colour[0] / 255.0f, colour[1] / 255.0f, colour[2] / 255.0f);
}

void GlColour(const ViewColour& colour, float alpha)
{
    glColor4f(colour[0] / 255.0f, colour[1] / 255.0f, colour[2] / 255.0f, alpha);
}

ViewColour Bytes(const Rgb& colour)
{
    return {static_cast<unsigned char>(colour.r), static_cast<unsigned char>(colour.g),
            static_cast<unsigned char>(colour.b)};
}

void Rotate(const AxisRotation& rotation)
{
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

// Under the head's posture, at an eye's centre: turns an aid drawn depth in
// front of it back to face the room, so the examiner's aids stay upright
// before the eye wherever the head moves it.
void HoldInRoom(const HeadPosture& head, double depth)
{
    if (head.Straight())
        return;
    glTranslated(0, 0, -depth);
    glRotated(-head.tilt, 0, 0, 1);
    glRotated(head.chinUp, 1, 0, 0);
    glRotated(head.turn, 0, 1, 0);
    glTranslated(0, 0, depth);
}

void ApplyGaze(int eye, const ViewPose& pose)
{
    glRotatef(pose.azimuth[eye], 0, 0, 1);
    glRotatef(pose.elevation[eye], 1, 0, 0);
    glRotatef(pose.azimuth[eye], 0, 0, -1);
}

void ApplyEyeRotation(int eye, const SceneState& scene, const CoverBlends& blends)
{
    const RotationSequence rotation = EyeRotation(eye, scene, blends);
    for (std::size_t i = 0; i < rotation.count; ++i)
        Rotate(rotation.steps[i]);
}

void DrawReflex(int eye, const SceneState& scene, const CoverBlends& blends)
{
    const SpotPosition spot = ReflexSpotOf(eye, EyeRotation(eye, scene, blends), scene);
    if (std::hypot(spot.x, spot.y) > kReflexMaxRadius)
        return;
    glPushMatrix();
    glTranslated(spot.x, spot.y, kReflexLift);
    glCallList(DisplayList::reflexSpot);
    glPopMatrix();
}

void DrawAxisLines(int eye, const SceneState& scene, const ViewLook& look)
{
    const AxisLineAngles angles = AxisLinesOf(scene.eyes[eye], scene.latentMode);
    glPushMatrix();
    glTranslated(0, 0, 0.395);
    glRotated(180, 0, 1, 0);
    GlColour(look.axis);
    for (double angle : {angles.first, angles.second}) {
        glPushMatrix();
        glRotated(angle, 0, 0, 1);
        glCallList(DisplayList::axisLine);
        glPopMatrix();
    }
    glPopMatrix();
}

// The rim turns with the eye; the cap is turned to face the viewer and
// opened inside the rim by a plane fixed in the eye.
void DrawEyeballFacingViewer()
{
    glCallList(DisplayList::eyeballRim);
    const GLdouble keepBehindOpening[] = {0, 0, -1, kEyeballRadius * std::cos(kEyeballCapClip)};
    glClipPlane(GL_CLIP_PLANE0, keepBehindOpening);
    std::array<double, 16> modelview{};
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview.data());
    glPushMatrix();
    glLoadMatrixd(FacingViewer(modelview).data());
    glEnable(GL_CLIP_PLANE0);
    glCallList(DisplayList::eyeballCap);
    glDisable(GL_CLIP_PLANE0);
    glPopMatrix();
}

void DrawEye(int eye, const SceneState& scene, const CoverBlends& blends, const ViewPose& pose, const ViewLook& look,
             bool eyeballFacesViewer)
{
    glPushMatrix();
    glTranslated(kEyeCentreX[eye], 0, 0);
    if (scene.eyes[eye].occluder) {
        // The occluder stays put while the eye behind it turns.
        glPushMatrix();
        glTranslated(0, 0, kLensDepth);
        HoldInRoom(scene.head, kLensDepth);
        glCallList(DisplayList::occluderLens);
        glCallList(DisplayList::lensFrame);
        glPopMatrix();
    }
    // A retracted globe sinks into the orbit, straight back from the face.
    if (scene.eyes[eye].retractionMm != 0)
        glTranslated(0, 0, -scene.eyes[eye].retractionMm * kUnitsPerMm);
    ApplyGaze(eye, pose);
    if (scene.axisLines)
        DrawAxisLines(eye, scene, look);
    ApplyEyeRotation(eye, scene, blends);
    if (scene.eyeCross) {
        glPushMatrix();
        glTranslated(0, 0, 0.385);
        glRotated(180, 0, 1, 0);
        GlColour(look.cross);
        glCallList(DisplayList::eyeCross);
        glPopMatrix();
    }
    if (eyeballFacesViewer)
        DrawEyeballFacingViewer();
    else
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
        DrawReflex(eye, scene, blends);
    glPopMatrix();
}

void DrawFilters(const SceneState& scene, const ViewLook& look)
{
    glBlendFunc(GL_DST_ALPHA, GL_SRC_ALPHA);
    glTranslated(0, 0, kLensDepth);
    for (int eye = 0; eye < kEyeCount; ++eye) {
        const EyeSceneState& state = scene.eyes[eye];
        if (!state.redFilter && !state.translucentOccluder)
            continue;
        glPushMatrix();
        glEnable(GL_BLEND);
        glTranslated(kEyeCentreX[eye], 0, 0);
        HoldInRoom(scene.head, kLensDepth);
        if (state.redFilter) {
            GlColour(look.redFilter, look.redFilterAlpha);
            glCallList(DisplayList::filterLens);
        }
        if (state.translucentOccluder) {
            GlColour(look.occluder, look.occluderAlpha);
            glCallList(DisplayList::translucentDisc);
        }
        glDisable(GL_BLEND);
        glCallList(DisplayList::lensFrame);
        glPopMatrix();
    }
    glDisable(GL_BLEND);
}

void DrawPrisms(const SceneState& scene)
{
    // Called after DrawFilters, whose lens depth is still applied.
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
        glTranslated(kEyeCentreX[eye], 0, kPrismGap);
        HoldInRoom(scene.head, kLensDepth + kPrismGap);
        glRotated(baseAngle, 0, 0, 1);
        glScaled(1, 1, kPrismBaseThickness + kPrismThicknessPerDioptre * prism.dioptres);
        glCallList(DisplayList::prismWedge);
        glPopMatrix();
    }
}

void DrawGrid()
{
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

}  // namespace

ViewLook ViewLookOf(const Settings& settings)
{
    ViewLook look;
    look.background = Bytes(settings.backgroundColour);
    look.redFilter = Bytes(settings.redFilterColour);
    look.occluder = Bytes(settings.occluderColour);
    look.cross = Bytes(settings.crossColour);
    look.axis = Bytes(settings.axisColour);
    look.quadrant = Bytes(settings.quadrantColour);
    look.occluderAlpha = settings.occluderAlpha;
    look.redFilterAlpha = settings.redFilterAlpha;
    look.quadrantAlpha = settings.quadrantAlpha;
    return look;
}

ViewColour BackgroundAsRead(const ViewColour& background)
{
    const auto byte = [](unsigned char c) { return static_cast<unsigned char>((c * 255 + 128) / 256); };
    return {byte(background[0]), byte(background[1]), byte(background[2])};
}

double EyeballPixelRadius(ViewportSize viewport, const FrustumExtents& frustum, int distance)
{
    const double depth = kSceneDepth + HeadDepth(distance);
    return ProjectToViewport(viewport, frustum, kEyeballRadius, 0, depth).x -
           ProjectToViewport(viewport, frustum, 0, 0, depth).x;
}

void SceneRenderer::ApplyHeadTransform(int distance, const ViewPose& pose)
{
    glTranslatef(0, 0, HeadDepth(distance));
    glRotatef(pose.headY, 0, 1, 0);
    glRotatef(pose.headX, 1, 0, 0);
    glRotatef(pose.headZ, 0, 0, 1);
}

void SceneRenderer::ApplyHeadPosture(const HeadPosture& head)
{
    if (head.Straight())
        return;
    // The face turns towards the patient's right, the viewer's left; the
    // right ear lowers on the viewer's left; the chin lifts the face upwards.
    // The view follows the patient as an examiner's eyes do: the head turns
    // about the point between the eyes, which keeps both in sight even in
    // the narrow view of the eyes alone.
    glRotated(-head.turn, 0, 1, 0);
    glRotated(-head.chinUp, 1, 0, 0);
    glRotated(head.tilt, 0, 0, 1);
}

void SceneRenderer::Draw(const SceneState& scene, const CoverBlends& blends, const ViewPose& pose, const ViewLook& look,
                         const FrustumExtents& frustum)
{
    // Components are scaled by 1/256, as stored colours have always been.
    constexpr float kByteScale = 0.00390625f;
    glClearColor(look.background[0] * kByteScale, look.background[1] * kByteScale, look.background[2] * kByteScale,
                 1.0f);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(frustum.left, frustum.right, frustum.bottom, frustum.top, frustum.nearPlane, frustum.farPlane);
    glMatrixMode(GL_MODELVIEW);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    if (m_eyeballFacesViewer && m_capDistance != scene.distance)
        CompileEyeballCap(scene.distance);
    glPushMatrix();
    ApplyHeadTransform(scene.distance, pose);
    // Everything from here on belongs to the head, but for the examiner's
    // aids, which hold themselves upright in the room before the eyes.
    ApplyHeadPosture(scene.head);
    // The face first: the hidden parts of the globes then fail the depth
    // test before they are shaded.
    if (scene.face)
        DrawFace(scene, blends, pose);
    DrawEye(0, scene, blends, pose, look, m_eyeballFacesViewer);
    DrawEye(1, scene, blends, pose, look, m_eyeballFacesViewer);
    DrawFilters(scene, look);
    DrawPrisms(scene);

    glDisable(GL_LIGHTING);
    GlColour(look.quadrant);
    if (scene.quadrantEdit)
        DrawGrid();
    if (QuadrantOverlayShown(scene)) {
        glEnable(GL_BLEND);
        // The view's own blend adds the marks' colour, which over the bright
        // face would wash out to white: there the marks tint what they cover.
        if (scene.face)
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        else
            glBlendFunc(GL_DST_ALPHA, GL_SRC_ALPHA);
        // Drawn last, the shading has no use for depth: not writing it spares
        // a full-screen overlay a second pass over the depth buffer.
        glDepthMask(GL_FALSE);
        DrawQuadrants(QuadrantPass::shade, scene, blends, pose, look);
        glDepthMask(GL_TRUE);
        glDisable(GL_BLEND);
    }
    glEnable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glPopMatrix();
    // The light stands in the room: the view's turn moves it, the head's own posture does not.
    if (scene.fixationLight) {
        glPushMatrix();
        ApplyHeadTransform(scene.distance, pose);
        DrawFixationLight(*scene.fixationLight, scene.distance);
        glPopMatrix();
    }
}

void SceneRenderer::DrawQuadrants(QuadrantPass pass, const SceneState& scene, const CoverBlends& blends,
                                  const ViewPose& pose, const ViewLook& look)
{
    GlColour(look.quadrant, look.quadrantAlpha);
    glPushMatrix();
    for (int eye = 0; eye < kEyeCount; ++eye) {
        glPushMatrix();
        glTranslated(kEyeCentreX[eye], 0, 0);
        ApplyGaze(eye, pose);
        glTranslated(0, 0, kLensDepth);
        ApplyEyeRotation(eye, scene, blends);
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
