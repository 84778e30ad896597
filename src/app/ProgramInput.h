#pragma once

#include <string>
#include <vector>

// What the system hands the program as it starts, as UTF-8 on every system.
// Windows gives narrow strings through the ANSI code page, where a name
// outside it is lost; there they are read in UTF-16 instead
// (ProgramInputPosix.cpp, ProgramInputWindows.cpp).

// The arguments without the program name.
std::vector<std::string> ProgramArguments(int argc, char** argv);
// The environment variable's value, "" when it is not set.
std::string EnvironmentText(const char* name);
