#include "view/QuadrantMarks.h"

namespace {
constexpr double kOuterBoundary = 0.5;

std::uint8_t ByHeight(double y, std::uint8_t above, std::uint8_t below)
{
    if (y < 0)
        return above;
    if (y > 0)
        return below;
    return 0;
}
}

std::uint8_t QuadrantToggleMask(double x1, double y1, double x2, double y2)
{
    std::uint8_t mask = 0;
    if (x1 < -kOuterBoundary)
        mask |= ByHeight(y1, kEye1UpperOuter, kEye1LowerOuter);
    else if (x1 > -kOuterBoundary && x1 < 0)
        mask |= ByHeight(y1, kEye1UpperInner, kEye1LowerInner);
    if (x2 > 0 && x2 < kOuterBoundary)
        mask |= ByHeight(y2, kEye2UpperInner, kEye2LowerInner);
    else if (x2 > kOuterBoundary)
        mask |= ByHeight(y2, kEye2UpperOuter, kEye2LowerOuter);
    return mask;
}
