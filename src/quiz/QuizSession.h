#pragma once

#include "quiz/Question.h"

#include <cstddef>
#include <vector>

// The loaded questions, the order in which they are visited, and which one
// is shown. Answers stay with the questions, which keep the file's order
// whatever the visiting order. Every accessor is safe on an empty quiz:
// there is then no current question and no move is possible.
class QuizSession {
public:
    // Replaces the questions and shows the first one, in file order.
    void Load(QuestionList questions);
    void Clear();

    // Visits the questions in `order`, indices into questions(), starting
    // with its first; false, and nothing changed, unless it names every
    // question exactly once.
    bool SetOrder(std::vector<std::size_t> order);

    bool Empty() const;
    std::size_t Size() const;
    std::size_t CurrentIndex() const;     // place in the visiting order; 0 when empty
    std::size_t CurrentQuestion() const;  // index into questions(); 0 when empty
    const QuestionList& Questions() const;

    // nullptr when there are no questions.
    Question* Current();
    const Question* Current() const;

    bool CanGoPrevious() const;
    bool CanGoNext() const;
    // Move by one question; false, and no move, at either end.
    bool GoPrevious();
    bool GoNext();

private:
    QuestionList m_questions;
    std::vector<std::size_t> m_order;
    std::size_t m_current = 0;
};
