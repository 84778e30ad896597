// Preferences kept between runs.
#include "frame/PatientFrame.h"

void PatientFrame::LoadSettings() {
    // First run: relabel everything in the language found at start-up.
    wxCommandEvent noMenuItem(wxEVT_MENU, 0);
    OnLanguage(noMenuItem);
}
