#pragma once

#include "cli/CommandLine.h"

#include <ostream>
#include <string>

// Runs --hess without the toolkit: reads the settings and the language the
// window would use from the current folder, opens the case as the window
// does and writes its Hess chart as SVG, PDF or PNG through Cairo, so no
// display is needed. A refused muscle file beside the case is reported on
// err and the chart drawn with normal strengths. Returns the exit status:
// 0 success, 1 a failure (the file then is not written).
int RunHessCommand(const CommandLine& command, const std::string& startFolder, std::ostream& err);
