// Runs the GUI tests inside the real application object without its main
// loop: each test starts the program with PatientApp::OnInit itself.
#include "app/PatientApp.h"
#include "TestDialogs.h"

#include <gtest/gtest.h>
#include <wx/log.h>
#include <wx/utils.h>

#include <cstdio>
#include <cstdlib>
#include <string>

wxIMPLEMENT_APP_NO_MAIN(PatientApp);

namespace {

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg) {
    std::fprintf(stderr, "wx assertion at %s:%d in %s: %s %s\n", static_cast<const char*>(file.utf8_str()), line,
                 static_cast<const char*>(func.utf8_str()), static_cast<const char*>(cond.utf8_str()),
                 static_cast<const char*>(msg.utf8_str()));
    std::abort();
}

// Tests run side by side get a display each from CTest's "display" resource
// ("id:99,slots:1"); children the test starts inherit it.
void TakeTheDisplayCTestGave() {
    const char* given = std::getenv("CTEST_RESOURCE_GROUP_0_DISPLAY");
    if (!given)
        return;
    const std::string resource = given;
    const auto start = resource.find("id:");
    if (start == std::string::npos)
        return;
    const auto end = resource.find(',', start);
    const std::string display = ":" + resource.substr(start + 3, end == std::string::npos ? end : end - start - 3);
    setenv("DISPLAY", display.c_str(), 1);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();

    TakeTheDisplayCTestGave();
    wxSetAssertHandler(FailOnAssert);
    // A busy virtual display may refuse a connection for a moment.
    bool started = false;
    for (int attempt = 0; attempt < 5 && !started; ++attempt) {
        started = wxEntryStart(argc, argv);
        if (!started)
            wxMilliSleep(200);
    }
    if (!started) {
        std::fprintf(stderr, "The toolkit could not start: is there a display (run under xvfb-run)?\n");
        return 1;
    }
    // Log messages go to stderr, never into a modal log window.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    InstallUnexpectedDialogGuard();
    const int result = RUN_ALL_TESTS();
    wxEntryCleanup();
    return result;
}
