#pragma once

// Size of the GL viewport in pixels; both sides are at least 1.
struct ViewportSize {
    int width = 1;
    int height = 1;
};

// The fixed model-view translation that sets the scene in front of the viewer.
constexpr float kSceneDepth = -6.0f;

// Arguments of glFrustum.
struct FrustumExtents {
    double left = 0;
    double right = 0;
    double bottom = 0;
    double top = 0;
    double nearPlane = 0;
    double farPlane = 0;
};

// The viewport is the canvas's whole drawing area, so the view follows the
// window. A width of -1 means the size is not known yet and keeps the current
// viewport. Sides that would come out smaller than 1 become 1, so the
// projection never divides by zero or mirrors the view.
ViewportSize ViewportForCanvasSize(ViewportSize current, int canvasWidth, int canvasHeight);

// A narrow, almost orthographic view: the shorter side of the viewport spans
// +-1/6 at the near plane, the longer side widens in proportion.
FrustumExtents ProjectionFrustum(ViewportSize viewport);

// The shorter side of the view in a window of the default size, in pixels.
constexpr int kDefaultViewShortSide = 397;

// How many pixels of the view at the default window size one pixel of this
// view spans: less than 1 in a larger window or a zoomed one.
double DefaultPixelsPerPixel(ViewportSize viewport, const FrustumExtents& frustum);

// Where a point given in eye coordinates (after the fixed model-view
// translation and the head's depth) lands in the viewport, in pixels from its
// top left, as gluProject would place it.
struct ViewportPixel {
    double x = 0;
    double y = 0;
};
ViewportPixel ProjectToViewport(ViewportSize viewport, const FrustumExtents& frustum, double x, double y, double z);

// In presentation mode the two eyes fill most of a wide screen's width
// rather than a share set by its height: the factor by which the frustum
// narrows for that, 1 for a viewport taller than wide.
double PresentationZoom(ViewportSize viewport);
FrustumExtents ZoomedFrustum(const FrustumExtents& frustum, double zoom);

// The part of `whole` that one tile of a picture `scale` times the view's
// size shows; column 0 is the left edge, row 0 the top edge.
FrustumExtents TileFrustum(const FrustumExtents& whole, int scale, int column, int row);
