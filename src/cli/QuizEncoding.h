#pragma once

#include "cli/QuizProblem.h"

#include <string_view>

// Problems with the bytes of a question file, which the quiz reads as
// ISO 8859-1: text saved as UTF-8 (umlauts would show as two wrong
// characters each), Windows-1252 quotes and dashes (not printable in
// ISO 8859-1), and NUL bytes (UTF-16 or not text at all). Returns true when
// the file is no text the other checks can make sense of.
bool CheckEncoding(std::string_view text, QuizProblems& problems);
