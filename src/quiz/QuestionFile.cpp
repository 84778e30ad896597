#include "quiz/QuestionFile.h"

#include "quiz/QuestionLines.h"
#include "quiz/SaturatingSum.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <new>
#include <system_error>

namespace {

std::string ExpandLineBreaks(std::string_view value)
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

void ApplyAnswerBox(Question& question, std::string_view value)
{
    if (value == "TEXT")
        question.answerBox = AnswerBox::Text;
    else if (value == "RADIO")
        question.answerBox = AnswerBox::SingleChoice;
    else if (value == "CHECK")
        question.answerBox = AnswerBox::MultipleChoice;
}

void AddAnswer(Question& question, std::string_view value)
{
    const AnswerParts parts = SplitAnswer(value);
    question.answers.emplace_back(parts.text);
    if (parts.pointsText.empty()) {
        question.points.push_back(0);
        return;
    }

    const std::string digits(parts.pointsText);
    const int points = static_cast<int>(std::strtol(digits.c_str(), nullptr, 10));
    question.points.push_back(points);

    // Depends on the answer box known at this line: a text question is worth
    // its best answer, a choice question the sum of its rewarded answers.
    if (question.answerBox == AnswerBox::Text)
        question.maxPoints = std::max(question.maxPoints, points);
    else if (points > 0)
        question.maxPoints = SaturatingAdd(question.maxPoints, points);
}

void ApplyLine(Question& question, std::string_view line)
{
    const KeyValue entry = SplitKeyValue(line);
    const std::string_view key = entry.key;
    const std::string_view value = entry.value;

    if (key == "Question")
        question.text = ExpandLineBreaks(value);
    else if (key == "File")
        question.file = std::string(value);
    else if (key == "AnswerBox")
        ApplyAnswerBox(question, value);
    else if (key == "Answer")
        AddAnswer(question, value);
    else if (key == "Explain")
        question.explanation = ExpandLineBreaks(value);
}

QuestionFileStatus ReadBounded(const std::filesystem::path& path, std::string& bytes)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::is_regular_file(status))
        return QuestionFileStatus::CannotOpen;
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size > maxQuestionFileBytes)
        return QuestionFileStatus::TooLarge;

    std::ifstream in(path, std::ios::binary);
    if (!in)
        return QuestionFileStatus::CannotOpen;

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

QuestionList ParseQuestionText(std::string_view text)
{
    QuestionList questions;
    ForEachQuestionLine(text, [&questions](std::size_t, std::string_view line) {
        if (IsSectionStart(line)) {
            questions.emplace_back();
            return;
        }
        if (!questions.empty())
            ApplyLine(questions.back(), line);
    });
    return questions;
}

QuestionFileStatus ParseQuestionFile(const std::filesystem::path& path, QuestionList& questions)
{
    // A file within the size limit may still not fit into the memory left:
    // a few bytes per line can become a question or an answer each.
    try {
        std::string bytes;
        const QuestionFileStatus status = ReadBounded(path, bytes);
        if (status == QuestionFileStatus::Ok)
            questions = ParseQuestionText(bytes);
        return status;
    } catch (const std::bad_alloc&) {
        return QuestionFileStatus::TooLarge;
    }
}
