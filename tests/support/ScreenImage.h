#pragma once

#include <wx/gdicmn.h>
#include <wx/image.h>

// The pixels the display server shows in `area` (screen coordinates), read
// over a connection of its own: what a user sees, after the toolkit drew it.
// An invalid image when the area cannot be read.
wxImage ScreenImage(const wxRect& area);
