#pragma once

#include <string>

// Some language strings are printf formats. A translator's typo such as %d or
// %n there would be undefined behaviour, so a format is used only when it
// consumes exactly one argument of the kind the program passes.
enum class FormatArg { Floating, String };

// True when the format holds exactly one conversion and it is of the given
// kind; "%%" may appear any number of times.
// Floating: '%', flags from "-+ #0", up to two width digits, optionally '.'
//   and up to two precision digits, then one of f F e E g G a A.
// String: '%', optionally '-', up to two width digits (not starting with 0),
//   optionally '.' and up to two precision digits, then 's'.
// No '*', no '$' positions, no length modifiers, no NUL byte anywhere.
bool IsSafeSingleArgFormat(const std::string& format, FormatArg kind);

// The formatted text when the format is safe for the argument, else fallback.
std::string FormatSingle(const std::string& format, double value, const std::string& fallback);
std::string FormatSingle(const std::string& format, const std::string& value, const std::string& fallback);
