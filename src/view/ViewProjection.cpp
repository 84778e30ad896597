#include "view/ViewProjection.h"

#include <algorithm>

namespace {
constexpr double kShortSideDivisor = 6.0;
constexpr double kNearPlane = 74.3;
constexpr double kFarPlane = 550.0;
}  // namespace

ViewportSize ViewportForCanvasSize(ViewportSize current, int canvasWidth, int canvasHeight)
{
    if (canvasWidth == -1)
        return current;
    return {std::max(canvasWidth, 1), std::max(canvasHeight, 1)};
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

double DefaultPixelsPerPixel(ViewportSize viewport, const FrustumExtents& frustum)
{
    const double defaultPixelsPerUnit = kDefaultViewShortSide * kShortSideDivisor / 2;
    return defaultPixelsPerUnit * (frustum.top - frustum.bottom) / viewport.height;
}

ViewportPixel ProjectToViewport(ViewportSize viewport, const FrustumExtents& f, double x, double y, double z)
{
    // Perspective division by -z, then the frustum's window onto [-1, 1].
    const double ndcX = (2 * f.nearPlane * x / -z - (f.right + f.left)) / (f.right - f.left);
    const double ndcY = (2 * f.nearPlane * y / -z - (f.top + f.bottom)) / (f.top - f.bottom);
    return {(ndcX + 1) * 0.5 * viewport.width, (1 - ndcY) * 0.5 * viewport.height};
}

FrustumExtents TileFrustum(const FrustumExtents& whole, int scale, int column, int row)
{
    const double width = (whole.right - whole.left) / scale;
    const double height = (whole.top - whole.bottom) / scale;
    FrustumExtents tile = whole;
    tile.left = whole.left + width * column;
    tile.right = tile.left + width;
    tile.top = whole.top - height * row;
    tile.bottom = tile.top - height;
    return tile;
}

double PresentationZoom(ViewportSize viewport)
{
    // At zoom 1 the pair of eyes spans about 0.69 of a viewport's height;
    // this brings it to about 0.7 of the width at the far end, leaving room
    // for the larger eyes at the near end.
    constexpr double kWidthPerAspect = 1.02;
    constexpr double kLargest = 2.5;
    const double aspect = static_cast<double>(viewport.width) / viewport.height;
    return std::clamp(kWidthPerAspect * aspect, 1.0, kLargest);
}

FrustumExtents ZoomedFrustum(const FrustumExtents& frustum, double zoom)
{
    FrustumExtents zoomed = frustum;
    zoomed.left /= zoom;
    zoomed.right /= zoom;
    zoomed.bottom /= zoom;
    zoomed.top /= zoom;
    return zoomed;
}
