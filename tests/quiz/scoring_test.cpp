#include "quiz/QuestionFile.h"
#include "quiz/Scoring.h"

#include <gtest/gtest.h>

#include <string>

namespace {

Question ParsedQuestion(const std::string& body)
{
    const QuestionList questions = ParseQuestionText("[QUESTION]\n" + body);
    EXPECT_EQ(questions.size(), 1u);
    return questions.empty() ? Question{} : questions.front();
}

int ScoreWithAnswer(Question question, const std::string& userAnswer)
{
    question.userAnswer = userAnswer;
    return ScoreQuestion(question);
}

TEST(TextScoring, KeywordListsIgnoreCaseAndFirstMatchWins)
{
    const Question q = ParsedQuestion("AnswerBox=TEXT\nAnswer=nerve&palsy,3\nAnswer=nerve,1");
    EXPECT_EQ(ScoreWithAnswer(q, "Right NERVE palsy"), 3);
    EXPECT_EQ(ScoreWithAnswer(q, "nerve damage"), 1);
    EXPECT_EQ(ScoreWithAnswer(q, "palsy"), 0);
    EXPECT_EQ(ScoreWithAnswer(q, ""), 0);
    EXPECT_EQ(ScoreWithAnswer(q, "PALSY of the abducens Nerve"), 3);

    const Question reversed = ParsedQuestion("AnswerBox=TEXT\nAnswer=nerve,1\nAnswer=nerve&palsy,3");
    EXPECT_EQ(ScoreWithAnswer(reversed, "Right NERVE palsy"), 1);
}

TEST(TextScoring, KeywordsAreSubstringsAndEmptyOnesAlwaysOccur)
{
    EXPECT_TRUE(KeywordsMatch("abdu", "Abducens"));
    EXPECT_TRUE(KeywordsMatch("a&&b", "ab"));
    EXPECT_TRUE(KeywordsMatch("", "anything"));
    EXPECT_TRUE(KeywordsMatch("&", ""));
    EXPECT_FALSE(KeywordsMatch("x&", "abc"));
    EXPECT_FALSE(KeywordsMatch("nerve palsy", "nerve, palsy"));
    // Excluded keywords, either case.
    EXPECT_TRUE(KeywordsMatch("left&inward&!right", "the left eye turns inward"));
    EXPECT_FALSE(KeywordsMatch("left&inward&!right", "the left eye moves inward when the RIGHT is covered"));
    EXPECT_TRUE(KeywordsMatch("!Exo", "esotropia"));
    EXPECT_FALSE(KeywordsMatch("!Exo", "EXOTROPIA"));
    EXPECT_EQ(SplitKeywords("a&!b&c").excluded, std::vector<std::string>{"b"});
}

TEST(TextScoring, Latin1LettersIgnoreCase)
{
    EXPECT_TRUE(KeywordsMatch("\xC4nderung", "\xE4NDERUNG"));
    EXPECT_TRUE(KeywordsMatch("\xDC"
                              "ber",
                              "\xFC"
                              "ber"));
    // Both ends of the letter range; sharp s and y diaeresis have no capital there.
    EXPECT_TRUE(KeywordsMatch("\xC0", "\xE0"));
    EXPECT_TRUE(KeywordsMatch("\xE0", "\xC0"));
    EXPECT_TRUE(KeywordsMatch("\xDE", "\xFE"));
    EXPECT_TRUE(KeywordsMatch("\xFE", "\xDE"));
    EXPECT_FALSE(KeywordsMatch("\xDF", "\xFF"));
    EXPECT_FALSE(KeywordsMatch("\xFF", "\xDF"));
    // The multiplication and division signs are not a letter pair.
    EXPECT_FALSE(KeywordsMatch("\xD7", "\xF7"));
}

TEST(TextScoring, NegativePointsScoreZero)
{
    const Question q = ParsedQuestion("AnswerBox=TEXT\nAnswer=wrong,-2\nAnswer=right,2");
    EXPECT_EQ(ScoreWithAnswer(q, "that is wrong"), 0);
    EXPECT_EQ(ScoreWithAnswer(q, "right"), 2);
}

TEST(ChoiceScoring, SumsCheckedEntriesAndClampsBelowZero)
{
    const Question check = ParsedQuestion("AnswerBox=CHECK\nAnswer=a,2\nAnswer=b,3\nAnswer=c,-1");
    EXPECT_EQ(ScoreWithAnswer(check, "110"), 5);
    EXPECT_EQ(ScoreWithAnswer(check, "111"), 4);
    EXPECT_EQ(ScoreWithAnswer(check, "011"), 2);
    EXPECT_EQ(ScoreWithAnswer(check, "001"), 0);
    EXPECT_EQ(ScoreWithAnswer(check, "000"), 0);
    EXPECT_EQ(ScoreWithAnswer(check, ""), 0);

    const Question radio = ParsedQuestion("AnswerBox=RADIO\nAnswer=Yes,2\nAnswer=No,0\nAnswer=Unsure,-1");
    EXPECT_EQ(ScoreWithAnswer(radio, "100"), 2);
    EXPECT_EQ(ScoreWithAnswer(radio, "001"), 0);
}

TEST(ChoiceScoring, StoredAnswerOfOtherLengthNeverReadsPastEitherList)
{
    const Question check = ParsedQuestion("AnswerBox=CHECK\nAnswer=a,2\nAnswer=b,3\nAnswer=c,4");
    EXPECT_EQ(ScoreWithAnswer(check, "01"), 3);
    EXPECT_EQ(ScoreWithAnswer(check, "00111"), 4);
}

TEST(Scoring, QuestionsWithoutAnswerKindScoreZero)
{
    const Question none = ParsedQuestion("Answer=a,5");
    EXPECT_EQ(ScoreWithAnswer(none, "1"), 0);
    EXPECT_EQ(ScoreWithAnswer(none, "a"), 0);
}

TEST(Scoring, QuizTotalsAddClampedQuestionScores)
{
    QuestionList questions = ParseQuestionText("[QUESTION]\nAnswerBox=CHECK\nAnswer=a,-4\nAnswer=b,1\n"
                                               "[QUESTION]\nAnswerBox=TEXT\nAnswer=nerve,3\nAnswer=eye,1\n"
                                               "[QUESTION]\n");
    questions[0].userAnswer = "11";
    questions[1].userAnswer = "Nerve";

    const QuizScore score = ScoreQuiz(questions);
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
