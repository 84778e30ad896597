#pragma once

#include <wx/string.h>

#include <string>

// The program's texts are 8-bit ISO 8859-1, as its files are; the toolkit's
// strings are Unicode. A character beyond Latin-1 becomes '?', so typed text
// is never silently emptied.
std::string ToLatin1(const wxString& text);
wxString FromLatin1(const std::string& bytes);
