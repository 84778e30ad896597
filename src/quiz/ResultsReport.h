#pragma once

#include "quiz/Scoring.h"

#include <string>
#include <string_view>

// The results dialog's text for a fixed-width font: a line "<n>. <questionLabel>:
// <points>/<max>" per question, the numbers right-aligned, then after a blank
// line "<totalLabel>: <total>/<maximum>"; the fractions of all lines start in
// one column. The labels are inserted as plain text, never used as formats.
std::string FormatResultsReport(const QuizScore& score, std::string_view questionLabel, std::string_view totalLabel);
