#include "quiz/ResultsReport.h"

#include <algorithm>
#include <vector>

namespace {

std::string Fraction(int points, int maximum)
{
    return std::to_string(points) + '/' + std::to_string(maximum);
}

}  // namespace

std::string FormatResultsReport(const QuizScore& score, std::string_view questionLabel, std::string_view totalLabel)
{
    const std::size_t numberWidth = std::to_string(score.questions.size()).size();
    std::vector<std::string> heads;
    for (std::size_t i = 0; i < score.questions.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        heads.push_back(std::string(numberWidth - number.size(), ' ') + number + ". " + std::string(questionLabel) +
                        ':');
    }
    const std::string totalHead = std::string(totalLabel) + ':';
    std::size_t column = totalHead.size();
    for (const std::string& head : heads)
        column = std::max(column, head.size());
    column += 2;

    std::string report;
    for (std::size_t i = 0; i < heads.size(); ++i) {
        report += heads[i] + std::string(column - heads[i].size(), ' ');
        report += Fraction(score.questions[i].points, score.questions[i].maxPoints) + '\n';
    }
    if (!heads.empty())
        report += '\n';
    report += totalHead + std::string(column - totalHead.size(), ' ') + Fraction(score.total, score.maximum);
    return report;
}
