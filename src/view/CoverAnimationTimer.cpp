#include "view/CoverAnimationTimer.h"

#include "view/ViewHost.h"

void CoverAnimationTimer::Notify()
{
    // The timer starts while the main window is still being built.
    if (!m_host.ExaminationReady())
        return;
    if (!m_animation.Tick(CoverInputsOf(m_host.ExaminationNow())))
        return;
    ++m_movingTicks;
    if (m_repaint)
        m_repaint();
}
