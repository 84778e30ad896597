#include "quiz/QuestionFile.h"
#include "quiz/QuestionOrder.h"
#include "quiz/QuizSession.h"
#include "quiz/Scoring.h"
#include "quiz/StoredAnswer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const char* const twoQuestions = "[QUESTION]\nQuestion=Describe\nAnswerBox=TEXT\nAnswer=nerve,1\n"
                                 "[QUESTION]\nQuestion=Pick\nAnswerBox=RADIO\nAnswer=a,1\nAnswer=b,0\nAnswer=c,0\n";

Question QuestionOfKind(AnswerBox box, std::size_t answerCount)
{
    Question q;
    q.answerBox = box;
    q.answers.assign(answerCount, "x");
    q.points.assign(answerCount, 1);
    return q;
}

TEST(QuizSession, EmptyQuizHasNothingToShowOrMoveTo)
{
    QuizSession session;
    for (int round = 0; round < 2; ++round) {
        EXPECT_TRUE(session.Empty());
        EXPECT_EQ(session.Current(), nullptr);
        EXPECT_EQ(static_cast<const QuizSession&>(session).Current(), nullptr);
        EXPECT_FALSE(session.CanGoNext());
        EXPECT_FALSE(session.CanGoPrevious());
        EXPECT_FALSE(session.GoNext());
        EXPECT_FALSE(session.GoPrevious());
        EXPECT_EQ(session.CurrentIndex(), 0u);
        session.Load(ParseQuestionText("no questions here"));
    }
}

TEST(QuizSession, NavigationStopsAtBothEnds)
{
    QuizSession session;
    session.Load(ParseQuestionText(twoQuestions));
    ASSERT_EQ(session.Size(), 2u);
    EXPECT_EQ(session.Current()->text, "Describe");
    EXPECT_FALSE(session.CanGoPrevious());
    EXPECT_TRUE(session.CanGoNext());

    EXPECT_TRUE(session.GoNext());
    EXPECT_EQ(session.Current()->text, "Pick");
    EXPECT_TRUE(session.CanGoPrevious());
    EXPECT_FALSE(session.CanGoNext());
    EXPECT_FALSE(session.GoNext());
    EXPECT_EQ(session.CurrentIndex(), 1u);

    EXPECT_TRUE(session.GoPrevious());
    EXPECT_FALSE(session.GoPrevious());
    EXPECT_EQ(session.CurrentIndex(), 0u);
}

TEST(QuizSession, LoadAndClearStartOver)
{
    QuizSession session;
    session.Load(ParseQuestionText(twoQuestions));
    session.GoNext();
    session.Load(ParseQuestionText(twoQuestions));
    EXPECT_EQ(session.CurrentIndex(), 0u);

    session.GoNext();
    session.Clear();
    EXPECT_TRUE(session.Empty());
    EXPECT_EQ(session.Current(), nullptr);
    EXPECT_EQ(session.CurrentIndex(), 0u);
    EXPECT_EQ(session.CurrentQuestion(), 0u);
}

TEST(QuizSession, AnswersSurviveMovingAwayAndBack)
{
    QuizSession session;
    session.Load(ParseQuestionText(twoQuestions));
    StoreShownAnswer(*session.Current(), "right nerve", {});
    session.GoNext();
    StoreShownAnswer(*session.Current(), "", {false, true, false});

    session.GoPrevious();
    EXPECT_EQ(session.Current()->userAnswer, "right nerve");
    session.GoNext();
    EXPECT_EQ(session.Current()->userAnswer, "010");
    EXPECT_FALSE(IsEntryChecked(*session.Current(), 0));
    EXPECT_TRUE(IsEntryChecked(*session.Current(), 1));
    EXPECT_FALSE(IsEntryChecked(*session.Current(), 2));
    EXPECT_FALSE(IsEntryChecked(*session.Current(), 3));
}

TEST(QuestionOrder, ShuffledOrderIsAPermutation)
{
    EXPECT_EQ(FileOrder(4), (std::vector<std::size_t>{0, 1, 2, 3}));
    EXPECT_TRUE(ShuffledOrder(0, 1).empty());
    bool anyMoved = false;
    for (std::uint32_t seed = 0; seed < 20; ++seed) {
        const std::vector<std::size_t> order = ShuffledOrder(12, seed);
        EXPECT_TRUE(IsOrderOf(order, 12)) << "seed " << seed;
        std::vector<std::size_t> sorted = order;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, FileOrder(12));
        anyMoved |= order != FileOrder(12);
    }
    EXPECT_TRUE(anyMoved);
    EXPECT_EQ(ShuffledOrder(12, 5), ShuffledOrder(12, 5));

    EXPECT_FALSE(IsOrderOf({0, 1}, 3));
    EXPECT_FALSE(IsOrderOf({0, 0, 1}, 3));
    EXPECT_FALSE(IsOrderOf({0, 1, 3}, 3));
}

TEST(QuizSession, ShuffledVisitsStoreAnswersWithTheirOwnQuestions)
{
    QuizSession session;
    session.Load(ParseQuestionText(twoQuestions));
    EXPECT_FALSE(session.SetOrder({0, 0}));
    EXPECT_FALSE(session.SetOrder({1}));
    EXPECT_EQ(session.Current()->text, "Describe");

    session.GoNext();
    ASSERT_TRUE(session.SetOrder({1, 0}));
    EXPECT_EQ(session.CurrentIndex(), 0u);
    EXPECT_EQ(session.CurrentQuestion(), 1u);
    EXPECT_EQ(session.Current()->text, "Pick");
    StoreShownAnswer(*session.Current(), "", {true, false, false});
    ASSERT_TRUE(session.GoNext());
    EXPECT_EQ(session.CurrentQuestion(), 0u);
    StoreShownAnswer(*session.Current(), "nerve", {});
    EXPECT_FALSE(session.CanGoNext());

    // The scores are those of the questions in file order.
    const QuizScore score = ScoreQuiz(session.Questions());
    ASSERT_EQ(score.questions.size(), 2u);
    EXPECT_EQ(session.Questions()[0].userAnswer, "nerve");
    EXPECT_EQ(session.Questions()[1].userAnswer, "100");
    EXPECT_EQ(score.questions[0].points, 1);
    EXPECT_EQ(score.questions[1].points, 1);

    session.Load(ParseQuestionText(twoQuestions));
    EXPECT_EQ(session.CurrentQuestion(), 0u);
    ASSERT_TRUE(session.GoNext());
    EXPECT_EQ(session.Current()->text, "Pick");
}

TEST(StoredAnswer, StoresByAnswerKind)
{
    Question text = QuestionOfKind(AnswerBox::Text, 2);
    StoreShownAnswer(text, "typed", {true, true});
    EXPECT_EQ(text.userAnswer, "typed");

    Question single = QuestionOfKind(AnswerBox::SingleChoice, 3);
    StoreShownAnswer(single, "ignored", {false, false, false});
    EXPECT_EQ(single.userAnswer, "000");

    Question multiple = QuestionOfKind(AnswerBox::MultipleChoice, 3);
    StoreShownAnswer(multiple, "", {true, false, true});
    EXPECT_EQ(multiple.userAnswer, "101");

    Question none = QuestionOfKind(AnswerBox::None, 2);
    none.userAnswer = "kept";
    StoreShownAnswer(none, "typed", {true, true});
    EXPECT_EQ(none.userAnswer, "kept");
}

TEST(StoredAnswer, ChoiceStringHasOneEntryPerAnswer)
{
    Question q = QuestionOfKind(AnswerBox::MultipleChoice, 3);
    StoreShownAnswer(q, "", {true});
    EXPECT_EQ(q.userAnswer, "100");
    StoreShownAnswer(q, "", {false, true, true, true, true});
    EXPECT_EQ(q.userAnswer, "011");

    Question withoutAnswers = QuestionOfKind(AnswerBox::SingleChoice, 0);
    StoreShownAnswer(withoutAnswers, "", {true, true});
    EXPECT_EQ(withoutAnswers.userAnswer, "");
    EXPECT_FALSE(IsEntryChecked(withoutAnswers, 0));
}

TEST(StoredAnswer, AnswerAreaFollowsTheQuestionsOwnKind)
{
    EXPECT_EQ(AnswerAreaFor(QuestionOfKind(AnswerBox::Text, 0)), AnswerArea::Text);
    EXPECT_EQ(AnswerAreaFor(QuestionOfKind(AnswerBox::SingleChoice, 2)), AnswerArea::ChoiceList);
    EXPECT_EQ(AnswerAreaFor(QuestionOfKind(AnswerBox::MultipleChoice, 1)), AnswerArea::ChoiceList);
    EXPECT_EQ(AnswerAreaFor(QuestionOfKind(AnswerBox::MultipleChoice, 0)), AnswerArea::None);
    EXPECT_EQ(AnswerAreaFor(QuestionOfKind(AnswerBox::None, 2)), AnswerArea::None);
}

}  // namespace
