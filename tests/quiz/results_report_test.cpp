#include "quiz/QuestionFile.h"
#include "quiz/ResultsReport.h"

#include <gtest/gtest.h>

namespace quiz {
namespace {

TEST(ResultsReport, LinesPerQuestionThenTotal)
{
    QuizScore score;
    score.questions = {{3, 5}, {0, 2}};
    score.total = 3;
    score.maximum = 7;
    EXPECT_EQ(formatResultsReport(score, "Question", "Total"),
              "\n1. Question: \t\t3/5"
              "\n2. Question: \t\t0/2"
              "\n\nTotal: \t3/7");
}

TEST(ResultsReport, ScoredFromParsedQuestions)
{
    QuestionList questions = parseQuestionText(
        "[QUESTION]\nAnswerBox=CHECK\nAnswer=a,2\nAnswer=b,3\nAnswer=c,-1\n"
        "[QUESTION]\nAnswerBox=RADIO\nAnswer=Yes,2\nAnswer=No,0\n");
    questions[0].userAnswer = "011";
    questions[1].userAnswer = "01";
    EXPECT_EQ(formatResultsReport(scoreQuiz(questions), "Frage", "Summe"),
              "\n1. Frage: \t\t2/5\n2. Frage: \t\t0/2\n\nSumme: \t2/7");
}

TEST(ResultsReport, EmptyQuizHasOnlyTheTotal)
{
    EXPECT_EQ(formatResultsReport(scoreQuiz({}), "Q", "Total"), "\n\nTotal: \t0/0");
}

TEST(ResultsReport, LabelsAreTextNotFormats)
{
    QuizScore score;
    score.questions = {{1, 1}};
    score.total = 1;
    score.maximum = 1;
    EXPECT_EQ(formatResultsReport(score, "%s%n%d", "100%"), "\n1. %s%n%d: \t\t1/1\n\n100%: \t1/1");
}

}  // namespace
}  // namespace quiz
