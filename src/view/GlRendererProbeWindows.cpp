#include "view/GlRendererProbe.h"

#include <windows.h>

#include <GL/gl.h>

namespace {

// The pixel format fits one window only, so the probe draws on a hidden
// window of its own, which it destroys afterwards.
std::string RendererOf(HDC device)
{
    PIXELFORMATDESCRIPTOR wanted{};
    wanted.nSize = sizeof wanted;
    wanted.nVersion = 1;
    wanted.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    wanted.iPixelType = PFD_TYPE_RGBA;
    wanted.cColorBits = 24;
    wanted.cDepthBits = 16;
    wanted.iLayerType = PFD_MAIN_PLANE;
    const int format = ::ChoosePixelFormat(device, &wanted);
    if (format == 0 || !::SetPixelFormat(device, format, &wanted))
        return {};
    const HGLRC context = ::wglCreateContext(device);
    if (!context)
        return {};
    // A context of this thread that was current stays current after the probe.
    const HDC previousDevice = ::wglGetCurrentDC();
    const HGLRC previousContext = ::wglGetCurrentContext();
    std::string renderer;
    if (::wglMakeCurrent(device, context)) {
        if (const auto* name = reinterpret_cast<const char*>(::glGetString(GL_RENDERER)))
            renderer = name;
        ::wglMakeCurrent(previousDevice, previousContext);
    }
    ::wglDeleteContext(context);
    return renderer;
}

}  // namespace

std::string ProbeGlRenderer()
{
    const HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                          ::GetModuleHandleW(nullptr), nullptr);
    if (!window)
        return {};
    std::string renderer;
    if (const HDC device = ::GetDC(window)) {
        renderer = RendererOf(device);
        ::ReleaseDC(window, device);
    }
    ::DestroyWindow(window);
    return renderer;
}
