#pragma once

#include "examination/Examination.h"

#include <cstdint>

// The window around the view: the examination the view shows and the edits a
// click into the picture makes. The view knows nothing else of that window.
class ViewHost {
public:
    // False while the window is still being built: there is nothing to show yet.
    virtual bool ExaminationReady() const = 0;
    virtual const Examination& ExaminationNow() const = 0;
    // The axis lines shown for a moment after a tilt changed.
    virtual bool AxisOverlaysShowing() const = 0;
    // A recording moves the eyes; the pointer does not.
    virtual bool IsPlaybackMode() const = 0;

    virtual void ShowCannotFixate(bool cannot) = 0;
    // Marks or unmarks the quadrants whose bits are set, as an edit of the case.
    virtual void ToggleQuadrantMarks(std::uint8_t toggled) = 0;
    virtual void SwitchManifestLatent() = 0;
    // The patient holds his head as a drag in the view moved it.
    virtual void SetHeadPosture(const HeadPosture& head) = 0;

protected:
    ~ViewHost() = default;
};
