#include "quiz/ResultsReport.h"

namespace quiz {
namespace {

void appendFraction(std::string& report, int points, int maximum)
{
    report += std::to_string(points);
    report += '/';
    report += std::to_string(maximum);
}

}  // namespace

std::string formatResultsReport(const QuizScore& score, std::string_view questionLabel, std::string_view totalLabel)
{
    std::string report;
    for (std::size_t i = 0; i < score.questions.size(); ++i) {
        report += '\n';
        report += std::to_string(i + 1);
        report += ". ";
        report += questionLabel;
        report += ": \t\t";
        appendFraction(report, score.questions[i].points, score.questions[i].maxPoints);
    }
    report += "\n\n";
    report += totalLabel;
    report += ": \t";
    appendFraction(report, score.total, score.maximum);
    return report;
}

}  // namespace quiz
