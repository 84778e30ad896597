#pragma once

#include "cli/CommandLine.h"

#include <ostream>
#include <string>

// Runs --measure without the toolkit: opens the case as --hess does (the
// settings and language of the current folder), sets the distance, prisms
// and fixing eye the command gives, and prints what the examination shows
// at its gaze, or at the nine positions, on out. Returns the exit status:
// 0 success, 1 the case or the language cannot be read.
int RunMeasureCommand(const CommandLine& command, const std::string& startFolder, std::ostream& out, std::ostream& err);
