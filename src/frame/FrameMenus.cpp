// Menus and toolbar of the main window, and their relabelling on a language switch.
#include "frame/PatientFrame.h"

#include "commands/CommandTable.h"
#include "commands/MenuLayout.h"
#include "widgets/Ids.h"
#include "lang/TextIds.h"
#include "playback/TracePanel.h"
#include "resources/Resources.h"

#include <wx/artprov.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/toolbar.h>

#include <utility>

namespace {

const wxSize kToolBitmapSize(16, 16);

// Items get their labels from ApplyMenuLabels; a placeholder keeps the
// toolkit from taking an empty label for a stock item.
const wxString kPending(" ");

void AppendEntries(wxMenu* menu, const std::vector<MenuEntry>& entries)
{
    for (const MenuEntry& entry : entries) {
        if (entry.id == kSeparator) {
            menu->AppendSeparator();
            continue;
        }
        const Command* command = FindCommand(entry.id);
        if (!entry.items.empty()) {
            auto* submenu = new wxMenu;
            AppendEntries(submenu, entry.items);
            menu->Append(entry.id, kPending, submenu);
        } else if (command && command->kind == CommandKind::check) {
            menu->AppendCheckItem(entry.id, kPending);
        } else if (command && command->kind == CommandKind::radio) {
            menu->AppendRadioItem(entry.id, kPending);
        } else {
            menu->Append(entry.id, kPending);
        }
    }
}

}  // namespace

void PatientFrame::CreateMenus(wxMenu* languageMenu)
{
    auto* menuBar = new wxMenuBar;
    for (const MenuLayout& layout : MenuBarLayout()) {
        wxMenu* menu = layout.languageFiles ? languageMenu : new wxMenu;
        AppendEntries(menu, layout.items);
        menuBar->Append(menu, kPending);
    }
    SetMenuBar(menuBar);
    for (int id = Id::FirstEccentricity; id <= Id::LastEccentricity; ++id)
        if (EccentricityDegrees(id) == m_examination.Target().eccentricity)
            menuBar->Check(id, true);
    ApplyMenuLabels();
}

void PatientFrame::ApplyMenuLabels()
{
    wxMenuBar* menuBar = GetMenuBar();
    for (const Command& command : Commands()) {
        if (!menuBar->FindItem(command.id))
            continue;
        wxString label =
            command.text ? Text(command.text) : wxString::Format(L"%d\u00B0", EccentricityDegrees(command.id));
        if (command.eyeGroup)
            label += ": " + Text(command.eyeGroup);
        if (command.key)
            label += wxString("\t") + command.key;
        menuBar->SetLabel(command.id, label);
    }
    const auto& menus = MenuBarLayout();
    for (std::size_t position = 0; position < menus.size(); ++position)
        menuBar->SetMenuLabel(position, Text(menus[position].title));
}

void PatientFrame::BuildToolBar(wxToolBar* toolBar)
{
    for (int id : ToolBarLayout()) {
        const Command* command = FindCommand(id);
        if (id == kSeparator || !command) {
            toolBar->AddSeparator();
            continue;
        }
        const wxItemKind kind = command->kind == CommandKind::check ? wxITEM_CHECK : wxITEM_NORMAL;
        toolBar->AddTool(id, wxEmptyString, GetBitmapResource(command->tool.bitmap, kToolBitmapSize),
                         Text(command->tool.tipAtCreation), kind);
    }
    toolBar->ToggleTool(Id::FlashlightTool, GetMenuBar()->IsChecked(Id::FlashlightItem));
    toolBar->ToggleTool(Id::EyeCrossTool, GetMenuBar()->IsChecked(Id::EyeCrossItem));
    toolBar->Realize();
    NoteSwitches();
}

const char* ToolBitmapName(int toolId)
{
    const Command* command = FindCommand(toolId);
    return command ? command->tool.bitmap : nullptr;
}

void PatientFrame::ApplyToolTips()
{
    wxToolBar* toolBar = GetToolBar();
    for (int id : ToolBarLayout()) {
        const Command* command = FindCommand(id);
        if (command && command->tool.tipOnLanguageSwitch)
            toolBar->SetToolShortHelp(id, Text(command->tool.tipOnLanguageSwitch));
    }
    if (m_playbackPanel)
        ApplyPlaybackToolTips();
}

void PatientFrame::ApplyPlaybackToolTips()
{
    const std::pair<int, int> playbackTips[] = {
        {Id::PlaybackStart, Text::PlaybackStartTip}, {Id::PlaybackPause, Text::PlaybackPauseTip},
        {Id::PlaybackStop, Text::PlaybackStopTip},   {Id::PlaybackPreviousRow, Text::PreviousRowTip},
        {Id::PlaybackNextRow, Text::NextRowTip},     {Id::PlaybackSpeed, Text::PlaybackSpeedTip}};
    for (const auto& [id, text] : playbackTips)
        if (wxWindow* button = m_playbackPanel->FindWindow(id))
            button->SetToolTip(Text(text));
    if (m_tracePanel)
        m_tracePanel->SetToolTip(Text(Text::TracePanelTip));
}
