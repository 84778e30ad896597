#include "view/FaceGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180;

void ExpectMargins(const LidMargins& margins, double upper, double lower)
{
    EXPECT_NEAR(margins.upper, upper, 1e-9);
    EXPECT_NEAR(margins.lower, lower, 1e-9);
}

struct RecordingSink : MeshSink {
    void BeginStrip(StripKind) override { stripStarts.push_back(vertices.size()); }
    void Vertex(const MeshVertex& vertex) override { vertices.push_back(vertex); }
    void EndStrip() override {}
    std::vector<MeshVertex> vertices;
    std::vector<std::size_t> stripStarts;
};

double LatitudeOf(const Vec3& v)
{
    return std::atan2(v.y, std::hypot(v.x, v.z)) / kRadiansPerDegree;
}

// The skin's true slope at (x, y); the renderer takes it over a hundredth of
// a unit, close enough.
void ExpectSkinNormal(const MeshVertex& vertex, double x, double y)
{
    constexpr double h = 1e-5;
    const double dx = (SkinDepth(x + h, y) - SkinDepth(x - h, y)) / (2 * h);
    const double dy = (SkinDepth(x, y + h) - SkinDepth(x, y - h)) / (2 * h);
    const double length = std::sqrt(dx * dx + dy * dy + 1);
    ASSERT_TRUE(vertex.normal);
    EXPECT_NEAR(vertex.normal->x, -dx / length, 0.01) << x << ", " << y;
    EXPECT_NEAR(vertex.normal->y, -dy / length, 0.01) << x << ", " << y;
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
    // Towards the corners the margin arches down to the canthus.
    const double corner = kCanthusLatitude + (20 - kCanthusLatitude) * std::cos(0.85 * 3.14159265358979323846 / 2);
    EXPECT_NEAR(LatitudeOf(lashes.front().from), corner, 1e-9);
    // The rows fan out towards the corners: the outermost lashes lean away from the middle.
    EXPECT_LT(lashes.front().to.x - lashes.front().from.x, 0);
    EXPECT_GT(lashes[22].to.x - lashes[22].from.x, 0);
}

// The skin reaches past the view on every side, and each vertex is lit by
// the true slope of the surface there.
TEST(FaceGeometry, SkinCoversTheViewAndItsNormalsFollowItsSlope)
{
    RecordingSink skin;
    EmitSkin(skin);
    ASSERT_FALSE(skin.vertices.empty());
    const auto [low, high] =
        std::minmax_element(skin.vertices.begin(), skin.vertices.end(),
                            [](const MeshVertex& a, const MeshVertex& b) { return a.position.y < b.position.y; });
    EXPECT_LE(low->position.y, -2.2);
    EXPECT_GE(high->position.y, 2.2);
    // Its rows of quads meet without gaps or overlaps: each row's lower edge
    // (every second vertex) is the upper edge of the row below.
    for (std::size_t row = 1; row < skin.stripStarts.size(); ++row)
        EXPECT_DOUBLE_EQ(skin.vertices[skin.stripStarts[row] + 1].position.y,
                         skin.vertices[skin.stripStarts[row - 1]].position.y)
            << row;
    for (const MeshVertex& vertex : skin.vertices) {
        const Vec3& p = vertex.position;
        EXPECT_NEAR(p.z, SkinDepth(p.x, p.y), 1e-12);
        ExpectSkinNormal(vertex, p.x, p.y);
    }
    // The bridge of the nose stands well out of the cheeks beside it, most
    // where it is broad, below the eyes.
    EXPECT_GT(SkinDepth(0, -0.8) - SkinDepth(0.45, -0.8), 0.25);
    EXPECT_GT(SkinDepth(0, -0.8), SkinDepth(0, 0.2));
}

// Each brow is thickest at its head beside the nose, arches over its outer
// third and ends about level with its head, keeping half its thickness.
TEST(FaceGeometry, BrowsArchAndTaperTowardsTheTemples)
{
    RecordingSink brows;
    EmitBrows(brows);
    ASSERT_EQ(brows.stripStarts.size(), 2u);
    for (std::size_t brow = 0; brow < 2; ++brow) {
        const std::size_t first = brows.stripStarts[brow];
        const std::size_t end = brow + 1 < 2 ? brows.stripStarts[1] : brows.vertices.size();
        const auto middle = [&](std::size_t pair) {
            return (brows.vertices[first + 2 * pair].position.y + brows.vertices[first + 2 * pair + 1].position.y) / 2;
        };
        const auto thickness = [&](std::size_t pair) {
            return brows.vertices[first + 2 * pair].position.y - brows.vertices[first + 2 * pair + 1].position.y;
        };
        const std::size_t tail = (end - first) / 2 - 1;
        double peak = 0;
        for (std::size_t pair = 0; pair <= tail; ++pair)
            peak = std::max(peak, middle(pair));
        EXPECT_GT(peak, middle(0) + 0.05) << brow;
        EXPECT_GT(peak, middle(tail) + 0.03) << brow;
        EXPECT_NEAR(middle(tail), middle(0), 0.05) << brow;
        EXPECT_LT(thickness(tail), thickness(0)) << brow;
        EXPECT_GT(thickness(tail), thickness(0) / 2) << brow;
        // The tail lies towards the temple of its own side.
        EXPECT_GT(std::abs(brows.vertices[first + 2 * tail].position.x), std::abs(brows.vertices[first].position.x));
    }
}

// Each lid runs from its margin to the pole of its shell, round near the
// fissure and lit as the skin further out, and its edge faces the fissure:
// down from the upper lid, up from the lower.
TEST(FaceGeometry, LidsRunFromTheirMarginsToThePolesAndTheirEdgesFaceTheFissure)
{
    const LidMargins margins{16, -20};
    constexpr double kCentreX = 0.5;
    for (const bool upper : {true, false}) {
        RecordingSink lid;
        upper ? EmitUpperLid(lid, margins, kCentreX) : EmitLowerLid(lid, margins, kCentreX);
        ASSERT_FALSE(lid.vertices.empty());
        double towardsPole = 0;
        for (const MeshVertex& vertex : lid.vertices)
            towardsPole = std::max(towardsPole, std::abs(LatitudeOf(vertex.position)));
        EXPECT_NEAR(towardsPole, 90, 1e-6) << upper;
        const std::size_t edgeStart = lid.stripStarts.back();
        for (std::size_t i = 0; i < edgeStart; ++i) {
            const Vec3& p = lid.vertices[i].position;
            const double away = std::hypot(p.x, p.y);
            if (away <= 0.25) {
                ASSERT_TRUE(lid.vertices[i].normal);
                EXPECT_NEAR(lid.vertices[i].normal->x, p.x / kLidShellRadius, 1e-9) << i;
                EXPECT_NEAR(lid.vertices[i].normal->z, p.z / kLidShellRadius, 1e-9) << i;
            } else if (away >= 0.4) {
                ExpectSkinNormal(lid.vertices[i], kCentreX + p.x, p.y);
            }
        }
        // The edge's middle vertex pair comes last but one strip: its normal points into the fissure.
        const MeshVertex& edgeMiddle = lid.vertices[lid.vertices.size() - 26];
        ASSERT_TRUE(edgeMiddle.normal);
        EXPECT_NEAR(LatitudeOf(edgeMiddle.position), upper ? 16 : -20, 1e-9) << upper;
        EXPECT_EQ(edgeMiddle.normal->y < 0, upper);
    }
}
