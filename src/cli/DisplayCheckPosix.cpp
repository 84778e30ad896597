#include "cli/DisplayCheck.h"

#include <cstdlib>

namespace {

std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

std::string NamedDisplay()
{
    const std::string x11 = Variable("DISPLAY");
    return x11.empty() ? Variable("WAYLAND_DISPLAY") : x11;
}

std::string NoDisplayMessage(Action action, const std::string& namedDisplay)
{
    const std::string who =
        action == Action::NinePositions ? "--nine, with no OpenGL without a display," : "the window";
    const std::string why = namedDisplay.empty() ? "none is set (DISPLAY and WAYLAND_DISPLAY are empty)"
                                                 : "the display \"" + namedDisplay + "\" cannot be opened";
    return "squinx: " + who + " needs a display, and " + why + "; on a server, run squinx under xvfb-run\n";
}
