#include "cli/DisplayCheck.h"

// A Windows session always has its desktop; a program started without one
// (a service) fails in the toolkit.
std::string NamedDisplay()
{
    return "desktop";
}

std::string NoDisplayMessage(Action action, const std::string&)
{
    const std::string who = action == Action::NinePositions ? "--nine" : "the window";
    return "squinx: " + who + " needs the desktop, and this session has none\n";
}
