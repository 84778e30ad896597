#pragma once

#include "cli/CommandLine.h"

#include <string>

// The display the toolkit would open: DISPLAY, else WAYLAND_DISPLAY, else "".
// Looked at before the toolkit starts, so that a missing display is told in
// the program's words rather than the toolkit's.
std::string NamedDisplay();

// One line for a command that needs a display (the window, or --nine where
// Mesa gives no OpenGL without one) and cannot have it: namedDisplay is "" when the environment names none,
// else the display that could not be opened.
std::string NoDisplayMessage(Action action, const std::string& namedDisplay);
