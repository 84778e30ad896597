#pragma once

#include <string>

// Asks the X display's GL which renderer it would draw with, before any
// window exists: a visual cannot be changed once a canvas has been created
// on it. An empty string when the display or GLX cannot answer.
std::string ProbeGlRenderer();
