#pragma once

#include <wx/app.h>

class PatientApp : public wxApp {
public:
    bool OnInit() override;
};

wxDECLARE_APP(PatientApp);
