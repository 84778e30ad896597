// A question file written in any editor, read as the quiz window reads it,
// then answered and scored.
#include "FuzzSupport.h"

#include "quiz/QuestionFile.h"
#include "quiz/RangeAnswer.h"
#include "quiz/ResultsReport.h"
#include "quiz/Scoring.h"
#include "quiz/StoredAnswer.h"

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool SameQuestions(const QuestionList& a, const QuestionList& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].text != b[i].text || a[i].file != b[i].file || a[i].answerBox != b[i].answerBox ||
            a[i].answers != b[i].answers || a[i].points != b[i].points || a[i].maxPoints != b[i].maxPoints)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    QuestionList questions = ParseQuestionText(text);

    QuestionList fromFile;
    FUZZ_CHECK(ParseQuestionFile(Scratch().Write("fuzz.sqs", data, size), fromFile) == QuestionFileStatus::Ok);
    FUZZ_CHECK(SameQuestions(questions, fromFile));

    // Every question answered: the text ones with their own text, the
    // choice ones with every entry checked (and one more than there are).
    for (Question& question : questions) {
        FUZZ_CHECK(question.answers.size() == question.points.size());
        FUZZ_CHECK(question.maxPoints >= 0);
        AnswerAreaFor(question);
        StoreShownAnswer(question, question.text, std::vector<bool>(question.answers.size() + 1, true));
        for (std::size_t entry = 0; entry <= question.answers.size(); ++entry)
            IsEntryChecked(question, entry);
    }
    for (auto abbreviations : {BaseAbbreviations::english, BaseAbbreviations::german}) {
        const QuizScore score = ScoreQuiz(questions, abbreviations);
        FUZZ_CHECK(score.questions.size() == questions.size());
        for (const QuestionScore& one : score.questions)
            FUZZ_CHECK(one.points >= 0);
        FUZZ_CHECK(score.total >= 0);
        FormatResultsReport(score, "Question %s%n", "Total %d");
    }

    // Each answer text typed as the answer: a range answer ("20..25 BO") is
    // scored by the measurement it stands for.
    for (Question& question : questions) {
        for (std::size_t i = 0; i < question.answers.size(); ++i) {
            const std::string answer = question.answers[i];
            const std::optional<PrismRange> range = ParseRangeAnswer(answer);
            if (range)
                FUZZ_CHECK(range->low >= 0 && range->low <= range->high && std::isfinite(range->high));
            StoreShownAnswer(question, answer, {});
            FUZZ_CHECK(ScoreQuestion(question, BaseAbbreviations::german) >= 0);
        }
    }
    return 0;
}
