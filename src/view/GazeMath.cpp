#include "view/GazeMath.h"

#include <cmath>

namespace {
constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kDegreesPerPixel = 0.125;
}

PointerOffset GazePointerOffset(int x, int y, int centreX, int centreY)
{
    return {x - centreX, centreY - y};
}

EyeGaze GazeTowardsPointer(PointerOffset offset, int horizontalTiltSpin, int verticalTiltSpin,
                           int unitDivisor, float previousAzimuth)
{
    const double horizontalTilt = horizontalTiltSpin * kRadiansPerDegree / unitDivisor;
    const double verticalTilt = -verticalTiltSpin * kRadiansPerDegree / unitDivisor;
    const float px = static_cast<float>(offset.dx + offset.dy * std::tan(horizontalTilt));
    const float py = static_cast<float>(offset.dy + offset.dx * std::tan(verticalTilt));

    EyeGaze gaze;
    gaze.azimuth = (px == 0.0f && py == 0.0f)
                       ? previousAzimuth
                       : static_cast<float>(std::atan(static_cast<double>(px / py)) * -kDegreesPerRadian);
    const float distance = std::sqrt(px * px + py * py);
    gaze.elevation = static_cast<float>(kDegreesPerPixel * (py >= 0.0f ? -distance : distance));
    return gaze;
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
    const int row = (key - 1) / 3 - 1;      // -1 down, 0 centre, 1 up
    return {column * eccentricity, row * eccentricity};
}
