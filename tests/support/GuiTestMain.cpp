// Runs the GUI tests inside the real application object without its main
// loop: each test starts the program with PatientApp::OnInit itself.
#include "app/PatientApp.h"
#include "TestDialogs.h"

#include <gtest/gtest.h>
#include <wx/log.h>
#include <wx/utils.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

wxIMPLEMENT_APP_NO_MAIN(PatientApp);

namespace {

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg)
{
    std::fprintf(stderr, "wx assertion at %s:%d in %s: %s %s\n", static_cast<const char*>(file.utf8_str()), line,
                 static_cast<const char*>(func.utf8_str()), static_cast<const char*>(cond.utf8_str()),
                 static_cast<const char*>(msg.utf8_str()));
    std::abort();
}

// Tests run side by side each claim one of the displays the runner started
// (SQUINX_TEST_DISPLAYS, numbers) by locking it for the process's life; the
// processes a test starts inherit the display and claim none.
void ClaimAFreeDisplay()
{
    const char* listed = std::getenv("SQUINX_TEST_DISPLAYS");
    const char* lockFolder = std::getenv("SQUINX_TEST_DISPLAY_LOCKS");
    if (!listed || !lockFolder)
        return;
    std::vector<std::string> displays;
    std::istringstream words(listed);
    for (std::string display; words >> display;)
        displays.push_back(display);
    if (displays.empty())
        return;
    const auto lockOf = [&](const std::string& display) {
        return open((std::string(lockFolder) + "/display-" + display + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC,
                    0600);
    };
    std::string claimed;
    for (const std::string& display : displays) {
        const int lock = lockOf(display);
        if (lock >= 0 && flock(lock, LOCK_EX | LOCK_NB) == 0) {
            claimed = display;
            break;
        }
        if (lock >= 0)
            close(lock);
    }
    if (claimed.empty()) {
        // More processes than displays: wait for this process's share.
        claimed = displays[static_cast<std::size_t>(getpid()) % displays.size()];
        const int lock = lockOf(claimed);
        if (lock >= 0)
            flock(lock, LOCK_EX);
    }
    setenv("DISPLAY", (":" + claimed).c_str(), 1);
    unsetenv("SQUINX_TEST_DISPLAYS");
}

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();

    ClaimAFreeDisplay();
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
