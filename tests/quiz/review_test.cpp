#include "quiz/QuestionFile.h"
#include "quiz/Review.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char* const kQuiz =
    "[QUESTION]\nQuestion=Which eye?\nAnswerBox=TEXT\nAnswer=left&eso,3\nAnswer=eso,1\nAnswer=exo,0\n"
    "Explain=Outward refixation means esotropia.\n"
    "[QUESTION]\nQuestion=Diagnosis?\nAnswerBox=RADIO\nAnswer=Esophoria,2\nAnswer=Esotropia,0\n"
    "[QUESTION]\nQuestion=Findings?\nAnswerBox=CHECK\nAnswer=Left hypertropia,1\nAnswer=Excyclo,1\n"
    "Answer=Right hypertropia,-1\n"
    "[QUESTION]\nQuestion=No kind\nAnswer=x,4\n";

std::vector<ReviewItem> ReviewOf(const std::vector<std::string>& answers)
{
    QuestionList questions = ParseQuestionText(kQuiz);
    for (std::size_t i = 0; i < questions.size() && i < answers.size(); ++i)
        questions[i].userAnswer = answers[i];
    return BuildReview(questions);
}

TEST(Review, ListsEachKindWithWhatWouldHaveScored)
{
    const std::vector<ReviewItem> items = ReviewOf({"right eye, eso", "01", "101", "x"});
    ASSERT_EQ(items.size(), 4u);

    EXPECT_EQ(items[0].number, 1u);
    EXPECT_EQ(items[0].question, "Which eye?");
    EXPECT_EQ(items[0].given, std::vector<std::string>{"right eye, eso"});
    EXPECT_EQ(items[0].points, 1);
    EXPECT_EQ(items[0].maxPoints, 3);
    EXPECT_EQ(items[0].scoring, (std::vector<ScoringAnswer>{{"left + eso", 3, std::nullopt, {"left", "esotropia"}},
                                                            {"eso", 1, std::nullopt, {"esotropia"}}}));
    EXPECT_EQ(items[0].explanation, "Outward refixation means esotropia.");

    EXPECT_EQ(items[1].given, std::vector<std::string>{"Esotropia"});
    EXPECT_EQ(items[1].points, 0);
    EXPECT_EQ(items[1].scoring, (std::vector<ScoringAnswer>{{"Esophoria", 2}}));
    EXPECT_EQ(items[1].explanation, "");

    EXPECT_EQ(items[2].given, (std::vector<std::string>{"Left hypertropia", "Right hypertropia"}));
    EXPECT_EQ(items[2].points, 0);
    EXPECT_EQ(items[2].maxPoints, 2);
    EXPECT_EQ(items[2].scoring, (std::vector<ScoringAnswer>{{"Left hypertropia", 1}, {"Excyclo", 1}}));

    // A question without an answer kind can take no answer and score nothing.
    EXPECT_TRUE(items[3].given.empty());
    EXPECT_TRUE(items[3].scoring.empty());
    EXPECT_EQ(items[3].points, 0);
    EXPECT_EQ(items[3].number, 4u);
}

TEST(Review, UnansweredQuestionsGiveNothing)
{
    for (const std::vector<ReviewItem>& items : {ReviewOf({}), ReviewOf({"", "00", "000"})}) {
        ASSERT_EQ(items.size(), 4u);
        for (const ReviewItem& item : items) {
            EXPECT_TRUE(item.given.empty()) << item.number;
            EXPECT_EQ(item.points, 0) << item.number;
        }
    }
}

TEST(Review, KeywordsReadAsAPlusList)
{
    EXPECT_EQ(ReadableKeywords("left&eso"), "left + eso");
    EXPECT_EQ(ReadableKeywords("up"), "up");
    EXPECT_EQ(ReadableKeywords("a&&b&"), "a + b");
    EXPECT_EQ(ReadableKeywords(""), "*");
    EXPECT_EQ(ReadableKeywords("&"), "*");
    EXPECT_EQ(ReadableKeywords("turns in&left eye"), "turns in + left eye");
}

TEST(Review, TextNamesAnswerPointsAndExplanation)
{
    const ReviewLabels labels{"Question",    "Your answer", "Points", "What would have scored",
                              "Explanation", "point",       "points", "(no answer)"};
    const std::string text = FormatReview(ReviewOf({"right eye, eso"}), labels);
    EXPECT_EQ(text.substr(0, text.find("\n\n2.")),
              "1. Question\nWhich eye?\nYour answer: right eye, eso\nPoints: 1/3\nWhat would have scored:\n"
              "    an answer naming left and esotropia (3 points)\n    an answer naming esotropia (1 point)\n"
              "Explanation: Outward refixation means esotropia.");
    EXPECT_NE(text.find("\n\n2. Question\nDiagnosis?\nYour answer: (no answer)\nPoints: 0/2\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("\n\n4. Question\nNo kind\nYour answer: (no answer)\nPoints: 0/4"), std::string::npos) << text;
    // Labels are text, not formats.
    const ReviewLabels percent{"%s", "%d", "%n", "%s", "%s", "%s", "%s", "%s"};
    EXPECT_NE(FormatReview(ReviewOf({}), percent).find("1. %s\nWhich eye?\n%d: %s"), std::string::npos);
}

TEST(Review, KeywordsReadAsTheWordsOfTheQuestionsOwnTexts)
{
    QuestionList questions = ParseQuestionText(
        "[QUESTION]\nQuestion=Wohin weicht das linke Auge ab?\nAnswerBox=TEXT\nAnswer=LINK&konverg&\xFC"
        "ber,3\n"
        "Answer=x&y&z,1\n"
        "Explain=Konvergenz; \xDC"
        "berkorrektur, nicht aufkonvergiert.\n"
        "[QUESTION]\nQuestion=Which eye moves inward, seen from the patient?\nAnswerBox=TEXT\n"
        "Answer=left&inw&!right&!up&!down,2\nAnswer=!exo&,1\nExplain=The left eye turns inward\n");
    const std::vector<ReviewItem> items = BuildReview(questions);
    ASSERT_EQ(items[0].scoring.size(), 2u);
    // Case and Latin-1 letters are matched; a word begins after a non-letter or the text's start and may end it;
    // unknown stems stay.
    EXPECT_EQ(items[0].scoring[0].words, (std::vector<std::string>{"linke", "Konvergenz",
                                                                   "\xDC"
                                                                   "berkorrektur"}));
    EXPECT_TRUE(items[0].scoring[0].excluded.empty());
    ASSERT_EQ(items[1].scoring.size(), 2u);
    EXPECT_EQ(items[1].scoring[0].words, (std::vector<std::string>{"left", "inward"}));
    EXPECT_EQ(items[1].scoring[0].excluded, (std::vector<std::string>{"right", "up", "down"}));
    ReviewLabels labels{"Q", "A", "P", "W", "E", "point", "points", "-"};
    const std::string english = FormatReview(items, labels);
    EXPECT_NE(english.find("\n    an answer naming x, y and z (1 point)"), std::string::npos);
    // Excluded words read in plain language, never with their "!".
    EXPECT_NE(english.find("\n    an answer naming left and inward, but not right, up or down (2 points)"
                           "\n    an answer not naming exo (1 point)"),
              std::string::npos)
        << english;
    labels.answerNaming = "eine Antwort mit";
    labels.andWord = "und";
    labels.butNot = "aber nicht";
    labels.orWord = "oder";
    labels.answerNotNaming = "eine Antwort ohne";
    const std::string german = FormatReview(items, labels);
    EXPECT_NE(german.find("eine Antwort mit left und inward, aber nicht right, up oder down (2 points)"
                          "\n    eine Antwort ohne exo (1 point)"),
              std::string::npos)
        << german;
}

TEST(Review, AMeasurementNamingSeveralBasesSaysWhyItScoredNothing)
{
    QuestionList questions = ParseQuestionText("[QUESTION]\nQuestion=How large?\nAnswerBox=TEXT\nAnswer=20..25 BO,3\n"
                                               "[QUESTION]\nQuestion=Which?\nAnswerBox=TEXT\nAnswer=left,1\n");
    questions[0].userAnswer = "22 BO and 4 BU";
    questions[1].userAnswer = "base out, base up";
    std::vector<ReviewItem> items = BuildReview(questions);
    EXPECT_TRUE(items[0].severalBases);
    EXPECT_FALSE(items[1].severalBases);  // no measurement asked
    ReviewLabels labels{"Q", "A", "P", "W", "E", "point", "points", "-"};
    labels.severalBases = "Two bases.";
    EXPECT_NE(FormatReview(items, labels).find("P: 0/3\nTwo bases.\nW:"), std::string::npos);

    questions[0].userAnswer = "22 BO";
    EXPECT_FALSE(BuildReview(questions)[0].severalBases);
    questions[0].userAnswer = "22 BU";  // one base, the wrong one
    EXPECT_FALSE(BuildReview(questions)[0].severalBases);
    questions[0].userAnswer = "30 BO BU";  // out of range anyway: the number is the reason
    EXPECT_FALSE(BuildReview(questions)[0].severalBases);
    // A measurement that scored, here by the range without a base, lost nothing to the bases.
    QuestionList scored =
        ParseQuestionText("[QUESTION]\nQuestion=How large?\nAnswerBox=TEXT\nAnswer=20..25 BO,3\nAnswer=15..30,1\n");
    scored[0].userAnswer = "22 BO and 4 BU";
    const ReviewItem item = BuildReview(scored)[0];
    EXPECT_EQ(item.points, 1);
    EXPECT_FALSE(item.severalBases);
}

}  // namespace
