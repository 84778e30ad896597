#include "cli/CommandLine.h"

#include "examination/Examination.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Strict, unlike the program's number fields: a threshold with trailing
// characters is more likely a slip than a value.
std::optional<double> ParseThreshold(std::string text)
{
    for (char& c : text)
        if (c == ',')
            c = '.';
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos)
        return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (*end != '\0' || !(value > 0.0 && value <= 1.0))
        return std::nullopt;
    return value;
}

constexpr int kLeastEccentricity = 5;
constexpr int kGreatestEccentricity = 40;

std::optional<int> ParseEccentricity(const std::string& text)
{
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int value = std::atoi(text.c_str());
    if (value < kLeastEccentricity || value > kGreatestEccentricity)
        return std::nullopt;
    return value;
}

// A decimal number with '.' and an optional sign, nothing else.
std::optional<double> ParseDegrees(const std::string& text)
{
    const std::size_t digits = text.find_first_not_of("+-");
    if (text.empty() || digits > 1 || digits == text.size() ||
        text.find_first_not_of("0123456789.", digits) != std::string::npos)
        return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (*end != '\0')
        return std::nullopt;
    return value;
}

// "H,V": degrees towards the patient's right and up.
bool ParseGaze(const std::string& text, double& right, double& up)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos)
        return false;
    const std::optional<double> h = ParseDegrees(text.substr(0, comma));
    const std::optional<double> v = ParseDegrees(text.substr(comma + 1));
    if (!h || !v || std::abs(*h) > kLargestEccentricity || std::abs(*v) > kLargestEccentricity)
        return false;
    right = *h;
    up = *v;
    return true;
}

// A head posture's angle: degrees within the range the examination holds.
bool ParseHeadAngle(const std::string& text, double& degrees)
{
    const std::optional<double> parsed = ParseDegrees(text);
    if (!parsed || std::abs(*parsed) > kLargestHeadPosture)
        return false;
    degrees = *parsed;
    return true;
}

std::optional<Eye> ParseEye(const std::string& text)
{
    if (text == "right")
        return Eye::one;
    if (text == "left")
        return Eye::two;
    return std::nullopt;
}

// "right|left:POWER:BASE", POWER a whole number of dioptres on the bar's range.
bool ParsePrism(const std::string& text, Eye& eye, Prism& prism)
{
    const std::size_t first = text.find(':');
    const std::size_t second = first == std::string::npos ? first : text.find(':', first + 1);
    if (second == std::string::npos)
        return false;
    const std::optional<Eye> which = ParseEye(text.substr(0, first));
    const std::string power = text.substr(first + 1, second - first - 1);
    const std::string base = text.substr(second + 1);
    if (!which || power.empty() || power.size() > 3 || power.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const int dioptres = std::atoi(power.c_str());
    if (dioptres < 1 || dioptres > PrismBarPowers().back())
        return false;
    static const std::pair<const char*, PrismBase> bases[] = {
        {"out", PrismBase::out}, {"in", PrismBase::in}, {"up", PrismBase::up}, {"down", PrismBase::down}};
    for (const auto& [name, value] : bases) {
        if (base == name) {
            eye = *which;
            prism = {dioptres, value};
            return true;
        }
    }
    return false;
}

bool EndsWith(const std::string& name, const std::string& ending)
{
    return name.size() > ending.size() && name.compare(name.size() - ending.size(), ending.size(), ending) == 0;
}

const char* OptionOf(Action action)
{
    switch (action) {
    case Action::CheckQuiz:
        return "--check-quiz";
    case Action::ConvertRecording:
        return "--convert";
    case Action::HessChart:
        return "--hess";
    case Action::NinePositions:
        return "--nine";
    case Action::Measure:
        return "--measure";
    default:
        return "";
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

bool Eccentricity(const std::string& text, CommandLine& command)
{
    const std::optional<int> degrees = ParseEccentricity(text);
    if (degrees)
        command.eccentricity = *degrees;
    return degrees.has_value();
}

CommandLine EccentricityError(const std::string& text)
{
    return UsageError("the eccentricity '" + Shown(text) + "' is not a whole number of degrees from " +
                      std::to_string(kLeastEccentricity) + " to " + std::to_string(kGreatestEccentricity));
}

// Sets what one of --measure's options says; the refusal, or "" when taken.
std::string TakeMeasureOption(const std::string& name, const std::string& value, CommandLine& command)
{
    if (name == "--table") {
        command.table = true;
    } else if (name == "--tsv") {
        command.tabSeparated = true;
    } else if (name == "--gaze") {
        const std::string largest = std::to_string(static_cast<int>(kLargestEccentricity));
        if (!ParseGaze(value, command.gazeRight, command.gazeUp))
            return "the gaze '" + Shown(value) + "' is not H,V in degrees from -" + largest + " to " + largest +
                   " (right and up positive)";
    } else if (name == "--head-turn" || name == "--head-tilt") {
        const bool turn = name == "--head-turn";
        const std::string largest = std::to_string(static_cast<int>(kLargestHeadPosture));
        if (!ParseHeadAngle(value, turn ? command.headTurn : command.headTilt))
            return std::string("the head ") + (turn ? "turn" : "tilt") + " '" + Shown(value) +
                   "' is not degrees from -" + largest + " to " + largest +
                   (turn ? " (face to the right positive)" : " (right ear down positive)");
    } else if (name == "--distance") {
        if (value != "far" && value != "near")
            return "the distance '" + Shown(value) + "' is not far or near";
        command.atNear = value == "near";
    } else if (name == "--fixing") {
        command.fixing = ParseEye(value);
        if (!command.fixing)
            return "the fixing eye '" + Shown(value) + "' is not right or left";
    } else if (name == "--prism") {
        Eye eye = Eye::one;
        Prism prism;
        if (!ParsePrism(value, eye, prism))
            return "the prism '" + Shown(value) + "' is not right|left:POWER:out|in|up|down with POWER from 1 to " +
                   std::to_string(PrismBarPowers().back());
        Prism& held = command.prisms[static_cast<std::size_t>(eye)];
        if (held.dioptres != 0)
            return std::string("--prism is given twice for the ") + (eye == Eye::one ? "right" : "left") + " eye";
        held = prism;
    }
    return "";
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
    // --measure's own options, each kept as first met with its value.
    std::vector<std::pair<std::string, std::string>> measureOptions;
    static const char* const measureWithValue[] = {"--gaze",      "--distance",  "--fixing",
                                                   "--head-turn", "--head-tilt", "--prism"};
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
                   argument == "--nine" || argument == "--measure") {
            const Action chosen = argument == "--convert"   ? Action::ConvertRecording
                                  : argument == "--hess"    ? Action::HessChart
                                  : argument == "--nine"    ? Action::NinePositions
                                  : argument == "--measure" ? Action::Measure
                                                            : Action::CheckQuiz;
            if (mode && *mode != chosen)
                return UsageError(std::string(OptionOf(*mode)) + " and " + argument + " cannot be combined");
            mode = chosen;
        } else if (argument == "--repair") {
            if (i + 1 == arguments.size())
                return UsageError("--repair needs a quality threshold");
            thresholdText = arguments[++i];
        } else if (argument.rfind("--repair=", 0) == 0) {
            thresholdText = argument.substr(9);
        } else if (argument == "--eccentricity") {
            if (i + 1 == arguments.size())
                return UsageError("--eccentricity needs a number of degrees");
            eccentricityText = arguments[++i];
        } else if (argument.rfind("--eccentricity=", 0) == 0) {
            eccentricityText = argument.substr(15);
        } else if (argument == "--table" || argument == "--tsv") {
            measureOptions.emplace_back(argument, "");
        } else if (const auto named = std::find_if(std::begin(measureWithValue), std::end(measureWithValue),
                                                   [&](const char* name) {
                                                       return argument == name ||
                                                              argument.rfind(std::string(name) + "=", 0) == 0;
                                                   });
                   named != std::end(measureWithValue)) {
            const std::string name = *named;
            if (argument.size() > name.size()) {
                measureOptions.emplace_back(name, argument.substr(name.size() + 1));
            } else {
                if (i + 1 == arguments.size())
                    return UsageError(name + " needs a value");
                measureOptions.emplace_back(name, arguments[++i]);
            }
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
    if (thresholdText && mode != Action::ConvertRecording)
        return UsageError("--repair works only with --convert");
    if (eccentricityText && mode != Action::NinePositions && mode != Action::Measure)
        return UsageError("--eccentricity works only with --nine or --measure --table");
    if (!measureOptions.empty() && mode != Action::Measure)
        return UsageError(measureOptions.front().first + " works only with --measure");

    command.action = mode.value_or(Action::StartProgram);
    command.files = std::move(operands);
    switch (command.action) {
    case Action::CheckQuiz:
        if (command.files.empty())
            return UsageError("--check-quiz needs a question file");
        break;
    case Action::ConvertRecording:
        if (command.files.size() != 2)
            return UsageError("--convert needs an input and an output file");
        if (thresholdText) {
            command.repairThreshold = ParseThreshold(*thresholdText);
            if (!command.repairThreshold)
                return UsageError("the quality threshold '" + Shown(*thresholdText) +
                                  "' is not a number above 0 and at most 1");
        }
        break;
    case Action::HessChart:
        if (command.files.size() != 2)
            return UsageError("--hess needs a case and an output file");
        if (!EndsWith(command.files[1], ".svg") && !EndsWith(command.files[1], ".pdf") &&
            !EndsWith(command.files[1], ".png"))
            return UsageError("--hess writes .svg, .pdf or .png files, not '" + Shown(command.files[1]) + "'");
        break;
    case Action::NinePositions:
        if (command.files.size() != 2)
            return UsageError("--nine needs a case and an output file");
        if (!EndsWith(command.files[1], ".png"))
            return UsageError("--nine writes .png files, not '" + Shown(command.files[1]) + "'");
        if (eccentricityText && !Eccentricity(*eccentricityText, command))
            return EccentricityError(*eccentricityText);
        break;
    case Action::Measure:
        if (command.files.size() != 1)
            return UsageError("--measure needs one case file");
        for (const auto& [name, value] : measureOptions) {
            const std::string refusal = TakeMeasureOption(name, value, command);
            if (!refusal.empty())
                return UsageError(refusal);
        }
        if (eccentricityText && !command.table)
            return UsageError("--eccentricity works with --measure only with --table");
        if (eccentricityText && !Eccentricity(*eccentricityText, command))
            return EccentricityError(*eccentricityText);
        break;
    default:
        break;
    }
    return command;
}

std::string UsageText()
{
    return "Usage: squinx [FILE...]\n"
           "  or:  squinx --check-quiz QUIZ.sqs...\n"
           "  or:  squinx --convert [--repair THRESHOLD] IN OUT\n"
           "  or:  squinx --hess CASE.sd OUT.svg|OUT.pdf|OUT.png\n"
           "  or:  squinx --nine [--eccentricity DEGREES] CASE.sd OUT.png\n"
           "  or:  squinx --measure [--gaze H,V] [--distance far|near] [--fixing right|left]\n"
           "                [--head-turn DEG] [--head-tilt DEG]\n"
           "                [--prism right|left:POWER:BASE]... [--table [--eccentricity E]]\n"
           "                [--tsv] CASE.sd\n"
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
           "      --measure CASE.sd         print what the examination of the case shows:\n"
           "                                where each eye points (degrees to the\n"
           "                                patient's right, up, and its torsion), the\n"
           "                                deviation in degrees and prism dioptres, and\n"
           "                                how far each eye moves on alternate cover\n"
           "      --gaze H,V                with --measure: where the patient looks,\n"
           "                                degrees to his right and up (default 0,0)\n"
           "      --distance far|near       with --measure: the distance (default that of\n"
           "                                the settings file)\n"
           "      --fixing right|left       with --measure: that eye fixes and the other is\n"
           "                                covered (default both eyes open)\n"
           "      --head-turn DEGREES       with --measure: the face turned to the\n"
           "                                patient's right (negative: left), up to 45;\n"
           "                                the target stays straight ahead in the room\n"
           "      --head-tilt DEGREES       with --measure: the head tilted to the right\n"
           "                                shoulder (negative: left), up to 45; the eyes\n"
           "                                counter-roll (the head-tilt test)\n"
           "      --prism EYE:POWER:BASE    with --measure: a prism before the right or\n"
           "                                left EYE of POWER dioptres (1 to 50), BASE\n"
           "                                out, in, up or down; once for each eye\n"
           "      --table                   with --measure: the nine positions of gaze\n"
           "      --eccentricity DEGREES    with --nine or --measure --table: how far out\n"
           "                                the positions lie, 5 to 40 degrees (default 25)\n"
           "      --tsv                     with --measure: tab-separated values with a\n"
           "                                header row, for a spreadsheet\n"
           "  -h, --help                    show this text and exit\n"
           "      --version                 show the version and exit\n"
           "\n"
           "Only the window needs a display: --nine draws with OpenGL off-screen (Mesa's\n"
           "EGL), and only where that fails through a hidden window on a display.\n"
           "Language, angle unit and distance follow the settings file and the language\n"
           "files of the working folder, as in the window. Case files named in a quiz\n"
           "are looked up from the working folder, as the quiz does.\n"
           "\n"
           "Exit status:\n"
           " 0  if OK,\n"
           " 1  if a file has problems or cannot be converted or drawn, or the window\n"
           "    finds no display,\n"
           " 2  if the command line is wrong.\n";
}

std::string VersionText()
{
    return std::string("squinx ") + SQUINX_VERSION + "\n";
}
