#include "view/EyeGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

struct Strip {
    StripKind kind;
    std::vector<MeshVertex> vertices;
};

class StripCollector : public MeshSink {
public:
    void BeginStrip(StripKind kind) override
    {
        ASSERT_FALSE(m_open) << "strip begun inside another";
        m_open = true;
        strips.push_back({kind, {}});
    }
    void Vertex(const MeshVertex& vertex) override
    {
        ASSERT_TRUE(m_open) << "vertex outside a strip";
        strips.back().vertices.push_back(vertex);
    }
    void EndStrip() override
    {
        ASSERT_TRUE(m_open) << "strip ended twice";
        m_open = false;
    }

    std::vector<Strip> strips;

private:
    bool m_open = false;
};

double Length(const Vec3& v)
{
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

struct BandCase {
    double segments;
    std::size_t bands;
    std::size_t verticesPerBand;
};

TEST(SphereBands, EyeballHasOneBandPerSegmentAndRingsOfSinglePrecisionSteps)
{
    // A band beyond the segment count would lie over the first one.
    for (const BandCase expected : {BandCase{15, 15, 16}, BandCase{22, 22, 22}, BandCase{45, 45, 40}}) {
        StripCollector sink;
        ASSERT_TRUE(
            EmitSphereBands(sink, kEyeballRadius, expected.segments, kEyeballThetaStart, kEyeballEndCut, false));
        ASSERT_EQ(sink.strips.size(), expected.bands) << expected.segments;
        for (const Strip& strip : sink.strips) {
            EXPECT_EQ(strip.kind, StripKind::TriangleStrip);
            ASSERT_EQ(strip.vertices.size(), expected.verticesPerBand) << expected.segments;
            for (const MeshVertex& vertex : strip.vertices) {
                EXPECT_FALSE(vertex.texCoord.has_value());
                ASSERT_TRUE(vertex.normal.has_value());
                EXPECT_NEAR(Length(*vertex.normal), 1.0, 1e-12);
                EXPECT_NEAR(Length(vertex.position), kEyeballRadius, 1e-12);
            }
        }
    }
}

TEST(SphereBands, EyeballLeavesAnOpeningAroundTheLineOfSightAndClosesBehind)
{
    StripCollector sink;
    ASSERT_TRUE(EmitSphereBands(sink, kEyeballRadius, 22, kEyeballThetaStart, kEyeballEndCut, false));
    const Strip& first = sink.strips.front();
    EXPECT_NEAR(first.vertices.front().normal->z, std::cos(double{0.49f}), 1e-12);
    EXPECT_NEAR(first.vertices.front().position.x, 0.0, 1e-15) << "first band starts at phi 0";
    EXPECT_GT(first.vertices.front().position.y, 0.0);
    // The last step would pass the pole and fold onto the far side.
    EXPECT_NEAR(first.vertices.back().normal->z, -1.0, 1e-12) << "last ring ends on the back pole";
}

TEST(SphereBands, NeighbouringBandsShareTheirEdgeAndTheLastClosesOnTheFirst)
{
    StripCollector sink;
    ASSERT_TRUE(EmitSphereBands(sink, kEyeballRadius, 45, kEyeballThetaStart, kEyeballEndCut, false));
    for (std::size_t band = 0; band < sink.strips.size(); ++band) {
        const auto& trailing = sink.strips[band].vertices;
        const auto& leading = sink.strips[(band + 1) % sink.strips.size()].vertices;
        for (std::size_t ring = 0; ring < trailing.size() / 2; ++ring) {
            EXPECT_EQ(trailing[2 * ring + 1].position.x, leading[2 * ring].position.x);
            EXPECT_EQ(trailing[2 * ring + 1].position.y, leading[2 * ring].position.y);
            EXPECT_EQ(trailing[2 * ring + 1].position.z, leading[2 * ring].position.z);
        }
    }
}

TEST(SphereBands, IrisIsAThinTexturedCapUsingTheLastTextureRows)
{
    StripCollector sink;
    ASSERT_TRUE(EmitSphereBands(sink, kIrisRadius, kIrisSegments, kIrisThetaStart, kIrisEndCut, true));
    ASSERT_EQ(sink.strips.size(), 57u);
    double minT = 1.0;
    double maxT = 0.0;
    for (const Strip& strip : sink.strips) {
        ASSERT_EQ(strip.vertices.size(), 6u) << "three rings: theta 0.1, 0.21 and 0.32";
        for (const MeshVertex& vertex : strip.vertices) {
            ASSERT_TRUE(vertex.texCoord.has_value());
            const Vec3& normal = *vertex.normal;
            const double sinTheta = std::hypot(normal.x, normal.y);
            EXPECT_DOUBLE_EQ(vertex.texCoord->t, normal.z);
            EXPECT_NEAR(vertex.texCoord->s * sinTheta, normal.x, 1e-15);
            EXPECT_NEAR(Length(vertex.position), kIrisRadius, 1e-12);
            minT = std::min(minT, vertex.texCoord->t);
            maxT = std::max(maxT, vertex.texCoord->t);
        }
    }
    EXPECT_NEAR(maxT, std::cos(double{0.1f}), 1e-12);
    EXPECT_NEAR(minT, 0.949, 0.001);
}

TEST(SphereBands, RefusesSegmentCountsThatCouldHangOrDegenerate)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const double segments : {0.0, -22.0, 2.0, 1e9, nan, std::numeric_limits<double>::infinity()}) {
        StripCollector sink;
        EXPECT_FALSE(EmitSphereBands(sink, kEyeballRadius, segments, kEyeballThetaStart, 0, false)) << segments;
        EXPECT_TRUE(sink.strips.empty());
    }
    for (const double angle : {-0.1, 3.2, nan}) {
        StripCollector sink;
        EXPECT_FALSE(EmitSphereBands(sink, kEyeballRadius, 22, angle, 0, false)) << angle;
        EXPECT_FALSE(EmitSphereBands(sink, kEyeballRadius, 22, 0.49, angle, false)) << angle;
        EXPECT_TRUE(sink.strips.empty());
    }
}

TEST(Torus, QuadStripsAroundTheRingWithoutNormals)
{
    const double major = 0.4;
    const double minor = 0.014;
    StripCollector sink;
    EmitTorus(sink, major, minor);
    ASSERT_EQ(sink.strips.size(), 63u);
    for (const Strip& strip : sink.strips) {
        EXPECT_EQ(strip.kind, StripKind::QuadStrip);
        ASSERT_EQ(strip.vertices.size(), 34u);
        for (const MeshVertex& vertex : strip.vertices) {
            EXPECT_FALSE(vertex.normal.has_value());
            EXPECT_FALSE(vertex.texCoord.has_value());
            const Vec3& p = vertex.position;
            const double fromRing = std::hypot(std::hypot(p.x, p.y) - major, p.z);
            EXPECT_NEAR(fromRing, minor, 1e-12);
        }
    }
    // Each strip pairs angle u with u + 0.1.
    const auto& pair = sink.strips.front().vertices;
    EXPECT_NEAR(std::atan2(pair[1].position.y, pair[1].position.x) - std::atan2(pair[0].position.y, pair[0].position.x),
                0.1, 1e-12);
}

}  // namespace

TEST(SphereBands, SegmentsForTheSizeOnScreenKeepTheOutlineWithinHalfAPixel)
{
    const auto stray = [](double radius, int segments) {
        return radius * (1 - std::cos(3.141592653589793 / segments));
    };
    EXPECT_EQ(SegmentsForPixelRadius(20, 22), 22) << "a small ball keeps the chosen count";
    EXPECT_EQ(SegmentsForPixelRadius(0, 15), 15);
    for (const double radius : {60.0, 150.0, 400.0, 900.0}) {
        const int segments = SegmentsForPixelRadius(radius, 15);
        EXPECT_LE(stray(radius, segments), 0.5) << radius;
        EXPECT_GT(stray(radius, segments - 1), 0.5) << radius << ": no more than needed";
    }
    EXPECT_EQ(SegmentsForPixelRadius(400, 100), 100) << "the chosen count is the least";
    EXPECT_EQ(SegmentsForPixelRadius(1e9, 15), static_cast<int>(kMaxSphereSegments));
}
