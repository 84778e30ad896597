#pragma once

#include <string>

// Asks the system's GL (GLX on X, WGL on Windows) which renderer it would
// draw with, before any window exists: a visual cannot be changed once a
// canvas has been created on it. An empty string when the display or the
// system's GL cannot answer.
std::string ProbeGlRenderer();
