#include "view/GazeMath.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kDegreesPerPixel = 0.125;
}  // namespace

PointerOffset GazePointerOffset(int x, int y, int centreX, int centreY)
{
    return {x - centreX, centreY - y};
}

EyeGaze GazeTowardsPointer(PointerOffset offset, int horizontalTiltSpin, int verticalTiltSpin, int unitDivisor,
                           float previousAzimuth)
{
    const double horizontalTilt = horizontalTiltSpin * kRadiansPerDegree / unitDivisor;
    const double verticalTilt = -verticalTiltSpin * kRadiansPerDegree / unitDivisor;
    const float px = static_cast<float>(offset.dx + offset.dy * std::tan(horizontalTilt));
    const float py = static_cast<float>(offset.dy + offset.dx * std::tan(verticalTilt));

    EyeGaze gaze;
    gaze.azimuth = (px == 0.0f && py == 0.0f)
                       ? previousAzimuth
                       : static_cast<float>(std::atan(static_cast<double>(px / py)) * -kDegreesPerRadian);
    const float distance =
        std::min(std::sqrt(px * px + py * py), static_cast<float>(kGazeLimitDegrees / kDegreesPerPixel));
    gaze.elevation = static_cast<float>(kDegreesPerPixel * (py >= 0.0f ? -distance : distance));
    return gaze;
}

PointerOffset TargetOffset(PointerOffset offset, double defaultPixelsPerPixel)
{
    double dx = offset.dx * defaultPixelsPerPixel;
    double dy = offset.dy * defaultPixelsPerPixel;
    const double reach = kGazeLimitDegrees / kDegreesPerPixel;
    const double length = std::hypot(dx, dy);
    if (length > reach) {
        dx *= reach / length;
        dy *= reach / length;
    }
    return {static_cast<int>(std::lround(dx)), static_cast<int>(std::lround(dy))};
}

int DragSignForPointer(int x, int centreX)
{
    return centreX >= x ? 1 : -1;
}

PointerOffset PointerOffsetForDirection(GazeDirection direction)
{
    return {static_cast<int>(std::lround(direction.right / kDegreesPerPixel)),
            static_cast<int>(std::lround(direction.up / kDegreesPerPixel))};
}

GazeDirection KeypadGazePosition(int key, double eccentricity)
{
    if (key < 1 || key > 9)
        return {};
    const int column = (key - 1) % 3 - 1;  // -1 left, 0 centre, 1 right
    const int row = (key - 1) / 3 - 1;     // -1 down, 0 centre, 1 up
    return {column * eccentricity, row * eccentricity};
}
