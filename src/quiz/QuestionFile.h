#pragma once

#include "quiz/Question.h"

#include <cstdint>
#include <filesystem>
#include <string_view>

enum class QuestionFileStatus {
    Ok,
    CannotOpen,  // missing, not a regular file, or no read permission
    ReadFailed,  // opened, but reading stopped with an error
    TooLarge,    // more than maxQuestionFileBytes, or more than the memory left can hold
};

// Far beyond any hand-written quiz; also keeps every point sum inside int.
inline constexpr std::uintmax_t maxQuestionFileBytes = 16u * 1024u * 1024u;

// Parses the text of a question file. Never fails: lines it does not know
// are skipped, and text without a [QUESTION] line gives an empty list. A
// UTF-8 byte order mark at the start is skipped; the rest is taken as bytes.
QuestionList ParseQuestionText(std::string_view text);

// Reads and parses a question file. On Ok, `questions` holds the file's
// questions in file order (possibly none); on any other status it is left
// exactly as it was.
QuestionFileStatus ParseQuestionFile(const std::filesystem::path& path, QuestionList& questions);
