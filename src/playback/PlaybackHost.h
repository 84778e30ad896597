#pragma once

#include <cstddef>

class wxString;
class wxWindow;
struct ShownSample;

// What a playing recording asks of the window that shows it: the time
// slider, the values, the view and the traces.
class PlaybackHost {
public:
    // The parent of the file dialogs and the messages.
    virtual wxWindow* DialogParent() = 0;
    virtual bool IsPlaybackMode() const = 0;
    virtual bool IsWholeDegreeMode() const = 0;
    virtual float QualityThreshold() const = 0;
    // The row the time slider shows, and its last.
    virtual std::size_t ShownRow() const = 0;
    virtual std::size_t LastRow() const = 0;
    // A recording of rows rows, shown from its first.
    virtual void SetRowCount(std::size_t rows) = 0;
    virtual void MoveToRow(std::size_t row) = 0;
    // The row at the time slider in the values, the view and the traces.
    virtual void ShowPlayedSample(const ShownSample& sample, const wxString& timeText) = 0;
    // The angle a value control holds now, blended between near and far.
    virtual int BlendedValue(int spinId) const = 0;
    // The recording was edited or saved: the title says so.
    virtual void RecordingChanged() = 0;
    // A note in the first status field; a transient one leaves after a moment.
    virtual void ShowStatusNote(const wxString& text, bool transient) = 0;

protected:
    ~PlaybackHost() = default;
};
