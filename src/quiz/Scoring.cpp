#include "quiz/Scoring.h"

#include "quiz/Latin1Case.h"
#include "quiz/RangeAnswer.h"
#include "quiz/SaturatingSum.h"

#include <algorithm>
#include <string>

namespace quiz {
namespace {

std::string lowered(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), lowerLatin1);
    return result;
}

int scoreText(const Question& question, BaseAbbreviations abbreviations)
{
    const std::size_t count = std::min(question.answers.size(), question.points.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (answerMatches(question.answers[i], question.userAnswer, abbreviations)) return question.points[i];
    }
    return 0;
}

// A stored answer shorter than the list counts its missing entries as unchecked.
int scoreChoices(const Question& question)
{
    const std::size_t count = std::min(question.points.size(), question.userAnswer.size());
    int sum = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (question.userAnswer[i] == '1') sum = saturatingAdd(sum, question.points[i]);
    }
    return sum;
}

}  // namespace

bool keywordsMatch(std::string_view answerText, std::string_view typedText)
{
    const std::string answer = lowered(answerText);
    const std::string typed = lowered(typedText);
    std::size_t start = 0;
    while (true) {
        const auto end = answer.find('&', start);
        const std::string_view keyword = std::string_view(answer).substr(start, end - start);
        if (typed.find(keyword) == std::string::npos) return false;
        if (end == std::string::npos) return true;
        start = end + 1;
    }
}

int scoreQuestion(const Question& question, BaseAbbreviations abbreviations)
{
    int score = 0;
    switch (question.answerBox) {
    case AnswerBox::Text: score = scoreText(question, abbreviations); break;
    case AnswerBox::SingleChoice:
    case AnswerBox::MultipleChoice: score = scoreChoices(question); break;
    case AnswerBox::None: break;
    }
    return std::max(score, 0);
}

QuizScore scoreQuiz(const QuestionList& questions, BaseAbbreviations abbreviations)
{
    QuizScore score;
    score.questions.reserve(questions.size());
    for (const Question& question : questions) {
        const QuestionScore entry{scoreQuestion(question, abbreviations), question.maxPoints};
        score.questions.push_back(entry);
        score.total = saturatingAdd(score.total, entry.points);
        score.maximum = saturatingAdd(score.maximum, entry.maxPoints);
    }
    return score;
}

}  // namespace quiz
