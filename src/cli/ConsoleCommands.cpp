#include "cli/ConsoleCommands.h"

#include "cli/HessCommand.h"
#include "cli/MeasureCommand.h"
#include "cli/QuizCheck.h"
#include "cli/RecordingConversion.h"
#include "cli/StartFolder.h"
#include "quiz/QuestionFile.h"
#include "settings/FileIo.h"

#include <cstdint>
#include <vector>

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;
constexpr int kUsage = 2;

// Findings go to out, one "FILE:LINE: message" each, or one line saying a
// file has none; a file that cannot be read to err.
int CheckQuizzes(const CommandLine& command, const std::string& startFolder, std::ostream& out, std::ostream& err)
{
    int status = kSuccess;
    for (const std::string& name : command.files) {
        std::vector<std::uint8_t> bytes;
        std::string error;
        if (!ReadFileBytes(ResolveFromStartFolder(name, startFolder), maxQuestionFileBytes, bytes, error)) {
            err << "squinx: " << error << '\n';
            status = kFailure;
            continue;
        }
        const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        const std::vector<QuizProblem> problems = CheckQuizText(text);
        if (problems.empty())
            out << name << ": no problems found\n";
        for (const QuizProblem& problem : problems) {
            out << name << ':';
            if (problem.line > 0)
                out << problem.line << ':';
            out << ' ' << problem.message << '\n';
            status = kFailure;
        }
    }
    return status;
}

int Convert(const CommandLine& command, const std::string& startFolder, std::ostream& err)
{
    std::string error;
    if (ConvertRecording(ResolveFromStartFolder(command.files[0], startFolder),
                         ResolveFromStartFolder(command.files[1], startFolder), command.repairThreshold, error))
        return kSuccess;
    err << "squinx: " << error << '\n';
    return kFailure;
}

}  // namespace

int RunConsoleCommand(const CommandLine& command, const std::string& startFolder, std::ostream& out, std::ostream& err)
{
    switch (command.action) {
    case Action::ShowHelp:
        out << UsageText();
        return kSuccess;
    case Action::ShowVersion:
        out << VersionText();
        return kSuccess;
    case Action::CheckQuiz:
        return CheckQuizzes(command, startFolder, out, err);
    case Action::ConvertRecording:
        // Under a file-size limit the write then fails with its reason
        // instead of the system killing the program mid-file.
        IgnoreFileSizeSignal();
        return Convert(command, startFolder, err);
    case Action::HessChart:
        IgnoreFileSizeSignal();
        return RunHessCommand(command, startFolder, err);
    case Action::Measure:
        // Its table redirected into a file is cut short with a reason, too.
        IgnoreFileSizeSignal();
        return RunMeasureCommand(command, startFolder, out, err);
    case Action::UsageError:
    case Action::StartProgram:
    case Action::NinePositions:
        break;
    }
    err << "squinx: " << command.error << "\nTry 'squinx --help' for more information.\n";
    return kUsage;
}
