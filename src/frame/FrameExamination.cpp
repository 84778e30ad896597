// The examination as the window's controls hold it, for the view and the
// charts to read instead of the controls, and the edits the view asks for.
#include "widgets/Ids.h"
#include "frame/OverlayTimer.h"
#include "frame/PatientFrame.h"
#include "view/MyGLCanvas.h"

#include <wx/checkbox.h>
#include <wx/menu.h>
#include <wx/slider.h>
#include <wx/toolbar.h>

Examination PatientFrame::ExaminationNow() const {
    constexpr int kOccluderTool[kEyeCount] = {Id::OccluderEye1, Id::OccluderEye2};
    constexpr int kRedFilterTool[kEyeCount] = {Id::RedFilterEye1, Id::RedFilterEye2};
    constexpr int kTranslucentTool[kEyeCount] = {Id::TranslucentEye1, Id::TranslucentEye2};
    const wxCheckBox* const fixingBoxes[kEyeCount] = {m_coverCheckBox1, m_coverCheckBox2};

    Examination examination;
    const wxMenuBar* menus = GetMenuBar();
    const wxToolBar* tools = GetToolBar();
    const auto IsToolOn = [tools](int id) { return tools && tools->FindById(id) && tools->GetToolState(id); };
    examination.SetWholeDegrees(IsWholeDegreeMode());
    examination.SetModel(m_model);
    examination.SetDistance(m_blendSlider->GetValue());
    examination.SetLatent(menus->IsChecked(Id::ModeLatent));
    examination.SetQuadrantMarks(m_quadrantMarks);
    if (!IsPlaybackMode())
        examination.SetMuscles(m_muscles);
    examination.SetPath(std::string(m_caseFile.utf8_str()));
    examination.SetModified(m_modified);
    for (int index = 0; index < kEyeCount; ++index) {
        const Eye eye = index == 0 ? Eye::one : Eye::two;
        EyeAids aids;
        aids.occluder = IsToolOn(kOccluderTool[index]);
        aids.redFilter = IsToolOn(kRedFilterTool[index]);
        aids.translucentOccluder = IsToolOn(kTranslucentTool[index]);
        aids.fixesBehindFilter = fixingBoxes[index] && fixingBoxes[index]->GetValue();
        examination.SetAids(eye, aids);
        examination.SetPrism(eye, m_prisms[index]);
    }
    DisplayAids display;
    display.eyeCross = IsToolOn(Id::EyeCrossTool);
    display.axisLines = menus->IsChecked(Id::AxisLinesItem);
    display.penlight = IsToolOn(Id::FlashlightTool);
    display.quadrantEdit = IsToolOn(Id::QuadrantEditTool);
    display.quadrantHide = IsToolOn(Id::QuadrantHideTool);
    examination.SetDisplay(display);
    examination.SetPresentation(IsPresentation());
    if (m_canvas)
        examination.SetCycloStaysUnderCover(m_canvas->m_cycloStaysUnderCover);
    return examination;
}

bool PatientFrame::ExaminationReady() const {
    return m_blendSlider && m_coverCheckBox1 && m_coverCheckBox2 && GetMenuBar();
}

bool PatientFrame::AxisOverlaysShowing() const {
    return m_animTimerA && m_animTimerA->axisOverlaysVisible;
}

void PatientFrame::ToggleQuadrantMarks(std::uint8_t toggled) {
    m_quadrantMarks ^= toggled;
    m_modified = true;
    UpdateTitle(m_caseFile);
}

void PatientFrame::SwitchManifestLatent() {
    wxCommandEvent command(wxEVT_MENU, GetMenuBar()->IsChecked(Id::ModeLatent) ? Id::ModeManifest : Id::ModeLatent);
    command.SetEventObject(this);
    GetEventHandler()->ProcessEvent(command);
}
