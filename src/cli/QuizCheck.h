#pragma once

#include "cli/QuizProblem.h"

#include <string_view>

// Everything a quiz author wants to know before class about a question
// file's text, in line order: encoding, lines the reader ignores (unknown or
// misspelt keys, text outside a question), answer boxes and points that are
// not understood, questions without answers or without a reachable point,
// text answers in an order that costs points, and case files that the quiz
// cannot load. Relative case names are taken from the current folder, as the
// quiz takes them from the program's working folder.
QuizProblems CheckQuizText(std::string_view text);
