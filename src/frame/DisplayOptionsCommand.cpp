// Options -> Display: the dialog edits copies of the window's and the view's
// display settings; Apply takes the visual ones, OK all of them.
#include "frame/PatientFrame.h"
#include "playback/DisplayOptionsDialog.h"
#include "view/EyesCanvas.h"

namespace {

void ApplyVisualSettings(PatientFrame& frame, const DisplayOptionsDialog& dialog)
{
    const DisplayOptionsDialog::Colours& colours = dialog.WorkingColours();
    EyesCanvas& canvas = frame.View();
    frame.SetControlColours(colours[panelColourSlot], colours[textColourSlot]);
    canvas.m_backgroundColour = colours[backgroundColourSlot];
    canvas.m_redFilterColour = colours[redFilterColourSlot];
    canvas.m_occluderColour = colours[occluderColourSlot];
    canvas.m_quadrantColour = colours[quadrantColourSlot];
    canvas.m_crossColour = colours[crossColourSlot];
    canvas.m_axisColour = colours[axisColourSlot];
    canvas.m_occluderAlpha = dialog.OccluderAlpha();
    canvas.m_redFilterAlpha = dialog.RedFilterAlpha();
    canvas.m_quadrantAlpha = dialog.QuadrantAlpha();
    canvas.m_eyeSegments = dialog.SegmentsChoice();
    canvas.BuildEyeballList();
    frame.ApplyPanelColours();
}

}  // namespace

void PatientFrame::ShowDisplayOptions()
{
    // A running playback goes on behind the display options.
    EyesCanvas& canvas = *m_canvas;
    const DisplayOptionsDialog::Colours colours = {m_panelColour,
                                                   m_textColour,
                                                   canvas.m_backgroundColour,
                                                   canvas.m_redFilterColour,
                                                   canvas.m_occluderColour,
                                                   canvas.m_quadrantColour,
                                                   canvas.m_crossColour,
                                                   canvas.m_axisColour};
    const DisplaySwitches switches{m_showBothEyesHint, m_showCoverHint, canvas.m_angleKappa,
                                   m_examination.CycloStaysUnderCover()};
    DisplayOptionsDialog dialog(this, wxEmptyString, wxDefaultPosition, wxSize(330, 205), canvas.m_eyeSegments, colours,
                                canvas.m_redFilterAlpha, canvas.m_occluderAlpha, canvas.m_quadrantAlpha,
                                m_qualityThreshold, switches, m_languageTable,
                                [this](const DisplayOptionsDialog& shown) { ApplyVisualSettings(*this, shown); });
    if (dialog.ShowModal() != DisplayOptionsId::OkButton)
        return;
    m_qualityThreshold = dialog.QualityThreshold();
    m_showBothEyesHint = dialog.ShowBothEyesHint();
    m_showCoverHint = dialog.ShowCoverHint();
    canvas.m_angleKappa = dialog.AngleKappa();
    m_examination.SetCycloStaysUnderCover(dialog.CycloStaysUnderCover());
    ApplyVisualSettings(*this, dialog);
}
