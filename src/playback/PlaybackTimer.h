#pragma once

#include "playback/PlaybackSpeed.h"
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

    bool OpenRecording(PatientFrame* frame);
    // Reads the recording at path in place of the loaded one; on failure a
    // message says why and the loaded one stays.
    bool LoadRecordingFile(const wxString& path);
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

    const RecordingPlayer& Player() const { return m_player; }

    // Starts ticking at the chosen speed; a running playback takes a new
    // speed at once.
    void StartPlayback();
    void SetSpeed(int eighths);
    int SpeedEighths() const { return m_speedEighths; }
    int TickInterval() const;

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
    int m_speedEighths = kNormalSpeedEighths;
};
