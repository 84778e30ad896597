#pragma once

#include <wx/string.h>

#include <filesystem>

// The one crossing between the toolkit's strings and file names. Where the
// system's names are UTF-16 they go across as such, never through the ANSI
// code page; elsewhere a name keeps its bytes, even ones that are not UTF-8.
std::filesystem::path ToPath(const wxString& name);
wxString ToWxString(const std::filesystem::path& path);
