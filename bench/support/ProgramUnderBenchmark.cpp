#include "ProgramUnderBenchmark.h"

#include "app/PatientApp.h"

#include <wx/log.h>
#include <wx/utils.h>

#include <cstdio>

bool StartProgramUnderBenchmark(int argc, char** argv)
{
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "No display: run under xvfb-run.\n");
        return false;
    }
    delete wxLog::SetActiveTarget(new wxLogStderr);
    if (!wxTheApp->CallOnInit() || !PatientApp::MainWindow()) {
        std::fprintf(stderr, "The program did not start: run from a folder with a language file (build/run).\n");
        return false;
    }
    SettleEvents();
    return true;
}

void SettleEvents(int rounds)
{
    for (int i = 0; i < rounds; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxYield();
        wxMilliSleep(5);
    }
}
