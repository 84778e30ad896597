#pragma once

#include "cli/QuizProblem.h"

#include <string>
#include <string_view>

namespace cli {

// Everything a quiz author wants to know before class about a question
// file's text, in line order: encoding, lines the reader ignores (unknown or
// misspelt keys, text outside a question), answer boxes and points that are
// not understood, questions without answers or without a reachable point,
// text answers in an order that costs points, and case files that the quiz
// cannot load. Relative case names are taken from caseFolder, the folder the
// program runs in ("" for the current one), as the quiz takes them.
QuizProblems CheckQuizText(std::string_view text, const std::string& caseFolder);

}  // namespace cli
