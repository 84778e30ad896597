#include "MappedSize.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <memory>

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

// The window's _NET_WM_NAME, the UTF-8 title GTK sets.
wxString TitleOf(Display* display, Window window)
{
    const Atom name = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, left = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, name, 0, 1024, False, utf8, &type, &format, &count, &left, &data) !=
            Success ||
        !data)
        return wxString();
    const wxString title = wxString::FromUTF8(reinterpret_cast<const char*>(data), count);
    XFree(data);
    return title;
}

}  // namespace

wxSize MappedSize(const wxString& title)
{
    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display)
        return wxDefaultSize;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display.get(), DefaultRootWindow(display.get()), &root, &parent, &children, &count))
        return wxDefaultSize;
    wxSize size = wxDefaultSize;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display.get(), children[i], &attributes) && attributes.map_state == IsViewable &&
            TitleOf(display.get(), children[i]) == title)
            size = wxSize(attributes.width, attributes.height);
    }
    if (children)
        XFree(children);
    return size;
}
