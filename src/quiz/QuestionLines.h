#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

// How a question file is cut into lines and keys. The reader and the quiz
// checker share it, so the checker's line numbers point at the lines the
// reader actually took.

// Calls handleLine(number, line) for every line, numbered from 1, with blanks
// at both ends trimmed. LF, CR LF and lone CR end a line. A UTF-8 byte order
// mark before the first line is not part of it.
void ForEachQuestionLine(std::string_view text,
                         const std::function<void(std::size_t number, std::string_view line)>& handleLine);

// True for the line that starts a new question.
bool IsSectionStart(std::string_view line);

// A line split at its first "=". Without "=" the key is the whole line.
struct KeyValue {
    std::string_view key;
    std::string_view value;
    bool hasEquals = false;
};
KeyValue SplitKeyValue(std::string_view line);

// An Answer value split into its text and its points. Points follow the last
// comma only when one to three characters come after it, so texts such as
// "a,b,1000" keep their commas; pointsText is then empty.
struct AnswerParts {
    std::string_view text;
    std::string_view pointsText;
};
AnswerParts SplitAnswer(std::string_view value);
