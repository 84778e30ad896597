#pragma once

#include <string>

// A number formatted with '.' (as printf does in the C locale, which files
// keep) in the form a reader of the language expects: every '.' becomes
// `mark`, the language file's decimal mark ("14.7" reads "14,7" in German).
// Only the number goes in, never a sentence around it.
std::string WithDecimalMark(std::string number, const std::string& mark);
