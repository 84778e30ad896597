#include "quiz/QuizSession.h"

#include "quiz/QuestionOrder.h"

#include <utility>

void QuizSession::Load(QuestionList questions)
{
    m_questions = std::move(questions);
    m_order = FileOrder(m_questions.size());
    m_current = 0;
}

void QuizSession::Clear()
{
    Load({});
}

bool QuizSession::SetOrder(std::vector<std::size_t> order)
{
    if (!IsOrderOf(order, m_questions.size()))
        return false;
    m_order = std::move(order);
    m_current = 0;
    return true;
}

bool QuizSession::Empty() const
{
    return m_questions.empty();
}

std::size_t QuizSession::Size() const
{
    return m_questions.size();
}

std::size_t QuizSession::CurrentIndex() const
{
    return m_current;
}

std::size_t QuizSession::CurrentQuestion() const
{
    return Empty() ? 0 : m_order[m_current];
}

const QuestionList& QuizSession::Questions() const
{
    return m_questions;
}

Question* QuizSession::Current()
{
    return Empty() ? nullptr : &m_questions[m_order[m_current]];
}

const Question* QuizSession::Current() const
{
    return Empty() ? nullptr : &m_questions[m_order[m_current]];
}

bool QuizSession::CanGoPrevious() const
{
    return m_current > 0;
}

bool QuizSession::CanGoNext() const
{
    return m_current + 1 < m_questions.size();
}

bool QuizSession::GoPrevious()
{
    if (!CanGoPrevious())
        return false;
    --m_current;
    return true;
}

bool QuizSession::GoNext()
{
    if (!CanGoNext())
        return false;
    ++m_current;
    return true;
}
