#include "app/ChartCommand.h"

#include "app/PatientApp.h"
#include "frame/FrameCharts.h"
#include "cli/DisplayCheck.h"
#include "cli/NineCommand.h"
#include "cli/StartFolder.h"
#include "frame/PatientFrame.h"
#include "widgets/PictureFile.h"
#include "view/EyesCanvas.h"
#include "settings/ToolkitPath.h"

#include <wx/init.h>
#include <wx/log.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;
// How long the off-screen window may take to get its GL context.
constexpr long kGlWaitMilliseconds = 5000;

// Nobody is there to click: every dialog the program would show is written
// to the error stream and answered with Cancel.
class ConsoleDialogHook : public wxModalDialogHook {
public:
    explicit ConsoleDialogHook(std::ostream& err) : m_err(err) {}
    bool Spoke() const { return m_spoke; }
    // What was said so far was a warning the command goes on after.
    void Forget() { m_spoke = false; }

protected:
    int Enter(wxDialog* dialog) override
    {
        wxString text = dialog->GetTitle();
        if (const auto* message = dynamic_cast<const wxMessageDialogBase*>(dialog))
            text = message->GetMessage() + " " + message->GetExtendedMessage();
        text.Replace("\n", " ");
        text.Trim();
        m_err << "squinx: " << text.utf8_str() << '\n';
        m_spoke = true;
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}

private:
    std::ostream& m_err;
    bool m_spoke = false;
};

bool WaitForGL(EyesCanvas& canvas)
{
    const wxStopWatch watch;
    while (!canvas.PrepareGl()) {
        if (watch.Time() > kGlWaitMilliseconds)
            return false;
        wxYield();
        wxMilliSleep(10);
    }
    return true;
}

// The sheet's panels have the default view's size, as drawn off-screen, even
// where the system's controls and decorations leave the view another one;
// sized before it is shown, as Wine resizes a shown view's GL surface late.
void SizeViewAsDrawnOffscreen(PatientFrame& frame)
{
    const wxSize wanted(kNineViewWidth, kNineViewHeight);
    for (int attempt = 0; attempt < 3 && frame.View().GetClientSize() != wanted; ++attempt) {
        frame.SetClientSize(frame.GetClientSize() + wanted - frame.View().GetClientSize());
        frame.Layout();
        wxYield();
    }
}

int Draw(PatientFrame& frame, const CommandLine& command, const wxString& output, ConsoleDialogHook& hook,
         std::ostream& err)
{
    std::string error;
    // GL needs a window on the display; it is shown where nobody sees it.
    frame.Move(-10000, -10000);
    SizeViewAsDrawnOffscreen(frame);
    frame.Show(true);
    if (!WaitForGL(frame.View()) || hook.Spoke()) {
        err << "squinx: the view could not be drawn (OpenGL)\n";
        return kFailure;
    }
    if (!WritePicturePng(output, RenderNinePositions(frame, command.eccentricity), error)) {
        err << "squinx: " << output.utf8_str() << ": " << error << '\n';
        return kFailure;
    }
    return kSuccess;
}

int RunWithToolkit(const CommandLine& command, const std::string& startFolder, std::ostream& err)
{
    delete wxLog::SetActiveTarget(new wxLogStream(&err));
    // Layout and debugging chatter is no business of a command's user.
    wxLog::SetLogLevel(wxLOG_Warning);
    ConsoleDialogHook hook(err);
    hook.Register();
    PatientFrame* frame = PatientApp::BuildMainWindow();
    if (!frame) {
        hook.Unregister();
        return kFailure;
    }
    const wxString casePath = ToWxString(ResolveFromStartFolder(command.files[0], startFolder));
    const wxString output = ToWxString(ResolveFromStartFolder(command.files[1], startFolder));
    int status = kFailure;
    const bool opened = frame->ReadCaseFile(casePath);
    // As in the window, a refused muscle file beside the case was reported,
    // and the case is drawn with every muscle at normal strength.
    if (opened && frame->MuscleFileRefused())
        hook.Forget();
    if (!opened)
        err << "squinx: " << command.files[0] << ": not a case file that can be read\n";
    else if (!hook.Spoke())
        status = Draw(*frame, command, output, hook, err);
    delete frame;
    hook.Unregister();
    return status;
}

}  // namespace

bool StartToolkit(Action action, char* programName, std::ostream& err)
{
    int argc = 1;
    char* argv[] = {programName, nullptr};
    bool started = false;
    {
        const wxLogNull toolkitComplaintsKeptBack;
        started = wxEntryStart(argc, argv);
    }
    if (!started)
        err << NoDisplayMessage(action, NamedDisplay());
    return started;
}

int RunChartCommand(const CommandLine& command, const std::string& startFolder, char* programName, std::ostream& err)
{
    if (!StartToolkit(command.action, programName, err))
        return kFailure;
    const int status = RunWithToolkit(command, startFolder, err);
    wxEntryCleanup();
    return status;
}
