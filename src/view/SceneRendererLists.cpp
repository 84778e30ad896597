// Lights, material and the display lists of the eyes and the aids.
#include "view/SceneRenderer.h"

#include "view/DisplayLists.h"
#include "view/EyeGeometry.h"
#include "view/EyeRotation.h"
#include "view/FaceRenderer.h"
#include "view/GlMeshSink.h"
#include "view/IrisTexture.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr GLuint kIrisTexture = 21;
constexpr double kLensRadius = 0.4;
// Views that need up to this many segments keep the eyeball's bands; the
// default window's needs 26 at the nearest distance.
constexpr int kMostBandSegments = 32;
// The reflex is a small sharp spot, about 1 mm across on a 24 mm eye.
constexpr double kReflexSpotRadius = 0.018;
constexpr float kWedgeHalf = 0.3f;
// Share of the wedge's width shaded as its base.
constexpr float kWedgeBaseBand = 0.15f;

// Runs one GLU quadric draw call with the style every quadric of the view uses.
template <typename Draw>
void WithQuadric(Draw draw)
{
    GLUquadric* quadric = gluNewQuadric();
    if (!quadric)
        return;
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluQuadricOrientation(quadric, GLU_OUTSIDE);
    gluQuadricTexture(quadric, GL_FALSE);
    draw(quadric);
    gluDeleteQuadric(quadric);
}

void SetLights()
{
    const GLfloat ambient[] = {0.25f, 0.25f, 0.25f, 1};
    const GLfloat diffuse[] = {0.75f, 0.75f, 0.75f, 1};
    const GLfloat specular[] = {1, 1, 1, 1};
    const GLfloat frontPosition[] = {0, 0, 5, 0};
    const GLfloat backPosition[] = {0, 0, -5, 0};
    for (GLenum light : {GL_LIGHT0, GL_LIGHT1}) {
        glLightfv(light, GL_AMBIENT, ambient);
        glLightfv(light, GL_DIFFUSE, diffuse);
        glLightfv(light, GL_SPECULAR, specular);
    }
    glLightfv(GL_LIGHT0, GL_POSITION, frontPosition);
    glLightfv(GL_LIGHT1, GL_POSITION, backPosition);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);

    const GLfloat modelAmbient[] = {0.6f, 0.6f, 0.6f, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, modelAmbient);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, GL_FALSE);

    const GLfloat materialSpecular[] = {0.9f, 0.9f, 0.9f, 1};
    const GLfloat materialDiffuse[] = {0.9f, 0.9f, 0.9f, 1};
    glMaterialf(GL_FRONT, GL_SHININESS, 100);
    glMaterialfv(GL_FRONT, GL_SPECULAR, materialSpecular);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, materialDiffuse);

    glEnable(GL_LIGHTING);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
}

void BuildPupilList()
{
    glNewList(DisplayList::pupil, GL_COMPILE);
    glDisable(GL_LIGHT0);
    glDisable(GL_LIGHT1);
    const GLfloat dark[] = {0, 0, 0, 0};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, dark);
    glColor3f(0, 0, 0);
    glRectd(0.07, 0.07, -0.07, -0.07);
    const GLfloat modelAmbient[] = {0.6f, 0.6f, 0.6f, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, modelAmbient);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
    glEndList();
}

// Lines and lenses are drawn unlit, in the colour their caller chose.
template <typename Draw>
void BuildUnlitList(GLuint list, Draw draw)
{
    glNewList(list, GL_COMPILE);
    glDisable(GL_LIGHTING);
    glPushMatrix();
    draw();
    glPopMatrix();
    glEnable(GL_LIGHTING);
    glEndList();
}

void Line(double x1, double y1, double x2, double y2)
{
    glVertex3d(x1, y1, 0);
    glVertex3d(x2, y2, 0);
}

void FlatLens()
{
    glScalef(1, 1, 0.05f);
    WithQuadric([](GLUquadric* quadric) { gluSphere(quadric, kLensRadius, 130, 50); });
}

// A glass wedge with its thin edge at x = -kWedgeHalf and its base, one
// unit thick along z, at x = +kWedgeHalf; the caller scales the thickness
// and turns the base where it belongs. Seen from the front the base face is
// edge-on, so a darker band along the base shows which way the prism points.
void BuildWedge()
{
    const float h = kWedgeHalf;
    const float band = h * (1 - 2 * kWedgeBaseBand);
    const float bandDepth = (band + h) / (2 * h);
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.8f, 0.92f, 1.0f, 0.15f);
    glBegin(GL_QUADS);
    glVertex3f(-h, -h, 0), glVertex3f(h, -h, 0), glVertex3f(h, h, 0), glVertex3f(-h, h, 0);
    glVertex3f(-h, -h, 0), glVertex3f(band, -h, bandDepth), glVertex3f(band, h, bandDepth), glVertex3f(-h, h, 0);
    glEnd();
    glBegin(GL_TRIANGLES);
    glVertex3f(-h, -h, 0), glVertex3f(h, -h, 0), glVertex3f(h, -h, 1);
    glVertex3f(-h, h, 0), glVertex3f(h, h, 0), glVertex3f(h, h, 1);
    glEnd();
    glColor4f(0.3f, 0.4f, 0.55f, 0.7f);
    glBegin(GL_QUADS);
    glVertex3f(band, -h, bandDepth), glVertex3f(h, -h, 1), glVertex3f(h, h, 1), glVertex3f(band, h, bandDepth);
    glVertex3f(h, -h, 0), glVertex3f(h, -h, 1), glVertex3f(h, h, 1), glVertex3f(h, h, 0);
    glEnd();
    glColor4f(0.1f, 0.15f, 0.2f, 1.0f);
    glBegin(GL_LINE_LOOP);
    glVertex3f(-h, -h, 0), glVertex3f(h, -h, 1), glVertex3f(h, h, 1), glVertex3f(-h, h, 0);
    glEnd();
    glPopAttrib();
}

// The iris texture as a display list; false when its file could not be
// read, and the texture is then a black image.
bool BuildTextureList(GLuint list)
{
    std::vector<std::uint8_t> image;
    const bool loaded = LoadIrisTexture(kIrisTextureFile, image);
    glNewList(list, GL_COMPILE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glTexImage2D(GL_TEXTURE_2D, 0, 4, kIrisTextureSide, kIrisTextureSide, 0, GL_RGBA, GL_UNSIGNED_BYTE, image.data());
    glEndList();
    return loaded;
}

void DrawSphereBands(double radius, double segments, double thetaStart, double endCut, bool textured)
{
    GlMeshSink sink;
    EmitSphereBands(sink, radius, segments, thetaStart, endCut, textured);
}

void DrawTorus(double majorRadius, double minorRadius)
{
    GlMeshSink sink;
    EmitTorus(sink, majorRadius, minorRadius);
}

}  // namespace

bool SceneRenderer::SetUp(int eyeSegments)
{
    m_eyeSegments = eyeSegments;
    glShadeModel(GL_SMOOTH);
    glEnable(GL_DEPTH_TEST);
    BuildDisplayLists();

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-1, 1, -1, 1, 5, 25);
    // The model-view matrix is never reloaded: every frame and every
    // unprojection works under this translation.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0, 0, kSceneDepth);
    return m_textureLoaded;
}

void SceneRenderer::FitEyeball(int eyeSegments, double pixelRadius)
{
    m_eyeSegments = eyeSegments;
    m_segmentsForSize = SegmentsForPixelRadius(pixelRadius, eyeSegments);
    if (std::max(m_eyeSegments, m_segmentsForSize) != m_segmentsDrawn)
        CompileEyeball();
}

void SceneRenderer::RebuildEyeball(int eyeSegments)
{
    m_eyeSegments = eyeSegments;
    CompileEyeball();
}

void SceneRenderer::CompileEyeball()
{
    m_segmentsDrawn = std::max(m_eyeSegments, m_segmentsForSize);
    // The bands stay while the Display options' count or a view up to
    // about the default window's size asks for them, so those pictures stay
    // what they were. A larger view needs more segments only along the
    // outline: bands with that many everywhere cost a software renderer more
    // than the animation's time for a frame.
    m_eyeballFacesViewer = m_segmentsForSize > std::max(m_eyeSegments, kMostBandSegments);
    m_capDistance.reset();
    glNewList(m_eyeballFacesViewer ? DisplayList::eyeballRim : DisplayList::eyeball, GL_COMPILE);
    glPushMatrix();
    glColor4f(0.7f, 0.7f, 0.7f, 0.1f);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    if (m_eyeballFacesViewer) {
        GlMeshSink sink;
        EmitSphereZone(sink, kEyeballRadius, m_segmentsDrawn, static_cast<float>(kEyeballThetaStart),
                       kEyeballThetaStart + kEyeballRimWidth);
    } else {
        DrawSphereBands(kEyeballRadius, m_segmentsDrawn, kEyeballThetaStart, kEyeballEndCut, false);
    }
    glPopMatrix();
    glEndList();
}

void SceneRenderer::CompileEyeballCap(int distance)
{
    // The silhouette follows the head's distance; the eyes' place beside the
    // middle and the head's turn move it by far less than a pixel.
    m_capDistance = distance;
    const double depth = kSceneDepth + HeadDepth(distance);
    const double viewerDistance = std::hypot(kEyeCentreX[1], depth);
    glNewList(DisplayList::eyeballCap, GL_COMPILE);
    GlMeshSink sink;
    EmitSilhouetteCap(sink, kEyeballRadius, m_segmentsDrawn, SilhouetteTheta(kEyeballRadius, viewerDistance),
                      CapSpacing{});
    glEndList();
}

void SceneRenderer::BuildDisplayLists()
{
    SetLights();
    BuildPupilList();

    m_textureLoaded = BuildTextureList(DisplayList::irisTexture);
    glBindTexture(GL_TEXTURE_2D, kIrisTexture);
    glNewList(DisplayList::iris, GL_COMPILE);
    glPushMatrix();
    glColor4f(0.7f, 0.7f, 0.7f, 0.9f);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    glCallList(DisplayList::irisTexture);
    DrawSphereBands(kIrisRadius, kIrisSegments, kIrisThetaStart, kIrisEndCut, true);
    glPopMatrix();
    glEndList();

    glEnable(GL_LINE_SMOOTH);
    BuildUnlitList(DisplayList::eyeCross, [] {
        glLineWidth(1);
        glBegin(GL_LINES);
        Line(0, 0.3, 0, -0.3);
        Line(0.3, 0, -0.3, 0);
        glEnd();
    });
    BuildUnlitList(DisplayList::axisLine, [] {
        glLineWidth(1.3f);
        glBegin(GL_LINES);
        Line(0, 0.4, 0, -0.4);
        glEnd();
    });
    BuildUnlitList(DisplayList::filterLens, [] { FlatLens(); });
    BuildUnlitList(DisplayList::occluderLens, [] {
        glColor3f(0.1f, 0.1f, 0.1f);
        FlatLens();
    });
    // The pixels of a GLU disk of 130 slices and fifty rings, in the same flat
    // colour, without the rings' and the centre's slivers.
    BuildUnlitList(DisplayList::translucentDisc, [] {
        GlMeshSink sink;
        EmitFlatDisc(sink, kLensRadius, 130);
    });
    BuildUnlitList(DisplayList::lensFrame, [] {
        glColor3f(0, 0, 0);
        DrawTorus(0.4, 0.014);
        glTranslatef(0, -0.385f, 0);
        glRotated(90, 1, 0, 0);
        WithQuadric([](GLUquadric* quadric) { gluCylinder(quadric, 0.025, 0.025, 1, 10, 10); });
    });

    BuildUnlitList(DisplayList::reflexSpot, [] {
        glColor3f(1, 1, 1);
        WithQuadric([](GLUquadric* quadric) { gluDisk(quadric, 0, kReflexSpotRadius, 16, 1); });
    });
    glNewList(DisplayList::prismWedge, GL_COMPILE);
    BuildWedge();
    glEndList();
    CompileFaceList();

    CompileEyeball();
}
