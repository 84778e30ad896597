// The switches the toolbar, the menus and the fixing-eye boxes send to the
// examination, and the edits the view asks for.
#include "widgets/Ids.h"
#include "frame/OverlayTimer.h"
#include "frame/PatientFrame.h"
#include "lang/LanguageText.h"
#include "lang/TextIds.h"
#include "view/EyesCanvas.h"

#include <wx/checkbox.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include <cmath>

bool PatientFrame::IsToolOn(int id) const
{
    // A message shown at start-up runs the idle time before the tools exist.
    const wxToolBar* tools = GetToolBar();
    return tools && tools->FindById(id) && tools->GetToolState(id);
}

void PatientFrame::NoteSwitches()
{
    constexpr int kOccluderTool[kEyeCount] = {Id::OccluderEye1, Id::OccluderEye2};
    constexpr int kRedFilterTool[kEyeCount] = {Id::RedFilterEye1, Id::RedFilterEye2};
    constexpr int kTranslucentTool[kEyeCount] = {Id::TranslucentEye1, Id::TranslucentEye2};
    const wxCheckBox* const fixingBoxes[kEyeCount] = {m_coverCheckBox1, m_coverCheckBox2};

    const wxMenuBar* menus = GetMenuBar();
    if (!menus)
        return;
    m_examination.SetWholeDegrees(menus->IsChecked(Id::WholeDegreesItem));
    m_examination.SetLatent(menus->IsChecked(Id::ModeLatent));
    for (int index = 0; index < kEyeCount; ++index) {
        EyeAids aids;
        aids.occluder = IsToolOn(kOccluderTool[index]);
        aids.redFilter = IsToolOn(kRedFilterTool[index]);
        aids.translucentOccluder = IsToolOn(kTranslucentTool[index]);
        aids.fixesBehindFilter = fixingBoxes[index] && fixingBoxes[index]->GetValue();
        m_examination.SetAids(index == 0 ? Eye::one : Eye::two, aids);
    }
    DisplayAids display;
    // The menu items mirror their tools and exist before the toolbar does.
    display.eyeCross = menus->IsChecked(Id::EyeCrossItem);
    display.axisLines = menus->IsChecked(Id::AxisLinesItem);
    display.penlight = menus->IsChecked(Id::FlashlightItem);
    display.fixationTarget = menus->IsChecked(Id::ShowTargetItem);
    display.quadrantEdit = IsToolOn(Id::QuadrantEditTool);
    display.quadrantHide = IsToolOn(Id::QuadrantHideTool);
    display.face = menus->IsChecked(Id::FaceItem);
    m_examination.SetDisplay(display);
}

void PatientFrame::FollowExamination(Change change)
{
    if (!ExaminationReady() || !m_canvas)
        return;
    switch (change) {
    case Change::prisms:
        ShowPrismStatus();
        m_canvas->Refresh(false);
        break;
    case Change::target:
        ShowGazeTarget();
        ShowPrismStatus();
        break;
    case Change::angles:
        // The distance keys move the examination; the slider and the values follow.
        if (m_blendSlider->GetValue() != m_examination.Distance())
            ShowDistance();
        break;
    default:
        break;
    }
}

wxString PatientFrame::HeadStatusText() const
{
    const HeadPosture& head = m_examination.Head();
    struct Part {
        double degrees;
        int word;
        int positive;
        int negative;
    };
    const Part parts[] = {{head.turn, Text::TurnStatusWord, Text::RightWord, Text::LeftWord},
                          {head.tilt, Text::TiltStatusWord, Text::RightWord, Text::LeftWord},
                          {head.chinUp, Text::ChinStatusWord, Text::UpWord, Text::DownWord}};
    wxString status;
    for (const Part& part : parts) {
        const long degrees = std::lround(part.degrees);
        if (degrees == 0)
            continue;
        status += status.empty() ? LanguageText(*m_languageTable, Text::HeadStatus) + " " : wxString(", ");
        status += LanguageText(*m_languageTable, part.word) + wxString::Format(L" %ld\u00B0 ", std::labs(degrees)) +
                  LanguageText(*m_languageTable, degrees > 0 ? part.positive : part.negative);
    }
    return status;
}

bool PatientFrame::ExaminationReady() const
{
    return m_blendSlider && m_coverCheckBox1 && m_coverCheckBox2 && GetMenuBar();
}

bool PatientFrame::AxisOverlaysShowing() const
{
    return m_overlayTimer && m_overlayTimer->axisOverlaysVisible;
}

void PatientFrame::ToggleQuadrantMarks(std::uint8_t toggled)
{
    m_examination.SetQuadrantMarks(m_examination.QuadrantMarks() ^ toggled);
    m_examination.SetModified(true);
    UpdateTitle(CasePath());
}

void PatientFrame::SetHeadPosture(const HeadPosture& head)
{
    m_examination.SetHead(head);
}

void PatientFrame::SwitchManifestLatent()
{
    wxCommandEvent command(wxEVT_MENU, GetMenuBar()->IsChecked(Id::ModeLatent) ? Id::ModeManifest : Id::ModeLatent);
    command.SetEventObject(this);
    GetEventHandler()->ProcessEvent(command);
}
