#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>

// The size the display server has mapped the shown top-level window titled
// `title` at, read over a connection of its own (what a user would see, not
// what the toolkit asked for); wxDefaultSize when no such window is shown.
wxSize MappedSize(const wxString& title);
