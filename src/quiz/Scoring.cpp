#include "quiz/Scoring.h"

#include "quiz/Latin1Case.h"
#include "quiz/RangeAnswer.h"
#include "quiz/SaturatingSum.h"

#include <algorithm>
#include <string>

namespace {

std::string Lowered(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), LowerLatin1);
    return result;
}

int ScoreText(const Question& question, BaseAbbreviations abbreviations)
{
    const std::size_t count = std::min(question.answers.size(), question.points.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (AnswerMatches(question.answers[i], question.userAnswer, abbreviations))
            return question.points[i];
    }
    return 0;
}

// A stored answer shorter than the list counts its missing entries as unchecked.
int ScoreChoices(const Question& question)
{
    const std::size_t count = std::min(question.points.size(), question.userAnswer.size());
    int sum = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (question.userAnswer[i] == '1')
            sum = SaturatingAdd(sum, question.points[i]);
    }
    return sum;
}

}  // namespace

Keywords SplitKeywords(std::string_view answerText)
{
    Keywords keywords;
    std::size_t start = 0;
    while (true) {
        const auto end = answerText.find('&', start);
        const std::string_view keyword = answerText.substr(start, end - start);
        if (!keyword.empty() && keyword.front() == '!')
            keywords.excluded.emplace_back(keyword.substr(1));
        else
            keywords.required.emplace_back(keyword);
        if (end == std::string_view::npos)
            return keywords;
        start = end + 1;
    }
}

bool KeywordsMatch(std::string_view answerText, std::string_view typedText)
{
    const Keywords keywords = SplitKeywords(Lowered(answerText));
    const std::string typed = Lowered(typedText);
    const auto occurs = [&typed](const std::string& keyword) { return typed.find(keyword) != std::string::npos; };
    return std::all_of(keywords.required.begin(), keywords.required.end(), occurs) &&
           std::none_of(keywords.excluded.begin(), keywords.excluded.end(), occurs);
}

int ScoreQuestion(const Question& question, BaseAbbreviations abbreviations)
{
    int score = 0;
    switch (question.answerBox) {
    case AnswerBox::Text:
        score = ScoreText(question, abbreviations);
        break;
    case AnswerBox::SingleChoice:
    case AnswerBox::MultipleChoice:
        score = ScoreChoices(question);
        break;
    case AnswerBox::None:
        break;
    }
    return std::max(score, 0);
}

QuizScore ScoreQuiz(const QuestionList& questions, BaseAbbreviations abbreviations)
{
    QuizScore score;
    score.questions.reserve(questions.size());
    for (const Question& question : questions) {
        const QuestionScore entry{ScoreQuestion(question, abbreviations), question.maxPoints};
        score.questions.push_back(entry);
        score.total = SaturatingAdd(score.total, entry.points);
        score.maximum = SaturatingAdd(score.maximum, entry.maxPoints);
    }
    return score;
}
