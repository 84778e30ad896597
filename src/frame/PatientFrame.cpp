#include "frame/PatientFrame.h"

#include "app/ProgramState.h"
#include "frame/Ids.h"
#include "lang/LanguageFiles.h"
#include "lang/LanguageTable.h"
#include "lang/FormatCheck.h"
#include "lang/Latin1.h"
#include "lang/TextIds.h"
#include "playback/PlaybackTimer.h"
#include "quiz/QuizFrame.h"
#include "view/CoverAnimationTimer.h"
#include "view/OverlayTimer.h"

#include <wx/filename.h>
#include <wx/html/helpctrl.h>
#include <wx/spinbutt.h>
#include <wx/textctrl.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/statusbr.h>

wxBEGIN_EVENT_TABLE(PatientFrame, wxFrame)
    EVT_MENU(Id::WholeDegreesItem, PatientFrame::ApplyAngleUnit)
    EVT_COMMAND_SCROLL(Id::GazeSliderEye1Vertical, PatientFrame::OnGazeSlider)
    EVT_COMMAND_SCROLL(Id::GazeSliderEye2Vertical, PatientFrame::OnGazeSlider)
    EVT_COMMAND_SCROLL(Id::GazeSliderEye1Horizontal, PatientFrame::OnGazeSlider)
    EVT_COMMAND_SCROLL(Id::GazeSliderEye2Horizontal, PatientFrame::OnGazeSlider)
    EVT_COMMAND_SCROLL(Id::BlendSlider, PatientFrame::OnBlendSlider)
    wx__DECLARE_EVT2(wxEVT_TEXT_ENTER, Id::FirstQuantityText, Id::LastRotationText,
                     wxCommandEventHandler(PatientFrame::OnQuantityText))
    wx__DECLARE_EVT2(wxEVT_TEXT_ENTER, Id::FirstTiltText, Id::LastQuantityText,
                     wxCommandEventHandler(PatientFrame::OnQuantityText))
    wx__DECLARE_EVT2(wxEVT_SPIN, Id::FirstQuantitySpin, Id::LastQuantitySpin,
                     wxSpinEventHandler(PatientFrame::OnQuantitySpin))
    EVT_CHECKBOX(Id::CoverCheckBox1, PatientFrame::OnCoverCheckBox)
    EVT_CHECKBOX(Id::CoverCheckBox2, PatientFrame::OnCoverCheckBox)
    EVT_COMMAND_SCROLL(Id::TimeSlider, PatientFrame::OnTimeSlider)
    EVT_BUTTON(Id::PlaybackStart, PatientFrame::OnPlaybackButton)
    EVT_BUTTON(Id::PlaybackStop, PatientFrame::OnPlaybackButton)
    EVT_BUTTON(Id::PlaybackPause, PatientFrame::OnPlaybackButton)
    EVT_CLOSE(PatientFrame::OnCloseWindow)
    EVT_MENU(Id::Exit, PatientFrame::OnQuit)
    EVT_MENU(Id::HelpContents, PatientFrame::OnHelpContents)
    EVT_MENU_RANGE(Id::OpenRecording, Id::SaveRecordingAs, PatientFrame::OnRecordingMenu)
    EVT_MENU(Id::RepairRecording, PatientFrame::OnRecordingCommand112)
    EVT_MENU(Id::About, PatientFrame::OnAbout)
    EVT_MENU(Id::DisplayOptions, PatientFrame::OnDisplayOptions)
    EVT_MENU(Id::Presentation, PatientFrame::OnPresentation)
    EVT_MENU(Id::ExportPicture, PatientFrame::OnExportPicture)
    EVT_MENU(Id::CopyPicture, PatientFrame::OnCopyPicture)
    EVT_MENU_RANGE(Id::CoverRightEyeOccluder, Id::CoverLeftEyeTranslucent, PatientFrame::OnExaminationCover)
    EVT_MENU(Id::Uncover, PatientFrame::OnUncover)
    EVT_MENU(Id::AlternateCover, PatientFrame::OnAlternateCover)
    EVT_MENU_RANGE(Id::DistanceFar, Id::DistanceFarther, PatientFrame::OnDistanceCommand)
    EVT_MENU_RANGE(Id::GazeFollowsPointer, Id::LastGazePosition, PatientFrame::OnGazeCommand)
    EVT_MENU_RANGE(Id::FirstEccentricity, Id::LastEccentricity, PatientFrame::OnEccentricity)
    EVT_TIMER(Id::ValuesPeekTimer, PatientFrame::OnValuesPeekTimer)
    EVT_CHAR_HOOK(PatientFrame::OnCharHook)
    EVT_MENU(Id::OpenCase, PatientFrame::OnOpenCase)
    EVT_MENU(Id::NewCase, PatientFrame::OnNewCase)
    EVT_MENU(Id::SaveCase, PatientFrame::OnSaveCase)
    EVT_MENU(Id::SaveCaseAs, PatientFrame::OnSaveCaseAs)
    EVT_MENU_RANGE(Id::ModeManifest, Id::ModeLatent, PatientFrame::OnModePair)
    EVT_MENU_RANGE(Id::EyeCrossTool, Id::FlashlightItem, PatientFrame::OnMirrorPair)
    EVT_MENU(Id::AxisLinesItem, PatientFrame::OnAxisOverlayToggle)
    EVT_MENU(Id::ResetViewTool, PatientFrame::OnResetView)
    EVT_MENU_RANGE(Id::OccluderEye1, Id::TranslucentEye2, PatientFrame::OnCoverTool)
    EVT_MENU(Id::QuizTool, PatientFrame::OnQuizToggle)
    EVT_MENU(Id::HideValuesTool, PatientFrame::OnHideValuesToggle)
    EVT_MENU_RANGE(Id::QuadrantEditTool, Id::QuadrantHideTool, PatientFrame::OnViewTool)
wxEND_EVENT_TABLE()

PatientFrame::PatientFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size), m_startFolder(wxGetCwd()) {
    m_languageTable = new LanguageTable;
    g_languageTable = m_languageTable;

    m_statusBar = CreateStatusBar(4, wxSTB_DEFAULT_STYLE, 0);
    m_statusBar->SetFont(wxFont(8, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));

    auto* languageMenu = new wxMenu;
    if (!FillLanguageMenu(languageMenu)) {
        delete languageMenu;
        wxMessageBox("Could not open any language file.", wxMessageBoxCaptionStr, wxOK | wxCENTRE);
        return;
    }
    CreateMenus(languageMenu);
    GetMenuBar()->Enable(Id::RepairRecording, false);
    GetMenuBar()->Enable(Id::SaveRecording, false);
    GetMenuBar()->Enable(Id::SaveRecordingAs, false);

    FitStatusFields();
    m_statusBar->SetStatusText(Text(Text::ManifestModeStatus), 3);
    GetMenuBar()->Check(Id::ModeManifest, true);
}

PatientFrame::~PatientFrame() {
    g_languageTable = nullptr;
    delete m_languageTable;
    m_languageTable = nullptr;
    StopPlayback();
    // A frame refused at start-up has no controls whose state could be kept.
    if (m_canvas)
        SaveSettings();
}

wxString PatientFrame::Text(int n) const {
    return FromLatin1(m_languageTable->Get(n));
}

bool PatientFrame::FillLanguageMenu(wxMenu* languageMenu) {
    const std::vector<std::string> files = ListLanguageFiles(std::string(m_startFolder.fn_str()));
    if (files.empty())
        return false;

    m_languageFile = wxString(files.front());
    LoadLanguage(m_languageFile);

    for (const std::string& file : files) {
        const int id = Id::FirstLanguage + static_cast<int>(m_languageMenuFiles.size());
        if (id > Id::LastLanguage)
            break;
        languageMenu->Append(id, wxString(LanguageMenuLabel(file)), wxEmptyString);
        Bind(wxEVT_MENU, &PatientFrame::OnLanguage, this, id);
        m_languageMenuFiles.push_back(wxString(file));
    }
    return true;
}

bool PatientFrame::LoadLanguage(const wxString& fileName) {
    // The failure message must come from the language that is still loaded.
    const std::string format = m_languageTable->Get(Text::LanguageLoadErrorFormat);
    const wxString path = wxFileName(m_startFolder, fileName).GetFullPath();
    if (m_languageTable->Load(std::string(path.fn_str())))
        return true;
    const std::string fallback = "Could not open the language file " + ToLatin1(fileName) + ".";
    const std::string message = FormatSingle(format, ToLatin1(fileName), fallback);
    wxMessageBox(FromLatin1(message), wxMessageBoxCaptionStr, wxOK | wxCENTRE);
    return false;
}

void PatientFrame::OnLanguage(wxCommandEvent& event) {
    const int index = event.GetId() - Id::FirstLanguage;
    if (event.GetId() != 0 && index >= 0 && index < static_cast<int>(m_languageMenuFiles.size()))
        m_languageFile = m_languageMenuFiles[index];
    if (!LoadLanguage(m_languageFile))
        return;
    ApplyLanguage();
    if (IsPlaybackMode())
        m_playbackTimer->ShowSample();
    if (m_quizFrame)
        m_quizFrame->applyLanguage();
    SetHelpBook();
    Refresh(true);
}

void PatientFrame::ApplyLanguage() {
    ApplyToolTips();
    ApplyMenuLabels();
    ApplyWindowTexts();
}
