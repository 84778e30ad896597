// The examination menu: every step of an examination as one command with its
// key, so a teacher can examine while talking, in a window or full screen.
#include "frame/PatientFrame.h"

#include "cli/MeasureTable.h"
#include "commands/CommandChecks.h"
#include "commands/CommandTable.h"
#include "widgets/ScreenText.h"
#include "widgets/Ids.h"
#include "view/GazeMath.h"
#include "view/EyesCanvas.h"

#include <wx/accel.h>
#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

#include <optional>
#include <vector>

void PatientFrame::SetCoverTool(int tool, bool on)
{
    wxToolBar* tools = GetToolBar();
    if (!tools->GetToolEnabled(tool) || tools->GetToolState(tool) == on)
        return;
    tools->ToggleTool(tool, on);
    ApplyCoverTool(tool);
}

GazeTarget PatientFrame::GazeNow() const
{
    return m_canvas->m_muscleTarget;
}

void PatientFrame::ShowDeviation(const Measurement& measured)
{
    const std::string line = DeviationLine(measured, MeasureWordsOf(*m_languageTable));
    ShowStatusNote(FitLabel(wxString::FromUTF8(line)), true);
}

void PatientFrame::ApplySwitch(int id)
{
    switch (id) {
    case Id::ModeManifest:
    case Id::ModeLatent:
        ApplyModePair(id);
        break;
    case Id::AxisLinesItem:
        ApplyAxisLines();
        break;
    case Id::ShowTargetItem:
        NoteSwitches();
        m_canvas->Refresh(false);
        break;
    case Id::WholeDegreesItem:
        ApplyAngleUnit();
        break;
    case Id::FaceItem:
        NoteSwitches();
        m_canvas->Refresh(false);
        break;
    case Id::HideValuesTool:
        ApplyHideValues();
        break;
    case Id::QuizTool:
        ApplyQuizTool();
        break;
    case Id::QuadrantEditTool:
    case Id::QuadrantHideTool:
        ApplyViewTool(id);
        break;
    case Id::EyeCrossTool:
    case Id::EyeCrossItem:
    case Id::FlashlightTool:
    case Id::FlashlightItem:
        ApplyMirrorPair(id);
        break;
    default:  // the six cover tools
        ApplyCoverTool(id);
        break;
    }
}

void PatientFrame::ShowGazeTarget()
{
    const FixationTarget& target = m_examination.Target();
    if (target.kind == FixationTarget::Kind::ninePositions) {
        m_canvas->SetGazeTarget(KeypadGazePosition(target.key, target.eccentricity));
    } else {
        m_canvas->SetGazeTarget(std::nullopt);
        // A light held at a position goes out.
        if (m_examination.Display().fixationTarget)
            m_canvas->Refresh(false);
    }
}

CommandState PatientFrame::CommandStateNow() const
{
    CommandState state;
    state.valuesHidden = IsToolOn(Id::HideValuesTool);
    state.quizRuns = IsToolOn(Id::QuizTool);
    state.recordingPlays = m_examination.RecordingPlays();
    state.presenting = m_presentation;
    state.compensatoryHead = m_examination.CompensatoryHeadPosture().has_value();
    return state;
}

void PatientFrame::OnCommandState(wxUpdateUIEvent& event)
{
    // Controls of the windows on top (the quiz's Open button) share ids with
    // commands; their states are their own windows' business.
    const wxObject* source = event.GetEventObject();
    const auto* menu = dynamic_cast<const wxMenu*>(source);
    const bool ours = source == GetToolBar() || (menu && menu->GetWindow() == this);
    const Command* command = FindCommand(event.GetId());
    if (!command || !ours) {
        event.Skip();
        return;
    }
    event.Enable(CommandEnabled(*command, CommandStateNow()));
    if (const std::optional<bool> checked = CommandChecked(*command, m_examination))
        event.Check(*checked);
}

void PatientFrame::UpdateCommandStates()
{
    if (wxMenuBar* menus = GetMenuBar())
        menus->UpdateMenus();
    if (wxToolBar* tools = GetToolBar())
        tools->UpdateWindowUI();
}

void PatientFrame::OnCommand(wxCommandEvent& event)
{
    const Command* command = FindCommand(event.GetId());
    if (!command || !command->run) {
        event.Skip();
        return;
    }
    CommandContext context{m_examination, *this};
    command->run(context, command->id);
}

void PatientFrame::RunCommand(const Command& command)
{
    if (command.kind == CommandKind::check || command.kind == CommandKind::radio) {
        // A key flips the item or tool as a click would, then runs it.
        const bool radio = command.kind == CommandKind::radio;
        wxToolBar* tools = GetToolBar();
        if (wxMenuItem* item = GetMenuBar()->FindItem(command.id))
            item->Check(radio || !item->IsChecked());
        else if (tools && tools->FindById(command.id))
            tools->ToggleTool(command.id, radio || !tools->GetToolState(command.id));
    }
    CommandContext context{m_examination, *this};
    command.run(context, command.id);
}

const Command* PatientFrame::CommandForKey(const wxKeyEvent& event) const
{
    struct KeyedCommand {
        wxAcceleratorEntry key;
        const Command* command;
    };
    static const std::vector<KeyedCommand> keyed = [] {
        std::vector<KeyedCommand> parsed;
        for (const Command& command : Commands()) {
            wxAcceleratorEntry key;
            if (command.key && key.FromString(command.key))
                parsed.push_back({key, &command});
        }
        return parsed;
    }();
    int code = event.GetKeyCode();
    // The keypad doubles the digit keys of the gaze menu.
    if (code >= WXK_NUMPAD0 && code <= WXK_NUMPAD9)
        code = '0' + (code - WXK_NUMPAD0);
    for (const KeyedCommand& entry : keyed)
        if (entry.key.GetKeyCode() == code && entry.key.GetFlags() == event.GetModifiers())
            return entry.command;
    return nullptr;
}

void PatientFrame::OnCharHook(wxKeyEvent& event)
{
    // Keys typed into a value field belong to the field; GTK leaves plain
    // letters to the focused control, so the window matches its keys here.
    // (wxDynamicCast casts down before it checks, which the sanitizer rightly
    // reports.) A locked command leaves its key to the focused control.
    const Command* command = dynamic_cast<wxTextCtrl*>(FindFocus()) ? nullptr : CommandForKey(event);
    if (!command || !CommandEnabled(*command, CommandStateNow())) {
        event.Skip();
        return;
    }
    RunCommand(*command);
}
