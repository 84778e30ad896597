#pragma once

#include "quiz/Question.h"

#include <cstddef>

namespace quiz {

// The loaded questions and which one is shown. Every accessor is safe on an
// empty quiz: there is then no current question and no move is possible.
class QuizSession {
public:
    // Replaces the questions and shows the first one.
    void load(QuestionList questions);
    void clear();

    bool empty() const;
    std::size_t size() const;
    std::size_t currentIndex() const;  // 0 when empty
    const QuestionList& questions() const;

    // nullptr when there are no questions.
    Question* current();
    const Question* current() const;

    bool canGoPrevious() const;
    bool canGoNext() const;
    // Move by one question; false, and no move, at either end.
    bool goPrevious();
    bool goNext();

private:
    QuestionList m_questions;
    std::size_t m_current = 0;
};

}  // namespace quiz
