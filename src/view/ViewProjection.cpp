#include "view/ViewProjection.h"

#include <algorithm>

namespace {
// Room taken by the controls right of and below the canvas.
constexpr int kControlsWidth = 228;
constexpr int kControlsHeight = 122;

constexpr double kShortSideDivisor = 6.0;
constexpr double kNearPlane = 74.3;
constexpr double kFarPlane = 550.0;
}

ViewportSize ViewportForClientSize(ViewportSize current, int clientWidth, int clientHeight)
{
    if (clientWidth == -1)
        return current;
    return {std::max(clientWidth - kControlsWidth, 1), std::max(clientHeight - kControlsHeight, 1)};
}

FrustumExtents ProjectionFrustum(ViewportSize viewport)
{
    const double width = viewport.width;
    const double height = viewport.height;
    double halfWidth = 1.0 / kShortSideDivisor;
    double halfHeight = 1.0 / kShortSideDivisor;
    if (width > height)
        halfWidth = width / height / kShortSideDivisor;
    else
        halfHeight = height / width / kShortSideDivisor;
    return {-halfWidth, halfWidth, -halfHeight, halfHeight, kNearPlane, kFarPlane};
}
