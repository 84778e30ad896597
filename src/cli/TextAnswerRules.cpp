#include "cli/TextAnswerRules.h"

#include "quiz/Scoring.h"

#include <algorithm>
#include <string>

namespace cli {
namespace {

// The shortest text an answer matches: its keywords on lines of their own.
// Keywords come from single lines, so none contains a line break, and an
// earlier answer matches this text exactly when each of its keywords lies
// within one of these.
std::string LeastMatchingText(const std::string& answer)
{
    std::string text = answer;
    std::replace(text.begin(), text.end(), '&', '\n');
    return text;
}

std::string ExampleText(const std::string& first, const std::string& second)
{
    std::string text = first + " " + second;
    std::replace(text.begin(), text.end(), '&', ' ');
    return text;
}

std::string PointsText(int points)
{
    return std::to_string(points) + (points == 1 ? " point" : " points");
}

}  // namespace

void CheckTextAnswerOrder(const quiz::Question& question, const std::vector<std::size_t>& answerLines,
                          QuizProblems& problems)
{
    const std::vector<std::string>& answers = question.answers;
    std::size_t count = std::min({answers.size(), question.points.size(), answerLines.size()});
    // Every answer is compared with every earlier one: a file of a million
    // answer lines must not keep the check busy for hours.
    if (count > kMaxOrderedAnswers) {
        problems.push_back({answerLines[kMaxOrderedAnswers],
                            "more than " + std::to_string(kMaxOrderedAnswers) +
                                " answers: the order of the later ones is not checked"});
        count = kMaxOrderedAnswers;
    }
    // A score below 0 counts as 0.
    auto scored = [&question](std::size_t i) { return std::max(question.points[i], 0); };
    std::vector<bool> canScore(count, true);

    for (std::size_t later = 1; later < count; ++later) {
        const std::string least = LeastMatchingText(answers[later]);
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            if (quiz::keywordsMatch(answers[earlier], least)) {
                problems.push_back({answerLines[later],
                                    "answer " + Quoted(answers[later]) + " can never score: answer " +
                                        Quoted(answers[earlier]) + " on line " +
                                        std::to_string(answerLines[earlier]) + " matches every text it matches"});
                canScore[later] = false;
                break;
            }
        }
    }

    for (std::size_t earlier = 0; earlier + 1 < count; ++earlier) {
        for (std::size_t later = earlier + 1; later < count; ++later) {
            if (!canScore[later] || scored(earlier) >= scored(later)) continue;
            // Every text the earlier answer matches also matches the later
            // one: a wrong answer carved out of a partly right one on
            // purpose ("exophor" with 0 points before "phor" with 1).
            if (quiz::keywordsMatch(answers[later], LeastMatchingText(answers[earlier]))) continue;
            problems.push_back({answerLines[earlier],
                                "answer " + Quoted(answers[earlier]) + " (" + PointsText(scored(earlier)) +
                                    ") comes before answer " + Quoted(answers[later]) + " (" +
                                    PointsText(scored(later)) + ", line " + std::to_string(answerLines[later]) +
                                    "): a text with both, such as " +
                                    Quoted(ExampleText(answers[earlier], answers[later])) + ", scores only " +
                                    PointsText(scored(earlier)) + "; list higher-scoring answers first"});
            break;
        }
    }
}

}  // namespace cli
