// A question file written in any editor, checked as `squinx --check-quiz`
// checks it.
#include "FuzzSupport.h"

#include "cli/QuizCheck.h"

#include <algorithm>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const QuizProblems problems = CheckQuizText(text);
    const std::size_t lineEnds = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n') +
                                                          std::count(text.begin(), text.end(), '\r'));
    for (std::size_t i = 0; i < problems.size(); ++i) {
        FUZZ_CHECK(!problems[i].message.empty());
        FUZZ_CHECK(problems[i].line <= lineEnds + 1);
        FUZZ_CHECK(i == 0 || problems[i - 1].line <= problems[i].line);
    }
    return 0;
}
