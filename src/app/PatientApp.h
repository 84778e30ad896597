#pragma once

#include <wx/app.h>

#include <vector>

class PatientFrame;

class PatientApp : public wxApp {
public:
    bool OnInit() override;

    // The main window as start-up builds it, not shown yet; null when it
    // cannot start (no language file, which it has said).
    static PatientFrame* BuildMainWindow();
    // The main window while there is one.
    static PatientFrame* MainWindow();

    // Files named on the command line, opened one after the other once the
    // window is up.
    static void SetFilesToOpen(std::vector<wxString> files);

private:
    static std::vector<wxString> s_filesToOpen;
};

wxDECLARE_APP(PatientApp);
