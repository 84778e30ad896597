#include "view/OffscreenGl.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>

#include <algorithm>
#include <utility>

namespace {

// The window's visual on the X display has no alpha channel, and the lens
// blending reads the destination's alpha: a buffer with one would change
// the picture. Its depth buffer is the deepest GLX offers for the 24 bits
// the canvas asks for: 32 bits with Mesa.
constexpr EGLint kAlphaBits = 0;
constexpr EGLint kLeastDepthBits = 24;

EGLint Attribute(EGLDisplay display, EGLConfig config, EGLint attribute)
{
    EGLint value = -1;
    eglGetConfigAttrib(display, config, attribute, &value);
    return value;
}

bool Fits(EGLDisplay display, EGLConfig config)
{
    const auto value = [&](EGLint attribute) { return Attribute(display, config, attribute); };
    return value(EGL_RED_SIZE) == 8 && value(EGL_GREEN_SIZE) == 8 && value(EGL_BLUE_SIZE) == 8 &&
           value(EGL_ALPHA_SIZE) == kAlphaBits && value(EGL_DEPTH_SIZE) >= kLeastDepthBits &&
           value(EGL_SAMPLE_BUFFERS) == 0;
}

EGLConfig ChooseConfig(EGLDisplay display)
{
    const EGLint wanted[] = {EGL_SURFACE_TYPE,
                             EGL_PBUFFER_BIT,
                             EGL_RENDERABLE_TYPE,
                             EGL_OPENGL_BIT,
                             EGL_RED_SIZE,
                             8,
                             EGL_GREEN_SIZE,
                             8,
                             EGL_BLUE_SIZE,
                             8,
                             EGL_DEPTH_SIZE,
                             kLeastDepthBits,
                             EGL_NONE};
    EGLint count = 0;
    if (!eglChooseConfig(display, wanted, nullptr, 0, &count) || count <= 0)
        return nullptr;
    std::vector<EGLConfig> configs(static_cast<std::size_t>(count));
    eglChooseConfig(display, wanted, configs.data(), count, &count);
    configs.resize(static_cast<std::size_t>(std::max(count, 0)));
    EGLConfig chosen = nullptr;
    for (EGLConfig config : configs) {
        if (!Fits(display, config))
            continue;
        // Deepest first, then without a stencil buffer nobody uses.
        const auto rank = [&](EGLConfig c) {
            return std::make_pair(Attribute(display, c, EGL_DEPTH_SIZE), -Attribute(display, c, EGL_STENCIL_SIZE));
        };
        if (!chosen || rank(config) > rank(chosen))
            chosen = config;
    }
    return chosen;
}

}  // namespace

std::unique_ptr<OffscreenGl> OffscreenGl::Create(int width, int height, std::string& error)
{
    std::unique_ptr<OffscreenGl> gl(new OffscreenGl);
    gl->m_width = width;
    gl->m_height = height;
    const auto getPlatformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!getPlatformDisplay) {
        error = "EGL offers no platform displays (eglGetPlatformDisplayEXT)";
        return nullptr;
    }
    EGLDisplay display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr)) {
        error = "EGL has no surfaceless display (Mesa's EGL_PLATFORM_SURFACELESS_MESA)";
        return nullptr;
    }
    gl->m_display = display;
    const EGLConfig config = ChooseConfig(display);
    if (!config) {
        error = "EGL offers no OpenGL pbuffer with 8-bit colour and a depth buffer of 24 bits or more";
        return nullptr;
    }
    if (!eglBindAPI(EGL_OPENGL_API)) {
        error = "EGL cannot bind desktop OpenGL";
        return nullptr;
    }
    const EGLint size[] = {EGL_WIDTH, width, EGL_HEIGHT, height, EGL_NONE};
    gl->m_surface = eglCreatePbufferSurface(display, config, size);
    if (gl->m_surface == EGL_NO_SURFACE) {
        error = "EGL cannot create a pbuffer of " + std::to_string(width) + " x " + std::to_string(height);
        return nullptr;
    }
    gl->m_context = eglCreateContext(display, config, EGL_NO_CONTEXT, nullptr);
    if (gl->m_context == EGL_NO_CONTEXT) {
        error = "EGL cannot create an OpenGL context";
        return nullptr;
    }
    if (!eglMakeCurrent(display, gl->m_surface, gl->m_surface, gl->m_context)) {
        error = "EGL cannot make its OpenGL context current";
        return nullptr;
    }
    glViewport(0, 0, width, height);
    return gl;
}

OffscreenGl::~OffscreenGl()
{
    if (!m_display)
        return;
    eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (m_context)
        eglDestroyContext(m_display, m_context);
    if (m_surface)
        eglDestroySurface(m_display, m_surface);
    // The display stays initialised: EGL hands the process this one
    // surfaceless display each time, and terminating it would unload Mesa's
    // driver under whatever it still holds.
}

std::vector<unsigned char> OffscreenGl::ReadRgb() const
{
    const std::size_t row = static_cast<std::size_t>(m_width) * 3;
    std::vector<unsigned char> bottomUp(row * static_cast<std::size_t>(m_height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, m_width, m_height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    // GL counts rows from the bottom, a picture from the top.
    std::vector<unsigned char> topDown(bottomUp.size());
    for (int y = 0; y < m_height; ++y)
        std::copy_n(bottomUp.begin() + static_cast<std::ptrdiff_t>(row * static_cast<std::size_t>(m_height - 1 - y)),
                    row, topDown.begin() + static_cast<std::ptrdiff_t>(row * static_cast<std::size_t>(y)));
    return topDown;
}
