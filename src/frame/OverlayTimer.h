#pragma once

#include <wx/timer.h>

class PatientFrame;

// One-shot timer that ends a transient overlay: the axis lines shown after a
// tilt change and the message in the first status field.
class OverlayTimer : public wxTimer {
public:
    explicit OverlayTimer(PatientFrame* frame) : m_frame(frame) {}

    void Notify() override;

    bool axisOverlaysVisible = false;

private:
    PatientFrame* m_frame;
};
