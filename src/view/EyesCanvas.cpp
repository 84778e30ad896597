// The canvas's context, its one-time GL set-up, viewport and projection.
#include "view/EyesCanvas.h"

#include "lang/LanguageTable.h"
#include "lang/Latin1.h"
#include "lang/TextIds.h"
#include "view/ViewHost.h"
#include "view/GlRendererProbe.h"
#include "view/RendererKind.h"
#include "widgets/ScreenText.h"

#include <wx/dcclient.h>

#include <algorithm>
#include <vector>

#include <GL/gl.h>

namespace {

const std::string kTextureError =
    "The iris texture (texturen.dat) could not be loaded.\nThe iris is drawn without a pattern.";
const std::string kTextureErrorCaption = "Error";

// Without an attribute list GTK gives a visual without a depth buffer, and
// the eyes and lenses would then cover each other in drawing order. The
// pupil lies only 0.007 behind the iris at a depth of about 450, which 16
// bits cannot separate, so 24 bits are asked for where the display has them.
//
// Smooth edges come from a multisampled visual, asked for only where the
// graphics card draws: a renderer on the processor would pay several times
// the paint time for them, and a full-screen view could no longer keep up
// with the cover animation.
const int* DefaultAttributes()
{
    static const int smooth[] = {
        WX_GL_RGBA, WX_GL_DOUBLEBUFFER, WX_GL_DEPTH_SIZE, 24, WX_GL_SAMPLE_BUFFERS, 1, WX_GL_SAMPLES, 4, 0};
    static const int deep[] = {WX_GL_RGBA, WX_GL_DOUBLEBUFFER, WX_GL_DEPTH_SIZE, 24, 0};
    static const int shallow[] = {WX_GL_RGBA, WX_GL_DOUBLEBUFFER, WX_GL_DEPTH_SIZE, 16, 0};
    static const int* const chosen = [] {
        if (!IsSoftwareRenderer(ProbeGlRenderer()) && wxGLCanvas::IsDisplaySupported(smooth))
            return smooth;
        return wxGLCanvas::IsDisplaySupported(deep) ? deep : shallow;
    }();
    return chosen;
}

}  // namespace

wxBEGIN_EVENT_TABLE(EyesCanvas, wxGLCanvas)
    EVT_PAINT(EyesCanvas::OnPaint)
    EVT_ERASE_BACKGROUND(EyesCanvas::OnEraseBackground)
    EVT_MOUSE_EVENTS(EyesCanvas::OnMouse)
    EVT_SIZE(EyesCanvas::OnSize)
wxEND_EVENT_TABLE()

EyesCanvas::EyesCanvas(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
                       const wxString& name, const int* attribList)
    : wxGLCanvas(parent, id, attribList ? attribList : DefaultAttributes(), pos, size, style, name),
      m_context(std::make_unique<wxGLContext>(this))
{}

void EyesCanvas::SetHost(ViewHost* host)
{
    m_host = host;
    Refresh(true, nullptr);
}

bool EyesCanvas::PrepareGl()
{
    switch (m_glSetUp) {
    case GlSetUp::done:
        // The one context stays current for the whole run.
        return true;
    case GlSetUp::running:
        // A paint while the set-up waits for its texture message.
        return false;
    case GlSetUp::pending:
        break;
    }
    // GTK refuses SetCurrent() until the window has an X window of its own.
    if (!IsShownOnScreen() || !SetCurrent(*m_context))
        return false;
    m_glSetUp = GlSetUp::running;
    InitGl();
    m_glSetUp = GlSetUp::done;
    return true;
}

void EyesCanvas::InitGl()
{
    ResetView();
    const bool textureLoaded = m_renderer.SetUp(m_eyeSegments);
    if (!textureLoaded && m_languageTable) {
        // The iris is then drawn from a black image; start-up goes on.
        ShowMessage(FromLatin1(m_languageTable->GetOr(Text::TextureError, kTextureError)),
                    FromLatin1(m_languageTable->GetOr(Text::TextureErrorCaption, kTextureErrorCaption)),
                    wxOK | wxICON_ERROR | wxCENTRE);
    }
    FitViewport();
}

void EyesCanvas::FitViewport()
{
    const wxSize size = GetClientSize();
    m_viewport = ViewportForCanvasSize(m_viewport, size.GetWidth(), size.GetHeight());
    glViewport(0, 0, m_viewport.width, m_viewport.height);
    glGetIntegerv(GL_VIEWPORT, m_viewportRect);
}

void EyesCanvas::OnSize(wxSizeEvent& event)
{
    // The next render takes the new size.
    Refresh(false, nullptr);
    event.Skip();
}

FrustumExtents EyesCanvas::ViewFrustum() const
{
    const FrustumExtents frustum = ProjectionFrustum(m_viewport);
    return m_fillWidth ? ZoomedFrustum(frustum, PresentationZoom(m_viewport)) : frustum;
}

void EyesCanvas::SetFillWidth(bool fill)
{
    m_fillWidth = fill;
    Refresh(false, nullptr);
}

FrustumExtents EyesCanvas::DrawnFrustum() const
{
    const FrustumExtents frustum = ViewFrustum();
    return m_pictureTile ? TileFrustum(frustum, m_pictureTile->scale, m_pictureTile->column, m_pictureTile->row)
                         : frustum;
}

void EyesCanvas::SetProjection()
{
    const FrustumExtents frustum = DrawnFrustum();
    glFrustum(frustum.left, frustum.right, frustum.bottom, frustum.top, frustum.nearPlane, frustum.farPlane);
}

void EyesCanvas::FitEyeballSegments(int pictureScale)
{
    m_renderer.FitEyeball(m_eyeSegments, EyeballPixelRadius(m_viewport, ViewFrustum(), ShownDistance()) * pictureScale);
}

void EyesCanvas::BuildEyeballList()
{
    // Before the set-up there is nothing to rebuild: it compiles the eyeball
    // with the segment count of that moment.
    if (IsGlReady())
        m_renderer.RebuildEyeball(m_eyeSegments);
}

wxImage EyesCanvas::RenderPicture(int scale)
{
    if (scale < 1 || !PrepareGl())
        return wxImage();
    FitViewport();
    FitEyeballSegments(scale);
    const int width = m_viewport.width;
    const int height = m_viewport.height;
    wxImage picture(width * scale, height * scale);
    std::vector<unsigned char> tile(static_cast<std::size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    // GL 1.1 has no offscreen buffer: a larger picture is drawn in tiles of
    // the view's size, each through its part of the frustum.
    for (int row = 0; row < scale; ++row)
        for (int column = 0; column < scale; ++column) {
            m_pictureTile = PictureTile{scale, column, row};
            RenderScene();
            glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, tile.data());
            unsigned char* target = picture.GetData();
            for (int y = 0; y < height; ++y) {
                // GL counts rows from the bottom, the picture from the top.
                const unsigned char* source = tile.data() + static_cast<std::size_t>(height - 1 - y) * width * 3;
                const std::size_t offset = (static_cast<std::size_t>(row * height + y) * width * scale +
                                            static_cast<std::size_t>(column) * width) *
                                           3;
                std::copy(source, source + static_cast<std::size_t>(width) * 3, target + offset);
            }
        }
    m_pictureTile.reset();
    Refresh(false, nullptr);
    return picture;
}

void EyesCanvas::SetGazeTarget(std::optional<GazeDirection> target)
{
    m_gazeTarget = target;
    if (HostReady())
        AimEyes(m_host->ExaminationNow(), m_gazeTarget ? PointerOffsetForDirection(*m_gazeTarget) : m_aimedOffset);
}

void EyesCanvas::ResetView()
{
    m_viewRotX = m_viewRotY = m_viewRotZ = 0;
    for (int eye = 0; eye < 2; ++eye)
        m_gazeAzimuth[eye] = m_gazeElevation[eye] = 0;
    m_muscleTarget = {};
    m_aimedOffset = {};
    // Straight ahead, and the pointer leads again.
    m_gazeTarget.reset();
}

bool EyesCanvas::Render()
{
    if (!PrepareGl())
        return false;
    // GTK may deliver the canvas's new size after the window's, so every
    // frame looks at the size it is drawn for.
    FitViewport();
    FitEyeballSegments(1);
    RenderScene();
    return true;
}

void EyesCanvas::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    if (!IsGlReady()) {
        // The set-up may show the texture message; it runs outside the
        // toolkit's paint cycle, which a modal loop would hold up.
        if (!m_setUpQueued) {
            m_setUpQueued = true;
            CallAfter([this] {
                m_setUpQueued = false;
                if (PrepareGl())
                    Refresh(false, nullptr);
            });
        }
        return;
    }
    if (Render())
        SwapBuffers();
    ReportFixation();
}

void EyesCanvas::OnEraseBackground(wxEraseEvent&)
{
    // Deliberately empty: GL paints every pixel, and an erase would flicker.
}
