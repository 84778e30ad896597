// Menus and toolbar of the main window, and their relabelling on a language switch.
#include "frame/PatientFrame.h"

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

struct MenuLabel {
    int id;
    int text;
    const char* key;  // accelerator, or nullptr
};

// Every labelled menu item with its language string and key. Plain keys reach
// a menu only when the focused control does not want them, so typing into a
// value field never triggers an examination step.
const MenuLabel kMenuLabels[] = {
    {Id::HelpContents, Text::HelpContentsMenu, nullptr},
    {Id::About, Text::AboutMenu, nullptr},
    {Id::NewCase, Text::NewCaseMenu, nullptr},
    {Id::OpenCase, Text::OpenCaseMenu, nullptr},
    {Id::SaveCase, Text::SaveCaseMenu, nullptr},
    {Id::SaveCaseAs, Text::SaveCaseAsMenu, nullptr},
    {Id::OpenRecording, Text::OpenRecordingMenu, nullptr},
    {Id::SaveRecording, Text::SaveRecordingMenu, nullptr},
    {Id::SaveRecordingAs, Text::SaveRecordingAsMenu, nullptr},
    {Id::ExportPicture, Text::ExportPictureMenu, "Ctrl+E"},
    {Id::CopyPicture, Text::CopyPictureMenu, "Ctrl+C"},
    {Id::Exit, Text::ExitMenu, nullptr},
    {Id::ViewSubmenu, Text::ViewSubmenu, nullptr},
    {Id::ModeManifest, Text::ManifestModeMenu, "M"},
    {Id::ModeLatent, Text::LatentModeMenu, "Shift+M"},
    {Id::AxisLinesItem, Text::AxesAlwaysMenu, "X"},
    {Id::WholeDegreesItem, Text::WholeDegreesMenu, nullptr},
    {Id::Presentation, Text::PresentationMenu, "F11"},
    {Id::HessChart, Text::HessChartMenu, nullptr},
    {Id::NinePositions, Text::NinePositionsMenu, nullptr},
    {Id::EyeCrossItem, Text::EyeCrossToggle, "C"},
    {Id::FlashlightItem, Text::PenlightMenu, "L"},
    {Id::RepairRecording, Text::RepairMenu, nullptr},
    {Id::DisplayOptions, Text::DisplayOptions, nullptr},
    {Id::Uncover, Text::UncoverMenu, "U"},
    {Id::AlternateCover, Text::AlternateCoverMenu, "A"},
    {Id::DistanceFar, Text::FarEndMenu, "F"},
    {Id::DistanceNear, Text::NearEndMenu, "N"},
    {Id::DistanceNearer, Text::NearerMenu, "PgDn"},
    {Id::DistanceFarther, Text::FartherMenu, "PgUp"},
    {Id::GazeFollowsPointer, Text::GazeFollowsPointerMenu, "0"},
    // The nine positions of gaze, in the keypad's order 1 to 9.
    {Id::FirstGazePosition + 0, Text::GazeDownLeftMenu, "1"},
    {Id::FirstGazePosition + 1, Text::GazeDownMenu, "2"},
    {Id::FirstGazePosition + 2, Text::GazeDownRightMenu, "3"},
    {Id::FirstGazePosition + 3, Text::GazeViewerLeftMenu, "4"},
    {Id::FirstGazePosition + 4, Text::GazeStraightMenu, "5"},
    {Id::FirstGazePosition + 5, Text::GazeViewerRightMenu, "6"},
    {Id::FirstGazePosition + 6, Text::GazeUpLeftMenu, "7"},
    {Id::FirstGazePosition + 7, Text::GazeUpMenu, "8"},
    {Id::FirstGazePosition + 8, Text::GazeUpRightMenu, "9"},
    {Id::GazeSubmenu, Text::GazeSubmenu, nullptr},
    {Id::EccentricitySubmenu, Text::EccentricitySubmenu, nullptr},
    {Id::PrismSubmenu, Text::PrismSubmenu, nullptr},
    {Id::PrismChooser, Text::PrismDialogMenu, "B"},
    {Id::RemovePrisms, Text::RemovePrismsMenu, "Shift+U"},
};

// The cover items are named by the tool and the eye group: "Occluder: Eye 1 (right eye)".
struct CoverItem {
    int id;
    int tool;
    int eye;
    const char* key;
};
const CoverItem kCoverItems[] = {
    {Id::CoverRightEyeOccluder, Text::OccluderTip, Text::EyeGroup1, "Q"},
    {Id::CoverRightEyeOccluder + 1, Text::RedFilterTip, Text::EyeGroup1, "W"},
    {Id::CoverRightEyeOccluder + 2, Text::TranslucentOccluderTip, Text::EyeGroup1, "E"},
    {Id::CoverRightEyeOccluder + 3, Text::OccluderTip, Text::EyeGroup2, "I"},
    {Id::CoverRightEyeOccluder + 4, Text::RedFilterTip, Text::EyeGroup2, "O"},
    {Id::CoverRightEyeOccluder + 5, Text::TranslucentOccluderTip, Text::EyeGroup2, "P"},
};

// The prism keys of each eye, in the id order stronger, weaker, next base;
// eye 1's under the left hand, eye 2's mirrored under the right.
struct PrismItem {
    int id;
    int action;
    int eye;
    const char* key;
};
const PrismItem kPrismItems[] = {
    {Id::PrismStrongerEye1, Text::PrismStrongerMenu, Text::EyeGroup1, "D"},
    {Id::PrismStrongerEye1 + 1, Text::PrismWeakerMenu, Text::EyeGroup1, "Shift+D"},
    {Id::PrismStrongerEye1 + 2, Text::PrismNextBaseMenu, Text::EyeGroup1, "S"},
    {Id::PrismStrongerEye1 + 3, Text::PrismStrongerMenu, Text::EyeGroup2, "K"},
    {Id::PrismStrongerEye1 + 4, Text::PrismWeakerMenu, Text::EyeGroup2, "Shift+K"},
    {Id::PrismStrongerEye1 + 5, Text::PrismNextBaseMenu, Text::EyeGroup2, "J"},
};

constexpr int kEccentricityDegrees[] = {10, 15, 20, 25, 30};
constexpr int kDefaultEccentricity = 2;  // 20 degrees

// Menu titles by position.
const int kMenuTitles[] = {Text::FileMenu, Text::OptionsMenu, Text::ExaminationMenu, Text::LanguageMenu,
                           Text::HelpMenu};

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
    {Id::NewCase, "new-case", wxITEM_NORMAL, Text::NewCaseTip, Text::NewCaseTip},
    {Id::OpenCase, "open-case", wxITEM_NORMAL, Text::OpenCaseTip, Text::OpenCaseTip},
    {Id::SaveCase, "save-case", wxITEM_NORMAL, Text::SaveCaseAsMenu, Text::SaveCaseTip},
    {kSeparator, nullptr, wxITEM_SEPARATOR, 0, 0},
    {Id::FlashlightTool, "penlight", wxITEM_CHECK, Text::PenlightTip, Text::PenlightTip},
    {Id::EyeCrossTool, "eye-crosses", wxITEM_CHECK, Text::EyeCrossToggle, Text::EyeCrossToggle},
    {Id::ResetViewTool, "reset-view", wxITEM_NORMAL, Text::ResetViewTip, Text::ResetViewTip},
    {Id::HideValuesTool, "hide-values", wxITEM_CHECK, Text::HideValuesTip, kUnchanged},
    {Id::QuizTool, "quiz", wxITEM_CHECK, Text::QuizTip, Text::QuizTip},
    {kSeparator, nullptr, wxITEM_SEPARATOR, 0, 0},
    {Id::OccluderEye1, "occluder-right", wxITEM_CHECK, Text::OccluderTip, Text::OccluderTip},
    {Id::RedFilterEye1, "red-filter-right", wxITEM_CHECK, Text::RedFilterTip, Text::RedFilterTip},
    {Id::TranslucentEye1, "translucent-occluder-right", wxITEM_CHECK, Text::TranslucentOccluderTip,
     Text::TranslucentOccluderTip},
    {kSeparator, nullptr, wxITEM_SEPARATOR, 0, 0},
    {Id::OccluderEye2, "occluder-left", wxITEM_CHECK, Text::OccluderTip, Text::OccluderTip},
    {Id::RedFilterEye2, "red-filter-left", wxITEM_CHECK, Text::RedFilterTip, Text::RedFilterTip},
    {Id::TranslucentEye2, "translucent-occluder-left", wxITEM_CHECK, Text::TranslucentOccluderTip,
     Text::TranslucentOccluderTip},
    {kSeparator, nullptr, wxITEM_SEPARATOR, 0, 0},
    {Id::QuadrantEditTool, "mark-quadrants", wxITEM_CHECK, Text::QuadrantEditTip, Text::QuadrantEditTip},
    {Id::QuadrantHideTool, "hide-quadrants", wxITEM_CHECK, Text::HideQuadrantsTip, kUnchanged},
};

const wxSize kToolBitmapSize(16, 16);

}  // namespace

void PatientFrame::CreateMenus(wxMenu* languageMenu)
{
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
    fileMenu->Append(Id::ExportPicture, pending);
    fileMenu->Append(Id::CopyPicture, pending);
    fileMenu->AppendSeparator();
    fileMenu->Append(Id::Exit, pending);

    m_viewSubmenu = new wxMenu;
    m_viewSubmenu->AppendCheckItem(Id::ModeManifest, pending);
    m_viewSubmenu->AppendCheckItem(Id::ModeLatent, pending);
    m_viewSubmenu->AppendCheckItem(Id::AxisLinesItem, pending);
    m_viewSubmenu->AppendCheckItem(Id::WholeDegreesItem, pending);
    m_viewSubmenu->AppendSeparator();
    m_viewSubmenu->AppendCheckItem(Id::Presentation, pending);
    m_viewSubmenu->AppendSeparator();
    m_viewSubmenu->Append(Id::HessChart, pending);
    m_viewSubmenu->Append(Id::NinePositions, pending);

    m_optionsMenu = new wxMenu;
    m_optionsMenu->Append(Id::ViewSubmenu, pending, m_viewSubmenu);
    m_optionsMenu->AppendCheckItem(Id::EyeCrossItem, pending);
    m_optionsMenu->AppendCheckItem(Id::FlashlightItem, pending);
    m_optionsMenu->Append(Id::RepairRecording, pending);
    m_optionsMenu->AppendSeparator();
    m_optionsMenu->Append(Id::DisplayOptions, pending);
    m_optionsMenu->Append(Id::Muscles, pending);

    auto* examinationMenu = new wxMenu;
    for (const CoverItem& item : kCoverItems) {
        examinationMenu->Append(item.id, pending);
        if (item.id == Id::CoverRightEyeOccluder + 2)
            examinationMenu->AppendSeparator();
    }
    examinationMenu->AppendSeparator();
    examinationMenu->Append(Id::Uncover, pending);
    examinationMenu->Append(Id::AlternateCover, pending);
    examinationMenu->AppendSeparator();
    for (int id : {Id::DistanceFar, Id::DistanceNear, Id::DistanceNearer, Id::DistanceFarther})
        examinationMenu->Append(id, pending);
    examinationMenu->AppendSeparator();
    auto* gazeMenu = new wxMenu;
    gazeMenu->Append(Id::GazeFollowsPointer, pending);
    gazeMenu->AppendSeparator();
    // Listed as on a keypad, top row first.
    for (int key : {7, 8, 9, 4, 5, 6, 1, 2, 3})
        gazeMenu->Append(Id::FirstGazePosition + key - 1, pending);
    auto* eccentricityMenu = new wxMenu;
    for (std::size_t i = 0; i < WXSIZEOF(kEccentricityDegrees); ++i)
        eccentricityMenu->AppendRadioItem(Id::FirstEccentricity + static_cast<int>(i),
                                          wxString::Format(L"%d\u00B0", kEccentricityDegrees[i]));
    eccentricityMenu->Check(Id::FirstEccentricity + kDefaultEccentricity, true);
    examinationMenu->Append(Id::GazeSubmenu, pending, gazeMenu);
    examinationMenu->Append(Id::EccentricitySubmenu, pending, eccentricityMenu);
    examinationMenu->AppendSeparator();
    auto* prismMenu = new wxMenu;
    prismMenu->Append(Id::PrismChooser, pending);
    prismMenu->AppendSeparator();
    for (const PrismItem& item : kPrismItems) {
        prismMenu->Append(item.id, pending);
        if (item.id == Id::PrismStrongerEye1 + 2)
            prismMenu->AppendSeparator();
    }
    prismMenu->AppendSeparator();
    prismMenu->Append(Id::RemovePrisms, pending);
    examinationMenu->Append(Id::PrismSubmenu, pending, prismMenu);

    auto* helpMenu = new wxMenu;
    helpMenu->Append(Id::HelpContents, pending);
    helpMenu->AppendSeparator();
    helpMenu->Append(Id::About, pending);

    auto* menuBar = new wxMenuBar;
    menuBar->Append(fileMenu, pending);
    menuBar->Append(m_optionsMenu, pending);
    menuBar->Append(examinationMenu, pending);
    menuBar->Append(languageMenu, pending);
    menuBar->Append(helpMenu, pending);
    SetMenuBar(menuBar);
    ApplyMenuLabels();
}

void PatientFrame::ApplyMenuLabels()
{
    wxMenuBar* menuBar = GetMenuBar();
    for (const MenuLabel& item : kMenuLabels)
        menuBar->SetLabel(item.id, item.key ? Text(item.text) + "\t" + item.key : Text(item.text));
    for (const CoverItem& item : kCoverItems)
        menuBar->SetLabel(item.id, Text(item.tool) + ": " + Text(item.eye) + "\t" + item.key);
    for (const PrismItem& item : kPrismItems)
        menuBar->SetLabel(item.id, Text(item.action) + ": " + Text(item.eye) + "\t" + item.key);
    menuBar->SetLabel(Id::Muscles, Text(Text::MusclesMenu));
    for (size_t position = 0; position < WXSIZEOF(kMenuTitles); ++position)
        menuBar->SetMenuLabel(position, Text(kMenuTitles[position]));
}

void PatientFrame::BuildToolBar(wxToolBar* toolBar)
{
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
    NoteSwitches();
}

const char* ToolBitmapName(int toolId)
{
    for (const ToolEntry& tool : kTools)
        if (tool.id == toolId && tool.id != kSeparator)
            return tool.bitmap;
    return nullptr;
}

void PatientFrame::ApplyToolTips()
{
    wxToolBar* toolBar = GetToolBar();
    for (const ToolEntry& tool : kTools)
        if (tool.id != kSeparator && tool.tipOnLanguageSwitch != kUnchanged)
            toolBar->SetToolShortHelp(tool.id, Text(tool.tipOnLanguageSwitch));
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
