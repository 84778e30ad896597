#include "frame/PatientFrame.h"

#include "widgets/FileChooser.h"
#include "widgets/Ids.h"
#include "widgets/ScreenText.h"
#include "frame/ToolkitLanguage.h"
#include "lang/LanguageFiles.h"
#include "lang/LanguageTable.h"
#include "lang/Latin1.h"
#include "lang/TextIds.h"
#include "lang/LanguageText.h"
#include "playback/PlaybackTimer.h"
#include "quiz/QuizFrame.h"
#include "view/CoverAnimationTimer.h"
#include "frame/OverlayTimer.h"
#include "settings/ToolkitPath.h"

#include <wx/filename.h>

#include <algorithm>
#include <wx/html/helpctrl.h>
#include <wx/spinbutt.h>
#include <wx/textctrl.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/statusbr.h>

// clang-format off
wxBEGIN_EVENT_TABLE(PatientFrame, wxFrame)
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
    EVT_BUTTON(Id::PlaybackPreviousRow, PatientFrame::OnPlaybackStep)
    EVT_BUTTON(Id::PlaybackNextRow, PatientFrame::OnPlaybackStep)
    EVT_CHOICE(Id::PlaybackSpeed, PatientFrame::OnPlaybackSpeed)
    EVT_CHAR_HOOK(PatientFrame::OnPlaybackKey)
    EVT_CLOSE(PatientFrame::OnCloseWindow)
    EVT_TIMER(Id::ValuesPeekTimer, PatientFrame::OnValuesPeekTimer)
    EVT_CHAR_HOOK(PatientFrame::OnCharHook)
    // Every menu item and tool runs its entry in the command table.
    EVT_MENU_RANGE(Id::Exit, Id::SaveCaseAs, PatientFrame::OnCommand)
    EVT_UPDATE_UI_RANGE(Id::Exit, Id::SaveCaseAs, PatientFrame::OnCommandState)
wxEND_EVENT_TABLE()
// clang-format on

namespace {
const char kNoLanguageMessage[] = "Could not open any language file.";
}

PatientFrame::PatientFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size), m_startFolder(wxGetCwd())
{
    m_languageTable = new LanguageTable;
    m_examination.Listen([this](Change change) { FollowExamination(change); });
    // Help stays answerable (showing nothing) even when no language ever sets a book.
    m_help = std::make_unique<wxHtmlHelpController>(wxHF_DEFAULT_STYLE, this);

    m_statusBar = CreateStatusBar(5, wxSTB_DEFAULT_STYLE, 0);
    m_statusBar->SetFont(wxFont(8, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));

    auto* languageMenu = new wxMenu;
    FillLanguageMenu(languageMenu);
    if (!LoadFirstUsableLanguage()) {
        delete languageMenu;
        ShowMessage(kNoLanguageMessage, wxMessageBoxCaptionStr, wxOK | wxCENTRE);
        return;
    }
    CreateMenus(languageMenu);
    UpdateCommandStates();

    FitStatusFields();
    m_statusBar->SetStatusText(Text(Text::ManifestModeStatus), 3);
    GetMenuBar()->Check(Id::ModeManifest, true);
}

PatientFrame::~PatientFrame()
{
    delete m_languageTable;
    m_languageTable = nullptr;
    StopPlayback();
    // A frame refused at start-up has no controls whose state could be kept,
    // and a run that found no language must not overwrite the user's choices.
    if (m_canvas && !m_languageFile.empty())
        SaveSettings();
}

wxString PatientFrame::Text(int n) const
{
    return FitLabel(FromLatin1(m_languageTable->Get(n)));
}

void PatientFrame::FillLanguageMenu(wxMenu* languageMenu)
{
    const std::vector<std::string> files = ListLanguageFiles(ToPath(m_startFolder));
    for (const std::string& file : files) {
        const int id = Id::FirstLanguage + static_cast<int>(m_languageMenuFiles.size());
        if (id > Id::LastLanguage)
            break;
        // The names are UTF-8 on every system; the toolkit takes them as file names.
        languageMenu->AppendRadioItem(id, FitLabel(ToWxString(std::filesystem::u8path(LanguageMenuLabel(file)))));
        Bind(wxEVT_MENU, &PatientFrame::OnLanguage, this, id);
        m_languageMenuFiles.push_back(ToWxString(std::filesystem::u8path(file)));
    }
}

bool PatientFrame::LoadFirstUsableLanguage()
{
    // Which file the user wants is known only once the settings are read;
    // refusals are reported then, for that file.
    std::string firstReason;
    for (const wxString& file : m_languageMenuFiles) {
        if (m_languageTable->Load(LanguagePath(file))) {
            m_languageFile = file;
            return true;
        }
        if (firstReason.empty())
            firstReason = m_languageTable->LastError();
    }
    if (!m_languageMenuFiles.empty())
        ReportLanguageFailure(m_languageMenuFiles.front(), firstReason);
    return false;
}

bool PatientFrame::UseStartLanguage(const wxString& wanted)
{
    if (wanted == m_languageFile && m_languageTable->Size() > 0) {
        ShowLanguage();
        return true;
    }
    std::vector<wxString> order{wanted};
    for (const wxString& file : m_languageMenuFiles)
        if (file != wanted)
            order.push_back(file);
    for (std::size_t i = 0; i < order.size(); ++i) {
        std::string reason;
        if (LoadLanguageFile(order[i], reason)) {
            m_languageFile = order[i];
            ShowLanguage();
            return true;
        }
        if (i == 0)
            ReportLanguageFailure(order[i], reason);
    }
    ShowMessage(kNoLanguageMessage, wxMessageBoxCaptionStr, wxOK | wxCENTRE);
    m_languageFile.clear();
    return false;
}

std::filesystem::path PatientFrame::LanguagePath(const wxString& fileName) const
{
    return ToPath(wxFileName(m_startFolder, fileName).GetFullPath());
}

bool PatientFrame::LoadLanguageFile(const wxString& fileName, std::string& reason)
{
    m_failedLanguageFormat = m_languageTable->Get(Text::LanguageLoadErrorFormat);
    if (!IsLanguageFileName(ToLatin1(fileName))) {
        reason = "'" + ToLatin1(fileName) + "' is not a language file (.lan)";
        return false;
    }
    if (m_languageTable->Load(LanguagePath(fileName)))
        return true;
    reason = m_languageTable->LastError();
    return false;
}

void PatientFrame::ReportLanguageFailure(const wxString& fileName, const std::string& reason)
{
    // The message comes from the language that was loaded before the attempt.
    const wxString shownName = FitPath(fileName);
    const wxString summary =
        FormatLanguageString(m_failedLanguageFormat, shownName, "Could not open the language file " + shownName + ".");
    ShowMessage(summary + "\n\n" + FromLatin1(reason), wxMessageBoxCaptionStr, wxOK | wxCENTRE);
}

bool PatientFrame::LoadLanguage(const wxString& fileName)
{
    std::string reason;
    if (LoadLanguageFile(fileName, reason))
        return true;
    ReportLanguageFailure(fileName, reason);
    return false;
}

void PatientFrame::OnLanguage(wxCommandEvent& event)
{
    const int index = event.GetId() - Id::FirstLanguage;
    if (event.GetId() != 0 && index >= 0 && index < static_cast<int>(m_languageMenuFiles.size()))
        m_languageFile = m_languageMenuFiles[index];
    if (LoadLanguage(m_languageFile))
        ShowLanguage();
}

void PatientFrame::ShowLanguage()
{
    UseToolkitLanguage(m_languageTable->GetOr(Text::LanguageCode, std::string()));
    MarkCurrentLanguage();
    ApplyLanguage();
    if (IsPlaybackMode())
        m_playbackTimer->ShowSample();
    if (m_quizFrame)
        m_quizFrame->ApplyLanguage();
    SetHelpBook();
    Refresh(true);
}

void PatientFrame::MarkCurrentLanguage()
{
    const auto current = std::find(m_languageMenuFiles.begin(), m_languageMenuFiles.end(), m_languageFile);
    if (GetMenuBar() && current != m_languageMenuFiles.end())
        GetMenuBar()->Check(Id::FirstLanguage + static_cast<int>(current - m_languageMenuFiles.begin()), true);
}

void PatientFrame::ApplyLanguage()
{
    ApplyToolTips();
    ApplyMenuLabels();
    ApplyWindowTexts();
}
