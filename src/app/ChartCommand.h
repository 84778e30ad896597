#pragma once

#include "cli/CommandLine.h"

#include <ostream>
#include <string>

// Starts the toolkit without its main loop and with only the program name;
// a display that cannot be opened is told on err in the program's words for
// that action, the toolkit's own line kept back. False when it did not start.
bool StartToolkit(Action action, char* programName, std::ostream& err);

// Runs --nine: starts the toolkit without its main loop, builds the
// main window as start-up does but keeps it off the screen, opens the case
// and writes the picture. Every message the window would show goes to err
// instead, and counts as a failure. Returns the exit status: 0 success, 1 a
// failure, no display among them.
int RunChartCommand(const CommandLine& command, const std::string& startFolder, char* programName, std::ostream& err);
