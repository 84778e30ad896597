#include "view/FrameQueries.h"

#include "widgets/AngleSpinButton.h"
#include "frame/PatientFrame.h"
#include "lang/Latin1.h"
#include "model/AngleText.h"

#include <wx/textctrl.h>
#include <wx/toolbar.h>

bool IsToolOn(const PatientFrame& frame, int toolId) {
    const wxToolBar* tools = frame.GetToolBar();
    return tools && tools->FindById(toolId) && tools->GetToolState(toolId);
}

bool TextReadsZero(const PatientFrame& frame, int textId) {
    // Whole-degree parsing keeps the number as typed, without scaling.
    return ParseAngleText(ToLatin1(frame.TextField(textId)->GetValue()), true, false) == 0.0f;
}

int UnitDivisor(const PatientFrame& frame) {
    return frame.IsWholeDegreeMode() ? 1 : 100;
}

int SpinValue(const PatientFrame& frame, int spinId) {
    return frame.SpinButton(spinId)->GetValue();
}
