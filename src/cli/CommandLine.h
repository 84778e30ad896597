#pragma once

#include "model/EyeQuantity.h"
#include "model/Prism.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

enum class Action {
    StartProgram,  // the window, opening any files given
    ShowHelp,
    ShowVersion,
    CheckQuiz,         // check question files, no window
    ConvertRecording,  // convert one recording, no window
    HessChart,         // draw a case's Hess chart into a file, no window
    NinePositions,     // draw a case's nine positions of gaze into a file, off-screen
    Measure,           // print what the examination of a case shows, no window
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
    // NinePositions, Measure with table: degrees from straight ahead.
    int eccentricity = 25;
    // Measure: where the patient looks, degrees towards his right and up;
    // the distance (none: the settings'); the eye that fixes while the
    // other is covered (none: both eyes open); the prism before each eye;
    // the nine positions instead of one gaze; tab-separated output.
    double gazeRight = 0;
    double gazeUp = 0;
    std::optional<bool> atNear;
    std::optional<Eye> fixing;
    std::array<Prism, kEyeCount> prisms{};
    // Measure: the head's posture, degrees: the face turned towards the
    // patient's right, the head tilted towards his right shoulder.
    double headTurn = 0;
    double headTilt = 0;
    bool table = false;
    bool tabSeparated = false;
    std::string error;  // UsageError: what was wrong, one line
};

// arguments without the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

std::string UsageText();
std::string VersionText();
