#include "view/FaceRenderer.h"

#include "view/DisplayLists.h"
#include "view/FaceGeometry.h"
#include "view/GlMeshSink.h"
#include "view/SceneRenderer.h"

#include <GL/gl.h>

#include <array>
#include <optional>

namespace {

void Material(const GLfloat (&colour)[3], float ambientShare, float diffuseShare)
{
    const GLfloat ambient[] = {colour[0] * ambientShare, colour[1] * ambientShare, colour[2] * ambientShare, 1};
    const GLfloat diffuse[] = {colour[0] * diffuseShare, colour[1] * diffuseShare, colour[2] * diffuseShare, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
}

constexpr GLfloat kSkin[] = {0.86f, 0.68f, 0.58f};
constexpr GLfloat kBrow[] = {0.30f, 0.22f, 0.16f};
constexpr GLfloat kLash[] = {0.16f, 0.11f, 0.08f};
constexpr float kAmbientShare = 0.45f;
constexpr float kDiffuseShare = 0.62f;

// The margins each eye's lid list was compiled for, in the current context;
// a still gaze redraws its lids without building them again.
std::array<std::optional<LidMargins>, kEyeCount> g_compiledMargins;

bool operator==(const LidMargins& a, const LidMargins& b)
{
    return a.upper == b.upper && a.lower == b.lower;
}

void CompileLids(int eye, const LidMargins& margins)
{
    glNewList(DisplayList::lids + eye, GL_COMPILE);
    glPushMatrix();
    glTranslated(kEyeCentreX[eye], 0, 0);
    GlMeshSink sink;
    EmitUpperLid(sink, margins, kEyeCentreX[eye]);
    EmitLowerLid(sink, margins, kEyeCentreX[eye]);
    glDisable(GL_LIGHTING);
    glColor3fv(kLash);
    glBegin(GL_LINES);
    for (const LashSegment& lash : Lashes(margins)) {
        glVertex3d(lash.from.x, lash.from.y, lash.from.z);
        glVertex3d(lash.to.x, lash.to.y, lash.to.z);
    }
    glEnd();
    glEnable(GL_LIGHTING);
    glPopMatrix();
    glEndList();
    g_compiledMargins[eye] = margins;
}

void DrawLids(int eye, const SceneState& scene, const CoverBlends& blends, const ViewPose& pose)
{
    const EyeSceneState& state = scene.eyes[eye];
    const LidMargins margins =
        LidMarginsFor(LineOfSightElevation(eye, scene, blends, pose), state.retractionMm, state.levatorPercent);
    if (!(g_compiledMargins[eye] && *g_compiledMargins[eye] == margins))
        CompileLids(eye, margins);
    glCallList(DisplayList::lids + eye);
}

}  // namespace

void CompileFaceList()
{
    glNewList(DisplayList::face, GL_COMPILE);
    GlMeshSink sink;
    Material(kSkin, kAmbientShare, kDiffuseShare);
    EmitSkin(sink);
    Material(kBrow, kAmbientShare, kDiffuseShare);
    EmitBrows(sink);
    glEndList();
    g_compiledMargins = {};
}

void DrawFace(const SceneState& scene, const CoverBlends& blends, const ViewPose& pose)
{
    glPushAttrib(GL_LIGHTING_BIT | GL_ENABLE_BIT | GL_LINE_BIT | GL_CURRENT_BIT);
    // Skin is matt, and the shells are seen from both sides at the canthi.
    const GLfloat matt[] = {0.05f, 0.05f, 0.05f, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, matt);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 8);
    glDisable(GL_CULL_FACE);
    glDisable(GL_TEXTURE_2D);
    // Lids before the skin: the skin behind them then fails the depth test
    // instead of being shaded and drawn over.
    Material(kSkin, kAmbientShare, kDiffuseShare);
    glLineWidth(1.2f);
    for (int eye = 0; eye < kEyeCount; ++eye)
        DrawLids(eye, scene, blends, pose);
    glCallList(DisplayList::face);
    glPopAttrib();
}
