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
    HessChart,         // draw a case's Hess chart into a file; needs a display
    NinePositions,     // draw a case's nine positions of gaze into a file; needs a display
    UsageError,
};

struct CommandLine {
    Action action = Action::StartProgram;
    // StartProgram: the files to open; CheckQuiz: the question files;
    // ConvertRecording: input and output; HessChart, NinePositions: the case
    // and the picture. Names as given.
    std::vector<std::string> files;
    // ConvertRecording: repair rows below this quality (0 < t <= 1) on the way.
    std::optional<double> repairThreshold;
    // NinePositions: degrees from straight ahead.
    int eccentricity = 25;
    std::string error;  // UsageError: what was wrong, one line
};

// arguments without the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The commands that draw with the toolkit and so need a display.
bool NeedsDisplay(Action action);

std::string UsageText();
std::string VersionText();

}  // namespace cli
