#include "ScreenImage.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

struct ImageDestroyer {
    void operator()(XImage* image) const { XDestroyImage(image); }
};

// The 8-bit channel of a pixel under one of the visual's colour masks.
unsigned char Channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (!((mask >> shift) & 1))
        ++shift;
    const unsigned long top = mask >> shift;
    return static_cast<unsigned char>(((pixel & mask) >> shift) * 255 / top);
}

}  // namespace

wxImage ScreenImage(const wxRect& area)
{
    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display)
        return wxImage();
    // Reading beyond the screen is an X error, which ends the program.
    const wxRect shown = area.Intersect(wxRect(0, 0, DisplayWidth(display.get(), DefaultScreen(display.get())),
                                               DisplayHeight(display.get(), DefaultScreen(display.get()))));
    if (shown != area || area.IsEmpty())
        return wxImage();
    const std::unique_ptr<XImage, ImageDestroyer> pixels(XGetImage(
        display.get(), DefaultRootWindow(display.get()), area.x, area.y, area.width, area.height, AllPlanes, ZPixmap));
    if (!pixels)
        return wxImage();
    wxImage image(area.width, area.height);
    for (int y = 0; y < area.height; ++y)
        for (int x = 0; x < area.width; ++x) {
            const unsigned long pixel = XGetPixel(pixels.get(), x, y);
            image.SetRGB(x, y, Channel(pixel, pixels->red_mask), Channel(pixel, pixels->green_mask),
                         Channel(pixel, pixels->blue_mask));
        }
    return image;
}
