#include "quiz/Review.h"

#include "quiz/Latin1Case.h"
#include "quiz/Scoring.h"

#include <algorithm>
#include <sstream>

namespace {

std::vector<std::string> GivenAnswer(const Question& question)
{
    if (question.answerBox == AnswerBox::Text) {
        if (question.userAnswer.empty())
            return {};
        return {question.userAnswer};
    }
    std::vector<std::string> ticked;
    for (std::size_t i = 0; i < question.answers.size() && i < question.userAnswer.size(); ++i) {
        if (question.userAnswer[i] == '1')
            ticked.push_back(question.answers[i]);
    }
    return ticked;
}

bool IsWordLetter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
           (byte >= 0xC0 && byte != 0xD7 && byte != 0xF7);
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view start)
{
    if (text.size() < start.size())
        return false;
    for (std::size_t i = 0; i < start.size(); ++i)
        if (LowerLatin1(text[i]) != LowerLatin1(start[i]))
            return false;
    return true;
}

// The first word of text that begins with the keyword, completed to its end;
// empty when none does.
std::string WordBeginningWith(std::string_view text, std::string_view keyword)
{
    for (std::size_t at = 0; at + keyword.size() <= text.size(); ++at) {
        if ((at > 0 && IsWordLetter(text[at - 1])) || !StartsWithIgnoringCase(text.substr(at), keyword))
            continue;
        std::size_t end = at + keyword.size();
        while (end < text.size() && IsWordLetter(text[end]))
            ++end;
        return std::string(text.substr(at, end - at));
    }
    return {};
}

// Keywords as the words the question's own texts use for them ("conver" as
// "converging"); one they do not use stays as it is, an empty one is left out.
std::vector<std::string> KeywordWords(const Question& question, const std::vector<std::string>& keywords)
{
    std::vector<std::string> words;
    for (const std::string& keyword : keywords) {
        if (keyword.empty())
            continue;
        std::string word = WordBeginningWith(question.explanation, keyword);
        if (word.empty())
            word = WordBeginningWith(question.text, keyword);
        words.push_back(word.empty() ? keyword : word);
    }
    return words;
}

bool SeveralBasesCostThePoints(const Question& question, int points, BaseAbbreviations abbreviations)
{
    if (question.answerBox != AnswerBox::Text || points > 0 || !NamesSeveralBases(question.userAnswer, abbreviations))
        return false;
    // Only where the number was right: otherwise the number is the reason.
    for (const std::string& answer : question.answers) {
        std::optional<PrismRange> range = ParseRangeAnswer(answer);
        if (!range || !range->base)
            continue;
        range->base.reset();
        if (RangeMatches(*range, question.userAnswer, abbreviations))
            return true;
    }
    return false;
}

// Only answers worth points would have scored; 0 and below never add any.
std::vector<ScoringAnswer> ScoringAnswers(const Question& question)
{
    std::vector<ScoringAnswer> scoring;
    const std::size_t count = std::min(question.answers.size(), question.points.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (question.points[i] <= 0)
            continue;
        if (question.answerBox != AnswerBox::Text) {
            scoring.push_back({question.answers[i], question.points[i], std::nullopt});
            continue;
        }
        const std::optional<PrismRange> range = ParseRangeAnswer(question.answers[i]);
        if (range)
            scoring.push_back({question.answers[i], question.points[i], range});
        else {
            const Keywords keywords = SplitKeywords(question.answers[i]);
            scoring.push_back({ReadableKeywords(question.answers[i]), question.points[i], std::nullopt,
                               KeywordWords(question, keywords.required), KeywordWords(question, keywords.excluded)});
        }
    }
    return scoring;
}

// "left, up and converging"; "right, up or down".
std::string WordList(const std::vector<std::string>& words, const std::string& lastJoin)
{
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        text += i == 0 ? "" : i + 1 == words.size() ? " " + lastJoin + " " : ", ";
        text += words[i];
    }
    return text;
}

// "an answer naming left and converging, but not right or up";
// "an answer not naming right or up".
std::string ReadableWords(const ScoringAnswer& answer, const ReviewLabels& labels)
{
    if (answer.words.empty())
        return labels.answerNotNaming + " " + WordList(answer.excluded, labels.orWord);
    std::string text = labels.answerNaming + " " + WordList(answer.words, labels.andWord);
    if (!answer.excluded.empty())
        text += ", " + labels.butNot + " " + WordList(answer.excluded, labels.orWord);
    return text;
}

void AppendPoints(std::string& text, int points, const ReviewLabels& labels)
{
    text += " (";
    text += std::to_string(points);
    text += ' ';
    text += points == 1 ? labels.point : labels.pointPlural;
    text += ')';
}

}  // namespace

std::vector<ReviewItem> BuildReview(const QuestionList& questions, BaseAbbreviations abbreviations)
{
    std::vector<ReviewItem> items;
    items.reserve(questions.size());
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const Question& question = questions[i];
        const bool answerable = question.answerBox != AnswerBox::None;
        const int points = ScoreQuestion(question, abbreviations);
        items.push_back({i + 1, question.text, answerable ? GivenAnswer(question) : std::vector<std::string>{}, points,
                         question.maxPoints, answerable ? ScoringAnswers(question) : std::vector<ScoringAnswer>{},
                         question.explanation, SeveralBasesCostThePoints(question, points, abbreviations)});
    }
    return items;
}

std::string ReadableKeywords(std::string_view answerText)
{
    std::string readable;
    std::size_t start = 0;
    while (start <= answerText.size()) {
        const auto end = std::min(answerText.find('&', start), answerText.size());
        const std::string_view keyword = answerText.substr(start, end - start);
        if (!keyword.empty()) {
            if (!readable.empty())
                readable += " + ";
            readable += keyword;
        }
        start = end + 1;
    }
    return readable.empty() ? "*" : readable;
}

std::string ReadableRange(const PrismRange& range, const ReviewLabels& labels)
{
    std::ostringstream text;
    text << range.low;
    if (range.high != range.low)
        text << ' ' << labels.rangeTo << ' ' << range.high;
    text << ' ' << labels.prismUnit;
    if (range.base) {
        switch (*range.base) {
        case PrismBaseWord::out:
            text << ' ' << labels.baseOut;
            break;
        case PrismBaseWord::in:
            text << ' ' << labels.baseIn;
            break;
        case PrismBaseWord::up:
            text << ' ' << labels.baseUp;
            break;
        case PrismBaseWord::down:
            text << ' ' << labels.baseDown;
            break;
        }
    }
    return text.str();
}

std::string FormatReview(const std::vector<ReviewItem>& items, const ReviewLabels& labels)
{
    std::string text;
    for (const ReviewItem& item : items) {
        if (!text.empty())
            text += "\n\n";
        text += std::to_string(item.number) + ". " + labels.question + '\n';
        text += item.question + '\n';

        text += labels.yourAnswer + ": ";
        if (item.given.empty())
            text += labels.noAnswer;
        for (std::size_t i = 0; i < item.given.size(); ++i)
            text += (i == 0 ? "" : "; ") + item.given[i];
        text += '\n';

        text += labels.points + ": " + std::to_string(item.points) + '/' + std::to_string(item.maxPoints);
        if (item.severalBases)
            text += '\n' + labels.severalBases;
        if (!item.scoring.empty()) {
            text += '\n' + labels.wouldHaveScored + ':';
            for (const ScoringAnswer& answer : item.scoring) {
                const bool worded = !answer.words.empty() || !answer.excluded.empty();
                text += "\n    " + (answer.range ? ReadableRange(*answer.range, labels)
                                    : worded     ? ReadableWords(answer, labels)
                                                 : answer.text);
                AppendPoints(text, answer.points, labels);
            }
        }
        if (!item.explanation.empty())
            text += '\n' + labels.explanation + ": " + item.explanation;
    }
    return text;
}
