#pragma once

// Size of the GL viewport in pixels; both sides are at least 1.
struct ViewportSize {
    int width = 1;
    int height = 1;
};

// Arguments of glFrustum.
struct FrustumExtents {
    double left = 0;
    double right = 0;
    double bottom = 0;
    double top = 0;
    double nearPlane = 0;
    double farPlane = 0;
};

// The canvas gets what the main window's controls leave of its client area.
// A client width of -1 means the size is not known yet and keeps the current
// viewport. Sides that would come out smaller than 1 become 1, so the
// projection never divides by zero or mirrors the view.
ViewportSize ViewportForClientSize(ViewportSize current, int clientWidth, int clientHeight);

// A narrow, almost orthographic view: the shorter side of the viewport spans
// +-1/6 at the near plane, the longer side widens in proportion.
FrustumExtents ProjectionFrustum(ViewportSize viewport);
