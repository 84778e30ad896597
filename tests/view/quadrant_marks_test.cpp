#include "view/QuadrantMarks.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// Coordinates are the unprojected pointer x 100; negative y is above the eye.
// The other eye's x is put on a boundary so it toggles nothing.
constexpr double kNoEye1 = 0.0;
constexpr double kNoEye2 = 0.0;

TEST(QuadrantToggle, EachQuadrantOfEyeOne)
{
    EXPECT_EQ(QuadrantToggleMask(-0.7, -0.2, kNoEye2, 0), 0x80);
    EXPECT_EQ(QuadrantToggleMask(-0.7, 0.2, kNoEye2, 0), 0x20);
    EXPECT_EQ(QuadrantToggleMask(-0.3, -0.2, kNoEye2, 0), 0x40);
    EXPECT_EQ(QuadrantToggleMask(-0.3, 0.2, kNoEye2, 0), 0x10);
}

TEST(QuadrantToggle, EachQuadrantOfEyeTwo)
{
    EXPECT_EQ(QuadrantToggleMask(kNoEye1, 0, 0.3, -0.2), 0x08);
    EXPECT_EQ(QuadrantToggleMask(kNoEye1, 0, 0.3, 0.2), 0x02);
    EXPECT_EQ(QuadrantToggleMask(kNoEye1, 0, 0.7, -0.2), 0x04);
    EXPECT_EQ(QuadrantToggleMask(kNoEye1, 0, 0.7, 0.2), 0x01);
}

TEST(QuadrantToggle, BoundariesToggleNothing)
{
    EXPECT_EQ(QuadrantToggleMask(-0.5, -0.2, 0.5, -0.2), 0);
    EXPECT_EQ(QuadrantToggleMask(0.0, -0.2, 0.0, -0.2), 0);
    EXPECT_EQ(QuadrantToggleMask(-0.7, 0.0, 0.7, 0.0), 0);
    EXPECT_EQ(QuadrantToggleMask(-0.3, 0.0, 0.3, 0.0), 0);
    // Right of the midline for eye 1, left of it for eye 2.
    EXPECT_EQ(QuadrantToggleMask(0.3, -0.2, -0.3, -0.2), 0);
}

TEST(QuadrantToggle, FailedUnprojectionTogglesNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(QuadrantToggleMask(nan, nan, nan, nan), 0);
    EXPECT_EQ(QuadrantToggleMask(-0.7, nan, 0.7, nan), 0);
}

TEST(QuadrantToggle, BothEyesAnswerIndependently)
{
    EXPECT_EQ(QuadrantToggleMask(-0.7, -0.2, 0.7, 0.2), 0x80 | 0x01);
    std::uint8_t marks = 0x80 | 0x04;
    marks ^= QuadrantToggleMask(-0.7, -0.2, 0.7, -0.2);
    EXPECT_EQ(marks, 0) << "toggling a set mark clears it";
}

}  // namespace
