#include "quiz/QuestionFile.h"
#include "quiz/Scoring.h"

#include <gtest/gtest.h>

#include <string>

namespace quiz {
namespace {

Question parsedQuestion(const std::string& body)
{
    const QuestionList questions = parseQuestionText("[QUESTION]\n" + body);
    EXPECT_EQ(questions.size(), 1u);
    return questions.empty() ? Question{} : questions.front();
}

int scoreWithAnswer(Question question, const std::string& userAnswer)
{
    question.userAnswer = userAnswer;
    return scoreQuestion(question);
}

TEST(TextScoring, KeywordListsIgnoreCaseAndFirstMatchWins)
{
    const Question q = parsedQuestion("AnswerBox=TEXT\nAnswer=nerve&palsy,3\nAnswer=nerve,1");
    EXPECT_EQ(scoreWithAnswer(q, "Right NERVE palsy"), 3);
    EXPECT_EQ(scoreWithAnswer(q, "nerve damage"), 1);
    EXPECT_EQ(scoreWithAnswer(q, "palsy"), 0);
    EXPECT_EQ(scoreWithAnswer(q, ""), 0);
    EXPECT_EQ(scoreWithAnswer(q, "PALSY of the abducens Nerve"), 3);

    const Question reversed = parsedQuestion("AnswerBox=TEXT\nAnswer=nerve,1\nAnswer=nerve&palsy,3");
    EXPECT_EQ(scoreWithAnswer(reversed, "Right NERVE palsy"), 1);
}

TEST(TextScoring, KeywordsAreSubstringsAndEmptyOnesAlwaysOccur)
{
    EXPECT_TRUE(keywordsMatch("abdu", "Abducens"));
    EXPECT_TRUE(keywordsMatch("a&&b", "ab"));
    EXPECT_TRUE(keywordsMatch("", "anything"));
    EXPECT_TRUE(keywordsMatch("&", ""));
    EXPECT_FALSE(keywordsMatch("x&", "abc"));
    EXPECT_FALSE(keywordsMatch("nerve palsy", "nerve, palsy"));
    // Excluded keywords, either case.
    EXPECT_TRUE(keywordsMatch("left&inward&!right", "the left eye turns inward"));
    EXPECT_FALSE(keywordsMatch("left&inward&!right", "the left eye moves inward when the RIGHT is covered"));
    EXPECT_TRUE(keywordsMatch("!Exo", "esotropia"));
    EXPECT_FALSE(keywordsMatch("!Exo", "EXOTROPIA"));
    EXPECT_EQ(splitKeywords("a&!b&c").excluded, std::vector<std::string>{"b"});
}

TEST(TextScoring, Latin1LettersIgnoreCase)
{
    EXPECT_TRUE(keywordsMatch("\xC4nderung", "\xE4NDERUNG"));
    EXPECT_TRUE(keywordsMatch("\xDC"
                              "ber",
                              "\xFC"
                              "ber"));
    // Both ends of the letter range; sharp s and y diaeresis have no capital there.
    EXPECT_TRUE(keywordsMatch("\xC0", "\xE0"));
    EXPECT_TRUE(keywordsMatch("\xE0", "\xC0"));
    EXPECT_TRUE(keywordsMatch("\xDE", "\xFE"));
    EXPECT_TRUE(keywordsMatch("\xFE", "\xDE"));
    EXPECT_FALSE(keywordsMatch("\xDF", "\xFF"));
    EXPECT_FALSE(keywordsMatch("\xFF", "\xDF"));
    // The multiplication and division signs are not a letter pair.
    EXPECT_FALSE(keywordsMatch("\xD7", "\xF7"));
}

TEST(TextScoring, NegativePointsScoreZero)
{
    const Question q = parsedQuestion("AnswerBox=TEXT\nAnswer=wrong,-2\nAnswer=right,2");
    EXPECT_EQ(scoreWithAnswer(q, "that is wrong"), 0);
    EXPECT_EQ(scoreWithAnswer(q, "right"), 2);
}

TEST(ChoiceScoring, SumsCheckedEntriesAndClampsBelowZero)
{
    const Question check = parsedQuestion("AnswerBox=CHECK\nAnswer=a,2\nAnswer=b,3\nAnswer=c,-1");
    EXPECT_EQ(scoreWithAnswer(check, "110"), 5);
    EXPECT_EQ(scoreWithAnswer(check, "111"), 4);
    EXPECT_EQ(scoreWithAnswer(check, "011"), 2);
    EXPECT_EQ(scoreWithAnswer(check, "001"), 0);
    EXPECT_EQ(scoreWithAnswer(check, "000"), 0);
    EXPECT_EQ(scoreWithAnswer(check, ""), 0);

    const Question radio = parsedQuestion("AnswerBox=RADIO\nAnswer=Yes,2\nAnswer=No,0\nAnswer=Unsure,-1");
    EXPECT_EQ(scoreWithAnswer(radio, "100"), 2);
    EXPECT_EQ(scoreWithAnswer(radio, "001"), 0);
}

TEST(ChoiceScoring, StoredAnswerOfOtherLengthNeverReadsPastEitherList)
{
    const Question check = parsedQuestion("AnswerBox=CHECK\nAnswer=a,2\nAnswer=b,3\nAnswer=c,4");
    EXPECT_EQ(scoreWithAnswer(check, "01"), 3);
    EXPECT_EQ(scoreWithAnswer(check, "00111"), 4);
}

TEST(Scoring, QuestionsWithoutAnswerKindScoreZero)
{
    const Question none = parsedQuestion("Answer=a,5");
    EXPECT_EQ(scoreWithAnswer(none, "1"), 0);
    EXPECT_EQ(scoreWithAnswer(none, "a"), 0);
}

TEST(Scoring, QuizTotalsAddClampedQuestionScores)
{
    QuestionList questions = parseQuestionText("[QUESTION]\nAnswerBox=CHECK\nAnswer=a,-4\nAnswer=b,1\n"
                                               "[QUESTION]\nAnswerBox=TEXT\nAnswer=nerve,3\nAnswer=eye,1\n"
                                               "[QUESTION]\n");
    questions[0].userAnswer = "11";
    questions[1].userAnswer = "Nerve";

    const QuizScore score = scoreQuiz(questions);
    ASSERT_EQ(score.questions.size(), 3u);
    EXPECT_EQ(score.questions[0].points, 0);
    EXPECT_EQ(score.questions[0].maxPoints, 1);
    EXPECT_EQ(score.questions[1].points, 3);
    EXPECT_EQ(score.questions[1].maxPoints, 3);
    EXPECT_EQ(score.questions[2].points, 0);
    EXPECT_EQ(score.total, 3);  // a negative question does not reduce the total
    EXPECT_EQ(score.maximum, 4);
}

}  // namespace
}  // namespace quiz
