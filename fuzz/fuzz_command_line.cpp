// Any command line a shell or a desktop launcher may hand over: the input's
// NUL bytes separate the arguments, as they do in the process's own argv.
// What is promised holds for every command, present and future: a refusal
// carries one line saying why, free of control characters, an accepted command has everything its action
// needs, and only given arguments are ever taken as file names.
#include "FuzzSupport.h"

#include "cli/CommandLine.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Arguments(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> arguments;
    if (size == 0)
        return arguments;
    std::string current;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\0') {
            arguments.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    arguments.push_back(current);
    return arguments;
}

bool IsSubsequence(const std::vector<std::string>& part, const std::vector<std::string>& whole)
{
    std::size_t at = 0;
    for (const std::string& argument : whole) {
        if (at < part.size() && part[at] == argument)
            ++at;
    }
    return at == part.size();
}

bool EndsWith(const std::string& name, const std::string& ending)
{
    return name.size() >= ending.size() && name.compare(name.size() - ending.size(), ending.size(), ending) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> arguments = Arguments(data, size);
    const CommandLine command = ParseCommandLine(arguments);

    const CommandLine again = ParseCommandLine(arguments);
    FUZZ_CHECK(again.action == command.action && again.files == command.files && again.error == command.error);

    if (command.action == Action::UsageError) {
        FUZZ_CHECK(!command.error.empty());
        // One line, and nothing a terminal would take as a command.
        for (const char c : command.error)
            FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
        return 0;
    }
    FUZZ_CHECK(command.error.empty());
    FUZZ_CHECK(IsSubsequence(command.files, arguments));
    switch (command.action) {
    case Action::CheckQuiz:
        FUZZ_CHECK(!command.files.empty());
        break;
    case Action::ConvertRecording:
        FUZZ_CHECK(command.files.size() == 2);
        FUZZ_CHECK(!command.repairThreshold || (*command.repairThreshold > 0.0 && *command.repairThreshold <= 1.0));
        break;
    case Action::HessChart:
        FUZZ_CHECK(command.files.size() == 2);
        FUZZ_CHECK(EndsWith(command.files[1], ".svg") || EndsWith(command.files[1], ".pdf") ||
                   EndsWith(command.files[1], ".png"));
        break;
    case Action::NinePositions:
        FUZZ_CHECK(command.files.size() == 2 && EndsWith(command.files[1], ".png"));
        FUZZ_CHECK(command.eccentricity >= 5 && command.eccentricity <= 40);
        break;
    case Action::Measure:
        FUZZ_CHECK(command.files.size() == 1);
        FUZZ_CHECK(command.eccentricity >= 5 && command.eccentricity <= 40);
        FUZZ_CHECK(std::abs(command.gazeRight) <= 45 && std::abs(command.gazeUp) <= 45);
        for (const Prism& prism : command.prisms)
            FUZZ_CHECK(prism.dioptres >= 0 && prism.dioptres <= PrismBarPowers().back());
        break;
    default:
        break;
    }
    return 0;
}
