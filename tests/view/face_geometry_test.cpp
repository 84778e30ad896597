#include "view/FaceGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180;

void ExpectMargins(const LidMargins& margins, double upper, double lower)
{
    EXPECT_NEAR(margins.upper, upper, 1e-9);
    EXPECT_NEAR(margins.lower, lower, 1e-9);
}

}  // namespace

// The upper lid rides with the globe one for one, the lower a third as far;
// retraction closes both in; a weak levator lowers the upper lid; neither
// margin covers the line of sight.
TEST(FaceGeometry, LidMarginsFollowGazeRetractionAndLevator)
{
    ExpectMargins(LidMarginsFor(0, 0, 100), 16, -20);
    ExpectMargins(LidMarginsFor(20, 0, 100), 36, -20 + 20.0 / 3);
    ExpectMargins(LidMarginsFor(-20, 0, 100), -4, -20 - 20.0 / 3);
    ExpectMargins(LidMarginsFor(0, 2, 100), 10, -16);
    ExpectMargins(LidMarginsFor(0, -3, 100), 16, -20);
    ExpectMargins(LidMarginsFor(0, 0, 0), 16 - kFullPtosisDegrees, -20);
    ExpectMargins(LidMarginsFor(0, 0, 50), 16 - kFullPtosisDegrees / 2, -20);
    ExpectMargins(LidMarginsFor(0, 0, 150), 16, -20);
    ExpectMargins(LidMarginsFor(0, 0, -20), 16 - kFullPtosisDegrees, -20);
    // Ptosis and retraction together stop at the clearance above the line of
    // sight, as does a retracted lower lid below it.
    ExpectMargins(LidMarginsFor(0, 3, 0), kMarginClearance, -14);
    ExpectMargins(LidMarginsFor(0, 8, 100), kMarginClearance, -kMarginClearance);
    ExpectMargins(LidMarginsFor(50, 0, 100), 60, -20 + 50.0 / 3);
    EXPECT_NEAR(LidMarginsFor(-150, 0, 100).lower, -60, 1e-9);
}

TEST(FaceGeometry, LashesGrowFromTheMarginsUpwardsAndDownwards)
{
    const LidMargins margins{20, -18};
    const std::vector<LashSegment> lashes = Lashes(margins);
    ASSERT_EQ(lashes.size(), 32u);
    // The middle lash of the upper row, and of the lower row, root on the
    // margin straight ahead.
    const LashSegment& upper = lashes[11];
    EXPECT_NEAR(upper.from.x, 0, 1e-9);
    EXPECT_NEAR(upper.from.y, kLidShellRadius * std::sin(20 * kRadiansPerDegree), 1e-9);
    EXPECT_NEAR(upper.from.z, kLidShellRadius * std::cos(20 * kRadiansPerDegree), 1e-9);
    const LashSegment& lower = lashes[23 + 4];
    EXPECT_NEAR(lower.from.y, kLidShellRadius * std::sin(-18 * kRadiansPerDegree), 1e-9);
    for (std::size_t i = 0; i < lashes.size(); ++i) {
        const LashSegment& lash = lashes[i];
        EXPECT_NEAR(std::hypot(lash.from.x, lash.from.y, lash.from.z), kLidShellRadius, 1e-9) << i;
        EXPECT_GT(lash.to.z, lash.from.z) << i;
        if (i < 23)
            EXPECT_GT(lash.to.y, lash.from.y) << i;
        else
            EXPECT_LT(lash.to.y, lash.from.y) << i;
    }
    // The rows fan out towards the corners: the outermost lashes lean away from the middle.
    EXPECT_LT(lashes.front().to.x - lashes.front().from.x, 0);
    EXPECT_GT(lashes[22].to.x - lashes[22].from.x, 0);
}
