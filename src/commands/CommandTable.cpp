#include "commands/CommandTable.h"

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
        WithTool(Item(Id::NewCase, Text::NewCaseMenu, nullptr, hidden), "new-case", Text::NewCaseTip, Text::NewCaseTip),
        WithTool(Item(Id::OpenCase, Text::OpenCaseMenu, nullptr, hidden), "open-case", Text::OpenCaseTip,
                 Text::OpenCaseTip),
        // The save tool's tip names Save as until a case file is named.
        WithTool(Item(Id::SaveCase, Text::SaveCaseMenu, nullptr, hidden), "save-case", Text::SaveCaseAsMenu,
                 Text::SaveCaseTip),
        Item(Id::SaveCaseAs, Text::SaveCaseAsMenu, nullptr, hidden),
        Item(Id::OpenRecording, Text::OpenRecordingMenu),
        Item(Id::SaveRecording, Text::SaveRecordingMenu, nullptr, Lock::unlessPlaying),
        Item(Id::SaveRecordingAs, Text::SaveRecordingAsMenu, nullptr, Lock::unlessPlaying),
        Item(Id::ExportPicture, Text::ExportPictureMenu, "Ctrl+E"),
        Item(Id::CopyPicture, Text::CopyPictureMenu, "Ctrl+C"),
        Item(Id::Exit, Text::ExitMenu),
        // Options, and its View submenu: the view would give a hidden case away.
        Submenu(Id::ViewSubmenu, Text::ViewSubmenu, hidden),
        Check(Id::ModeManifest, Text::ManifestModeMenu, "M", hidden),
        Check(Id::ModeLatent, Text::LatentModeMenu, "Shift+M", hidden),
        Check(Id::AxisLinesItem, Text::AxesAlwaysMenu, "X", hidden),
        Check(Id::WholeDegreesItem, Text::WholeDegreesMenu, nullptr, hidden),
        Check(Id::Presentation, Text::PresentationMenu, "F11", hidden),
        Item(Id::HessChart, Text::HessChartMenu, nullptr, hidden),
        Item(Id::NinePositions, Text::NinePositionsMenu, nullptr, hidden),
        Check(Id::EyeCrossItem, Text::EyeCrossToggle, "C", hidden),
        Check(Id::FlashlightItem, Text::PenlightMenu, "L"),
        Item(Id::RepairRecording, Text::RepairMenu, nullptr, Lock::unlessPlaying),
        Item(Id::DisplayOptions, Text::DisplayOptions),
        // The strengths would give a hidden case away; a recording has none to set.
        Item(Id::Muscles, Text::MusclesMenu, nullptr, Lock::whileValuesHiddenOrPlaying),
        // Examination
        ForEye(Id::CoverRightEyeOccluder, Text::OccluderTip, Text::EyeGroup1, "Q"),
        ForEye(Id::CoverRightEyeOccluder + 1, Text::RedFilterTip, Text::EyeGroup1, "W"),
        ForEye(Id::CoverRightEyeOccluder + 2, Text::TranslucentOccluderTip, Text::EyeGroup1, "E"),
        ForEye(Id::CoverRightEyeOccluder + 3, Text::OccluderTip, Text::EyeGroup2, "I"),
        ForEye(Id::CoverRightEyeOccluder + 4, Text::RedFilterTip, Text::EyeGroup2, "O"),
        ForEye(Id::CoverRightEyeOccluder + 5, Text::TranslucentOccluderTip, Text::EyeGroup2, "P"),
        Item(Id::Uncover, Text::UncoverMenu, "U"),
        Item(Id::AlternateCover, Text::AlternateCoverMenu, "A"),
        // A recording holds the distance it recorded.
        Item(Id::DistanceFar, Text::FarEndMenu, "F", playing),
        Item(Id::DistanceNear, Text::NearEndMenu, "N", playing),
        Item(Id::DistanceNearer, Text::NearerMenu, "PgDn", playing),
        Item(Id::DistanceFarther, Text::FartherMenu, "PgUp", playing),
        Submenu(Id::GazeSubmenu, Text::GazeSubmenu),
        Item(Id::GazeFollowsPointer, Text::GazeFollowsPointerMenu, "0"),
        // The nine positions of gaze, in the keypad's order 1 to 9.
        Item(Id::FirstGazePosition + 0, Text::GazeDownLeftMenu, "1"),
        Item(Id::FirstGazePosition + 1, Text::GazeDownMenu, "2"),
        Item(Id::FirstGazePosition + 2, Text::GazeDownRightMenu, "3"),
        Item(Id::FirstGazePosition + 3, Text::GazeViewerLeftMenu, "4"),
        Item(Id::FirstGazePosition + 4, Text::GazeStraightMenu, "5"),
        Item(Id::FirstGazePosition + 5, Text::GazeViewerRightMenu, "6"),
        Item(Id::FirstGazePosition + 6, Text::GazeUpLeftMenu, "7"),
        Item(Id::FirstGazePosition + 7, Text::GazeUpMenu, "8"),
        Item(Id::FirstGazePosition + 8, Text::GazeUpRightMenu, "9"),
        Submenu(Id::EccentricitySubmenu, Text::EccentricitySubmenu),
        // A recording shows the eye positions it recorded: no prisms meanwhile.
        Submenu(Id::PrismSubmenu, Text::PrismSubmenu, playing),
        Item(Id::PrismChooser, Text::PrismDialogMenu, "B", playing),
        // Eye 1's prism keys under the left hand, eye 2's mirrored under the right.
        ForEye(Id::PrismStrongerEye1, Text::PrismStrongerMenu, Text::EyeGroup1, "D", playing),
        ForEye(Id::PrismStrongerEye1 + 1, Text::PrismWeakerMenu, Text::EyeGroup1, "Shift+D", playing),
        ForEye(Id::PrismStrongerEye1 + 2, Text::PrismNextBaseMenu, Text::EyeGroup1, "S", playing),
        ForEye(Id::PrismStrongerEye1 + 3, Text::PrismStrongerMenu, Text::EyeGroup2, "K", playing),
        ForEye(Id::PrismStrongerEye1 + 4, Text::PrismWeakerMenu, Text::EyeGroup2, "Shift+K", playing),
        ForEye(Id::PrismStrongerEye1 + 5, Text::PrismNextBaseMenu, Text::EyeGroup2, "J", playing),
        Item(Id::RemovePrisms, Text::RemovePrismsMenu, "Shift+U", playing),
        // Help
        Item(Id::HelpContents, Text::HelpContentsMenu),
        Item(Id::About, Text::AboutMenu),
        // Tools without a menu item of their own id.
        Tool(Id::FlashlightTool, Kind::check, "penlight", Text::PenlightTip, Text::PenlightTip),
        Tool(Id::EyeCrossTool, Kind::check, "eye-crosses", Text::EyeCrossToggle, Text::EyeCrossToggle, hidden),
        Tool(Id::ResetViewTool, Kind::action, "reset-view", Text::ResetViewTip, Text::ResetViewTip, Lock::never, "R"),
        Tool(Id::HideValuesTool, Kind::check, "hide-values", Text::HideValuesTip, unchanged, Lock::whileQuizRuns, "H"),
        Tool(Id::QuizTool, Kind::check, "quiz", Text::QuizTip, Text::QuizTip),
        Tool(Id::OccluderEye1, Kind::check, "occluder-right", Text::OccluderTip, Text::OccluderTip),
        Tool(Id::RedFilterEye1, Kind::check, "red-filter-right", Text::RedFilterTip, Text::RedFilterTip),
        Tool(Id::TranslucentEye1, Kind::check, "translucent-occluder-right", Text::TranslucentOccluderTip,
             Text::TranslucentOccluderTip),
        Tool(Id::OccluderEye2, Kind::check, "occluder-left", Text::OccluderTip, Text::OccluderTip),
        Tool(Id::RedFilterEye2, Kind::check, "red-filter-left", Text::RedFilterTip, Text::RedFilterTip),
        Tool(Id::TranslucentEye2, Kind::check, "translucent-occluder-left", Text::TranslucentOccluderTip,
             Text::TranslucentOccluderTip),
        Tool(Id::QuadrantEditTool, Kind::check, "mark-quadrants", Text::QuadrantEditTip, Text::QuadrantEditTip, hidden),
        // While the values are hidden the marks are too, whatever the tool said before.
        Tool(Id::QuadrantHideTool, Kind::check, "hide-quadrants", Text::HideQuadrantsTip, unchanged, hidden),
        // Keys alone.
        Item(Id::PeekAtValues, 0, "V"),
        Item(Id::LeavePresentation, 0, "Esc", Lock::unlessPresenting),
    };
    for (int i = 0; i < static_cast<int>(std::size(kEccentricities)); ++i)
        commands.push_back(Item(Id::FirstEccentricity + i, 0, nullptr, Lock::never, Kind::radio));
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
