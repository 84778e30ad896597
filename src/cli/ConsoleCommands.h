#pragma once

#include "cli/CommandLine.h"

#include <ostream>
#include <string>

// Runs a command that needs no display: help, version, a usage error, the
// quiz check, a conversion, the Hess chart or a measurement. Names on the
// command line are taken from startFolder; the quiz's case files from the
// current folder, as the quiz takes them. Returns the exit status: 0
// success, 1 a problem found or a failure, 2 a wrong command line.
int RunConsoleCommand(const CommandLine& command, const std::string& startFolder, std::ostream& out, std::ostream& err);
