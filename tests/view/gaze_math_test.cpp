#include "view/GazeMath.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kTolerance = 1e-4f;
const float kDiagonalElevation = static_cast<float>(0.125 * std::sqrt(2.0) * 100);

EyeGaze Untilted(int dx, int dy, float previousAzimuth = 0)
{
    return GazeTowardsPointer({dx, dy}, 0, 0, 100, previousAzimuth);
}

TEST(GazeTowardsPointer, AzimuthAndElevationInEachQuadrant)
{
    struct Case {
        int dx, dy;
        float azimuth, elevation;
    };
    const Case cases[] = {
        {100, 100, -45, -kDiagonalElevation},   // upper right
        {-100, 100, 45, -kDiagonalElevation},   // upper left
        {-100, -100, -45, kDiagonalElevation},  // lower left
        {100, -100, 45, kDiagonalElevation},    // lower right
        {0, 100, 0, -12.5f},
        {0, -100, 0, 12.5f},
    };
    for (const Case& c : cases) {
        const EyeGaze gaze = Untilted(c.dx, c.dy);
        EXPECT_NEAR(gaze.azimuth, c.azimuth, kTolerance) << c.dx << "," << c.dy;
        EXPECT_NEAR(gaze.elevation, c.elevation, kTolerance) << c.dx << "," << c.dy;
    }
}

TEST(GazeTowardsPointer, EighthOfADegreePerPixel)
{
    EXPECT_FLOAT_EQ(Untilted(0, -8).elevation, 1.0f);
    EXPECT_FLOAT_EQ(Untilted(-30, -40).elevation, 0.125f * 50);
}

TEST(GazeTowardsPointer, ElevationIsNegativeWheneverThePointerIsNotBelow)
{
    // On the horizontal line the ratio is infinite: the eye turns a full
    // quarter of azimuth and still counts as "not below".
    const EyeGaze right = Untilted(80, 0);
    EXPECT_NEAR(right.azimuth, -90, kTolerance);
    EXPECT_FLOAT_EQ(right.elevation, -10);
    const EyeGaze left = Untilted(-80, 0);
    EXPECT_NEAR(left.azimuth, 90, kTolerance);
    EXPECT_FLOAT_EQ(left.elevation, -10);
    EXPECT_GT(Untilted(80, -1).elevation, 0);
}

TEST(GazeTowardsPointer, AxisTiltsShearThePointerOffset)
{
    // 45 degrees of horizontal tilt moves a pointer straight above to the
    // upper right, whether the unit is hundredths or whole degrees.
    for (const auto& [spin, divisor] : {std::pair{4500, 100}, std::pair{45, 1}}) {
        const EyeGaze gaze = GazeTowardsPointer({0, 100}, spin, 0, divisor, 0);
        EXPECT_NEAR(gaze.azimuth, -45, kTolerance);
        EXPECT_NEAR(gaze.elevation, -kDiagonalElevation, kTolerance);
    }
    // The vertical tilt enters negated: +45 moves a pointer on the right downwards.
    const EyeGaze vertical = GazeTowardsPointer({100, 0}, 0, 4500, 100, 0);
    EXPECT_NEAR(vertical.azimuth, 45, kTolerance);
    EXPECT_NEAR(vertical.elevation, kDiagonalElevation, kTolerance);

    const EyeGaze small = GazeTowardsPointer({0, 100}, 1000, 0, 100, 0);
    EXPECT_NEAR(small.azimuth, -10, kTolerance);
}

TEST(GazeTowardsPointer, PointerOnTheCentreKeepsThePreviousAzimuth)
{
    const EyeGaze gaze = Untilted(0, 0, 33.5f);
    EXPECT_FLOAT_EQ(gaze.azimuth, 33.5f);
    EXPECT_FLOAT_EQ(gaze.elevation, 0);

    const EyeGaze tilted = GazeTowardsPointer({0, 0}, 2000, -1500, 100, -12);
    EXPECT_FLOAT_EQ(tilted.azimuth, -12);
    EXPECT_FALSE(std::isnan(tilted.elevation));
}

TEST(KeypadGaze, NinePositionsAsTheExaminerSeesThemAndBackThroughThePointerRule)
{
    const GazeDirection upLeft = KeypadGazePosition(7, 20);
    EXPECT_DOUBLE_EQ(upLeft.right, -20);
    EXPECT_DOUBLE_EQ(upLeft.up, 20);
    const GazeDirection right = KeypadGazePosition(6, 25);
    EXPECT_DOUBLE_EQ(right.right, 25);
    EXPECT_DOUBLE_EQ(right.up, 0);
    EXPECT_DOUBLE_EQ(KeypadGazePosition(1, 20).up, -20);  // the keypad's two ends
    EXPECT_DOUBLE_EQ(KeypadGazePosition(9, 20).right, 20);
    for (int key : {0, 5, 10}) {
        EXPECT_DOUBLE_EQ(KeypadGazePosition(key, 20).right, 0) << key;
        EXPECT_DOUBLE_EQ(KeypadGazePosition(key, 20).up, 0) << key;
    }
    // 20 degrees up is 160 pixels above the straight-ahead point, and the eyes turn by exactly that.
    const PointerOffset offset = PointerOffsetForDirection(KeypadGazePosition(8, 20));
    EXPECT_EQ(offset.dx, 0);
    EXPECT_EQ(offset.dy, 160);
    EXPECT_FLOAT_EQ(GazeTowardsPointer(offset, 0, 0, 100, 0).elevation, -20.0f);
}

TEST(DragSign, LeftOfTheStraightAheadPointIncludingItIsPositive)
{
    EXPECT_EQ(DragSignForPointer(0, 500), 1);
    EXPECT_EQ(DragSignForPointer(500, 500), 1);
    EXPECT_EQ(DragSignForPointer(501, 500), -1);
}

}  // namespace

TEST(TargetOffset, MeasuresInPixelsOfTheDefaultViewAndStopsAtTheGazeLimit)
{
    const PointerOffset same = TargetOffset({30, -40}, 1.0);
    EXPECT_EQ(same.dx, 30);
    EXPECT_EQ(same.dy, -40);
    // A view twice as large: the same point of the face is twice as far out.
    const PointerOffset halved = TargetOffset({60, -80}, 0.5);
    EXPECT_EQ(halved.dx, 30);
    EXPECT_EQ(halved.dy, -40);
    // Far out, the direction is kept and the eye turns no further than the limit.
    const PointerOffset far = TargetOffset({3000, 4000}, 1.0);
    EXPECT_EQ(far.dx, 240);
    EXPECT_EQ(far.dy, 320);
    EXPECT_FLOAT_EQ(GazeTowardsPointer(far, 0, 0, 100, 0).elevation, -kGazeLimitDegrees);
    // Axis tilts shear the offset outwards; the limit still holds.
    EXPECT_FLOAT_EQ(GazeTowardsPointer(far, 4500, 0, 100, 0).elevation, -kGazeLimitDegrees);
}
