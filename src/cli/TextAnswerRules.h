#pragma once

#include "cli/QuizProblem.h"
#include "quiz/Question.h"

#include <cstddef>
#include <vector>

// Far more answers than any question has; the check's time grows with the
// square of their number.
inline constexpr std::size_t kMaxOrderedAnswers = 1000;

// The text question's answers are tried in file order and the first match
// scores, so order matters. Reports, at the line of the answer concerned:
// an answer that can never score because an earlier one matches every text
// it matches, and a lower-scoring answer listed before a higher-scoring one
// (one text can always match both, and then scores the lower points),
// unless it is a special case of the higher-scoring one: a deliberate
// exception, as "exophor" before "phor". Measured ranges ("20..25 BO")
// count by their numbers and bases: a range covers another within it, and
// two ranges without a common value never meet in one text.
// answerLines holds the line of each answer.
void CheckTextAnswerOrder(const Question& question, const std::vector<std::size_t>& answerLines,
                          QuizProblems& problems);

// Reports a text answer with ".." that is not a measured range, which is
// then taken as keywords: most likely a mistyped range.
void CheckRangeAnswers(const Question& question, const std::vector<std::size_t>& answerLines, QuizProblems& problems);
