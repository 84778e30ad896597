// Quitting, help, the recording commands and the playback bar.
#include "about/AboutDialog.h"
#include "widgets/Ids.h"
#include "frame/PatientFrame.h"
#include "widgets/ScreenText.h"
#include "lang/LanguageTable.h"
#include "lang/Latin1.h"
#include "lang/TextIds.h"
#include "playback/PlaybackSpeed.h"
#include "playback/PlaybackTimer.h"
#include "playback/TracePanel.h"
#include "quiz/QuizFrame.h"

#include <wx/choice.h>
#include <wx/display.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/html/helpctrl.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/slider.h>
#include <wx/spinbutt.h>
#include <wx/textctrl.h>

#include <algorithm>

namespace {

// wx opens the help window too small for the contents' titles. It grows to
// 900 x 650, or 80% of a smaller screen; a larger size the user chose stays.
void GrowHelpWindow(wxFrame& window)
{
    const wxRect screen = wxDisplay(&window).GetClientArea();
    const wxSize wanted(std::min(900, screen.width * 4 / 5), std::min(650, screen.height * 4 / 5));
    const wxSize now = window.GetSize();
    if (now.x >= wanted.x && now.y >= wanted.y)
        return;
    window.SetSize(wxSize(std::max(now.x, wanted.x), std::max(now.y, wanted.y)));
    if (!screen.Contains(window.GetRect()))
        window.CentreOnScreen();
}
const std::string kHelpFileError = "The help could not be loaded.";
}  // namespace

void PatientFrame::StopPlayback()
{
    if (m_playbackTimer)
        m_playbackTimer->Stop();
}

void PatientFrame::Quit()
{
    Close(true);
}

void PatientFrame::OnCloseWindow(wxCloseEvent&)
{
    StopPlayback();
    wxCommandEvent closing(wxEVT_MENU, 0);
    if (!NewCase(closing))
        return;
    if (m_quizFrame) {
        wxCloseEvent quizClosing(wxEVT_CLOSE_WINDOW, m_quizFrame->GetId());
        quizClosing.SetCanVeto(true);
        quizClosing.SetLoggingOff(true);
        quizClosing.SetEventObject(m_quizFrame);
        m_quizFrame->OnClose(quizClosing);
    }
    Destroy();
}

void PatientFrame::SetHelpBook()
{
    // A fresh controller per language, so the old book does not stay listed.
    m_help = std::make_unique<wxHtmlHelpController>(wxHF_DEFAULT_STYLE, this);
    wxFileName book(Text(Text::HelpBook), wxPATH_UNIX);
    book.MakeAbsolute(m_startFolder);
    bool added = false;
    if (book.FileExists()) {
        wxLogNull quiet;
        added = m_help->AddBook(book);
    }
    if (!added)
        wxLogError("%s", FitMessage(FromLatin1(m_languageTable->GetOr(Text::HelpFileError, kHelpFileError))));
}

void PatientFrame::ShowHelp()
{
    StopPlayback();
    m_help->DisplayContents();
    if (wxFrame* window = m_help->GetFrame())
        GrowHelpWindow(*window);
}

void PatientFrame::ChooseAndOpenRecording()
{
    OpenRecording();
}

void PatientFrame::SaveRecordingFile(bool askForName)
{
    StopPlayback();
    m_playbackTimer->SaveRecording(askForName);
    UpdateTitle(wxEmptyString);
}

void PatientFrame::OpenRecording(const wxString& path)
{
    StopPlayback();
    // The recording replaces what is shown: an edited case or recording is asked about first.
    if (!ConfirmDiscard())
        return;
    if (!(path.empty() ? m_playbackTimer->OpenRecording() : m_playbackTimer->LoadRecordingFile(path)))
        return;
    // Saving the case now would write a recording's row over the case file.
    m_examination.SetModified(false);
    m_examination.SetPath({});
    SetPlaybackMode(true);
    m_tracePanel->ShowRecording(m_playbackTimer->Player());
    m_playbackTimer->ShowSample();
    UpdateTitle(wxEmptyString);
}

void PatientFrame::OnPlaybackButton(wxCommandEvent& event)
{
    switch (event.GetId()) {
    case Id::PlaybackStart:
        m_playbackTimer->StartPlayback();
        break;
    case Id::PlaybackPause:
        m_playbackTimer->Stop();
        break;
    case Id::PlaybackStop:
        m_playbackTimer->Stop();
        m_timeSlider->SetValue(0);
        m_playbackTimer->ShowSample();
        break;
    }
}

void PatientFrame::OnTimeSlider(wxScrollEvent&)
{
    m_playbackTimer->ShowSample();
}

void PatientFrame::SeekPlayback(std::size_t row)
{
    const auto last = static_cast<std::size_t>(m_timeSlider->GetMax());
    m_timeSlider->SetValue(static_cast<int>(std::min(row, last)));
    m_playbackTimer->ShowSample();
}

void PatientFrame::OnPlaybackStep(wxCommandEvent& event)
{
    // A step means looking at one row: a running playback pauses.
    m_playbackTimer->Stop();
    const int row = m_timeSlider->GetValue() + (event.GetId() == Id::PlaybackNextRow ? 1 : -1);
    SeekPlayback(static_cast<std::size_t>(std::clamp(row, 0, m_timeSlider->GetMax())));
}

void PatientFrame::OnPlaybackSpeed(wxCommandEvent& event)
{
    const int choice = event.GetSelection();
    if (choice >= 0 && choice < static_cast<int>(kSpeedEighths.size()))
        m_playbackTimer->SetSpeed(kSpeedEighths[choice]);
}

void PatientFrame::OnPlaybackKey(wxKeyEvent& event)
{
    const int key = event.GetKeyCode();
    const wxWindow* focus = FindFocus();
    bool arrowsTaken = false;
    for (wxClassInfo* control :
         {wxCLASSINFO(wxTextCtrl), wxCLASSINFO(wxSlider), wxCLASSINFO(wxSpinButton), wxCLASSINFO(wxChoice)})
        arrowsTaken = arrowsTaken || (focus && focus->IsKindOf(control));
    if ((key != WXK_LEFT && key != WXK_RIGHT) || event.HasAnyModifiers() || arrowsTaken || !IsPlaybackMode() ||
        m_playbackTimer->IsRunning()) {
        event.Skip();
        return;
    }
    wxCommandEvent step(wxEVT_BUTTON, key == WXK_RIGHT ? Id::PlaybackNextRow : Id::PlaybackPreviousRow);
    OnPlaybackStep(step);
}

void PatientFrame::ShowAbout()
{
    StopPlayback();
    ShowAboutDialog(this, *m_languageTable, m_languageFile);
}

void PatientFrame::RepairRecording()
{
    StopPlayback();
    m_playbackTimer->RepairAllSamples();
}
