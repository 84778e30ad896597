#pragma once

#include <wx/glcanvas.h>

#include <memory>

class LanguageTable;
class PatientFrame;

// The 3D view of the main window. It owns the one GL context of the program
// and reads everything it draws from the main window's controls.
class MyGLCanvas : public wxGLCanvas {
public:
    MyGLCanvas(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style,
               const wxString& name, const int* attribList);

    void setLanguageTable(LanguageTable* table) { m_languageTable = table; }
    void setFrame(PatientFrame* frame);

    // Makes the context current once the window is realized; false before that.
    bool MakeCurrent();

    // Drawing parameters, edited by the display options and kept in the settings file.
    int m_eyeSegments = 22;
    float m_occluderAlpha = 0.2f;
    float m_redFilterAlpha = 0.2f;
    float m_quadrantAlpha = 0.6f;
    wxColour m_backgroundColour{50, 50, 50};
    wxColour m_redFilterColour{75, 0, 0};
    wxColour m_occluderColour{32, 32, 32};
    wxColour m_crossColour{255, 255, 255};
    wxColour m_axisColour{0, 51, 128};
    wxColour m_quadrantColour{179, 179, 255};

    // Clears to the background colour; the scene itself is added with the eye drawing.
    void Render();

private:
    void OnPaint(wxPaintEvent& event);
    void OnEraseBackground(wxEraseEvent& event);

    std::unique_ptr<wxGLContext> m_context;
    LanguageTable* m_languageTable = nullptr;
    PatientFrame* m_frame = nullptr;

    wxDECLARE_EVENT_TABLE();
};
