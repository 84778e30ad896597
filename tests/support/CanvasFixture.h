#pragma once

#include "FrameFixture.h"
#include "ViewProbe.h"

#include <optional>

class EyesCanvas;

// Head coordinates of the eyes' centres: eye 1 (the right eye) on the viewer's left.
constexpr double kEye1 = -0.5;
constexpr double kEye2 = 0.5;

// Nearly black: the pupil.
bool IsPupil(Rgb c);

// The program started in English with its view ready to draw, and the view's
// pixels measured at the distance the slider shows.
class CanvasFixture : public FrameFixture {
protected:
    void SetUp() override;

    int Distance() const;
    // Where a point of the head lands in the last frame, and pixels per head unit there.
    PixelPoint At(double x, double y, double z = 0) const;
    double Unit() const;
    // The pupil of the eye centred at eyeX, searched within 0.3 units of that centre.
    std::optional<PixelPoint> PupilOf(const ViewImage& image, double eyeX) const;
    void SetTool(int id, bool on);

    EyesCanvas* m_canvas = nullptr;
};
