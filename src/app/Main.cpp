#include "app/ChartCommand.h"
#include "app/PatientApp.h"
#include "cli/CommandLine.h"
#include "cli/ConsoleCommands.h"
#include "cli/DisplayCheck.h"
#include "cli/StartFolder.h"

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
    if (!StartToolkit(cli::Action::StartProgram, programName, std::cerr))
        return kFailure;
    int status = kFailure;
    if (wxTheApp->CallOnInit()) {
        status = wxTheApp->OnRun();
        wxTheApp->OnExit();
    }
    wxEntryCleanup();
    return status;
}

}  // namespace

// The command line is read before the toolkit starts, so the commands that
// need no window run without a display, and those that need one say so
// before the toolkit would.
int main(int argc, char** argv) {
    const cli::CommandLine command = cli::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    const std::string startFolder = cli::StartFolder();
    const bool needsDisplay = cli::NeedsDisplay(command.action) || command.action == cli::Action::StartProgram;
    if (needsDisplay && cli::NamedDisplay().empty()) {
        std::cerr << cli::NoDisplayMessage(command.action, "");
        return kFailure;
    }
    if (cli::NeedsDisplay(command.action))
        return RunChartCommand(command, startFolder, argv[0], std::cerr);
    if (command.action != cli::Action::StartProgram)
        return cli::RunConsoleCommand(command, startFolder, std::cout, std::cerr);

    std::vector<wxString> files;
    for (const std::string& file : command.files)
        files.emplace_back(cli::ResolveFromStartFolder(file, startFolder).c_str(), wxConvFile);
    PatientApp::SetFilesToOpen(std::move(files));
    return RunWindow(argv[0]);
}
