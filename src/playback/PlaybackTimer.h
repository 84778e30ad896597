#pragma once

#include "playback/RecordingPlayer.h"

#include <wx/string.h>
#include <wx/timer.h>

class LanguageTable;
class PatientFrame;

// Plays the loaded recording into the patient model, one row per tick, and
// carries the commands that read, write, edit and repair recordings.
class PlaybackTimer : public wxTimer {
public:
    PlaybackTimer(PatientFrame* frame, LanguageTable* languageTable);

    // Without a path the file dialog asks for one.
    bool OpenRecording(PatientFrame* frame, const wxString& path = wxEmptyString);
    void SaveRecording(bool askName);

    void Notify() override;
    // Shows the row at the time slider in the model, the controls and the view.
    void ShowSample();
    // Writes the model's current angles into the row at the time slider.
    void StoreCurrentSample();
    void RepairAllSamples();
    // Offers to save an edited recording before it is left; false when the
    // user cancels or the save fails.
    bool ConfirmDiscardRecording();

    wxString FileName() const;
    bool IsRecordingModified() const;
    void SetRecordingModified(bool modified);

    // Milliseconds between ticks: half the time of the recording's second row.
    int m_interval = 0;

private:
    bool WriteRecording(const wxString& fileName);
    wxString Text(int n) const;

    PatientFrame* m_frame;
    LanguageTable* m_languageTable;
    RecordingPlayer m_player;
};
