#include "frame/PlaybackTimer.h"

#include "widgets/FileChooser.h"
#include "widgets/ScreenText.h"
#include "frame/PatientFrame.h"
#include "lang/DecimalMark.h"
#include "lang/LanguageTable.h"
#include "lang/Latin1.h"
#include "lang/TextIds.h"
#include "lang/LanguageText.h"
#include "model/EyeQuantity.h"
#include "playback/PlaybackTexts.h"
#include "playback/RecordingReader.h"
#include "playback/RecordingWriter.h"
#include "playback/TracePanel.h"
#include "view/EyesCanvas.h"
#include "frame/OverlayTimer.h"

#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/msgdlg.h>
#include <wx/slider.h>
#include <wx/statusbr.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <chrono>

namespace {

constexpr int kSavedMessageMilliseconds = 5000;
const std::string kRecordingInvalid = "The file is not a recording that can be played back.";

}  // namespace

PlaybackTimer::PlaybackTimer(PatientFrame* frame, LanguageTable* languageTable)
    : m_frame(frame), m_languageTable(languageTable), m_clock([] {
          return std::chrono::duration_cast<std::chrono::milliseconds>(
                     std::chrono::steady_clock::now().time_since_epoch())
              .count();
      })
{}

wxString PlaybackTimer::Text(int n) const
{
    return FitLabel(FromLatin1(m_languageTable->Get(n)));
}

wxString PlaybackTimer::FileName() const
{
    return wxString(m_player.GetRecording().FileName().c_str(), wxConvFile);
}

bool PlaybackTimer::IsRecordingModified() const
{
    return m_player.GetRecording().IsModified();
}

void PlaybackTimer::SetRecordingModified(bool modified)
{
    m_player.SetModified(modified);
}

bool PlaybackTimer::OpenRecording(PatientFrame* frame)
{
    m_frame = frame;
    const wxString wildcard = FromLatin1(m_languageTable->Get(Text::RecordingWildcard));
    wxString path = ChooseFile(m_frame, Text(Text::OpenRecordingPrompt), wildcard, wxFD_OPEN);
    if (path.empty())
        return false;
    return LoadRecordingFile(wxString(CompleteOpenName(std::string(path.fn_str())).c_str(), wxConvFile));
}

bool PlaybackTimer::LoadRecordingFile(const wxString& path)
{
    // A folder or a FIFO there is refused by the reader with its reason.
    if (!wxFileName::Exists(path, wxFILE_EXISTS_ANY)) {
        ShowMessage(FormatLanguageString(m_languageTable->Get(Text::FileOpenErrorFormat), FitPath(path),
                                         "Could not open " + FitPath(path) + "."),
                    wxMessageBoxCaptionStr, wxOK | wxCENTRE, m_frame);
        return false;
    }

    wxStatusBar* status = m_frame->m_statusBar;
    status->SetStatusText(Text(Text::RecordingLoadingStatus), 0);
    Recording recording;
    const RecordingReadResult result = ReadRecordingFile(std::string(path.fn_str()), recording);
    if (!result.Succeeded() || !m_player.Load(std::move(recording))) {
        wxString detail = DescribeRecordingError(result.error);
        if (result.line > 0)
            detail += wxString::Format(" (%zu)", result.line);
        const wxString summary = FromLatin1(m_languageTable->GetOr(Text::RecordingInvalid, kRecordingInvalid));
        ShowMessage(summary + "\n\n" + FitPath(path) + ": " + detail, wxMessageBoxCaptionStr, wxOK | wxCENTRE, m_frame);
        status->SetStatusText(wxEmptyString, 0);
        return false;
    }

    m_player.SetFileName(std::string(path.fn_str()));
    m_player.SetModified(false);
    m_timeDecimals = TimeDecimals(m_player.GetRecording());
    m_frame->m_timeSlider->SetRange(0, static_cast<int>(m_player.RowCount()) - 1);
    m_frame->m_timeSlider->SetValue(0);
    status->SetStatusText(wxEmptyString, 0);
    return true;
}

void PlaybackTimer::SaveRecording(bool askName)
{
    wxString path = FileName();
    if (askName) {
        const wxString wildcard = FromLatin1(m_languageTable->Get(Text::RecordingWildcard));
        path =
            ChooseFile(m_frame, Text(Text::SaveRecordingPrompt), wildcard, wxFD_SAVE, wxFileName(path).GetFullName());
        if (path.empty())
            return;
        path = wxString(CompleteSaveName(std::string(path.fn_str())).c_str(), wxConvFile);
        if (wxFileExists(path) && !ConfirmReplace(m_frame, *m_languageTable, path))
            return;
    }
    WriteRecording(path);
}

bool PlaybackTimer::WriteRecording(const wxString& fileName)
{
    wxStatusBar* status = m_frame->m_statusBar;
    status->SetStatusText(Text(Text::RecordingSavingStatus), 0);
    std::string error;
    if (!WriteRecordingFile(std::string(fileName.fn_str()), m_player.GetRecording(), error)) {
        status->SetStatusText(wxEmptyString, 0);
        const wxString shownName = FitPath(fileName);
        const wxString summary = FormatLanguageString(m_languageTable->Get(Text::SaveFailedFormat), shownName,
                                                      "Could not save " + shownName + ".");
        ShowMessage(summary + "\n\n" + wxString::FromUTF8(error), wxMessageBoxCaptionStr,
                    wxOK | wxICON_ERROR | wxCENTRE, m_frame);
        return false;
    }
    m_player.SetFileName(std::string(fileName.fn_str()));
    m_player.SetModified(false);
    m_frame->UpdateTitle(wxEmptyString);
    status->SetStatusText(Text(Text::RecordingSavedStatus), 0);
    m_frame->m_overlayTimer->StartOnce(kSavedMessageMilliseconds);
    return true;
}

bool PlaybackTimer::ConfirmDiscardRecording()
{
    if (!IsRecordingModified())
        return true;
    switch (AskToSaveChanges(m_frame, *m_languageTable, FileName())) {
    case wxYES:
        return WriteRecording(FileName());
    case wxNO:
        m_player.SetModified(false);
        return true;
    default:
        return false;
    }
}

void PlaybackTimer::StartPlayback()
{
    PlayOnFromShownRow();
    Start(kTickMs, wxTIMER_CONTINUOUS);
}

void PlaybackTimer::PlayOnFromShownRow()
{
    m_startClockMs = m_clock();
    m_playedRow = static_cast<std::size_t>(m_frame->m_timeSlider->GetValue());
    const Recording& recording = m_player.GetRecording();
    m_startRecordingMs = m_playedRow < recording.RowCount() ? recording.Value(m_playedRow, kTimeColumn) : 0;
}

void PlaybackTimer::SetSpeed(int eighths)
{
    m_speedEighths = IsPlaybackSpeed(eighths) ? eighths : kNormalSpeedEighths;
    if (IsRunning())
        StartPlayback();
}

void PlaybackTimer::Notify()
{
    // A tick queued before playback mode was left must not write into a case.
    if (!m_frame->IsPlaybackMode()) {
        Stop();
        return;
    }
    wxSlider* slider = m_frame->m_timeSlider;
    // A seek while playing (slider, traces) goes on from the row sought.
    if (static_cast<std::size_t>(slider->GetValue()) != m_playedRow)
        PlayOnFromShownRow();
    const std::size_t shown = m_playedRow;
    const std::int64_t due = RecordingTimeAfter(m_startRecordingMs, m_clock() - m_startClockMs, m_speedEighths);
    // Never back: rows stamped earlier than the start are passed over.
    const std::size_t row = RowDueAt(m_player.GetRecording(), shown, due);
    if (static_cast<int>(row) >= slider->GetMax())
        Stop();
    if (row == shown)
        return;
    m_playedRow = row;
    slider->SetValue(static_cast<int>(row));
    ShowSample();
}

void PlaybackTimer::ShowSample()
{
    const bool whole = m_frame->IsWholeDegreeMode();
    m_player.SetQualityThreshold(m_frame->m_qualityThreshold);
    ShownSample sample;
    if (!m_player.Show(static_cast<std::size_t>(m_frame->m_timeSlider->GetValue()), whole, sample))
        return;

    for (Eye eye : kEyes) {
        const ShownEye& shown = sample.eyes[EyeIndex(eye)];
        for (std::size_t i = 0; i < kPlayedQuantities.size(); ++i) {
            const QuantityControl& control = FindQuantityControl(eye, kPlayedQuantities[i]);
            m_frame->TextField(control.textId)
                ->SetForegroundColour(shown.interpolated ? *wxRED : m_frame->m_textColour);
            m_frame->SetQuantity(control.spinId, static_cast<float>(shown.angles[i]));
        }
        wxStaticText* quality = eye == Eye::one ? m_frame->m_qualityText1 : m_frame->m_qualityText2;
        quality->SetLabel(FromLatin1(QualityLabel(shown.quality)));
    }
    m_frame->m_statusBar->SetStatusText(
        FromLatin1(TimeText(m_languageTable->Get(Text::PlaybackTimeFormat), sample.timeMs, m_timeDecimals,
                            m_languageTable->Get(Text::DecimalMark))),
        2);
    m_frame->UpdateGazeSlidersFromModel();
    m_frame->UpdateSpinsFromModel();
    m_frame->UpdateTextsFromSpins();
    m_frame->m_canvas->Refresh(true);
    m_frame->m_tracePanel->ShowRow(static_cast<std::size_t>(m_frame->m_timeSlider->GetValue()));
    // GTK draws a value set by the program at the knob's old place until the
    // slider is redrawn as a whole.
    m_frame->m_timeSlider->Refresh();
}

void PlaybackTimer::StoreCurrentSample()
{
    std::array<ModelAngles, kEyeCount> angles{};
    for (Eye eye : kEyes)
        for (std::size_t i = 0; i < kPlayedQuantities.size(); ++i)
            angles[EyeIndex(eye)][i] = m_frame->BlendedValue(FindQuantityControl(eye, kPlayedQuantities[i]).spinId);
    m_player.Store(static_cast<std::size_t>(m_frame->m_timeSlider->GetValue()), angles, m_frame->IsWholeDegreeMode());
    m_frame->UpdateTitle(wxEmptyString);
}

void PlaybackTimer::RepairAllSamples()
{
    const std::string question =
        FormatNumber(m_languageTable->Get(Text::RepairConfirmFormat), m_frame->m_qualityThreshold,
                     "Replace the weak rows?", m_languageTable->Get(Text::DecimalMark));
    if (ShowMessage(wxGetTranslation(FromLatin1(question)), wxEmptyString, wxYES_NO | wxCENTRE, m_frame) == wxNO)
        return;
    m_player.SetQualityThreshold(m_frame->m_qualityThreshold);
    m_player.RepairAll();
    // The rows changed in memory only: the title must say they are unsaved.
    m_player.SetModified(true);
    m_frame->UpdateTitle(wxEmptyString);
    m_frame->m_timeSlider->SetValue(0);
    ShowMessage(Text(Text::RepairDone), wxMessageBoxCaptionStr, wxOK | wxCENTRE, m_frame);
}
