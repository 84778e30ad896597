#include "quiz/StoredAnswer.h"

namespace {

bool IsChoice(AnswerBox box)
{
    return box == AnswerBox::SingleChoice || box == AnswerBox::MultipleChoice;
}

}  // namespace

AnswerArea AnswerAreaFor(const Question& question)
{
    if (question.answerBox == AnswerBox::Text)
        return AnswerArea::Text;
    if (IsChoice(question.answerBox) && !question.answers.empty())
        return AnswerArea::ChoiceList;
    return AnswerArea::None;
}

void StoreShownAnswer(Question& question, std::string_view typedText, const std::vector<bool>& checkedEntries)
{
    if (question.answerBox == AnswerBox::Text) {
        question.userAnswer = std::string(typedText);
        return;
    }
    if (!IsChoice(question.answerBox))
        return;

    std::string choices(question.answers.size(), '0');
    for (std::size_t i = 0; i < choices.size() && i < checkedEntries.size(); ++i) {
        if (checkedEntries[i])
            choices[i] = '1';
    }
    question.userAnswer = choices;
}

bool IsEntryChecked(const Question& question, std::size_t entry)
{
    return entry < question.userAnswer.size() && question.userAnswer[entry] == '1';
}
