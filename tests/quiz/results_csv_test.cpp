#include "lang/Latin1Utf8.h"
#include "quiz/QuestionFile.h"
#include "quiz/ResultsCsv.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ResultsCsv, FieldsAreQuotedOnlyWhenTheyMustBe)
{
    EXPECT_EQ(CsvField("plain text"), "plain text");
    EXPECT_EQ(CsvField(""), "");
    EXPECT_EQ(CsvField("left, inward"), "\"left, inward\"");
    EXPECT_EQ(CsvField("the \"left\" eye"), "\"the \"\"left\"\" eye\"");
    EXPECT_EQ(CsvField("\""), "\"\"\"\"");
    EXPECT_EQ(CsvField("line one\nline two"), "\"line one\nline two\"");
    EXPECT_EQ(CsvField("carriage\rreturn"), "\"carriage\rreturn\"");
}

TEST(ResultsCsv, Latin1BecomesUtf8)
{
    EXPECT_EQ(Latin1ToUtf8("plain \x7F\x80"), "plain \x7F\xC2\x80") << "ASCII ends at 0x7F";
    EXPECT_EQ(Latin1ToUtf8("Abw\xE4rts 2\xB0 \xDF\xFF"), "Abw\xC3\xA4rts 2\xC2\xB0 \xC3\x9F\xC3\xBF");
}

TEST(ResultsCsv, SessionIsOneTableWithHeadingAndTotal)
{
    QuestionList questions = ParseQuestionText(
        "[QUESTION]\nQuestion=Which eye, and \"where\"?\\nIn a few words.\nAnswerBox=TEXT\nAnswer=left&eso,3\n"
        "[QUESTION]\nQuestion=Gr\xF6\xDF"
        "e?\nAnswerBox=CHECK\nAnswer=2\xB0, outward,1\nAnswer=8\xB0,-1\nAnswer=x,2\n");
    questions[0].userAnswer = "=left eso";
    questions[1].userAnswer = "110";
    const std::string csv =
        FormatResultsCsv(BuildReview(questions), {"Anna \"A.\" Example", "quiz_en.sqs", "2026-12-07"});
    EXPECT_EQ(csv, "name,\"Anna \"\"A.\"\" Example\",,,\r\n"
                   "quiz,quiz_en.sqs,,,\r\n"
                   "date,2026-12-07,,,\r\n"
                   "number,question,answer,points,maximum\r\n"
                   "1,\"Which eye, and \"\"where\"\"?\nIn a few words.\",'=left eso,3,3\r\n"
                   "2,Gr\xC3\xB6\xC3\x9F"
                   "e?,\"2\xC2\xB0, outward; 8\xC2\xB0\",0,3\r\n"
                   "total,,,3,6\r\n");
}

TEST(ResultsCsv, TypedFormulasAreDefused)
{
    QuestionList questions = ParseQuestionText("[QUESTION]\nQuestion=q\nAnswerBox=TEXT\nAnswer=never typed,1\n");
    for (const char* typed : {"=1+1", "+1", "-1", "@SUM(A1)"}) {
        questions[0].userAnswer = typed;
        const std::string csv = FormatResultsCsv(BuildReview(questions), {"-name", "q.sqs", "2026-01-01"});
        EXPECT_NE(csv.find(std::string("1,q,'") + typed + ",0,1\r\n"), std::string::npos) << csv;
        EXPECT_NE(csv.find("name,'-name,,,\r\n"), std::string::npos) << csv;
    }
}

}  // namespace
