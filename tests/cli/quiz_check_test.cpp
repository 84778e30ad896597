#include "cli/ConsoleCommands.h"
#include "cli/QuizCheck.h"

#include "../lang/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

namespace {

// Runs the checker as the command line does, from the given working folder.
int RunCheck(const std::string& folder, const std::string& quiz, std::string& out, std::string& err)
{
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    CommandLine command;
    command.action = Action::CheckQuiz;
    command.files = {quiz};
    std::ostringstream outStream, errStream;
    const int status = RunConsoleCommand(command, "", outStream, errStream);
    std::filesystem::current_path(previous);
    out = outStream.str();
    err = errStream.str();
    return status;
}

std::string Messages(std::string_view text)
{
    std::string joined;
    for (const QuizProblem& problem : CheckQuizText(text))
        joined += std::to_string(problem.line) + ": " + problem.message + "\n";
    return joined;
}

TEST(QuizCheck, ReportsOneFaultOfEachKindAtItsLine)
{
    TempFolder folder;
    std::filesystem::create_directory(folder.Path("cases"));
    folder.Write("cases/good.sd", std::string(98, '\0'));
    folder.Write("cases/short.sd", std::string(50, '\0'));
    folder.Write("faults.sqs", "# One fault of each kind\n"
                               "Question=Before any section\n"
                               "[QUESTION]\n"
                               "Question=No answers\n"
                               "File=cases/good.sd\n"
                               "AnswerBox=TEXT\n"
                               "[QUESTION]\n"
                               "Question=Which kind?\n"
                               "AnswerBox=Text\n"
                               "Answer=Yes,x\n"
                               "Answer=No,1\n"
                               "[QUESTION]\n"
                               "Question=Nothing earns points\n"
                               "AnswerBox=RADIO\n"
                               "Answer=A,0\n"
                               "Answer=B,-1\n"
                               "[QUESTION]\n"
                               "Question=Describe the deviation\n"
                               "File=cases/missing.sd\n"
                               "AnswerBox=TEXT\n"
                               "Answer=eso,3\n"
                               "Answer=left&eso,3\n"
                               "Answer=down,0\n"
                               "Answer=up,2\n"
                               "Anwser=typo,1\n"
                               "Explain=An explanation is part of the format\n"
                               "[QUESTION]\n"
                               "Question=Short case\n"
                               "File=cases/short.sd\n"
                               "AnswerBox=CHECK\n"
                               "Answer=Right,1\n"
                               "Answer=\x93Wrong\x94,0\n");

    std::string out, err;
    EXPECT_EQ(RunCheck(folder.Folder(), "faults.sqs", out, err), 1);
    EXPECT_EQ(err, "");
    EXPECT_EQ(
        out,
        "faults.sqs:2: \"Question\" before the first [QUESTION] line is ignored\n"
        "faults.sqs:3: question 1 has no answers\n"
        "faults.sqs:9: answer box \"Text\" is none of TEXT, RADIO and CHECK\n"
        "faults.sqs:10: points \"x\" are not a whole number\n"
        "faults.sqs:12: question 3 has a maximum of 0 points: no answer earns any\n"
        "faults.sqs:19: case file \"cases/missing.sd\" does not exist in the working folder \"" +
            folder.Folder() +
            "\"\n"
            "faults.sqs:22: answer \"left&eso\" can never score: answer \"eso\" on line 21 matches every text it "
            "matches\n"
            "faults.sqs:23: answer \"down\" (0 points) comes before answer \"up\" (2 points, line 24): a text with "
            "both, such as \"down up\", scores only 0 points; list higher-scoring answers first\n"
            "faults.sqs:25: unknown key \"Anwser\": the line is ignored\n"
            "faults.sqs:29: case file \"cases/short.sd\" is not a case file: it has 50 bytes instead of 98\n"
            "faults.sqs:32: byte 0x93 is no printable character in ISO 8859-1 (a Windows quote, dash or euro "
            "sign?)\n");

    folder.Write("clean.sqs", "[QUESTION]\nQuestion=Q\nFile=cases/good.sd\nAnswerBox=TEXT\nAnswer=left&eso,3\n"
                              "Answer=eso,1\nAnswer=exophor,0\nAnswer=phor,1\n");
    EXPECT_EQ(RunCheck(folder.Folder(), "clean.sqs", out, err), 0);
    EXPECT_EQ(out, "clean.sqs: no problems found\n");
    EXPECT_EQ(err, "");
    // A problem of the whole file has no line number; one on the first line has.
    folder.Write("loose.sqs", "Question=Q\n");
    EXPECT_EQ(RunCheck(folder.Folder(), "loose.sqs", out, err), 1);
    EXPECT_EQ(out, "loose.sqs: no [QUESTION] line: the quiz has no questions\n"
                   "loose.sqs:1: \"Question\" before the first [QUESTION] line is ignored\n");
    EXPECT_EQ(RunCheck(folder.Folder(), "absent.sqs", out, err), 1);
    EXPECT_NE(err.find("absent.sqs"), std::string::npos) << err;

    // A folder named as the case, and a path written with Windows separators,
    // which only Windows takes.
    const std::string windowsPath = folder.Folder() + "\\cases\\good.sd";
#ifdef _WIN32
    const std::string kWindowsPathMessage;
#else
    const std::string kWindowsPathMessage =
        "8: case file \"" + windowsPath + "\" does not exist; use \"/\" between folders\n";
#endif
    EXPECT_EQ(Messages("[QUESTION]\nQuestion=Q\nFile=" + folder.Path("cases") +
                       "\nAnswerBox=TEXT\nAnswer=a,1\n"
                       "[QUESTION]\nQuestion=Q\nFile=" +
                       windowsPath + "\nAnswerBox=TEXT\nAnswer=a,1\n"),
              "3: case file \"" + folder.Path("cases") + "\" is not a file\n" + kWindowsPathMessage);
}

TEST(QuizCheck, NamesTheLikelySlip)
{
    EXPECT_EQ(Messages("[QUESTION]\nQuestion=Q\nAnswerBox=RADIO\nanswer=a,1\nAnswer =b,1\nAnswer=c,1000\n"
                       "Answer=d,2\nsecond line of the question\n[Question]\nAnswer=12\n"),
              "4: unknown key \"answer\" (keys are case-sensitive: \"Answer\"?): the line is ignored\n"
              "5: blank before \"=\" after key \"Answer\": the line is ignored\n"
              "6: points \"1000\" have more than three characters: the whole value is taken as the answer text, "
              "worth 0 points\n"
              "8: line without \"=\" is ignored (a question text goes on one line, with \\n for a line break)\n"
              "9: section line \"[Question]\" is not [QUESTION]: it is ignored\n");
    EXPECT_EQ(Messages("[QUESTION]\nQuestion=Q\nAnswer=eso,3\nAnswer=exo,2\nAnswerBox=TEXT\nAnswer=ortho,1\n"),
              "5: AnswerBox=TEXT after the first answer: the maximum adds up the answers' points to 5 instead of "
              "taking the best one; put AnswerBox first\n");
    EXPECT_EQ(Messages("[QUESTION]\nQuestion=Q\n; a comment\n// another\nAnswer=a,1\n"),
              "1: question 1 has no AnswerBox line: no answer can be given\n");
    EXPECT_EQ(Messages("# only comments\n"), "0: no [QUESTION] line: the quiz has no questions\n");
    // Blank lines are skipped; before the first [QUESTION] only a known key is worth a word.
    EXPECT_EQ(Messages("Title=Squint, part 1\nfree text\n[QUESTION]\nQuestion=Q\n\nAnswerBox=TEXT\nAnswer=a,1\n"), "");
    // With nothing but 0 points the maximum is 0 either way: only that is told.
    EXPECT_EQ(Messages("[QUESTION]\nQuestion=Q\nAnswer=a,0\nAnswerBox=TEXT\nAnswer=b,0\n"),
              "1: question 1 has a maximum of 0 points: no answer earns any\n");
}

TEST(QuizCheck, RangesAreOrderedByTheirBoundsAndBases)
{
    const std::string head = "[QUESTION]\nQuestion=Q\nAnswerBox=TEXT\n";
    // Narrow before wide, and ranges of other bases or without a common value, pass.
    EXPECT_EQ(Messages(head + "Answer=20..25 BO,3\nAnswer=15..30 BO,1\nAnswer=20..25 BI,1\nAnswer=1..14.9 BO,2\n"
                              "Answer=eso,1\n"),
              "");
    EXPECT_EQ(Messages(head + "Answer=15..30 BO,1\nAnswer=20..25 BO,3\n"),
              "5: answer \"20..25 BO\" can never score: answer \"15..30 BO\" on line 4 matches every text it "
              "matches\n");
    // Ranges sharing only an end overlap there.
    EXPECT_EQ(Messages(head + "Answer=20..25,1\nAnswer=25..30 BO,3\n"),
              "4: answer \"20..25\" (1 point) comes before answer \"25..30 BO\" (3 points, line 5): a text with "
              "both, such as \"25 BO\", scores only 1 point; list higher-scoring answers first\n");
    EXPECT_EQ(Messages(head + "Answer=10..30,2\nAnswer=20..25 BO,2\n"),
              "5: answer \"20..25 BO\" can never score: answer \"10..30\" on line 4 matches every text it matches\n");
    EXPECT_EQ(Messages(head + "Answer=eso,1\nAnswer=20..25 BO,3\n"),
              "4: answer \"eso\" (1 point) comes before answer \"20..25 BO\" (3 points, line 5): a text with both, "
              "such as \"20 BO eso \", scores only 1 point; list higher-scoring answers first\n");
    EXPECT_EQ(Messages(head + "Answer=20..25 BX,3\n"),
              "4: answer \"20..25 BX\" is no measured range (two numbers with \"..\", the larger second, then BO, BI, "
              "BU, BD or nothing): it is taken as keywords\n");
}

TEST(QuizCheck, ExcludedKeywordsNarrowWhatAnAnswerCovers)
{
    const std::string head = "[QUESTION]\nQuestion=Q\nAnswerBox=TEXT\n";
    // "left eso right" scores on the second answer only.
    EXPECT_EQ(Messages(head + "Answer=left&eso&!right,3\nAnswer=left&eso,1\n"), "");
    EXPECT_EQ(Messages(head + "Answer=left&eso,3\nAnswer=left&eso&!right,1\n"),
              "5: answer \"left&eso&!right\" can never score: answer \"left&eso\" on line 4 matches every text it "
              "matches\n");
    // A text without "exo" has no "exotrop" either; not the other way round.
    EXPECT_EQ(Messages(head + "Answer=eso&!exo,3\nAnswer=eso&!exotrop,1\n"), "");
    EXPECT_EQ(Messages(head + "Answer=eso&!exotrop,3\nAnswer=eso&!exo,1\n"),
              "5: answer \"eso&!exo\" can never score: answer \"eso&!exotrop\" on line 4 matches every text it "
              "matches\n");
    EXPECT_EQ(Messages(head + "Answer=!exo,1\nAnswer=eso,2\n"),
              "4: answer \"!exo\" (1 point) comes before answer \"eso\" (2 points, line 5): a text with both, such "
              "as \" eso\", scores only 1 point; list higher-scoring answers first\n");
}

TEST(QuizCheck, TellsFilesInTheWrongEncoding)
{
    // "Schielwinkel größer" saved as UTF-8 by mistake.
    EXPECT_EQ(Messages("[QUESTION]\nQuestion=Q\nAnswerBox=TEXT\nAnswer=gr\xC3\xB6\xC3\x9F"
                       "er,1\n"),
              "4: the file is UTF-8, but question files are read as ISO 8859-1: umlauts would show as two wrong "
              "characters each; save it as ISO 8859-1 (Latin-1)\n");
    // The same in ISO 8859-1 is what the reader expects.
    EXPECT_EQ(Messages("[QUESTION]\nQuestion=Q\nAnswerBox=TEXT\nAnswer=gr\xF6\xDF"
                       "er,1\n"),
              "");
    // The last control byte as a line's first; a four-byte sequence; a sequence cut off by the line's end.
    EXPECT_NE(
        Messages("[QUESTION]\nQuestion=Q\nAnswerBox=TEXT\nAnswer=a,1\n\x9F\n").find("5: byte 0x9F is no printable"),
        std::string::npos);
    EXPECT_EQ(Messages("[QUESTION]\nQuestion=Q\nAnswerBox=TEXT\nAnswer=\xF0\x9F\x98\x80,1\n"),
              "4: the file is UTF-8, but question files are read as ISO 8859-1: umlauts would show as two wrong "
              "characters each; save it as ISO 8859-1 (Latin-1)\n");
    EXPECT_EQ(Messages("[QUESTION]\nQuestion=Q\xC3\nAnswerBox=TEXT\nAnswer=a,1\nExplain=\xE4\xB6"), "");
    EXPECT_EQ(Messages(std::string("\xFF\xFE[\0Q\0", 6)),
              "1: the file holds NUL bytes: it is not text in ISO 8859-1 (saved as UTF-16?)\n");
}

}  // namespace
