#include "playback/PlaybackTimer.h"

#include "widgets/FileChooser.h"
#include "widgets/ScreenText.h"
#include "lang/DecimalMark.h"
#include "lang/LanguageTable.h"
#include "lang/Latin1.h"
#include "lang/TextIds.h"
#include "lang/LanguageText.h"
#include "model/EyeQuantity.h"
#include "playback/PlaybackTexts.h"
#include "playback/RecordingReader.h"
#include "playback/RecordingWriter.h"
#include "settings/ToolkitPath.h"

#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/msgdlg.h>

#include <algorithm>
#include <chrono>

namespace {

const std::string kRecordingInvalid = "The file is not a recording that can be played back.";

}  // namespace

PlaybackTimer::PlaybackTimer(PlaybackHost& host, const LanguageTable& languageTable)
    : m_host(host), m_languageTable(languageTable), m_clock([] {
          return std::chrono::duration_cast<std::chrono::milliseconds>(
                     std::chrono::steady_clock::now().time_since_epoch())
              .count();
      })
{}

wxString PlaybackTimer::Text(int n) const
{
    return FitLabel(FromLatin1(m_languageTable.Get(n)));
}

wxString PlaybackTimer::FileName() const
{
    return ToWxString(m_player.GetRecording().FileName());
}

bool PlaybackTimer::IsRecordingModified() const
{
    return m_player.GetRecording().IsModified();
}

void PlaybackTimer::SetRecordingModified(bool modified)
{
    m_player.SetModified(modified);
}

bool PlaybackTimer::OpenRecording()
{
    const wxString wildcard = FromLatin1(m_languageTable.Get(Text::RecordingWildcard));
    wxString path = ChooseFile(m_host.DialogParent(), Text(Text::OpenRecordingPrompt), wildcard, wxFD_OPEN);
    if (path.empty())
        return false;
    return LoadRecordingFile(ToWxString(CompleteOpenName(ToPath(path))));
}

bool PlaybackTimer::LoadRecordingFile(const wxString& path)
{
    // A folder or a FIFO there is refused by the reader with its reason.
    if (!wxFileName::Exists(path, wxFILE_EXISTS_ANY)) {
        ShowMessage(FormatLanguageString(m_languageTable.Get(Text::FileOpenErrorFormat), FitPath(path),
                                         "Could not open " + FitPath(path) + "."),
                    wxMessageBoxCaptionStr, wxOK | wxCENTRE, m_host.DialogParent());
        return false;
    }

    m_host.ShowStatusNote(Text(Text::RecordingLoadingStatus), false);
    Recording recording;
    const RecordingReadResult result = ReadRecordingFile(ToPath(path), recording);
    if (!result.Succeeded() || !m_player.Load(std::move(recording))) {
        wxString detail = DescribeRecordingError(result.error);
        if (result.line > 0)
            detail += wxString::Format(" (%zu)", result.line);
        const wxString summary = FromLatin1(m_languageTable.GetOr(Text::RecordingInvalid, kRecordingInvalid));
        ShowMessage(summary + "\n\n" + FitPath(path) + ": " + detail, wxMessageBoxCaptionStr, wxOK | wxCENTRE,
                    m_host.DialogParent());
        m_host.ShowStatusNote(wxEmptyString, false);
        return false;
    }

    m_player.SetFileName(ToPath(path));
    m_player.SetModified(false);
    m_timeDecimals = TimeDecimals(m_player.GetRecording());
    m_host.SetRowCount(m_player.RowCount());
    m_host.ShowStatusNote(wxEmptyString, false);
    return true;
}

void PlaybackTimer::SaveRecording(bool askName)
{
    wxString path = FileName();
    if (askName) {
        const wxString wildcard = FromLatin1(m_languageTable.Get(Text::RecordingWildcard));
        path = ChooseFile(m_host.DialogParent(), Text(Text::SaveRecordingPrompt), wildcard, wxFD_SAVE,
                          wxFileName(path).GetFullName());
        if (path.empty())
            return;
        path = ToWxString(CompleteSaveName(ToPath(path)));
        if (wxFileExists(path) && !ConfirmReplace(m_host.DialogParent(), m_languageTable, path))
            return;
    }
    WriteRecording(path);
}

bool PlaybackTimer::WriteRecording(const wxString& fileName)
{
    m_host.ShowStatusNote(Text(Text::RecordingSavingStatus), false);
    std::string error;
    if (!WriteRecordingFile(ToPath(fileName), m_player.GetRecording(), error)) {
        m_host.ShowStatusNote(wxEmptyString, false);
        const wxString shownName = FitPath(fileName);
        const wxString summary = FormatLanguageString(m_languageTable.Get(Text::SaveFailedFormat), shownName,
                                                      "Could not save " + shownName + ".");
        ShowMessage(summary + "\n\n" + wxString::FromUTF8(error), wxMessageBoxCaptionStr,
                    wxOK | wxICON_ERROR | wxCENTRE, m_host.DialogParent());
        return false;
    }
    m_player.SetFileName(ToPath(fileName));
    m_player.SetModified(false);
    m_host.RecordingChanged();
    m_host.ShowStatusNote(Text(Text::RecordingSavedStatus), true);
    return true;
}

bool PlaybackTimer::ConfirmDiscardRecording()
{
    if (!IsRecordingModified())
        return true;
    switch (AskToSaveChanges(m_host.DialogParent(), m_languageTable, FileName())) {
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
    m_playedRow = m_host.ShownRow();
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
    if (!m_host.IsPlaybackMode()) {
        Stop();
        return;
    }
    // A seek while playing (slider, traces) goes on from the row sought.
    if (m_host.ShownRow() != m_playedRow)
        PlayOnFromShownRow();
    const std::size_t shown = m_playedRow;
    const std::int64_t due = RecordingTimeAfter(m_startRecordingMs, m_clock() - m_startClockMs, m_speedEighths);
    // Never back: rows stamped earlier than the start are passed over.
    const std::size_t row = RowDueAt(m_player.GetRecording(), shown, due);
    if (row >= m_host.LastRow())
        Stop();
    if (row == shown)
        return;
    m_playedRow = row;
    m_host.MoveToRow(row);
    ShowSample();
}

void PlaybackTimer::ShowSample()
{
    m_player.SetQualityThreshold(m_host.QualityThreshold());
    ShownSample sample;
    if (!m_player.Show(m_host.ShownRow(), m_host.IsWholeDegreeMode(), sample))
        return;
    m_host.ShowPlayedSample(sample, FromLatin1(TimeText(m_languageTable.Get(Text::PlaybackTimeFormat), sample.timeMs,
                                                        m_timeDecimals, m_languageTable.Get(Text::DecimalMark))));
}

void PlaybackTimer::StoreCurrentSample()
{
    std::array<ModelAngles, kEyeCount> angles{};
    for (Eye eye : kEyes)
        for (std::size_t i = 0; i < kPlayedQuantities.size(); ++i)
            angles[EyeIndex(eye)][i] = m_host.BlendedValue(FindQuantityControl(eye, kPlayedQuantities[i]).spinId);
    m_player.Store(m_host.ShownRow(), angles, m_host.IsWholeDegreeMode());
    m_host.RecordingChanged();
}

void PlaybackTimer::RepairAllSamples()
{
    const std::string question = FormatNumber(m_languageTable.Get(Text::RepairConfirmFormat), m_host.QualityThreshold(),
                                              "Replace the weak rows?", m_languageTable.Get(Text::DecimalMark));
    if (ShowMessage(wxGetTranslation(FromLatin1(question)), wxEmptyString, wxYES_NO | wxCENTRE,
                    m_host.DialogParent()) == wxNO)
        return;
    m_player.SetQualityThreshold(m_host.QualityThreshold());
    m_player.RepairAll();
    // The rows changed in memory only: the title must say they are unsaved.
    m_player.SetModified(true);
    m_host.RecordingChanged();
    m_host.MoveToRow(0);
    ShowMessage(Text(Text::RepairDone), wxMessageBoxCaptionStr, wxOK | wxCENTRE, m_host.DialogParent());
}
