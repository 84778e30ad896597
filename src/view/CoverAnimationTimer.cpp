#include "view/CoverAnimationTimer.h"

#include "frame/Ids.h"
#include "frame/PatientFrame.h"
#include "model/EyeQuantity.h"
#include "view/FrameQueries.h"
#include "view/MyGLCanvas.h"

#include <wx/checkbox.h>
#include <wx/menu.h>

CoverInputs CoverAnimationTimer::readInputs() const {
    const PatientFrame& frame = *m_frame;
    CoverInputs inputs;
    inputs.manifestMode = frame.GetMenuBar()->IsChecked(Id::ModeManifest);
    inputs.occluder = {IsToolOn(frame, Id::OccluderEye1), IsToolOn(frame, Id::OccluderEye2)};
    inputs.redFilter = {IsToolOn(frame, Id::RedFilterEye1), IsToolOn(frame, Id::RedFilterEye2)};
    inputs.translucentOccluder = {IsToolOn(frame, Id::TranslucentEye1), IsToolOn(frame, Id::TranslucentEye2)};
    inputs.offsetTextZero = {
        TextReadsZero(frame, FindQuantityControl(Eye::one, EyeQuantity::verticalOffset).textId),
        TextReadsZero(frame, FindQuantityControl(Eye::two, EyeQuantity::verticalOffset).textId)};
    inputs.coverCheckBox1 = frame.m_coverCheckBox1->GetValue();
    inputs.coverCheckBox2 = frame.m_coverCheckBox2->GetValue();
    return inputs;
}

void CoverAnimationTimer::Notify() {
    // The timer starts while the main window is still being built.
    if (!m_frame->m_canvas || !m_frame->m_coverCheckBox2)
        return;
    if (!m_animation.Tick(readInputs()))
        return;
    ++m_movingTicks;
    m_frame->m_canvas->Refresh(true, nullptr);
}
