#pragma once

#include <memory>
#include <string>
#include <vector>

// An OpenGL context that needs no window and no display: Mesa's surfaceless
// EGL platform with a pbuffer of a fixed size, its buffers laid out as a
// window's on the X display (8 bits a colour and no alpha, the deepest
// depth buffer, no multisampling), so the view's drawing gives the same
// pixels here.
class OffscreenGl {
public:
    // The context made current, or null with the step that failed in error (English).
    static std::unique_ptr<OffscreenGl> Create(int width, int height, std::string& error);
    ~OffscreenGl();
    OffscreenGl(const OffscreenGl&) = delete;
    OffscreenGl& operator=(const OffscreenGl&) = delete;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // What was drawn, as RGB bytes in rows from the top.
    std::vector<unsigned char> ReadRgb() const;

private:
    OffscreenGl() = default;

    void* m_display = nullptr;
    void* m_surface = nullptr;
    void* m_context = nullptr;
    int m_width = 0;
    int m_height = 0;
};
