#pragma once

#include <string>
#include <vector>

// The values double as the control ids of the quiz window's answer widgets.
enum class AnswerBox : int {
    None = 0,
    Text = 1006,
    SingleChoice = 1007,
    MultipleChoice = 1008,
};

// Strings hold the question file's bytes unchanged (ISO 8859-1).
struct Question {
    std::string text;
    std::string file;
    AnswerBox answerBox = AnswerBox::None;
    std::vector<std::string> answers;
    std::vector<int> points;  // one entry per answer
    // Typed text for Text, one '1'/'0' per answer for the choice kinds;
    // "" until the window first stores an answer.
    std::string userAnswer;
    int maxPoints = 0;
    // Why the right answer is right; shown when the answers are reviewed.
    std::string explanation;
};

using QuestionList = std::vector<Question>;
