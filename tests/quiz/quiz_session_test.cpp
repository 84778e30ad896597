#include "quiz/QuestionFile.h"
#include "quiz/QuestionOrder.h"
#include "quiz/QuizSession.h"
#include "quiz/Scoring.h"
#include "quiz/StoredAnswer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quiz {
namespace {

const char* const twoQuestions = "[QUESTION]\nQuestion=Describe\nAnswerBox=TEXT\nAnswer=nerve,1\n"
                                 "[QUESTION]\nQuestion=Pick\nAnswerBox=RADIO\nAnswer=a,1\nAnswer=b,0\nAnswer=c,0\n";

Question questionOfKind(AnswerBox box, std::size_t answerCount)
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
        EXPECT_TRUE(session.empty());
        EXPECT_EQ(session.current(), nullptr);
        EXPECT_EQ(static_cast<const QuizSession&>(session).current(), nullptr);
        EXPECT_FALSE(session.canGoNext());
        EXPECT_FALSE(session.canGoPrevious());
        EXPECT_FALSE(session.goNext());
        EXPECT_FALSE(session.goPrevious());
        EXPECT_EQ(session.currentIndex(), 0u);
        session.load(parseQuestionText("no questions here"));
    }
}

TEST(QuizSession, NavigationStopsAtBothEnds)
{
    QuizSession session;
    session.load(parseQuestionText(twoQuestions));
    ASSERT_EQ(session.size(), 2u);
    EXPECT_EQ(session.current()->text, "Describe");
    EXPECT_FALSE(session.canGoPrevious());
    EXPECT_TRUE(session.canGoNext());

    EXPECT_TRUE(session.goNext());
    EXPECT_EQ(session.current()->text, "Pick");
    EXPECT_TRUE(session.canGoPrevious());
    EXPECT_FALSE(session.canGoNext());
    EXPECT_FALSE(session.goNext());
    EXPECT_EQ(session.currentIndex(), 1u);

    EXPECT_TRUE(session.goPrevious());
    EXPECT_FALSE(session.goPrevious());
    EXPECT_EQ(session.currentIndex(), 0u);
}

TEST(QuizSession, LoadAndClearStartOver)
{
    QuizSession session;
    session.load(parseQuestionText(twoQuestions));
    session.goNext();
    session.load(parseQuestionText(twoQuestions));
    EXPECT_EQ(session.currentIndex(), 0u);

    session.goNext();
    session.clear();
    EXPECT_TRUE(session.empty());
    EXPECT_EQ(session.current(), nullptr);
    EXPECT_EQ(session.currentIndex(), 0u);
    EXPECT_EQ(session.currentQuestion(), 0u);
}

TEST(QuizSession, AnswersSurviveMovingAwayAndBack)
{
    QuizSession session;
    session.load(parseQuestionText(twoQuestions));
    storeAnswer(*session.current(), "right nerve", {});
    session.goNext();
    storeAnswer(*session.current(), "", {false, true, false});

    session.goPrevious();
    EXPECT_EQ(session.current()->userAnswer, "right nerve");
    session.goNext();
    EXPECT_EQ(session.current()->userAnswer, "010");
    EXPECT_FALSE(isEntryChecked(*session.current(), 0));
    EXPECT_TRUE(isEntryChecked(*session.current(), 1));
    EXPECT_FALSE(isEntryChecked(*session.current(), 2));
    EXPECT_FALSE(isEntryChecked(*session.current(), 3));
}

TEST(QuestionOrder, ShuffledOrderIsAPermutation)
{
    EXPECT_EQ(fileOrder(4), (std::vector<std::size_t>{0, 1, 2, 3}));
    EXPECT_TRUE(shuffledOrder(0, 1).empty());
    bool anyMoved = false;
    for (std::uint32_t seed = 0; seed < 20; ++seed) {
        const std::vector<std::size_t> order = shuffledOrder(12, seed);
        EXPECT_TRUE(isOrderOf(order, 12)) << "seed " << seed;
        std::vector<std::size_t> sorted = order;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, fileOrder(12));
        anyMoved |= order != fileOrder(12);
    }
    EXPECT_TRUE(anyMoved);
    EXPECT_EQ(shuffledOrder(12, 5), shuffledOrder(12, 5));

    EXPECT_FALSE(isOrderOf({0, 1}, 3));
    EXPECT_FALSE(isOrderOf({0, 0, 1}, 3));
    EXPECT_FALSE(isOrderOf({0, 1, 3}, 3));
}

TEST(QuizSession, ShuffledVisitsStoreAnswersWithTheirOwnQuestions)
{
    QuizSession session;
    session.load(parseQuestionText(twoQuestions));
    EXPECT_FALSE(session.setOrder({0, 0}));
    EXPECT_FALSE(session.setOrder({1}));
    EXPECT_EQ(session.current()->text, "Describe");

    session.goNext();
    ASSERT_TRUE(session.setOrder({1, 0}));
    EXPECT_EQ(session.currentIndex(), 0u);
    EXPECT_EQ(session.currentQuestion(), 1u);
    EXPECT_EQ(session.current()->text, "Pick");
    storeAnswer(*session.current(), "", {true, false, false});
    ASSERT_TRUE(session.goNext());
    EXPECT_EQ(session.currentQuestion(), 0u);
    storeAnswer(*session.current(), "nerve", {});
    EXPECT_FALSE(session.canGoNext());

    // The scores are those of the questions in file order.
    const QuizScore score = scoreQuiz(session.questions());
    ASSERT_EQ(score.questions.size(), 2u);
    EXPECT_EQ(session.questions()[0].userAnswer, "nerve");
    EXPECT_EQ(session.questions()[1].userAnswer, "100");
    EXPECT_EQ(score.questions[0].points, 1);
    EXPECT_EQ(score.questions[1].points, 1);

    session.load(parseQuestionText(twoQuestions));
    EXPECT_EQ(session.currentQuestion(), 0u);
    ASSERT_TRUE(session.goNext());
    EXPECT_EQ(session.current()->text, "Pick");
}

TEST(StoredAnswer, StoresByAnswerKind)
{
    Question text = questionOfKind(AnswerBox::Text, 2);
    storeAnswer(text, "typed", {true, true});
    EXPECT_EQ(text.userAnswer, "typed");

    Question single = questionOfKind(AnswerBox::SingleChoice, 3);
    storeAnswer(single, "ignored", {false, false, false});
    EXPECT_EQ(single.userAnswer, "000");

    Question multiple = questionOfKind(AnswerBox::MultipleChoice, 3);
    storeAnswer(multiple, "", {true, false, true});
    EXPECT_EQ(multiple.userAnswer, "101");

    Question none = questionOfKind(AnswerBox::None, 2);
    none.userAnswer = "kept";
    storeAnswer(none, "typed", {true, true});
    EXPECT_EQ(none.userAnswer, "kept");
}

TEST(StoredAnswer, ChoiceStringHasOneEntryPerAnswer)
{
    Question q = questionOfKind(AnswerBox::MultipleChoice, 3);
    storeAnswer(q, "", {true});
    EXPECT_EQ(q.userAnswer, "100");
    storeAnswer(q, "", {false, true, true, true, true});
    EXPECT_EQ(q.userAnswer, "011");

    Question withoutAnswers = questionOfKind(AnswerBox::SingleChoice, 0);
    storeAnswer(withoutAnswers, "", {true, true});
    EXPECT_EQ(withoutAnswers.userAnswer, "");
    EXPECT_FALSE(isEntryChecked(withoutAnswers, 0));
}

TEST(StoredAnswer, AnswerAreaFollowsTheQuestionsOwnKind)
{
    EXPECT_EQ(answerAreaFor(questionOfKind(AnswerBox::Text, 0)), AnswerArea::Text);
    EXPECT_EQ(answerAreaFor(questionOfKind(AnswerBox::SingleChoice, 2)), AnswerArea::ChoiceList);
    EXPECT_EQ(answerAreaFor(questionOfKind(AnswerBox::MultipleChoice, 1)), AnswerArea::ChoiceList);
    EXPECT_EQ(answerAreaFor(questionOfKind(AnswerBox::MultipleChoice, 0)), AnswerArea::None);
    EXPECT_EQ(answerAreaFor(questionOfKind(AnswerBox::None, 2)), AnswerArea::None);
}

}  // namespace
}  // namespace quiz
