#pragma once

#include "cli/CommandLine.h"

#include <ostream>
#include <string>

// Runs --hess or --nine: starts the toolkit without its main loop, builds the
// main window as start-up does but keeps it off the screen, opens the case
// and writes the picture. Every message the window would show goes to err
// instead, and counts as a failure. Returns the exit status: 0 success, 1 a
// failure, no display among them.
int RunChartCommand(const cli::CommandLine& command, const std::string& startFolder, char* programName,
                    std::ostream& err);
