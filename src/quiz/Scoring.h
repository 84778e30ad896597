#pragma once

#include "quiz/Question.h"
#include "quiz/RangeAnswer.h"

#include <string_view>
#include <vector>

// Score of one question from its stored userAnswer; never negative.
// Text: the first answer whose "&"-separated keywords all occur in the typed
// text (ignoring case, ISO 8859-1), or whose range the typed measurement
// answers (RangeAnswer.h), gives its points. Choice: the sum of the
// points of the checked entries. Typed prism bases are read with the
// trainee's abbreviations.
int ScoreQuestion(const Question& question, BaseAbbreviations abbreviations = BaseAbbreviations::english);

struct QuestionScore {
    int points = 0;
    int maxPoints = 0;
};

struct QuizScore {
    std::vector<QuestionScore> questions;  // in question order
    int total = 0;
    int maximum = 0;
};

QuizScore ScoreQuiz(const QuestionList& questions, BaseAbbreviations abbreviations = BaseAbbreviations::english);

// True when every "&"-separated keyword of answerText occurs in typedText,
// ignoring case, and no keyword written with a leading "!" does:
// "left&inward&!right". An empty keyword occurs in every text.
bool KeywordsMatch(std::string_view answerText, std::string_view typedText);

// The keywords of an answer text, split by polarity, as written.
struct Keywords {
    std::vector<std::string> required;
    std::vector<std::string> excluded;  // without their "!"
};
Keywords SplitKeywords(std::string_view answerText);
