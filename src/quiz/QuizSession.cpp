#include "quiz/QuizSession.h"

#include "quiz/QuestionOrder.h"

#include <utility>

namespace quiz {

void QuizSession::load(QuestionList questions)
{
    m_questions = std::move(questions);
    m_order = fileOrder(m_questions.size());
    m_current = 0;
}

void QuizSession::clear()
{
    load({});
}

bool QuizSession::setOrder(std::vector<std::size_t> order)
{
    if (!isOrderOf(order, m_questions.size()))
        return false;
    m_order = std::move(order);
    m_current = 0;
    return true;
}

bool QuizSession::empty() const
{
    return m_questions.empty();
}

std::size_t QuizSession::size() const
{
    return m_questions.size();
}

std::size_t QuizSession::currentIndex() const
{
    return m_current;
}

std::size_t QuizSession::currentQuestion() const
{
    return empty() ? 0 : m_order[m_current];
}

const QuestionList& QuizSession::questions() const
{
    return m_questions;
}

Question* QuizSession::current()
{
    return empty() ? nullptr : &m_questions[m_order[m_current]];
}

const Question* QuizSession::current() const
{
    return empty() ? nullptr : &m_questions[m_order[m_current]];
}

bool QuizSession::canGoPrevious() const
{
    return m_current > 0;
}

bool QuizSession::canGoNext() const
{
    return m_current + 1 < m_questions.size();
}

bool QuizSession::goPrevious()
{
    if (!canGoPrevious())
        return false;
    --m_current;
    return true;
}

bool QuizSession::goNext()
{
    if (!canGoNext())
        return false;
    ++m_current;
    return true;
}

}  // namespace quiz
