#include "quiz/QuestionLines.h"

namespace {

std::string_view Trimmed(std::string_view line)
{
    constexpr std::string_view blanks = " \t\n\v\f\r";
    const auto first = line.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = line.find_last_not_of(blanks);
    return line.substr(first, last - first + 1);
}

}  // namespace

void ForEachQuestionLine(std::string_view text,
                         const std::function<void(std::size_t number, std::string_view line)>& handleLine)
{
    // Editors that save as UTF-8 may put a byte order mark first; left in
    // place it would hide the first [QUESTION] line, and the question with it.
    constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, utf8ByteOrderMark.size()) == utf8ByteOrderMark)
        text.remove_prefix(utf8ByteOrderMark.size());

    std::size_t number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            handleLine(++number, Trimmed(text.substr(start)));
            return;
        }
        handleLine(++number, Trimmed(text.substr(start, end - start)));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
}

bool IsSectionStart(std::string_view line)
{
    return line == "[QUESTION]";
}

KeyValue SplitKeyValue(std::string_view line)
{
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return {line, {}, false};
    return {line.substr(0, equals), line.substr(equals + 1), true};
}

AnswerParts SplitAnswer(std::string_view value)
{
    const auto comma = value.rfind(',');
    const std::size_t digitCount = comma == std::string_view::npos ? 0 : value.size() - comma - 1;
    if (digitCount < 1 || digitCount > 3)
        return {value, {}};
    return {value.substr(0, comma), value.substr(comma + 1)};
}
