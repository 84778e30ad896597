#include "cli/QuizCheck.h"

#include "cli/QuizEncoding.h"
#include "lang/Latin1Utf8.h"
#include "cli/TextAnswerRules.h"
#include "model/CaseFile.h"
#include "quiz/QuestionFile.h"
#include "quiz/QuestionLines.h"
#include "settings/FileIo.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <system_error>

namespace {

namespace fs = std::filesystem;

// The keys the reader takes; "Explain" holds the explanation shown with the results.
constexpr std::array<std::string_view, 5> kKeys = {"Question", "File", "AnswerBox", "Answer", "Explain"};

// Where the reader found the parts of one question.
struct QuestionPlaces {
    std::size_t section = 0;
    std::size_t answerBox = 0;  // the last AnswerBox line, 0 without one
    std::size_t file = 0;       // the last File line: a later one replaces the earlier
    std::vector<std::size_t> answers;
    bool textBoxAfterAnswer = false;
};

bool IsComment(std::string_view line)
{
    return line.empty() || line[0] == '#' || line[0] == ';' || line.rfind("//", 0) == 0;
}

bool IsKnownKey(std::string_view key)
{
    return std::find(kKeys.begin(), kKeys.end(), key) != kKeys.end();
}

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string UnknownKeyMessage(std::string_view key)
{
    const auto last = key.find_last_not_of(" \t");
    const std::string_view bare = last == std::string_view::npos ? key : key.substr(0, last + 1);
    if (IsKnownKey(bare))
        return "blank before \"=\" after key " + Quoted(bare) + ": the line is ignored";
    for (std::string_view known : kKeys)
        if (SameIgnoringCase(bare, known))
            return "unknown key " + Quoted(key) + " (keys are case-sensitive: " + Quoted(known) +
                   "?): the line is ignored";
    return "unknown key " + Quoted(key) + ": the line is ignored";
}

bool IsWholeNumber(std::string_view text)
{
    const auto start = text.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return false;
    text.remove_prefix(start);
    if (text[0] == '+' || text[0] == '-')
        text.remove_prefix(1);
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

void CheckAnswerPoints(std::size_t line, std::string_view value, QuizProblems& problems)
{
    const AnswerParts parts = SplitAnswer(value);
    if (!parts.pointsText.empty()) {
        if (!IsWholeNumber(parts.pointsText))
            problems.push_back({line, "points " + Quoted(parts.pointsText) + " are not a whole number"});
        return;
    }
    const auto comma = value.rfind(',');
    if (comma != std::string_view::npos && IsWholeNumber(value.substr(comma + 1)))
        problems.push_back({line, "points " + Quoted(value.substr(comma + 1)) +
                                      " have more than three characters: the whole value is taken as the "
                                      "answer text, worth 0 points"});
}

void CheckLine(std::size_t number, std::string_view line, std::vector<QuestionPlaces>& places, QuizProblems& problems)
{
    if (IsSectionStart(line)) {
        places.push_back(QuestionPlaces{number, 0, 0, {}, false});
        return;
    }
    if (IsComment(line))
        return;
    const KeyValue entry = SplitKeyValue(line);
    if (line[0] == '[') {
        problems.push_back({number, "section line " + Quoted(line) + " is not [QUESTION]: it is ignored"});
        return;
    }
    if (places.empty()) {
        if (entry.hasEquals && IsKnownKey(entry.key))
            problems.push_back({number, Quoted(entry.key) + " before the first [QUESTION] line is ignored"});
        return;
    }
    if (!entry.hasEquals) {
        problems.push_back({number, "line without \"=\" is ignored (a question text goes on one line, with "
                                    "\\n for a line break)"});
        return;
    }

    QuestionPlaces& question = places.back();
    if (entry.key == "File") {
        question.file = number;
    } else if (entry.key == "AnswerBox") {
        question.answerBox = number;
        if (entry.value != "TEXT" && entry.value != "RADIO" && entry.value != "CHECK")
            problems.push_back({number, "answer box " + Quoted(entry.value) + " is none of TEXT, RADIO and CHECK"});
        question.textBoxAfterAnswer = entry.value == "TEXT" && !question.answers.empty();
    } else if (entry.key == "Answer") {
        question.answers.push_back(number);
        CheckAnswerPoints(number, entry.value, problems);
    } else if (!IsKnownKey(entry.key)) {
        problems.push_back({number, UnknownKeyMessage(entry.key)});
    }
}

// Relative names are taken from the current folder, as the quiz takes them.
void CheckCaseFile(const std::string& name, std::size_t line, QuizProblems& problems)
{
    // The window turns the name into a file name through the toolkit's
    // Unicode strings; the file system takes UTF-8.
    const fs::path path = fs::u8path(Latin1ToUtf8(name));
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) {
        std::string message = "case file " + Quoted(name) + " does not exist";
        if (path.is_relative())
            message += " in the working folder \"" + fs::current_path(error).u8string() + "\"";
        if (name.find('\\') != std::string::npos)
            message += "; use \"/\" between folders";
        problems.push_back({line, message});
        return;
    }
    const std::uintmax_t size = fs::is_regular_file(status) ? fs::file_size(path, error) : 0;
    std::vector<std::uint8_t> bytes;
    std::string readError;
    if (!fs::is_regular_file(status)) {
        problems.push_back({line, "case file " + Quoted(name) + " is not a file"});
    } else if (error || size != kCaseFileSize) {
        problems.push_back({line, "case file " + Quoted(name) + " is not a case file: it has " + std::to_string(size) +
                                      " bytes instead of " + std::to_string(kCaseFileSize)});
    } else if (!ReadFileBytes(path, kCaseFileSize, bytes, readError)) {
        problems.push_back({line, "case file " + Quoted(name) + " cannot be read: " + readError});
    }
}

void CheckQuestion(std::size_t index, const Question& question, const QuestionPlaces& places, QuizProblems& problems)
{
    const std::string name = "question " + std::to_string(index + 1);
    if (question.text.empty())
        problems.push_back({places.section, name + " has no text (Question=)"});
    if (places.answerBox == 0)
        problems.push_back({places.section, name + " has no AnswerBox line: no answer can be given"});
    if (question.answers.empty()) {
        problems.push_back({places.section, name + " has no answers"});
    } else if (question.maxPoints <= 0) {
        problems.push_back({places.section, name + " has a maximum of 0 points: no answer earns any"});
    }
    const int best = question.points.empty() ? 0 : *std::max_element(question.points.begin(), question.points.end());
    if (places.textBoxAfterAnswer && question.maxPoints != std::max(best, 0))
        problems.push_back({places.answerBox, "AnswerBox=TEXT after the first answer: the maximum adds up the "
                                              "answers' points to " +
                                                  std::to_string(question.maxPoints) +
                                                  " instead of taking the best one; put AnswerBox first"});
    if (question.answerBox == AnswerBox::Text) {
        CheckTextAnswerOrder(question, places.answers, problems);
        CheckRangeAnswers(question, places.answers, problems);
    }
    if (!question.file.empty())
        CheckCaseFile(question.file, places.file, problems);
}

}  // namespace

QuizProblems CheckQuizText(std::string_view text)
{
    QuizProblems problems;
    if (CheckEncoding(text, problems))
        return problems;

    std::vector<QuestionPlaces> places;
    ForEachQuestionLine(text,
                        [&](std::size_t number, std::string_view line) { CheckLine(number, line, places, problems); });

    const QuestionList questions = ParseQuestionText(text);
    if (questions.empty())
        problems.push_back({0, "no [QUESTION] line: the quiz has no questions"});
    for (std::size_t i = 0; i < questions.size() && i < places.size(); ++i)
        CheckQuestion(i, questions[i], places[i], problems);

    std::stable_sort(problems.begin(), problems.end(),
                     [](const QuizProblem& a, const QuizProblem& b) { return a.line < b.line; });
    return problems;
}
