// The main window as the quiz's host.
#include "frame/PatientFrame.h"
#include "view/EyesCanvas.h"
#include "widgets/Ids.h"

#include <wx/menu.h>
#include <wx/toolbar.h>

void PatientFrame::LeaveWholeDegrees()
{
    // Through the menu's own command, so the controls' ranges and the stored values follow.
    if (!IsWholeDegreeMode())
        return;
    GetMenuBar()->Check(Id::WholeDegreesItem, false);
    ApplyAngleUnit();
}

bool PatientFrame::OpenQuizCase(const wxString& path)
{
    const bool read = ReadCaseFile(path);
    UpdateTitle(wxEmptyString);
    return read;
}

wxRect PatientFrame::EyesOnScreen() const
{
    const wxRect eyesInCanvas = m_canvas->EyesArea();
    return {m_canvas->ClientToScreen(eyesInCanvas.GetTopLeft()), eyesInCanvas.GetSize()};
}

void PatientFrame::QuizClosed()
{
    GetToolBar()->ToggleTool(Id::QuizTool, false);
    ApplyQuizTool();
    m_quizFrame = nullptr;
}
