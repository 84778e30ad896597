#pragma once

#include <wx/string.h>

#include <string>

class LanguageTable;

// Language string n of the table, converted for display.
wxString LanguageText(const LanguageTable& table, int n);

// Formats a one-%s language string with `argument`, or uses `fallback` when
// the string from the language file is not a safe format.
wxString FormatLanguageString(const std::string& format, const wxString& argument, const wxString& fallback);
