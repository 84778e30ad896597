// View -> Hess chart and View -> Nine positions: one window of each at most,
// brought forward and drawn afresh when asked for again.
#include "charts/HessChartWindow.h"
#include "charts/NinePositionsWindow.h"
#include "widgets/Ids.h"
#include "frame/PatientFrame.h"

namespace {

template <typename Window>
void ShowChartWindow(PatientFrame* frame, int windowId)
{
    auto* window = dynamic_cast<Window*>(wxWindow::FindWindowById(windowId, frame));
    if (!window)
        window = new Window(frame, *frame);
    window->Show();
    window->Raise();
    window->Renew();
}

}  // namespace

void PatientFrame::ShowHessChart()
{
    ShowChartWindow<HessChartWindow>(this, Id::HessChartWindow);
}

void PatientFrame::ShowNinePositions()
{
    ShowChartWindow<NinePositionsWindow>(this, Id::NinePositionsWindow);
}
