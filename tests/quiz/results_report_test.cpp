#include "quiz/QuestionFile.h"
#include "quiz/ResultsReport.h"

#include <gtest/gtest.h>

namespace {

TEST(ResultsReport, LinesPerQuestionThenTotal)
{
    QuizScore score;
    score.questions = {{3, 5}, {0, 2}};
    score.total = 3;
    score.maximum = 7;
    EXPECT_EQ(FormatResultsReport(score, "Question", "Total"), "1. Question:  3/5\n"
                                                               "2. Question:  0/2\n"
                                                               "\n"
                                                               "Total:        3/7");
}

TEST(ResultsReport, ScoredFromParsedQuestions)
{
    QuestionList questions = ParseQuestionText("[QUESTION]\nAnswerBox=CHECK\nAnswer=a,2\nAnswer=b,3\nAnswer=c,-1\n"
                                               "[QUESTION]\nAnswerBox=RADIO\nAnswer=Yes,2\nAnswer=No,0\n");
    questions[0].userAnswer = "011";
    questions[1].userAnswer = "01";
    EXPECT_EQ(FormatResultsReport(ScoreQuiz(questions), "Frage", "Summe"),
              "1. Frage:  2/5\n2. Frage:  0/2\n\nSumme:     2/7");
}

TEST(ResultsReport, TwoDigitQuestionNumbersLineUpWithTheOthers)
{
    QuizScore score;
    score.questions.assign(16, {1, 2});
    score.total = 16;
    score.maximum = 32;
    const std::string report = FormatResultsReport(score, "Frage", "Gesamtpunktzahl");
    EXPECT_EQ(report.substr(0, report.find('\n')), " 1. Frage:        1/2");
    EXPECT_NE(report.find("\n16. Frage:        1/2\n"), std::string::npos) << report;
    EXPECT_NE(report.find("\n\nGesamtpunktzahl:  16/32"), std::string::npos) << report;
}

TEST(ResultsReport, EmptyQuizHasOnlyTheTotal)
{
    EXPECT_EQ(FormatResultsReport(ScoreQuiz({}), "Q", "Total"), "Total:  0/0");
}

TEST(ResultsReport, LabelsAreTextNotFormats)
{
    QuizScore score;
    score.questions = {{1, 1}};
    score.total = 1;
    score.maximum = 1;
    EXPECT_EQ(FormatResultsReport(score, "%s%n%d", "100%"), "1. %s%n%d:  1/1\n\n100%:       1/1");
}

}  // namespace
