#pragma once

#include "view/CoverAnimation.h"

#include <wx/timer.h>

class PatientFrame;

// Runs the refixation movements of the eyes: every tick follows the cover
// tools, red filters and fixing-eye boxes of the main window and repaints the
// view while a movement is under way.
class CoverAnimationTimer : public wxTimer {
public:
    static constexpr int kIntervalMs = 10;

    explicit CoverAnimationTimer(PatientFrame* frame) : m_frame(frame) {}

    void Notify() override;

    const CoverBlends& blends() const { return m_animation.blends(); }
    const CoverAnimation& animation() const { return m_animation; }
    // Ticks so far in which a factor moved and the view was asked to repaint.
    unsigned long movingTicks() const { return m_movingTicks; }

private:
    CoverInputs readInputs() const;

    PatientFrame* m_frame;
    CoverAnimation m_animation;
    unsigned long m_movingTicks = 0;
};
