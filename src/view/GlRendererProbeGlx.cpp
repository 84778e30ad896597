#include "view/GlRendererProbe.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

namespace {

// A one-pixel off-screen surface is enough to make a context current.
std::string RendererOf(Display* display)
{
    const int configAttributes[] = {GLX_DRAWABLE_TYPE, GLX_PBUFFER_BIT, GLX_RENDER_TYPE, GLX_RGBA_BIT, None};
    int count = 0;
    GLXFBConfig* configs = glXChooseFBConfig(display, DefaultScreen(display), configAttributes, &count);
    if (!configs)
        return {};
    std::string renderer;
    if (count > 0) {
        const int surfaceAttributes[] = {GLX_PBUFFER_WIDTH, 1, GLX_PBUFFER_HEIGHT, 1, None};
        const GLXPbuffer surface = glXCreatePbuffer(display, configs[0], surfaceAttributes);
        const GLXContext context = glXCreateNewContext(display, configs[0], GLX_RGBA_TYPE, nullptr, True);
        // A context of this thread that was current stays current after the probe.
        Display* const previousDisplay = glXGetCurrentDisplay();
        const GLXDrawable previousDraw = glXGetCurrentDrawable();
        const GLXDrawable previousRead = glXGetCurrentReadDrawable();
        const GLXContext previousContext = glXGetCurrentContext();
        if (surface && context && glXMakeContextCurrent(display, surface, surface, context)) {
            if (const auto* name = reinterpret_cast<const char*>(glGetString(GL_RENDERER)))
                renderer = name;
            if (previousContext)
                glXMakeContextCurrent(previousDisplay, previousDraw, previousRead, previousContext);
            else
                glXMakeContextCurrent(display, None, None, nullptr);
        }
        if (context)
            glXDestroyContext(display, context);
        if (surface)
            glXDestroyPbuffer(display, surface);
    }
    XFree(configs);
    return renderer;
}

}  // namespace

std::string ProbeGlRenderer()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return {};
    std::string renderer = RendererOf(display);
    XCloseDisplay(display);
    return renderer;
}
