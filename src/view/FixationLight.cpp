#include "view/FixationLight.h"

#include "view/EyeRotation.h"
#include "view/GazeMath.h"
#include "view/ViewProjection.h"

#include <GL/gl.h>

#include <cmath>

namespace {

// In front of the lenses and the thickest prism, so nothing the examiner
// holds before the eyes hides it.
constexpr double kLeadBeforeEyes = 1.0;
constexpr double kCoreRadius = 0.045;
constexpr double kGlowRadius = 0.16;
constexpr int kSegments = 32;
constexpr float kCore[4] = {1.0f, 1.0f, 0.92f, 1.0f};
constexpr float kGlowInner[4] = {1.0f, 0.9f, 0.55f, 0.6f};
constexpr float kGlowOuter[4] = {1.0f, 0.85f, 0.4f, 0.0f};

void Disc(double radius, const float* centre, const float* rim)
{
    constexpr double kTwoPi = 6.283185307179586;
    glBegin(GL_TRIANGLE_FAN);
    glColor4fv(centre);
    glVertex3d(0, 0, 0);
    glColor4fv(rim);
    for (int i = 0; i <= kSegments; ++i) {
        const double angle = kTwoPi * i / kSegments;
        glVertex3d(radius * std::cos(angle), radius * std::sin(angle), 0);
    }
    glEnd();
}

}  // namespace

FixationLightPlace FixationLightPlaceFor(GazeTarget seen, int distance)
{
    // The pointer offset for the gaze, in pixels of the view at the default
    // size, is the same offset at every depth along its ray.
    const PointerOffset offset = PointerOffsetForDirection({-seen.right, seen.up});
    const FrustumExtents frustum = ProjectionFrustum({kDefaultViewShortSide, kDefaultViewShortSide});
    const double depth = -(kSceneDepth + HeadDepth(distance)) - kLeadBeforeEyes;
    const double unitsPerPixel = (frustum.top - frustum.bottom) / kDefaultViewShortSide * depth / frustum.nearPlane;
    return {offset.dx * unitsPerPixel, offset.dy * unitsPerPixel, kLeadBeforeEyes};
}

void DrawFixationLight(GazeTarget seen, int distance)
{
    const FixationLightPlace place = FixationLightPlaceFor(seen, distance);
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // A light has no surface for later drawing to hide behind.
    glDepthMask(GL_FALSE);
    glPushMatrix();
    glTranslated(place.x, place.y, place.z);
    Disc(kGlowRadius, kGlowInner, kGlowOuter);
    Disc(kCoreRadius, kCore, kCore);
    glPopMatrix();
    glPopAttrib();
}
