#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One finding of the quiz checker, in plain English (UTF-8).
struct QuizProblem {
    std::size_t line = 0;  // 1-based; 0 when it concerns the whole file
    std::string message;
};

using QuizProblems = std::vector<QuizProblem>;

// Text of the question file (ISO 8859-1 bytes) in UTF-8, as the terminal
// takes it, in double quotes.
std::string Quoted(std::string_view latin1);
