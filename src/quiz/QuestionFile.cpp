#include "quiz/QuestionFile.h"

#include "quiz/SaturatingSum.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <new>
#include <system_error>

namespace quiz {
namespace {

constexpr std::string_view sectionStart = "[QUESTION]";

std::string_view trimmed(std::string_view line)
{
    constexpr std::string_view blanks = " \t\n\v\f\r";
    const auto first = line.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    const auto last = line.find_last_not_of(blanks);
    return line.substr(first, last - first + 1);
}

std::string expandLineBreaks(std::string_view value)
{
    std::string text;
    text.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size() && value[i + 1] == 'n') {
            text += '\n';
            ++i;
        } else {
            text += value[i];
        }
    }
    return text;
}

void applyAnswerBox(Question& question, std::string_view value)
{
    if (value == "TEXT") question.answerBox = AnswerBox::Text;
    else if (value == "RADIO") question.answerBox = AnswerBox::SingleChoice;
    else if (value == "CHECK") question.answerBox = AnswerBox::MultipleChoice;
}

// Points follow the last comma only when one to three characters come after
// it, so texts such as "a,b,1000" keep their commas.
void addAnswer(Question& question, std::string_view value)
{
    const auto comma = value.rfind(',');
    const std::size_t digitCount = comma == std::string_view::npos ? 0 : value.size() - comma - 1;
    if (digitCount < 1 || digitCount > 3) {
        question.answers.emplace_back(value);
        question.points.push_back(0);
        return;
    }

    const std::string digits(value.substr(comma + 1));
    const int points = static_cast<int>(std::strtol(digits.c_str(), nullptr, 10));
    question.answers.emplace_back(value.substr(0, comma));
    question.points.push_back(points);

    // Depends on the answer box known at this line: a text question is worth
    // its best answer, a choice question the sum of its rewarded answers.
    if (question.answerBox == AnswerBox::Text)
        question.maxPoints = std::max(question.maxPoints, points);
    else if (points > 0)
        question.maxPoints = saturatingAdd(question.maxPoints, points);
}

void applyLine(Question& question, std::string_view line)
{
    const auto equals = line.find('=');
    const std::string_view key = line.substr(0, equals);
    const std::string_view value = equals == std::string_view::npos ? std::string_view{} : line.substr(equals + 1);

    if (key == "Question") question.text = expandLineBreaks(value);
    else if (key == "File") question.file = std::string(value);
    else if (key == "AnswerBox") applyAnswerBox(question, value);
    else if (key == "Answer") addAnswer(question, value);
    else if (key == "Explain") question.explanation = expandLineBreaks(value);
}

// Accepts LF, CR LF and lone CR line ends.
template <typename LineHandler>
void forEachLine(std::string_view text, LineHandler handleLine)
{
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            handleLine(text.substr(start));
            return;
        }
        handleLine(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
}

QuestionFileStatus readBounded(const std::filesystem::path& path, std::string& bytes)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::is_regular_file(status)) return QuestionFileStatus::CannotOpen;
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size > maxQuestionFileBytes) return QuestionFileStatus::TooLarge;

    std::ifstream in(path, std::ios::binary);
    if (!in) return QuestionFileStatus::CannotOpen;

    // The size may change between the check and the read; the loop enforces
    // the limit on what actually arrives.
    char chunk[64 * 1024];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        if (bytes.size() + static_cast<std::size_t>(in.gcount()) > maxQuestionFileBytes)
            return QuestionFileStatus::TooLarge;
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    return in.bad() ? QuestionFileStatus::ReadFailed : QuestionFileStatus::Ok;
}

}  // namespace

QuestionList parseQuestionText(std::string_view text)
{
    // Editors that save as UTF-8 may put a byte order mark first; left in
    // place it would hide the first [QUESTION] line, and the question with it.
    constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, utf8ByteOrderMark.size()) == utf8ByteOrderMark) text.remove_prefix(utf8ByteOrderMark.size());

    QuestionList questions;
    forEachLine(text, [&questions](std::string_view rawLine) {
        const std::string_view line = trimmed(rawLine);
        if (line == sectionStart) {
            questions.emplace_back();
            return;
        }
        if (!questions.empty()) applyLine(questions.back(), line);
    });
    return questions;
}

QuestionFileStatus parseQuestionFile(const std::filesystem::path& path, QuestionList& questions)
{
    // A file within the size limit may still not fit into the memory left:
    // a few bytes per line can become a question or an answer each.
    try {
        std::string bytes;
        const QuestionFileStatus status = readBounded(path, bytes);
        if (status == QuestionFileStatus::Ok) questions = parseQuestionText(bytes);
        return status;
    } catch (const std::bad_alloc&) {
        return QuestionFileStatus::TooLarge;
    }
}

}  // namespace quiz
