#include "quiz/QuestionFile.h"
#include "quiz/Scoring.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kDataDir = SQUINX_DATA_DIR;

QuestionList LoadSampleQuiz(const std::string& language)
{
    QuestionList questions;
    const fs::path path = kDataDir / "quiz" / ("quiz_" + language + ".sqs");
    EXPECT_EQ(ParseQuestionFile(path, questions), QuestionFileStatus::Ok) << path;
    return questions;
}

class SampleQuiz : public testing::TestWithParam<const char*> {
protected:
    QuestionList questions = LoadSampleQuiz(GetParam());
};

TEST_P(SampleQuiz, HasEnoughQuestionsOfEveryAnswerKind)
{
    ASSERT_GE(questions.size(), 8u);
    for (AnswerBox kind : {AnswerBox::Text, AnswerBox::SingleChoice, AnswerBox::MultipleChoice}) {
        EXPECT_TRUE(
            std::any_of(questions.begin(), questions.end(), [kind](const Question& q) { return q.answerBox == kind; }))
            << "no question of kind " << static_cast<int>(kind);
    }
}

TEST_P(SampleQuiz, EveryQuestionShowsAShippedCaseAndExplainsItself)
{
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const Question& q = questions[i];
        EXPECT_FALSE(q.text.empty()) << "question " << i + 1;
        EXPECT_FALSE(q.explanation.empty()) << "question " << i + 1;
        ASSERT_EQ(q.file.rfind("cases/", 0), 0u) << "question " << i + 1 << ": " << q.file;
        const fs::path caseFile = kDataDir / q.file;
        EXPECT_TRUE(fs::is_regular_file(caseFile)) << caseFile;
        EXPECT_EQ(caseFile.extension(), ".sd") << caseFile;
    }
}

// The silent pitfalls of the format: an answer box named after the answers
// (a text question then sums its points), answers without points, a choice
// question that nobody can answer right.
TEST_P(SampleQuiz, EveryQuestionCanBeAnsweredForFullMarks)
{
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const Question& q = questions[i];
        ASSERT_EQ(q.answers.size(), q.points.size());
        ASSERT_GE(q.answers.size(), 2u) << "question " << i + 1;
        const int best = *std::max_element(q.points.begin(), q.points.end());
        EXPECT_GT(q.maxPoints, 0) << "question " << i + 1;
        if (q.answerBox == AnswerBox::Text) {
            EXPECT_EQ(q.maxPoints, best) << "question " << i + 1;
        } else if (q.answerBox == AnswerBox::SingleChoice) {
            EXPECT_EQ(q.maxPoints, best) << "question " << i + 1;
            EXPECT_EQ(std::count(q.points.begin(), q.points.end(), best), 1) << "question " << i + 1;
        } else {
            EXPECT_EQ(q.answerBox, AnswerBox::MultipleChoice) << "question " << i + 1;
            EXPECT_TRUE(std::any_of(q.points.begin(), q.points.end(), [](int p) { return p < 0; }))
                << "question " << i + 1 << " does not penalise a wrong tick";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, SampleQuiz, testing::Values("de", "en"));

TEST(SampleQuizTranslations, AskTheSameQuestionsForTheSamePoints)
{
    const QuestionList de = LoadSampleQuiz("de");
    const QuestionList en = LoadSampleQuiz("en");
    ASSERT_EQ(de.size(), en.size());
    for (std::size_t i = 0; i < de.size(); ++i) {
        EXPECT_EQ(de[i].answerBox, en[i].answerBox) << "question " << i + 1;
        EXPECT_EQ(de[i].file, en[i].file) << "question " << i + 1;
        EXPECT_EQ(de[i].maxPoints, en[i].maxPoints) << "question " << i + 1;
        if (de[i].answerBox != AnswerBox::Text) {
            EXPECT_EQ(de[i].points, en[i].points) << "question " << i + 1;
        }
    }
}

struct AnswerSheet {
    std::vector<std::string> german;  // typed text or one '1'/'0' per choice
    std::vector<std::string> english;
    std::vector<int> expectedPoints;
};

int Score(QuestionList questions, const std::vector<std::string>& answers, std::vector<int>& perQuestion)
{
    EXPECT_EQ(questions.size(), answers.size());
    for (std::size_t i = 0; i < questions.size() && i < answers.size(); ++i)
        questions[i].userAnswer = answers[i];
    const QuizScore score = ScoreQuiz(questions);
    perQuestion.clear();
    for (const QuestionScore& q : score.questions)
        perQuestion.push_back(q.points);
    return score.total;
}

void ExpectScores(const AnswerSheet& sheet, int expectedTotal)
{
    std::vector<int> perQuestion;
    EXPECT_EQ(Score(LoadSampleQuiz("de"), sheet.german, perQuestion), expectedTotal);
    EXPECT_EQ(perQuestion, sheet.expectedPoints);
    EXPECT_EQ(Score(LoadSampleQuiz("en"), sheet.english, perQuestion), expectedTotal);
    EXPECT_EQ(perQuestion, sheet.expectedPoints);
}

TEST(SampleQuizScoring, AnAnswerKeyEarnsTheMaximum)
{
    const AnswerSheet key{
        {"1000", "Linkes Auge, Esotropie", "1000", "11100", "Esophorie", "1000", "111100", "1000", "im Aufblick",
         "1000", "1000", "11100", "1000", "nach links unten",
         "25 pdpt Basis au\xDF"
         "en",
         "20 Basis innen", "100", "1000"},
        {"1000", "The LEFT eye turns inward (esotropia)", "1000", "11100", "Esophoria", "1000", "111100", "1000",
         "in upgaze", "1000", "1000", "11100", "1000", "down and to the left", "25 PD BO", "22 base in", "100", "1000"},
        {2, 3, 3, 3, 3, 2, 4, 3, 2, 2, 2, 3, 3, 2, 3, 3, 2, 2},
    };
    ExpectScores(key, 47);

    const QuizScore maximum = ScoreQuiz(LoadSampleQuiz("en"));
    EXPECT_EQ(maximum.maximum, 47);
    EXPECT_EQ(maximum.total, 0);  // nothing answered yet
}

TEST(SampleQuizScoring, ATraineesMistakesCostTheirPoints)
{
    const AnswerSheet trainee{
        {"0100", "Esotropie", "0100", "11001", "Exophorie", "", "110010", "1000", "nach unten", "0100", "0010", "11100",
         "0100", "Linksblick",
         "20 Basis au\xDF"
         "en",
         "20 Basis au\xDF"
         "en",
         "010", "0100"},
        {"0100", "esotropia", "0100", "11001", "exophoria", "", "110010", "1000", "looking down", "0100", "0010",
         "11100", "0100", "to the left", "20 BO", "20 BO", "010", "0100"},
        // Partial credit for the kind without the eye (2); a wrong tick costs its
        // point (4, 7); the wrong diagnosis (3), the wrong phoria, the
        // unanswered question and the wrong gaze earn nothing; the side of
        // gaze without the downward half earns part (14); a prism that does
        // not quite neutralise earns part (15), the wrong base nothing (16);
        // the head-tilt test read the wrong way round and its look-alike
        // muscle, the left superior rectus, earn nothing (17, 18).
        {0, 1, 0, 1, 0, 0, 1, 3, 0, 0, 0, 3, 0, 1, 1, 0, 0, 0},
    };
    ExpectScores(trainee, 11);
}

struct TypedAnswer {
    std::size_t question;  // counted from 1, as the trainee sees it
    std::string text;
    int points;
};

// Correct answers in the words a trainee picks, and the mistakes trainees
// make: the wrong eye, the wrong direction, the wrong kind of deviation.
void ExpectTypedAnswersScore(const std::string& language, const std::vector<TypedAnswer>& answers)
{
    const QuestionList questions = LoadSampleQuiz(language);
    for (const TypedAnswer& answer : answers) {
        ASSERT_LE(answer.question, questions.size());
        Question question = questions[answer.question - 1];
        ASSERT_EQ(question.answerBox, AnswerBox::Text) << language << " question " << answer.question;
        question.userAnswer = answer.text;
        EXPECT_EQ(ScoreQuestion(question), answer.points)
            << language << " question " << answer.question << ": " << answer.text;
    }
}

TEST(SampleQuizScoring, TypedAnswersEarnWhatTheyDeserve)
{
    // Every keyword answer against wrong findings that share its words.
    ExpectTypedAnswersScore("en", {
                                      {2, "Left esotropia", 3},
                                      {2, "left convergent squint", 3},
                                      {2, "esotropia", 1},
                                      {2, "The left eye moves inward when the right eye is covered", 0},
                                      {2, "right esotropia, the left eye fixates", 0},
                                      {2, "left exotropia", 0},
                                      {2, "right esotropia", 0},
                                      {5, "Esophoria", 3},
                                      {5, "latent convergent deviation", 3},
                                      {5, "heterophoria", 1},
                                      {5, "exophoria", 0},
                                      {5, "esotropia", 0},
                                      {5, "not an esophoria but an esotropia", 0},
                                      {5, "latent nystagmus with a convergent tropia", 0},
                                      {5, "orthophoria", 0},
                                      {14, "down and to the patient's left", 2},
                                      {14, "down-left", 2},
                                      {14, "left", 1},
                                      {14, "down and to the right", 0},
                                      {14, "up and to the left", 0},
                                      {14, "down-left of the picture", 0},
                                      {9, "up", 2},
                                      {9, "largest in upgaze, smaller in downgaze", 2},
                                      {9, "in elevation", 2},
                                      {9, "down", 0},
                                      {9, "looking downward", 0},
                                      {15, "25 BO", 3},
                                      {15, "25bo", 3},
                                      {15, "about 20 PD base-out", 1},
                                      {15, "25 BI", 0},
                                      {15, "25", 0},
                                      {16, "20 to 25 BI", 3},
                                      {16, "16 base in", 1},
                                      {16, "21 BO", 0},
                                  });
    ExpectTypedAnswersScore("de", {
                                      {2, "Esotropie links", 3},
                                      {2, "linkes Auge schielt konvergent", 3},
                                      {2, "Esotropie", 1},
                                      {2, "Das linke Auge bewegt sich nach innen, wenn das rechte abgedeckt wird", 0},
                                      {2, "Esotropie rechts, das linke Auge fixiert", 0},
                                      {2, "Exotropie links", 0},
                                      {2, "linkes Auge divergent", 0},
                                      {5, "Esophorie", 3},
                                      {5, "latentes konvergentes Schielen", 3},
                                      {5, "Heterophorie", 1},
                                      {5, "Exophorie", 0},
                                      {5, "Esotropie", 0},
                                      {5, "keine Esophorie, sondern eine Esotropie", 0},
                                      {14, "links unten", 2},
                                      {14, "nach unten zur linken Seite des Patienten", 2},
                                      {14, "rechts unten", 0},
                                      {14, "links oben", 0},
                                      {14, "unten links im Bild", 0},
                                      {9, "oben", 2},
                                      {9,
                                       "im Aufblick gr\xF6\xDF"
                                       "er als im Abblick",
                                       2},
                                      {9, "Blickhebung", 2},
                                      {9, "unten", 0},
                                      {9, "beim Blick nach unten", 0},
                                      {15,
                                       "25 pdpt Basis au\xDF"
                                       "en",
                                       3},
                                      {15, "25 Basis aussen", 3},
                                      {15,
                                       "30 pdpt Basis au\xDF"
                                       "en",
                                       1},
                                      {15, "25 Basis innen", 0},
                                      {16, "22 Basis innen", 3},
                                      {16, "21 Basis oben", 0},
                                  });
}

}  // namespace
