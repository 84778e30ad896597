#include "app/ChartCommand.h"
#include "app/PatientApp.h"
#include "cli/CommandLine.h"
#include "cli/ConsoleCommands.h"
#include "cli/StartFolder.h"

#include <iostream>
#include <string>
#include <vector>

wxIMPLEMENT_APP_NO_MAIN(PatientApp);

// The command line is read before the toolkit starts, so the commands that
// need no window run without a display.
int main(int argc, char** argv) {
    const cli::CommandLine command = cli::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    const std::string startFolder = cli::StartFolder();
    if (cli::NeedsDisplay(command.action))
        return RunChartCommand(command, startFolder, argv[0], std::cerr);
    if (command.action != cli::Action::StartProgram)
        return cli::RunConsoleCommand(command, startFolder, std::cout, std::cerr);

    std::vector<wxString> files;
    for (const std::string& file : command.files)
        files.emplace_back(cli::ResolveFromStartFolder(file, startFolder).c_str(), wxConvFile);
    PatientApp::SetFilesToOpen(std::move(files));
    // The arguments were ours: the toolkit gets only the program name.
    int toolkitArgc = 1;
    return wxEntry(toolkitArgc, argv);
}
