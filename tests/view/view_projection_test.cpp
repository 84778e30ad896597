#include "view/ViewProjection.h"

#include <gtest/gtest.h>

namespace {

TEST(Viewport, IsTheCanvasAndNeverCollapses)
{
    const ViewportSize viewport = ViewportForCanvasSize({}, 1000, 700);
    EXPECT_EQ(viewport.width, 1000);
    EXPECT_EQ(viewport.height, 700);
    EXPECT_EQ(ViewportForCanvasSize({}, 800, 0).height, 1);
    EXPECT_EQ(ViewportForCanvasSize({}, -5, 600).width, 1);
    const ViewportSize unknown = ViewportForCanvasSize({640, 480}, -1, 900);
    EXPECT_EQ(unknown.width, 640);
    EXPECT_EQ(unknown.height, 480);
}

TEST(Projection, AxisLandsOnTheCentreAndTheNearPlaneEdgeOnTheViewportEdge)
{
    for (const ViewportSize size : {ViewportSize{900, 600}, ViewportSize{301, 600}}) {
        for (double depth : {-80.0, -300.0, -549.0}) {
            const ViewportPixel centre = ProjectToViewport(size, ProjectionFrustum(size), 0, 0, depth);
            EXPECT_DOUBLE_EQ(centre.x, size.width / 2.0);
            EXPECT_DOUBLE_EQ(centre.y, size.height / 2.0);
        }
        // A point at the frustum's top right corner on the near plane is the viewport's top right.
        const FrustumExtents f = ProjectionFrustum(size);
        const ViewportPixel corner = ProjectToViewport(size, f, f.right, f.top, -f.nearPlane);
        EXPECT_NEAR(corner.x, size.width, 1e-9);
        EXPECT_NEAR(corner.y, 0, 1e-9);
        // Zoomed, the same point lies twice as far from the centre.
        const ViewportPixel zoomed = ProjectToViewport(size, ZoomedFrustum(f, 2), f.right / 4, 0, -f.nearPlane);
        EXPECT_NEAR(zoomed.x, size.width * 0.75, 1e-9);
    }
}

TEST(Frustum, ShorterSideSpansOneSixthAndTheLongerWidens)
{
    const FrustumExtents wide = ProjectionFrustum({900, 600});
    EXPECT_DOUBLE_EQ(wide.left, -0.25);
    EXPECT_DOUBLE_EQ(wide.right, 0.25);
    EXPECT_DOUBLE_EQ(wide.bottom, -1.0 / 6);
    EXPECT_DOUBLE_EQ(wide.top, 1.0 / 6);

    const FrustumExtents tall = ProjectionFrustum({300, 600});
    EXPECT_DOUBLE_EQ(tall.left, -1.0 / 6);
    EXPECT_DOUBLE_EQ(tall.right, 1.0 / 6);
    EXPECT_DOUBLE_EQ(tall.bottom, -1.0 / 3);
    EXPECT_DOUBLE_EQ(tall.top, 1.0 / 3);

    const FrustumExtents square = ProjectionFrustum({500, 500});
    EXPECT_DOUBLE_EQ(square.left, -1.0 / 6);
    EXPECT_DOUBLE_EQ(square.right, 1.0 / 6);
    EXPECT_DOUBLE_EQ(square.bottom, -1.0 / 6);
    EXPECT_DOUBLE_EQ(square.top, 1.0 / 6);
}

TEST(Frustum, RatioIsNotTruncatedToWholeNumbers)
{
    const FrustumExtents frustum = ProjectionFrustum({772, 578});
    EXPECT_DOUBLE_EQ(frustum.right, 772.0 / 578.0 / 6.0);
    EXPECT_DOUBLE_EQ(frustum.top, 1.0 / 6);
}

TEST(Frustum, TilesCoverTheWholeViewEdgeToEdge)
{
    const FrustumExtents whole = ProjectionFrustum({640, 480});
    for (int scale : {1, 2, 4}) {
        EXPECT_DOUBLE_EQ(TileFrustum(whole, scale, 0, 0).left, whole.left);
        EXPECT_DOUBLE_EQ(TileFrustum(whole, scale, 0, 0).top, whole.top);
        EXPECT_NEAR(TileFrustum(whole, scale, scale - 1, scale - 1).right, whole.right, 1e-12);
        EXPECT_NEAR(TileFrustum(whole, scale, scale - 1, scale - 1).bottom, whole.bottom, 1e-12);
        for (int i = 0; i + 1 < scale; ++i) {
            EXPECT_DOUBLE_EQ(TileFrustum(whole, scale, i, 0).right, TileFrustum(whole, scale, i + 1, 0).left);
            EXPECT_DOUBLE_EQ(TileFrustum(whole, scale, 0, i).bottom, TileFrustum(whole, scale, 0, i + 1).top);
        }
        EXPECT_DOUBLE_EQ(TileFrustum(whole, scale, 1 % scale, 0).nearPlane, whole.nearPlane);
    }
}

TEST(Frustum, PresentationZoomGrowsWithTheWidthWithinLimits)
{
    EXPECT_DOUBLE_EQ(PresentationZoom({600, 800}), 1.0);
    EXPECT_NEAR(PresentationZoom({1920, 1080}), 1.02 * 1920 / 1080, 1e-12);
    EXPECT_GT(PresentationZoom({1920, 1080}), PresentationZoom({1280, 1024}));
    EXPECT_DOUBLE_EQ(PresentationZoom({5000, 1000}), 2.5);
}

TEST(Frustum, DepthRangeIsFixed)
{
    for (const ViewportSize size : {ViewportSize{900, 600}, ViewportSize{300, 600}, ViewportSize{1, 1}}) {
        const FrustumExtents frustum = ProjectionFrustum(size);
        EXPECT_DOUBLE_EQ(frustum.nearPlane, 74.3);
        EXPECT_DOUBLE_EQ(frustum.farPlane, 550.0);
    }
}

}  // namespace
