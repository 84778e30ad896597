#include "cli/TextAnswerRules.h"

#include "quiz/RangeAnswer.h"
#include "quiz/Scoring.h"

#include <algorithm>
#include <optional>
#include <string>

namespace {

std::string Joined(const std::vector<std::string>& keywords, char separator)
{
    std::string text;
    for (const std::string& keyword : keywords)
        text += (text.empty() ? "" : std::string(1, separator)) + keyword;
    return text;
}

// The shortest text an answer matches: its required keywords on lines of
// their own. Keywords come from single lines, so none contains a line
// break, and an earlier answer's required keywords all match this text
// exactly when each lies within one of these.
std::string LeastMatchingText(const std::string& answer)
{
    return Joined(SplitKeywords(answer).required, '\n');
}

std::string ExampleText(const std::string& first, const std::string& second)
{
    return Joined(SplitKeywords(first).required, ' ') + " " + Joined(SplitKeywords(second).required, ' ');
}

// Whether no text the later answer scores on holds a word the earlier one
// excludes: the later answer excludes a part of each such word.
bool ExclusionsCovered(const std::string& earlier, const std::string& later)
{
    const std::vector<std::string> laterExcluded = SplitKeywords(later).excluded;
    for (const std::string& word : SplitKeywords(earlier).excluded) {
        const bool covered = std::any_of(laterExcluded.begin(), laterExcluded.end(),
                                         [&word](const std::string& part) { return KeywordsMatch(part, word); });
        if (!covered)
            return false;
    }
    return true;
}

// Whether every text the later answer scores on also scores the earlier one.
bool Covers(const std::string& earlier, const std::string& later)
{
    const std::optional<PrismRange> earlierRange = ParseRangeAnswer(earlier);
    const std::optional<PrismRange> laterRange = ParseRangeAnswer(later);
    if (!earlierRange && !laterRange)
        return KeywordsMatch(Joined(SplitKeywords(earlier).required, '&'), LeastMatchingText(later)) &&
               ExclusionsCovered(earlier, later);
    // Keywords that match even an empty text match everything.
    if (!earlierRange)
        return KeywordsMatch(earlier, "") && SplitKeywords(earlier).excluded.empty();
    // A range is never sure to match a text chosen only for its keywords.
    if (!laterRange)
        return false;
    return earlierRange->low <= laterRange->low && laterRange->high <= earlierRange->high &&
           (!earlierRange->base || earlierRange->base == laterRange->base);
}

// A text that scores on both answers, if there is one.
std::optional<std::string> TextMatchingBoth(const std::string& first, const std::string& second)
{
    const std::optional<PrismRange> firstRange = ParseRangeAnswer(first);
    const std::optional<PrismRange> secondRange = ParseRangeAnswer(second);
    if (!firstRange && !secondRange)
        return ExampleText(first, second);
    std::string text;
    if (firstRange && secondRange) {
        PrismRange overlap{std::max(firstRange->low, secondRange->low), std::min(firstRange->high, secondRange->high),
                           firstRange->base ? firstRange->base : secondRange->base};
        if (overlap.low > overlap.high)
            return std::nullopt;
        text = RangeExample(overlap);
    } else {
        // The measurement first, so its number is the first in the text.
        const bool firstIsRange = firstRange.has_value();
        text = RangeExample(firstIsRange ? *firstRange : *secondRange) + " " +
               ExampleText(firstIsRange ? second : first, "");
    }
    if (AnswerMatches(first, text) && AnswerMatches(second, text))
        return text;
    return std::nullopt;
}

std::string PointsText(int points)
{
    return std::to_string(points) + (points == 1 ? " point" : " points");
}

}  // namespace

void CheckTextAnswerOrder(const Question& question, const std::vector<std::size_t>& answerLines, QuizProblems& problems)
{
    const std::vector<std::string>& answers = question.answers;
    std::size_t count = std::min({answers.size(), question.points.size(), answerLines.size()});
    // Every answer is compared with every earlier one: a file of a million
    // answer lines must not keep the check busy for hours.
    if (count > kMaxOrderedAnswers) {
        problems.push_back(
            {answerLines[kMaxOrderedAnswers], "more than " + std::to_string(kMaxOrderedAnswers) +
                                                  " answers: the order of the later ones is not checked"});
        count = kMaxOrderedAnswers;
    }
    // A score below 0 counts as 0.
    auto scored = [&question](std::size_t i) { return std::max(question.points[i], 0); };
    std::vector<bool> canScore(count, true);

    for (std::size_t later = 1; later < count; ++later) {
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            if (Covers(answers[earlier], answers[later])) {
                problems.push_back({answerLines[later], "answer " + Quoted(answers[later]) +
                                                            " can never score: answer " + Quoted(answers[earlier]) +
                                                            " on line " + std::to_string(answerLines[earlier]) +
                                                            " matches every text it matches"});
                canScore[later] = false;
                break;
            }
        }
    }

    for (std::size_t earlier = 0; earlier + 1 < count; ++earlier) {
        for (std::size_t later = earlier + 1; later < count; ++later) {
            if (!canScore[later] || scored(earlier) >= scored(later))
                continue;
            // Every text the earlier answer matches also matches the later
            // one: a wrong answer carved out of a partly right one on
            // purpose ("exophor" with 0 points before "phor" with 1).
            if (Covers(answers[later], answers[earlier]))
                continue;
            const std::optional<std::string> both = TextMatchingBoth(answers[earlier], answers[later]);
            if (!both)
                continue;
            problems.push_back(
                {answerLines[earlier], "answer " + Quoted(answers[earlier]) + " (" + PointsText(scored(earlier)) +
                                           ") comes before answer " + Quoted(answers[later]) + " (" +
                                           PointsText(scored(later)) + ", line " + std::to_string(answerLines[later]) +
                                           "): a text with both, such as " + Quoted(*both) + ", scores only " +
                                           PointsText(scored(earlier)) + "; list higher-scoring answers first"});
            break;
        }
    }
}

void CheckRangeAnswers(const Question& question, const std::vector<std::size_t>& answerLines, QuizProblems& problems)
{
    const std::size_t count = std::min(question.answers.size(), answerLines.size());
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& answer = question.answers[i];
        if (answer.find("..") == std::string::npos || ParseRangeAnswer(answer))
            continue;
        problems.push_back({answerLines[i], "answer " + Quoted(answer) +
                                                " is no measured range (two numbers with \"..\", the larger second, "
                                                "then BO, BI, BU, BD or nothing): it is taken as keywords"});
    }
}
