#include "frame/OverlayTimer.h"

#include "widgets/Ids.h"
#include "frame/PatientFrame.h"
#include "view/EyesCanvas.h"

#include <wx/menu.h>
#include <wx/statusbr.h>

void OverlayTimer::Notify()
{
    m_frame->ShowStatusNote(wxEmptyString, false);
    if (!m_frame->GetMenuBar()->IsChecked(Id::AxisLinesItem))
        axisOverlaysVisible = false;
    m_frame->View().Refresh(true, nullptr);
}
