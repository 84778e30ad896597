#include "cli/CommandLine.h"

#include <cstdio>
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

constexpr int kLeastEccentricity = 5;
constexpr int kGreatestEccentricity = 40;

std::optional<int> ParseEccentricity(const std::string& text)
{
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int value = std::atoi(text.c_str());
    if (value < kLeastEccentricity || value > kGreatestEccentricity) return std::nullopt;
    return value;
}

bool EndsWith(const std::string& name, const std::string& ending)
{
    return name.size() > ending.size() && name.compare(name.size() - ending.size(), ending.size(), ending) == 0;
}

const char* OptionOf(Action action)
{
    switch (action) {
    case Action::CheckQuiz: return "--check-quiz";
    case Action::ConvertRecording: return "--convert";
    case Action::HessChart: return "--hess";
    case Action::NinePositions: return "--nine";
    default: return "";
    }
}

// How a usage error quotes an argument: control characters written out, so
// that a name holding a line break or a terminal escape keeps the message on
// one line and the terminal as it was.
std::string Shown(const std::string& argument)
{
    std::string out;
    for (const char c : argument) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out;
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
    std::optional<std::string> eccentricityText;
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
        } else if (argument == "--check-quiz" || argument == "--convert" || argument == "--hess" ||
                   argument == "--nine") {
            const Action chosen = argument == "--convert" ? Action::ConvertRecording
                                  : argument == "--hess"  ? Action::HessChart
                                  : argument == "--nine"  ? Action::NinePositions
                                                          : Action::CheckQuiz;
            if (mode && *mode != chosen)
                return UsageError(std::string(OptionOf(*mode)) + " and " + argument + " cannot be combined");
            mode = chosen;
        } else if (argument == "--repair") {
            if (i + 1 == arguments.size()) return UsageError("--repair needs a quality threshold");
            thresholdText = arguments[++i];
        } else if (argument.rfind("--repair=", 0) == 0) {
            thresholdText = argument.substr(9);
        } else if (argument == "--eccentricity") {
            if (i + 1 == arguments.size()) return UsageError("--eccentricity needs a number of degrees");
            eccentricityText = arguments[++i];
        } else if (argument.rfind("--eccentricity=", 0) == 0) {
            eccentricityText = argument.substr(15);
        } else {
            return UsageError("unknown option '" + Shown(argument) + "'");
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
    if (eccentricityText && mode != Action::NinePositions) return UsageError("--eccentricity works only with --nine");

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
                return UsageError("the quality threshold '" + Shown(*thresholdText) +
                                  "' is not a number above 0 and at most 1");
        }
        break;
    case Action::HessChart:
        if (command.files.size() != 2) return UsageError("--hess needs a case and an output file");
        if (!EndsWith(command.files[1], ".svg") && !EndsWith(command.files[1], ".pdf")
            && !EndsWith(command.files[1], ".png"))
            return UsageError("--hess writes .svg, .pdf or .png files, not '" + Shown(command.files[1]) + "'");
        break;
    case Action::NinePositions:
        if (command.files.size() != 2) return UsageError("--nine needs a case and an output file");
        if (!EndsWith(command.files[1], ".png"))
            return UsageError("--nine writes .png files, not '" + Shown(command.files[1]) + "'");
        if (eccentricityText) {
            const std::optional<int> degrees = ParseEccentricity(*eccentricityText);
            if (!degrees)
                return UsageError("the eccentricity '" + Shown(*eccentricityText) + "' is not a whole number of degrees from " +
                                  std::to_string(kLeastEccentricity) + " to " + std::to_string(kGreatestEccentricity));
            command.eccentricity = *degrees;
        }
        break;
    default:
        break;
    }
    return command;
}

bool NeedsDisplay(Action action)
{
    return action == Action::HessChart || action == Action::NinePositions;
}

std::string UsageText()
{
    return "Usage: squinx [FILE...]\n"
           "  or:  squinx --check-quiz QUIZ.sqs...\n"
           "  or:  squinx --convert [--repair THRESHOLD] IN OUT\n"
           "  or:  squinx --hess CASE.sd OUT.svg|OUT.pdf|OUT.png\n"
           "  or:  squinx --nine [--eccentricity DEGREES] CASE.sd OUT.png\n"
           "Squinx, a teaching simulator of a squinting patient.\n"
           "\n"
           "Without options the window opens, and then each FILE in turn: a case (.sd),\n"
           "a recording (.txt device export or .stx) or a question file (.sqs), which\n"
           "starts the quiz.\n"
           "\n"
           "Options:\n"
           "      --check-quiz QUIZ.sqs...  report every problem of the question files as\n"
           "                                FILE:LINE: message, or that a file has none\n"
           "      --convert IN OUT          convert a recording between the device's .txt\n"
           "                                export and .stx; the names' endings decide\n"
           "      --repair THRESHOLD        with --convert: replace the rows whose quality\n"
           "                                is below THRESHOLD (above 0, at most 1) by\n"
           "                                values interpolated from the good rows around\n"
           "      --hess CASE.sd OUT        draw the case's Hess chart (both fields, as the\n"
           "                                patient sees them) into an SVG, PDF (one A4\n"
           "                                page) or PNG file\n"
           "      --nine CASE.sd OUT.png    draw the case's eyes in the nine diagnostic\n"
           "                                positions of gaze into a PNG picture\n"
           "      --eccentricity DEGREES    with --nine: how far out the positions lie,\n"
           "                                5 to 40 degrees (default 25)\n"
           "  -h, --help                    show this text and exit\n"
           "      --version                 show the version and exit\n"
           "\n"
           "The window, --hess and --nine need a display: --hess and --nine show no\n"
           "window but draw with the toolkit, --nine with OpenGL. On a server, run them\n"
           "under xvfb-run. Language and distance follow the settings file. Case files\n"
           "named in a quiz are looked up from the working folder, as the quiz does.\n"
           "\n"
           "Exit status:\n"
           " 0  if OK,\n"
           " 1  if a file has problems or cannot be converted or drawn, or no display\n"
           "    is found,\n"
           " 2  if the command line is wrong.\n";
}

std::string VersionText()
{
    return std::string("squinx ") + SQUINX_VERSION + "\n";
}

}  // namespace cli
