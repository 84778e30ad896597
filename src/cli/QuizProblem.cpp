#include "cli/QuizProblem.h"

#include "lang/Latin1Utf8.h"

std::string Quoted(std::string_view latin1)
{
    return "\"" + Latin1ToUtf8(latin1) + "\"";
}
