#include "quiz/StoredAnswer.h"

namespace quiz {
namespace {

bool isChoice(AnswerBox box)
{
    return box == AnswerBox::SingleChoice || box == AnswerBox::MultipleChoice;
}

}  // namespace

AnswerArea answerAreaFor(const Question& question)
{
    if (question.answerBox == AnswerBox::Text)
        return AnswerArea::Text;
    if (isChoice(question.answerBox) && !question.answers.empty())
        return AnswerArea::ChoiceList;
    return AnswerArea::None;
}

void storeAnswer(Question& question, std::string_view typedText, const std::vector<bool>& checkedEntries)
{
    if (question.answerBox == AnswerBox::Text) {
        question.userAnswer = std::string(typedText);
        return;
    }
    if (!isChoice(question.answerBox))
        return;

    std::string choices(question.answers.size(), '0');
    for (std::size_t i = 0; i < choices.size() && i < checkedEntries.size(); ++i) {
        if (checkedEntries[i])
            choices[i] = '1';
    }
    question.userAnswer = choices;
}

bool isEntryChecked(const Question& question, std::size_t entry)
{
    return entry < question.userAnswer.size() && question.userAnswer[entry] == '1';
}

}  // namespace quiz
