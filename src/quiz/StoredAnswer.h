#pragma once

#include "quiz/Question.h"

#include <cstddef>
#include <string_view>
#include <vector>

// Which answer control the window shows for a question.
enum class AnswerArea {
    None,        // no answer kind, or a choice question without answers
    Text,        // multi-line text field
    ChoiceList,  // check list holding the question's answers
};

AnswerArea AnswerAreaFor(const Question& question);

// Keeps the shown answer in the question before the window moves away:
// the typed text for a text question; for a choice question one '1'/'0' per
// answer, taken from checkedEntries (missing entries count as unchecked,
// surplus ones are dropped). Other kinds keep their stored answer.
void StoreShownAnswer(Question& question, std::string_view typedText, const std::vector<bool>& checkedEntries);

// Whether list entry `entry` is to be checked when the question is shown again.
bool IsEntryChecked(const Question& question, std::size_t entry);
