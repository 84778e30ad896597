#pragma once

// What a command acts on: the examination, and the window for the steps that
// need one. Steps on the examination alone change the examination, which the
// window follows through its change signal.

class Examination;
struct GazeTarget;
struct Measurement;

class CommandWindow {
public:
    virtual ~CommandWindow() = default;

    // Case and recording files; each asks about unsaved work or for a name as it must.
    virtual void StartNewCase() = 0;
    virtual void ChooseAndOpenCase() = 0;
    virtual void SaveCaseFile(bool askForName) = 0;
    virtual void ChooseAndOpenRecording() = 0;
    virtual void SaveRecordingFile(bool askForName) = 0;
    virtual void RepairRecording() = 0;

    // Dialogs and windows of their own.
    virtual void ShowMuscles() = 0;
    virtual void ShowPrismChooser() = 0;
    virtual void ShowDisplayOptions() = 0;
    virtual void ShowHessChart() = 0;
    virtual void ShowNinePositions() = 0;
    virtual void ShowHelp() = 0;
    virtual void ShowAbout() = 0;
    virtual void Quit() = 0;

    // The lecture hall.
    virtual void SetPresentation(bool on) = 0;
    virtual void PeekAtValues() = 0;
    virtual void ExportPicture() = 0;
    virtual void CopyPicture() = 0;
    // The view straight ahead again, the eyes following the pointer.
    virtual void ResetView() = 0;

    // A check item or tool the user has just flipped; the window applies what it now shows.
    virtual void ApplySwitch(int id) = 0;
    // Puts a cover tool on or off as a click would.
    virtual void SetCoverTool(int tool, bool on) = 0;

    // Where the eyes look now, the pointer's place included.
    virtual GazeTarget GazeNow() const = 0;
    // Tells the user what was measured there.
    virtual void ShowDeviation(const Measurement& measured) = 0;
};

struct CommandContext {
    Examination& examination;
    CommandWindow& window;
};

// What a command does, given its own id (one function serves a family of ids).
using CommandRun = void (*)(CommandContext& context, int id);

// A command that is one step of the window's own.
template <void (CommandWindow::*step)()>
void WindowStep(CommandContext& context, int)
{
    (context.window.*step)();
}
