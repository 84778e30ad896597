#include "app/ChartCommand.h"
#include "app/ParentConsole.h"
#include "app/PatientApp.h"
#include "app/ProgramInput.h"
#include "cli/CommandLine.h"
#include "cli/ConsoleCommands.h"
#include "cli/DisplayCheck.h"
#include "cli/NineCommand.h"
#include "cli/StartFolder.h"
#include "settings/ToolkitPath.h"

#include <wx/init.h>

#include <iostream>
#include <string>
#include <vector>

wxIMPLEMENT_APP_NO_MAIN(PatientApp);

namespace {

constexpr int kFailure = 1;

// As wxEntry, but a display that cannot be opened is told in the program's
// words (the toolkit's own line is kept back) with the documented status.
int RunWindow(char* programName)
{
    // The arguments were ours: the toolkit gets only the program name.
    if (!StartToolkit(Action::StartProgram, programName, std::cerr))
        return kFailure;
    int status = kFailure;
    if (wxTheApp->CallOnInit()) {
        status = wxTheApp->OnRun();
        wxTheApp->OnExit();
    }
    wxEntryCleanup();
    return status;
}

// --nine draws off-screen; where Mesa gives no OpenGL without a display, it
// draws through a hidden window on the display instead.
int RunNinePositions(const CommandLine& command, const std::string& startFolder, char* programName)
{
    std::string offscreenFailure;
    const int status = RunNineCommand(command, startFolder, std::cerr, offscreenFailure);
    if (offscreenFailure.empty())
        return status;
    std::cerr << "squinx: --nine cannot draw off-screen: " << offscreenFailure << '\n';
    if (NamedDisplay().empty()) {
        std::cerr << NoDisplayMessage(command.action, "");
        return kFailure;
    }
    return RunChartCommand(command, startFolder, programName, std::cerr);
}

}  // namespace

// The command line is read before the toolkit starts, so the commands that
// need no window run without a display, and the window says it needs one
// before the toolkit would.
int main(int argc, char** argv)
{
    const CommandLine command = ParseCommandLine(ProgramArguments(argc, argv));
    if (command.action != Action::StartProgram)
        UseParentConsole();
    std::string startFolder = EnvironmentText(kStartFolderVariable);
    std::string folderError;
    if (!EnterWorkingFolder(startFolder, folderError)) {
        std::cerr << "squinx: " << folderError << '\n';
        return kFailure;
    }
    if (command.action == Action::NinePositions)
        return RunNinePositions(command, startFolder, argv[0]);
    if (command.action == Action::StartProgram && NamedDisplay().empty()) {
        std::cerr << NoDisplayMessage(command.action, "");
        return kFailure;
    }
    if (command.action != Action::StartProgram)
        return RunConsoleCommand(command, startFolder, std::cout, std::cerr);

    std::vector<wxString> files;
    for (const std::string& file : command.files)
        files.push_back(ToWxString(ResolveFromStartFolder(file, startFolder)));
    PatientApp::SetFilesToOpen(std::move(files));
    return RunWindow(argv[0]);
}
