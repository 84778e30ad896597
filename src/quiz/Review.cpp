#include "quiz/Review.h"

#include "quiz/Scoring.h"

#include <algorithm>
#include <sstream>

namespace quiz {
namespace {

std::vector<std::string> givenAnswer(const Question& question)
{
    if (question.answerBox == AnswerBox::Text) {
        if (question.userAnswer.empty()) return {};
        return {question.userAnswer};
    }
    std::vector<std::string> ticked;
    for (std::size_t i = 0; i < question.answers.size() && i < question.userAnswer.size(); ++i) {
        if (question.userAnswer[i] == '1') ticked.push_back(question.answers[i]);
    }
    return ticked;
}

// Only answers worth points would have scored; 0 and below never add any.
std::vector<ScoringAnswer> scoringAnswers(const Question& question)
{
    std::vector<ScoringAnswer> scoring;
    const std::size_t count = std::min(question.answers.size(), question.points.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (question.points[i] <= 0) continue;
        if (question.answerBox != AnswerBox::Text) {
            scoring.push_back({question.answers[i], question.points[i], std::nullopt});
            continue;
        }
        const std::optional<PrismRange> range = parseRangeAnswer(question.answers[i]);
        scoring.push_back(
            {range ? question.answers[i] : readableKeywords(question.answers[i]), question.points[i], range});
    }
    return scoring;
}

void appendPoints(std::string& text, int points, const ReviewLabels& labels)
{
    text += " (";
    text += std::to_string(points);
    text += ' ';
    text += points == 1 ? labels.point : labels.pointPlural;
    text += ')';
}

}  // namespace

std::vector<ReviewItem> buildReview(const QuestionList& questions, BaseAbbreviations abbreviations)
{
    std::vector<ReviewItem> items;
    items.reserve(questions.size());
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const Question& question = questions[i];
        const bool answerable = question.answerBox != AnswerBox::None;
        items.push_back({i + 1, question.text, answerable ? givenAnswer(question) : std::vector<std::string>{},
                         scoreQuestion(question, abbreviations), question.maxPoints,
                         answerable ? scoringAnswers(question) : std::vector<ScoringAnswer>{},
                         question.explanation});
    }
    return items;
}

std::string readableKeywords(std::string_view answerText)
{
    std::string readable;
    std::size_t start = 0;
    while (start <= answerText.size()) {
        const auto end = std::min(answerText.find('&', start), answerText.size());
        const std::string_view keyword = answerText.substr(start, end - start);
        if (!keyword.empty()) {
            if (!readable.empty()) readable += " + ";
            readable += keyword;
        }
        start = end + 1;
    }
    return readable.empty() ? "*" : readable;
}

std::string readableRange(const PrismRange& range, const ReviewLabels& labels)
{
    std::ostringstream text;
    text << range.low;
    if (range.high != range.low) text << ' ' << labels.rangeTo << ' ' << range.high;
    text << ' ' << labels.prismUnit;
    if (range.base) {
        switch (*range.base) {
        case PrismBaseWord::out: text << ' ' << labels.baseOut; break;
        case PrismBaseWord::in: text << ' ' << labels.baseIn; break;
        case PrismBaseWord::up: text << ' ' << labels.baseUp; break;
        case PrismBaseWord::down: text << ' ' << labels.baseDown; break;
        }
    }
    return text.str();
}

std::string formatReview(const std::vector<ReviewItem>& items, const ReviewLabels& labels)
{
    std::string text;
    for (const ReviewItem& item : items) {
        if (!text.empty()) text += "\n\n";
        text += std::to_string(item.number) + ". " + labels.question + '\n';
        text += item.question + '\n';

        text += labels.yourAnswer + ": ";
        if (item.given.empty()) text += labels.noAnswer;
        for (std::size_t i = 0; i < item.given.size(); ++i) text += (i == 0 ? "" : "; ") + item.given[i];
        text += '\n';

        text += labels.points + ": " + std::to_string(item.points) + '/' + std::to_string(item.maxPoints);
        if (!item.scoring.empty()) {
            text += '\n' + labels.wouldHaveScored + ':';
            for (const ScoringAnswer& answer : item.scoring) {
                text += "\n    " + (answer.range ? readableRange(*answer.range, labels) : answer.text);
                appendPoints(text, answer.points, labels);
            }
        }
        if (!item.explanation.empty()) text += '\n' + labels.explanation + ": " + item.explanation;
    }
    return text;
}

}  // namespace quiz
