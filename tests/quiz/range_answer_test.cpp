#include "quiz/QuestionFile.h"
#include "quiz/RangeAnswer.h"
#include "quiz/Review.h"
#include "quiz/Scoring.h"

#include <gtest/gtest.h>

#include <string>

namespace {

Question TextQuestion(const std::string& answers)
{
    const QuestionList questions = ParseQuestionText("[QUESTION]\nQuestion=Q\nAnswerBox=TEXT\n" + answers);
    EXPECT_EQ(questions.size(), 1u);
    return questions.empty() ? Question{} : questions.front();
}

int Score(Question question, const std::string& typed)
{
    question.userAnswer = typed;
    return ScoreQuestion(question);
}

}  // namespace

TEST(RangeAnswer, ParsesOnlyTheRangeForm)
{
    EXPECT_EQ(ParseRangeAnswer("20..25 BO"), (PrismRange{20, 25, PrismBaseWord::out}));
    EXPECT_EQ(ParseRangeAnswer(" 4 .. 6 bd "), (PrismRange{4, 6, PrismBaseWord::down}));
    // Nine digits at most, decimals counted.
    EXPECT_EQ(ParseRangeAnswer("10..12345678.5"), (PrismRange{10, 12345678.5, std::nullopt}));
    EXPECT_EQ(ParseRangeAnswer("20..20BI"), (PrismRange{20, 20, PrismBaseWord::in}));
    for (const char* keywords : {"25..20 BO", "20..25 BX", "..25 BO", "20..", "a..b", "-5..5", "eso...exo", "left&eso",
                                 "20..25 BO&left", "1.5.0..2 BO", ".5..1", "1..123456789.5"})
        EXPECT_FALSE(ParseRangeAnswer(keywords)) << keywords;
}

TEST(RangeAnswer, ScoresTheFirstNumberWithinTheBoundsAndTheBase)
{
    const Question q = TextQuestion("Answer=20..25 BO,3\nAnswer=15..30 BO,1\n");
    EXPECT_EQ(q.maxPoints, 3);
    EXPECT_EQ(Score(q, "20 BO"), 3);
    EXPECT_EQ(Score(q, "25bo"), 3);
    EXPECT_EQ(Score(q, "R: 20 pdpt Basis au\xDF"
                       "en"),
              3);
    EXPECT_EQ(Score(q, "24 prism dioptres BASE-OUT"), 3);
    EXPECT_EQ(Score(q, "20 Basis aussen"), 3);
    // Just outside the bounds: the wider range still scores.
    EXPECT_EQ(Score(q, "19.9 BO"), 1);
    EXPECT_EQ(Score(q, "25.1 BO"), 1);
    EXPECT_EQ(Score(q, "about 25,1 PD base out"), 1) << "a decimal comma";
    EXPECT_EQ(Score(q, "base out 25.1"), 1) << "a decimal at the very end";
    EXPECT_EQ(Score(q, "base out 25."), 3) << "a point at the very end";
    // Nine digits at most before the separator: a longer run is no angle.
    EXPECT_EQ(Score(q, "000000020 BO"), 3);
    EXPECT_EQ(Score(q, "0000000020 BO"), 0);
    EXPECT_EQ(Score(q, "14 BO"), 0);
    EXPECT_EQ(Score(q, "31 BO"), 0);
    // The base must be named, alone, and as a word.
    EXPECT_EQ(Score(q, "20"), 0);
    EXPECT_EQ(Score(q, "20 BI"), 0);
    EXPECT_EQ(Score(q, "20 BO or BI"), 0);
    EXPECT_EQ(Score(q, "20 base in"), 0);
    EXPECT_EQ(Score(q, "20 elbow"), 0);
    EXPECT_EQ(Score(q, "20 turbo"), 0);
    EXPECT_EQ(Score(q, "BO 31, then 20"), 0);

    const Question vertical = TextQuestion("Answer=4..6 BD,2\nAnswer=4..6,1\n");
    EXPECT_EQ(Score(vertical, "6 base down"), 2);
    EXPECT_EQ(Score(vertical, "5 Basis unten"), 2);
    EXPECT_EQ(Score(vertical, "4 Basis oben"), 1);
    EXPECT_EQ(Score(vertical, "3.9 BD"), 0);
}

TEST(RangeAnswer, GermanTraineesAbbreviateTheBaseTheGermanWay)
{
    // "BO" is base out in English but Basis oben (base up) in German.
    Question out = TextQuestion("Answer=20..25 BO,3\n");
    const Question up = TextQuestion("Answer=4..6 BU,2\n");
    const auto german = [](Question question, const std::string& typed) {
        question.userAnswer = typed;
        return ScoreQuestion(question, AbbreviationsOfLanguage("de"));
    };
    EXPECT_EQ(german(out, "20 BA"), 3);
    EXPECT_EQ(german(out, "20 BO"), 0);
    EXPECT_EQ(german(out, "20 base out"), 3);
    EXPECT_EQ(german(up, "5 BO"), 2);
    EXPECT_EQ(german(up, "5 BU"), 0);
    EXPECT_EQ(german(up, "5 Basis oben"), 2);
    EXPECT_EQ(Score(out, "20 BA"), 0);
    EXPECT_EQ(AbbreviationsOfLanguage("en"), BaseAbbreviations::english);
    EXPECT_EQ(AbbreviationsOfLanguage(""), BaseAbbreviations::english);
    EXPECT_EQ(AbbreviationsOfLanguage("d"), BaseAbbreviations::english);
    out.userAnswer = "20 BA";
    EXPECT_EQ(BuildReview({out}, BaseAbbreviations::german).front().points, 3);
}

TEST(RangeAnswer, KeywordAnswersScoreAsBefore)
{
    const Question old = TextQuestion("Answer=eso&20,2\nAnswer=eso...exo,1\nAnswer=20 bo,1\n");
    EXPECT_EQ(Score(old, "ESO of 20"), 2);
    EXPECT_EQ(Score(old, "eso...exo"), 1);
    EXPECT_EQ(Score(old, "120 BO"), 1);
    EXPECT_EQ(Score(old, "20 base out"), 0);
}

TEST(RangeAnswer, ReviewReadsTheRangeInTheLanguageOfTheLabels)
{
    Question q = TextQuestion("Answer=20..25 BO,3\nAnswer=eso&20,1\nAnswer=12..12,1\n");
    q.userAnswer = "22 BO";
    QuestionList questions{q};
    const std::vector<ReviewItem> items = BuildReview(questions);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].points, 3);
    ReviewLabels labels{"Frage", "Ihre Antwort", "Punkte", "Richtig gewesen", "Erkl\xE4rung", "Punkt", "Punkte", "-"};
    labels.rangeTo = "bis";
    labels.prismUnit = "pdpt";
    labels.baseOut = "Basis au\xDF"
                     "en";
    labels.answerNaming = "eine Antwort mit";
    labels.andWord = "und";
    const std::string text = FormatReview(items, labels);
    EXPECT_NE(text.find("    20 bis 25 pdpt Basis au\xDF"
                        "en (3 Punkte)\n"
                        "    eine Antwort mit eso und 20 (1 Punkt)\n    12 pdpt (1 Punkt)"),
              std::string::npos)
        << text;
}
