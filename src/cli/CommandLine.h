#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cli {

enum class Action {
    StartProgram,      // the window, opening any files given
    ShowHelp,
    ShowVersion,
    CheckQuiz,         // check question files, no window
    ConvertRecording,  // convert one recording, no window
    UsageError,
};

struct CommandLine {
    Action action = Action::StartProgram;
    // StartProgram: the files to open; CheckQuiz: the question files;
    // ConvertRecording: input and output. Names as given.
    std::vector<std::string> files;
    // ConvertRecording: repair rows below this quality (0 < t <= 1) on the way.
    std::optional<double> repairThreshold;
    std::string error;  // UsageError: what was wrong, one line
};

// arguments without the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

std::string UsageText();
std::string VersionText();

}  // namespace cli
