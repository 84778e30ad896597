#pragma once

#include "playback/PlaybackHost.h"
#include "playback/PlaybackSpeed.h"
#include "playback/RecordingPlayer.h"

#include <wx/string.h>
#include <wx/timer.h>

#include <cstdint>
#include <functional>

class LanguageTable;

// Plays the loaded recording into the patient model, and carries the
// commands that read, write, edit and repair recordings. Each tick shows the
// row whose time has come: the recording advances by the wall-clock time
// since the start times the speed, however late the ticks come.
class PlaybackTimer : public wxTimer {
public:
    // Milliseconds of a steady clock; tests pass a clock of their own.
    using Clock = std::function<std::int64_t()>;
    // Ticks often enough for smooth movement; rows between two ticks are skipped.
    static constexpr int kTickMs = 20;

    PlaybackTimer(PlaybackHost& host, const LanguageTable& languageTable);

    // Asks for a recording and reads it; false when none was read.
    bool OpenRecording();
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

    // Plays on from the row shown at the chosen speed; a running playback
    // takes a new speed at once, from the row it shows.
    void StartPlayback();
    void SetSpeed(int eighths);
    int SpeedEighths() const { return m_speedEighths; }
    void SetClock(Clock clock) { m_clock = std::move(clock); }

    wxString FileName() const;
    bool IsRecordingModified() const;
    void SetRecordingModified(bool modified);

private:
    bool WriteRecording(const wxString& fileName);
    void PlayOnFromShownRow();
    wxString Text(int n) const;

    PlaybackHost& m_host;
    const LanguageTable& m_languageTable;
    RecordingPlayer m_player;
    int m_speedEighths = kNormalSpeedEighths;
    Clock m_clock;
    std::int64_t m_startClockMs = 0;      // the clock when playback (re)started
    std::int64_t m_startRecordingMs = 0;  // the recording's time then
    std::size_t m_playedRow = 0;          // the row the last tick showed
    int m_timeDecimals = 0;               // what tells this recording's rows apart
};
