#include "view/MyGLCanvas.h"

#include <wx/dcclient.h>

#include <GL/gl.h>

wxBEGIN_EVENT_TABLE(MyGLCanvas, wxGLCanvas)
    EVT_PAINT(MyGLCanvas::OnPaint)
    EVT_ERASE_BACKGROUND(MyGLCanvas::OnEraseBackground)
wxEND_EVENT_TABLE()

MyGLCanvas::MyGLCanvas(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                       long style, const wxString& name, const int* attribList)
    : wxGLCanvas(parent, id, attribList, pos, size, style, name),
      m_context(std::make_unique<wxGLContext>(this)) {}

void MyGLCanvas::setFrame(PatientFrame* frame) {
    m_frame = frame;
    Refresh(true, nullptr);
}

bool MyGLCanvas::MakeCurrent() {
    // GTK refuses SetCurrent() until the window has an X window of its own.
    return IsShownOnScreen() && SetCurrent(*m_context);
}

void MyGLCanvas::Render() {
    // Components are scaled by 1/256, as stored colours have always been.
    glClearColor(m_backgroundColour.Red() / 256.0f, m_backgroundColour.Green() / 256.0f,
                 m_backgroundColour.Blue() / 256.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void MyGLCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    if (!MakeCurrent())
        return;
    Render();
    SwapBuffers();
}

void MyGLCanvas::OnEraseBackground(wxEraseEvent&) {
    // Deliberately empty: GL paints every pixel, and an erase would flicker.
}
