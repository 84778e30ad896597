#pragma once

#include "charts/HessLayout.h"

#include <string>

class LanguageTable;

// The Hess chart's captions from the language's texts; the title names the
// case (caseName, UTF-8, as the user knows it) and the day it is drawn
// (ISO date).
HessCaptions HessCaptionsOf(const LanguageTable& texts, const std::string& caseName, const std::string& date);

// Today's date in the local calendar, ISO 8601 (YYYY-MM-DD).
std::string TodayIsoDate();
