#include "cli/CommandLine.h"

#include <cstdlib>

namespace cli {
namespace {

// Strict, unlike the program's number fields: a threshold with trailing
// characters is more likely a slip than a value.
std::optional<double> ParseThreshold(std::string text)
{
    for (char& c : text)
        if (c == ',') c = '.';
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos) return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (*end != '\0' || !(value > 0.0 && value <= 1.0)) return std::nullopt;
    return value;
}

CommandLine UsageError(std::string message)
{
    CommandLine command;
    command.action = Action::UsageError;
    command.error = std::move(message);
    return command;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    bool help = false;
    bool version = false;
    std::optional<Action> mode;
    std::optional<std::string> thresholdText;
    std::vector<std::string> operands;
    bool optionsEnded = false;

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            operands.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "-h" || argument == "--help") {
            help = true;
        } else if (argument == "--version") {
            version = true;
        } else if (argument == "--check-quiz" || argument == "--convert") {
            const Action chosen = argument == "--convert" ? Action::ConvertRecording : Action::CheckQuiz;
            if (mode && *mode != chosen) return UsageError("--check-quiz and --convert cannot be combined");
            mode = chosen;
        } else if (argument == "--repair") {
            if (i + 1 == arguments.size()) return UsageError("--repair needs a quality threshold");
            thresholdText = arguments[++i];
        } else if (argument.rfind("--repair=", 0) == 0) {
            thresholdText = argument.substr(9);
        } else {
            return UsageError("unknown option '" + argument + "'");
        }
    }

    CommandLine command;
    if (help) {
        command.action = Action::ShowHelp;
        return command;
    }
    if (version) {
        command.action = Action::ShowVersion;
        return command;
    }
    if (thresholdText && mode != Action::ConvertRecording) return UsageError("--repair works only with --convert");

    command.action = mode.value_or(Action::StartProgram);
    command.files = std::move(operands);
    switch (command.action) {
    case Action::CheckQuiz:
        if (command.files.empty()) return UsageError("--check-quiz needs a question file");
        break;
    case Action::ConvertRecording:
        if (command.files.size() != 2) return UsageError("--convert needs an input and an output file");
        if (thresholdText) {
            command.repairThreshold = ParseThreshold(*thresholdText);
            if (!command.repairThreshold)
                return UsageError("the quality threshold '" + *thresholdText +
                                  "' is not a number above 0 and at most 1");
        }
        break;
    default:
        break;
    }
    return command;
}

std::string UsageText()
{
    return "Usage: squinx [FILE...]\n"
           "       squinx --check-quiz QUIZ.sqs...\n"
           "       squinx --convert [--repair THRESHOLD] IN OUT\n"
           "\n"
           "Squinx, a teaching simulator of a squinting patient.\n"
           "\n"
           "Without options the window opens, and then each FILE in turn: a case (.sd),\n"
           "a recording (.txt device export or .stx) or a question file (.sqs), which\n"
           "starts the quiz.\n"
           "\n"
           "  --check-quiz QUIZ.sqs...  report every problem of the question files as\n"
           "                            FILE:LINE: message; exit 1 if there is any.\n"
           "                            Case files are looked up as the quiz does, from\n"
           "                            the working folder.\n"
           "  --convert IN OUT          convert a recording between the device's .txt\n"
           "                            export and .stx; the names' endings decide.\n"
           "  --repair THRESHOLD        with --convert: replace the rows whose quality is\n"
           "                            below THRESHOLD (above 0, at most 1) by values\n"
           "                            interpolated from the good rows around them.\n"
           "  -h, --help                show this text and exit.\n"
           "      --version             show the version and exit.\n"
           "\n"
           "Exit status: 0 on success, 1 when a file has problems or cannot be\n"
           "converted, 2 on a wrong command line.\n";
}

std::string VersionText()
{
    return std::string("squinx ") + SQUINX_VERSION + "\n";
}

}  // namespace cli
