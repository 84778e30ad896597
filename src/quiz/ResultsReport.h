#pragma once

#include "quiz/Scoring.h"

#include <string>
#include <string_view>

namespace quiz {

// The results dialog's text: a line "\n<n>. <questionLabel>: \t\t<points>/<max>"
// per question, then "\n\n<totalLabel>: \t<total>/<maximum>". The labels are
// inserted as plain text, never used as formats.
std::string formatResultsReport(const QuizScore& score, std::string_view questionLabel, std::string_view totalLabel);

}  // namespace quiz
