#include "view/ViewProjection.h"

#include <gtest/gtest.h>

namespace {

TEST(Viewport, ControlsTakeTheirRoomFromTheClientArea)
{
    const ViewportSize viewport = ViewportForClientSize({}, 1000, 700);
    EXPECT_EQ(viewport.width, 772);
    EXPECT_EQ(viewport.height, 578);
}

TEST(Viewport, NeverCollapsesToZeroOrNegative)
{
    EXPECT_EQ(ViewportForClientSize({}, 800, 122).height, 1);
    EXPECT_EQ(ViewportForClientSize({}, 800, 123).height, 1);
    EXPECT_EQ(ViewportForClientSize({}, 800, 124).height, 2);
    EXPECT_EQ(ViewportForClientSize({}, 800, 50).height, 1);
    EXPECT_EQ(ViewportForClientSize({}, 228, 600).width, 1);
    EXPECT_EQ(ViewportForClientSize({}, 100, 600).width, 1);
}

TEST(Viewport, UnknownClientSizeKeepsTheCurrentViewport)
{
    const ViewportSize viewport = ViewportForClientSize({640, 480}, -1, 900);
    EXPECT_EQ(viewport.width, 640);
    EXPECT_EQ(viewport.height, 480);
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

TEST(Frustum, DepthRangeIsFixed)
{
    for (const ViewportSize size : {ViewportSize{900, 600}, ViewportSize{300, 600}, ViewportSize{1, 1}}) {
        const FrustumExtents frustum = ProjectionFrustum(size);
        EXPECT_DOUBLE_EQ(frustum.nearPlane, 74.3);
        EXPECT_DOUBLE_EQ(frustum.farPlane, 550.0);
    }
}

}  // namespace
