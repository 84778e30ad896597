#pragma once

#include <wx/app.h>

#include <vector>

class PatientApp : public wxApp {
public:
    bool OnInit() override;

    // Files named on the command line, opened one after the other once the
    // window is up.
    static void SetFilesToOpen(std::vector<wxString> files);

private:
    static std::vector<wxString> s_filesToOpen;
};

wxDECLARE_APP(PatientApp);
