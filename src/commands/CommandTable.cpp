#include "commands/CommandTable.h"

#include "commands/CaseCommands.h"
#include "commands/ExaminationCommands.h"
#include "commands/LectureHallCommands.h"
#include "lang/TextIds.h"
#include "widgets/Ids.h"

#include <algorithm>

namespace {

using Kind = CommandKind;
using Lock = CommandLock;

constexpr int kEccentricities[] = {10, 15, 20, 25, 30};

Command Item(int id, int text, const char* key = nullptr, Lock lock = Lock::never, Kind kind = Kind::action)
{
    Command command;
    command.id = id;
    command.kind = kind;
    command.text = text;
    command.key = key;
    command.lock = lock;
    return command;
}

Command Check(int id, int text, const char* key = nullptr, Lock lock = Lock::never)
{
    return Item(id, text, key, lock, Kind::check);
}

Command Submenu(int id, int text, Lock lock = Lock::never)
{
    return Item(id, text, nullptr, lock, Kind::submenu);
}

Command Runs(CommandRun run, Command command)
{
    command.run = run;
    return command;
}

// A tool; a tool with a menu item of its own id shares the entry.
Command WithTool(Command command, const char* bitmap, int tip, int tipOnLanguageSwitch)
{
    command.tool = {bitmap, tip, tipOnLanguageSwitch};
    return command;
}

Command Tool(int id, Kind kind, const char* bitmap, int tip, int tipOnLanguageSwitch, Lock lock = Lock::never,
             const char* key = nullptr)
{
    return WithTool(Item(id, 0, key, lock, kind), bitmap, tip, tipOnLanguageSwitch);
}

// "Occluder: Eye 1 (right eye)".
Command ForEye(int id, int text, int eyeGroup, const char* key, Lock lock = Lock::never)
{
    Command command = Item(id, text, key, lock);
    command.eyeGroup = eyeGroup;
    return command;
}

std::vector<Command> BuildCommands()
{
    constexpr Lock hidden = Lock::whileValuesHidden;
    constexpr Lock playing = Lock::whilePlaying;
    constexpr int unchanged = 0;
    std::vector<Command> commands = {
        // File
        Runs(WindowStep<&CommandWindow::StartNewCase>, WithTool(Item(Id::NewCase, Text::NewCaseMenu, nullptr, hidden),
                                                                "new-case", Text::NewCaseTip, Text::NewCaseTip)),
        Runs(WindowStep<&CommandWindow::ChooseAndOpenCase>,
             WithTool(Item(Id::OpenCase, Text::OpenCaseMenu, nullptr, hidden), "open-case", Text::OpenCaseTip,
                      Text::OpenCaseTip)),
        // The save tool's tip names Save as until a case file is named.
        Runs(RunSaveCase, WithTool(Item(Id::SaveCase, Text::SaveCaseMenu, nullptr, hidden), "save-case",
                                   Text::SaveCaseAsMenu, Text::SaveCaseTip)),
        Runs(RunSaveCase, Item(Id::SaveCaseAs, Text::SaveCaseAsMenu, nullptr, hidden)),
        Runs(WindowStep<&CommandWindow::ChooseAndOpenRecording>, Item(Id::OpenRecording, Text::OpenRecordingMenu)),
        Runs(RunSaveRecording, Item(Id::SaveRecording, Text::SaveRecordingMenu, nullptr, Lock::unlessPlaying)),
        Runs(RunSaveRecording, Item(Id::SaveRecordingAs, Text::SaveRecordingAsMenu, nullptr, Lock::unlessPlaying)),
        Runs(WindowStep<&CommandWindow::ExportPicture>, Item(Id::ExportPicture, Text::ExportPictureMenu, "Ctrl+E")),
        Runs(WindowStep<&CommandWindow::CopyPicture>, Item(Id::CopyPicture, Text::CopyPictureMenu, "Ctrl+C")),
        Runs(WindowStep<&CommandWindow::Quit>, Item(Id::Exit, Text::ExitMenu)),
        // Options, and its View submenu: the view would give a hidden case away.
        Submenu(Id::ViewSubmenu, Text::ViewSubmenu, hidden),
        Runs(RunSwitch, Check(Id::ModeManifest, Text::ManifestModeMenu, "M", hidden)),
        Runs(RunSwitch, Check(Id::ModeLatent, Text::LatentModeMenu, "Shift+M", hidden)),
        Runs(RunSwitch, Check(Id::AxisLinesItem, Text::AxesAlwaysMenu, "X", hidden)),
        Runs(RunSwitch, Check(Id::WholeDegreesItem, Text::WholeDegreesMenu, nullptr, hidden)),
        Runs(RunSwitch, Check(Id::FaceItem, Text::FaceMenu, "Shift+F")),
        // The target tells nothing of the case.
        Runs(RunSwitch, Check(Id::ShowTargetItem, Text::ShowTargetMenu, "Shift+T")),
        Runs(RunShowDeviation, Item(Id::ShowDeviationItem, Text::ShowDeviationMenu, "G", hidden)),
        Runs(RunPresentation, Check(Id::Presentation, Text::PresentationMenu, "F11", hidden)),
        Runs(WindowStep<&CommandWindow::ShowHessChart>, Item(Id::HessChart, Text::HessChartMenu, nullptr, hidden)),
        Runs(WindowStep<&CommandWindow::ShowNinePositions>,
             Item(Id::NinePositions, Text::NinePositionsMenu, nullptr, hidden)),
        Runs(RunSwitch, Check(Id::EyeCrossItem, Text::EyeCrossToggle, "C", hidden)),
        Runs(RunSwitch, Check(Id::FlashlightItem, Text::PenlightMenu, "L")),
        Runs(WindowStep<&CommandWindow::RepairRecording>,
             Item(Id::RepairRecording, Text::RepairMenu, nullptr, Lock::unlessPlaying)),
        Runs(WindowStep<&CommandWindow::ShowDisplayOptions>, Item(Id::DisplayOptions, Text::DisplayOptions)),
        // The strengths would give a hidden case away; a recording has none to set.
        Runs(WindowStep<&CommandWindow::ShowMuscles>,
             Item(Id::Muscles, Text::MusclesMenu, nullptr, Lock::whileValuesHiddenOrPlaying)),
        // Examination
        Runs(RunCoverKey, ForEye(Id::CoverRightEyeOccluder, Text::OccluderTip, Text::EyeGroup1, "Q")),
        Runs(RunCoverKey, ForEye(Id::CoverRightEyeOccluder + 1, Text::RedFilterTip, Text::EyeGroup1, "W")),
        Runs(RunCoverKey, ForEye(Id::CoverRightEyeOccluder + 2, Text::TranslucentOccluderTip, Text::EyeGroup1, "E")),
        Runs(RunCoverKey, ForEye(Id::CoverRightEyeOccluder + 3, Text::OccluderTip, Text::EyeGroup2, "I")),
        Runs(RunCoverKey, ForEye(Id::CoverRightEyeOccluder + 4, Text::RedFilterTip, Text::EyeGroup2, "O")),
        Runs(RunCoverKey, ForEye(Id::CoverRightEyeOccluder + 5, Text::TranslucentOccluderTip, Text::EyeGroup2, "P")),
        Runs(RunUncover, Item(Id::Uncover, Text::UncoverMenu, "U")),
        Runs(RunAlternateCover, Item(Id::AlternateCover, Text::AlternateCoverMenu, "A")),
        // A recording holds the distance it recorded.
        Runs(RunDistance, Item(Id::DistanceFar, Text::FarEndMenu, "F", playing)),
        Runs(RunDistance, Item(Id::DistanceNear, Text::NearEndMenu, "N", playing)),
        Runs(RunDistance, Item(Id::DistanceNearer, Text::NearerMenu, "PgDn", playing)),
        Runs(RunDistance, Item(Id::DistanceFarther, Text::FartherMenu, "PgUp", playing)),
        Submenu(Id::GazeSubmenu, Text::GazeSubmenu),
        Runs(RunGaze, Item(Id::GazeFollowsPointer, Text::GazeFollowsPointerMenu, "0")),
        // The nine positions of gaze, in the keypad's order 1 to 9.
        Runs(RunGaze, Item(Id::FirstGazePosition + 0, Text::GazeDownLeftMenu, "1")),
        Runs(RunGaze, Item(Id::FirstGazePosition + 1, Text::GazeDownMenu, "2")),
        Runs(RunGaze, Item(Id::FirstGazePosition + 2, Text::GazeDownRightMenu, "3")),
        Runs(RunGaze, Item(Id::FirstGazePosition + 3, Text::GazeViewerLeftMenu, "4")),
        Runs(RunGaze, Item(Id::FirstGazePosition + 4, Text::GazeStraightMenu, "5")),
        Runs(RunGaze, Item(Id::FirstGazePosition + 5, Text::GazeViewerRightMenu, "6")),
        Runs(RunGaze, Item(Id::FirstGazePosition + 6, Text::GazeUpLeftMenu, "7")),
        Runs(RunGaze, Item(Id::FirstGazePosition + 7, Text::GazeUpMenu, "8")),
        Runs(RunGaze, Item(Id::FirstGazePosition + 8, Text::GazeUpRightMenu, "9")),
        Submenu(Id::EccentricitySubmenu, Text::EccentricitySubmenu),
        // A recording shows the eye positions it recorded: no prisms meanwhile.
        Submenu(Id::PrismSubmenu, Text::PrismSubmenu, playing),
        Runs(WindowStep<&CommandWindow::ShowPrismChooser>, Item(Id::PrismChooser, Text::PrismDialogMenu, "B", playing)),
        // Eye 1's prism keys under the left hand, eye 2's mirrored under the right.
        Runs(RunPrismKey, ForEye(Id::PrismStrongerEye1, Text::PrismStrongerMenu, Text::EyeGroup1, "D", playing)),
        Runs(RunPrismKey,
             ForEye(Id::PrismStrongerEye1 + 1, Text::PrismWeakerMenu, Text::EyeGroup1, "Shift+D", playing)),
        Runs(RunPrismKey, ForEye(Id::PrismStrongerEye1 + 2, Text::PrismNextBaseMenu, Text::EyeGroup1, "S", playing)),
        Runs(RunPrismKey, ForEye(Id::PrismStrongerEye1 + 3, Text::PrismStrongerMenu, Text::EyeGroup2, "K", playing)),
        Runs(RunPrismKey,
             ForEye(Id::PrismStrongerEye1 + 4, Text::PrismWeakerMenu, Text::EyeGroup2, "Shift+K", playing)),
        Runs(RunPrismKey, ForEye(Id::PrismStrongerEye1 + 5, Text::PrismNextBaseMenu, Text::EyeGroup2, "J", playing)),
        Runs(RunPrismKey, Item(Id::RemovePrisms, Text::RemovePrismsMenu, "Shift+U", playing)),
        // The head keys move the face the way the arrow points on the screen,
        // where the patient's right is the viewer's left. A recording holds the head straight.
        Submenu(Id::HeadSubmenu, Text::HeadSubmenu, playing),
        Runs(RunHeadStep, Item(Id::FirstHeadStep + 0, Text::TurnFaceRightMenu, "Alt+Left", playing)),
        Runs(RunHeadStep, Item(Id::FirstHeadStep + 1, Text::TurnFaceLeftMenu, "Alt+Right", playing)),
        Runs(RunHeadStep, Item(Id::FirstHeadStep + 2, Text::TiltHeadRightMenu, "Ctrl+Left", playing)),
        Runs(RunHeadStep, Item(Id::FirstHeadStep + 3, Text::TiltHeadLeftMenu, "Ctrl+Right", playing)),
        Runs(RunHeadStep, Item(Id::FirstHeadStep + 4, Text::ChinUpMenu, "Alt+Up", playing)),
        Runs(RunHeadStep, Item(Id::FirstHeadStep + 5, Text::ChinDownMenu, "Alt+Down", playing)),
        Runs(RunStraightenHead, Item(Id::StraightenHead, Text::StraightenHeadMenu, "Alt+Home", playing)),
        Runs(RunCompensatoryHead,
             Item(Id::CompensatoryHead, Text::CompensatoryHeadMenu, "Alt+End", Lock::unlessCompensatoryHead)),
        // Help
        Runs(WindowStep<&CommandWindow::ShowHelp>, Item(Id::HelpContents, Text::HelpContentsMenu)),
        Runs(WindowStep<&CommandWindow::ShowAbout>, Item(Id::About, Text::AboutMenu)),
        // Tools without a menu item of their own id.
        Runs(RunSwitch, Tool(Id::FlashlightTool, Kind::check, "penlight", Text::PenlightTip, Text::PenlightTip)),
        Runs(RunSwitch,
             Tool(Id::EyeCrossTool, Kind::check, "eye-crosses", Text::EyeCrossToggle, Text::EyeCrossToggle, hidden)),
        Runs(WindowStep<&CommandWindow::ResetView>, Tool(Id::ResetViewTool, Kind::action, "reset-view",
                                                         Text::ResetViewTip, Text::ResetViewTip, Lock::never, "R")),
        Runs(RunSwitch, Tool(Id::HideValuesTool, Kind::check, "hide-values", Text::HideValuesTip, unchanged,
                             Lock::whileQuizRuns, "H")),
        Runs(RunSwitch, Tool(Id::QuizTool, Kind::check, "quiz", Text::QuizTip, Text::QuizTip)),
        Runs(RunSwitch, Tool(Id::OccluderEye1, Kind::check, "occluder-right", Text::OccluderTip, Text::OccluderTip)),
        Runs(RunSwitch,
             Tool(Id::RedFilterEye1, Kind::check, "red-filter-right", Text::RedFilterTip, Text::RedFilterTip)),
        Runs(RunSwitch, Tool(Id::TranslucentEye1, Kind::check, "translucent-occluder-right",
                             Text::TranslucentOccluderTip, Text::TranslucentOccluderTip)),
        Runs(RunSwitch, Tool(Id::OccluderEye2, Kind::check, "occluder-left", Text::OccluderTip, Text::OccluderTip)),
        Runs(RunSwitch,
             Tool(Id::RedFilterEye2, Kind::check, "red-filter-left", Text::RedFilterTip, Text::RedFilterTip)),
        Runs(RunSwitch, Tool(Id::TranslucentEye2, Kind::check, "translucent-occluder-left",
                             Text::TranslucentOccluderTip, Text::TranslucentOccluderTip)),
        Runs(RunSwitch, Tool(Id::QuadrantEditTool, Kind::check, "mark-quadrants", Text::QuadrantEditTip,
                             Text::QuadrantEditTip, hidden)),
        // While the values are hidden the marks are too, whatever the tool said before.
        Runs(RunSwitch,
             Tool(Id::QuadrantHideTool, Kind::check, "hide-quadrants", Text::HideQuadrantsTip, unchanged, hidden)),
        // Keys alone.
        Runs(WindowStep<&CommandWindow::PeekAtValues>, Item(Id::PeekAtValues, 0, "V")),
        Runs(RunLeavePresentation, Item(Id::LeavePresentation, 0, "Esc", Lock::unlessPresenting)),
    };
    for (int i = 0; i < static_cast<int>(std::size(kEccentricities)); ++i)
        commands.push_back(
            Runs(RunEccentricity, Item(Id::FirstEccentricity + i, 0, nullptr, Lock::never, Kind::radio)));
    return commands;
}

}  // namespace

const std::vector<Command>& Commands()
{
    static const std::vector<Command> commands = BuildCommands();
    return commands;
}

const Command* FindCommand(int id)
{
    const auto& commands = Commands();
    const auto found =
        std::find_if(commands.begin(), commands.end(), [id](const Command& command) { return command.id == id; });
    return found == commands.end() ? nullptr : &*found;
}

bool CommandEnabled(const Command& command, const CommandState& state)
{
    switch (command.lock) {
    case Lock::never:
        return true;
    case Lock::whileValuesHidden:
        return !state.valuesHidden;
    case Lock::whilePlaying:
        return !state.recordingPlays;
    case Lock::whileValuesHiddenOrPlaying:
        return !state.valuesHidden && !state.recordingPlays;
    case Lock::unlessPlaying:
        return state.recordingPlays;
    case Lock::whileQuizRuns:
        return !state.quizRuns;
    case Lock::unlessPresenting:
        return state.presenting;
    case Lock::unlessCompensatoryHead:
        return state.compensatoryHead && !state.recordingPlays;
    }
    return true;
}

int EccentricityDegrees(int id)
{
    const int index = id - Id::FirstEccentricity;
    if (index < 0 || index >= static_cast<int>(std::size(kEccentricities)))
        return 0;
    return kEccentricities[index];
}
