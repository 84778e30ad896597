// What a playing recording shows in the window: the time slider, the values,
// the view, the traces and the notes in the status bar.
#include "frame/PatientFrame.h"

#include "lang/Latin1.h"
#include "model/EyeQuantity.h"
#include "playback/PlaybackColumns.h"
#include "playback/PlaybackTexts.h"
#include "playback/RecordingPlayer.h"
#include "playback/TracePanel.h"
#include "frame/OverlayTimer.h"
#include "view/EyesCanvas.h"

#include <wx/slider.h>
#include <wx/statusbr.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

// How long "saved" stays in the status bar.
constexpr int kStatusNoteMilliseconds = 5000;

}  // namespace

wxWindow* PatientFrame::DialogParent()
{
    return this;
}

float PatientFrame::QualityThreshold() const
{
    return m_qualityThreshold;
}

std::size_t PatientFrame::ShownRow() const
{
    return static_cast<std::size_t>(m_timeSlider->GetValue());
}

std::size_t PatientFrame::LastRow() const
{
    return static_cast<std::size_t>(m_timeSlider->GetMax());
}

void PatientFrame::SetRowCount(std::size_t rows)
{
    m_timeSlider->SetRange(0, static_cast<int>(rows) - 1);
    m_timeSlider->SetValue(0);
}

void PatientFrame::MoveToRow(std::size_t row)
{
    m_timeSlider->SetValue(static_cast<int>(row));
}

void PatientFrame::ShowPlayedSample(const ShownSample& sample, const wxString& timeText)
{
    for (Eye eye : kEyes) {
        const ShownEye& shown = sample.eyes[EyeIndex(eye)];
        for (std::size_t i = 0; i < kPlayedQuantities.size(); ++i) {
            const QuantityControl& control = FindQuantityControl(eye, kPlayedQuantities[i]);
            TextField(control.textId)->SetForegroundColour(shown.interpolated ? *wxRED : m_textColour);
            SetQuantity(control.spinId, static_cast<float>(shown.angles[i]));
        }
        wxStaticText* quality = eye == Eye::one ? m_qualityText1 : m_qualityText2;
        quality->SetLabel(FromLatin1(QualityLabel(shown.quality)));
    }
    m_statusBar->SetStatusText(timeText, kFixationStatusField);
    UpdateGazeSlidersFromModel();
    UpdateSpinsFromModel();
    UpdateTextsFromSpins();
    m_canvas->Refresh(true);
    m_tracePanel->ShowRow(ShownRow());
    // GTK draws a value set by the program at the knob's old place until the
    // slider is redrawn as a whole.
    m_timeSlider->Refresh();
}

void PatientFrame::RecordingChanged()
{
    UpdateTitle(wxEmptyString);
}

void PatientFrame::ShowStatusNote(const wxString& text, bool transient)
{
    m_statusBar->SetStatusText(text, 0);
    FitStatusFields();
    if (transient)
        m_overlayTimer->StartOnce(kStatusNoteMilliseconds);
}
