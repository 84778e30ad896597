#pragma once

#include <string>

// A number formatted with '.' (as printf does in the C locale, which files
// keep) in the form a reader of the language expects: every '.' becomes
// `mark`, the language file's decimal mark ("14.7" reads "14,7" in German).
// Only the number goes in, never a sentence around it.
std::string WithDecimalMark(std::string number, const std::string& mark);

// FormatSingle (FormatCheck.h) for a number shown to a reader: the mark goes
// into the number only, never into the text around it, so "t = %.3f s."
// gives "t = 1,250 s." in German.
std::string FormatNumber(const std::string& format, double value, const std::string& fallback, const std::string& mark);
