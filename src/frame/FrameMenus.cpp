// Menus and toolbar of the main window, and their relabelling on a language switch.
#include "frame/PatientFrame.h"

#include "frame/FileChooser.h"
#include "frame/Ids.h"
#include "lang/TextIds.h"
#include "resources/Resources.h"

#include <wx/artprov.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/toolbar.h>

#include <tuple>

namespace {

struct MenuLabel {
    int id;
    int text;
};

// Every labelled menu item with its language string.
const MenuLabel kMenuLabels[] = {
    {Id::HelpContents, Text::HelpContentsMenu},   {Id::About, Text::AboutMenu},
    {Id::NewCase, Text::NewCaseMenu},             {Id::OpenCase, Text::OpenCaseMenu},
    {Id::SaveCase, Text::SaveCaseMenu},           {Id::SaveCaseAs, Text::SaveCaseAsMenu},
    {Id::OpenRecording, Text::OpenRecordingMenu}, {Id::SaveRecording, Text::SaveRecordingMenu},
    {Id::SaveRecordingAs, Text::SaveRecordingAsMenu}, {Id::Exit, Text::ExitMenu},
    {Id::ViewSubmenu, Text::ViewSubmenu},         {Id::ModeManifest, Text::ManifestModeMenu},
    {Id::ModeLatent, Text::LatentModeMenu},       {Id::AxisLinesItem, Text::AxesAlwaysMenu},
    {Id::WholeDegreesItem, Text::WholeDegreesMenu}, {Id::EyeCrossItem, Text::EyeCrossToggle},
    {Id::FlashlightItem, Text::PenlightMenu},     {Id::RepairRecording, Text::RepairMenu},
    {Id::DisplayOptions, Text::DisplayOptions},
};

// Menu titles by position.
const int kMenuTitles[] = {Text::FileMenu, Text::OptionsMenu, Text::LanguageMenu, Text::HelpMenu};

constexpr int kSeparator = 0;
constexpr int kUnchanged = 0;

struct ToolEntry {
    int id;  // kSeparator for a separator
    const char* bitmap;
    wxItemKind kind;
    int tipAtCreation;
    int tipOnLanguageSwitch;  // kUnchanged keeps the creation text
};

const ToolEntry kTools[] = {
    {Id::NewCase, "icon1", wxITEM_NORMAL, Text::NewCaseTip, Text::NewCaseTip},
    {Id::OpenCase, "icon2", wxITEM_NORMAL, Text::OpenCaseTip, Text::OpenCaseTip},
    {Id::SaveCase, "icon3", wxITEM_NORMAL, Text::SaveCaseAsMenu, Text::SaveCaseTip},
    {kSeparator, nullptr, wxITEM_SEPARATOR, 0, 0},
    {Id::FlashlightTool, "icon9", wxITEM_CHECK, Text::PenlightTip, Text::PenlightTip},
    {Id::EyeCrossTool, "icon10", wxITEM_CHECK, Text::EyeCrossToggle, Text::EyeCrossToggle},
    {Id::ResetViewTool, "icon11", wxITEM_NORMAL, Text::ResetViewTip, Text::ResetViewTip},
    {Id::HideValuesTool, "icon20", wxITEM_CHECK, Text::HideValuesTip, kUnchanged},
    {Id::QuizTool, "icon4", wxITEM_CHECK, Text::QuizTip, Text::QuizTip},
    {kSeparator, nullptr, wxITEM_SEPARATOR, 0, 0},
    {Id::OccluderEye1, "icon15", wxITEM_CHECK, Text::OccluderTip, Text::OccluderTip},
    {Id::RedFilterEye1, "icon16", wxITEM_CHECK, Text::RedFilterTip, Text::RedFilterTip},
    {Id::TranslucentEye1, "icon17", wxITEM_CHECK, Text::TranslucentOccluderTip, Text::TranslucentOccluderTip},
    {kSeparator, nullptr, wxITEM_SEPARATOR, 0, 0},
    {Id::OccluderEye2, "icon12", wxITEM_CHECK, Text::OccluderTip, Text::OccluderTip},
    {Id::RedFilterEye2, "icon13", wxITEM_CHECK, Text::RedFilterTip, Text::RedFilterTip},
    {Id::TranslucentEye2, "icon14", wxITEM_CHECK, Text::TranslucentOccluderTip, Text::TranslucentOccluderTip},
    {kSeparator, nullptr, wxITEM_SEPARATOR, 0, 0},
    {Id::QuadrantEditTool, "icon18", wxITEM_CHECK, Text::QuadrantEditTip, Text::QuadrantEditTip},
    {Id::QuadrantHideTool, "icon19", wxITEM_CHECK, Text::HideQuadrantsTip, kUnchanged},
};

const wxSize kToolBitmapSize(16, 16);

}  // namespace

void PatientFrame::CreateMenus(wxMenu* languageMenu) {
    // Items get their labels from ApplyMenuLabels; a placeholder keeps the
    // toolkit from taking an empty label for a stock item.
    const wxString pending(" ");

    auto* fileMenu = new wxMenu;
    fileMenu->Append(Id::NewCase, pending);
    fileMenu->AppendSeparator();
    fileMenu->Append(Id::OpenCase, pending);
    fileMenu->Append(Id::SaveCase, pending);
    fileMenu->Append(Id::SaveCaseAs, pending);
    fileMenu->AppendSeparator();
    fileMenu->Append(Id::OpenRecording, pending);
    fileMenu->Append(Id::SaveRecording, pending);
    fileMenu->Append(Id::SaveRecordingAs, pending);
    fileMenu->AppendSeparator();
    fileMenu->Append(Id::Exit, pending);

    m_viewSubmenu = new wxMenu;
    m_viewSubmenu->AppendCheckItem(Id::ModeManifest, pending);
    m_viewSubmenu->AppendCheckItem(Id::ModeLatent, pending);
    m_viewSubmenu->AppendCheckItem(Id::AxisLinesItem, pending);
    m_viewSubmenu->AppendCheckItem(Id::WholeDegreesItem, pending);

    m_optionsMenu = new wxMenu;
    m_optionsMenu->Append(Id::ViewSubmenu, pending, m_viewSubmenu);
    m_optionsMenu->AppendCheckItem(Id::EyeCrossItem, pending);
    m_optionsMenu->AppendCheckItem(Id::FlashlightItem, pending);
    m_optionsMenu->Append(Id::RepairRecording, pending);
    m_optionsMenu->AppendSeparator();
    m_optionsMenu->Append(Id::DisplayOptions, pending);

    auto* helpMenu = new wxMenu;
    helpMenu->Append(Id::HelpContents, pending);
    helpMenu->AppendSeparator();
    helpMenu->Append(Id::About, pending);

    auto* menuBar = new wxMenuBar;
    menuBar->Append(fileMenu, pending);
    menuBar->Append(m_optionsMenu, pending);
    menuBar->Append(languageMenu, pending);
    menuBar->Append(helpMenu, pending);
    SetMenuBar(menuBar);
    ApplyMenuLabels();
}

void PatientFrame::ApplyMenuLabels() {
    wxMenuBar* menuBar = GetMenuBar();
    for (const MenuLabel& item : kMenuLabels)
        menuBar->SetLabel(item.id, Text(item.text));
    for (size_t position = 0; position < WXSIZEOF(kMenuTitles); ++position)
        menuBar->SetMenuLabel(position, Text(kMenuTitles[position]));
}

void PatientFrame::BuildToolBar(wxToolBar* toolBar) {
    for (const ToolEntry& tool : kTools) {
        if (tool.id == kSeparator)
            toolBar->AddSeparator();
        else
            toolBar->AddTool(tool.id, wxEmptyString, GetBitmapResource(tool.bitmap, kToolBitmapSize),
                             Text(tool.tipAtCreation), tool.kind);
    }
    toolBar->ToggleTool(Id::FlashlightTool, GetMenuBar()->IsChecked(Id::FlashlightItem));
    toolBar->ToggleTool(Id::EyeCrossTool, GetMenuBar()->IsChecked(Id::EyeCrossItem));
    toolBar->Realize();
}

void PatientFrame::ApplyToolTips() {
    wxToolBar* toolBar = GetToolBar();
    for (const ToolEntry& tool : kTools)
        if (tool.id != kSeparator && tool.tipOnLanguageSwitch != kUnchanged)
            toolBar->SetToolShortHelp(tool.id, Text(tool.tipOnLanguageSwitch));
    if (m_playbackPanel)
        ApplyPlaybackToolTips();
}

void PatientFrame::ApplyPlaybackToolTips() {
    // Added after the first language files: without them the tips are the built-in German ones.
    const std::tuple<int, int, const char*> playbackTips[] = {
        {Id::PlaybackStart, Text::PlaybackStartTip, "Wiedergabe starten"},
        {Id::PlaybackPause, Text::PlaybackPauseTip, "Wiedergabe anhalten"},
        {Id::PlaybackStop, Text::PlaybackStopTip, "Wiedergabe beenden"}};
    for (const auto& [id, text, fallback] : playbackTips)
        if (wxWindow* button = m_playbackPanel->FindWindow(id))
            button->SetToolTip(OptionalLanguageString(text, fallback));
}
