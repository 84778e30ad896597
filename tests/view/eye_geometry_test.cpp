#include "view/EyeGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <tuple>
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

Vec3 Minus(const Vec3& a, const Vec3& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Vec3 Cross(const Vec3& a, const Vec3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double Dot(const Vec3& a, const Vec3& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// The angle at the ball's centre between two of its surface points.
double Apart(const Vec3& a, const Vec3& b)
{
    return std::acos(std::clamp(Dot(a, b) / (Length(a) * Length(b)), -1.0, 1.0));
}

// Outward when seen from outside a ball centred on the origin, counter-clockwise as GL's front faces.
bool FacesOut(const Vec3& a, const Vec3& b, const Vec3& c)
{
    const Vec3 centroid{(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3, (a.z + b.z + c.z) / 3};
    return Dot(Cross(Minus(b, a), Minus(c, a)), centroid) > 0;
}

using Point = std::tuple<double, double, double>;

Point Key(const Vec3& v)
{
    return {v.x, v.y, v.z};
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
        ASSERT_EQ(strip.vertices.size(), 18u);
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

// The disc covers its rim polygon once: every triangle faces +z, they add up
// to the polygon's area, and each rim edge belongs to exactly one of them.
TEST(FlatDisc, TrianglesTileTheRimPolygonOnceFacingTheViewer)
{
    constexpr double kTwoPi = 2 * 3.141592653589793;
    for (const int slices : {3, 10, 16, 130}) {
        StripCollector sink;
        EmitFlatDisc(sink, 0.4, slices);
        ASSERT_EQ(sink.strips.size(), 1u);
        EXPECT_EQ(sink.strips.front().kind, StripKind::Triangles);
        const std::vector<MeshVertex>& corners = sink.strips.front().vertices;
        ASSERT_EQ(corners.size(), 3u * (slices - 2)) << slices;
        // A corner's slice, counted from +y towards +x as GLU counts them.
        const auto slice = [&](const Vec3& p) {
            EXPECT_NEAR(std::hypot(p.x, p.y), 0.4, 1e-6);
            EXPECT_EQ(p.z, 0);
            return (std::lround(std::atan2(p.x, p.y) / kTwoPi * slices) + slices) % slices;
        };
        double area = 0;
        std::map<std::pair<long, long>, int> edges;
        for (std::size_t i = 0; i < corners.size(); i += 3) {
            const Vec3& a = corners[i].position;
            const Vec3& b = corners[i + 1].position;
            const Vec3& c = corners[i + 2].position;
            const double twice = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
            EXPECT_GT(twice, 0) << slices << " triangle " << i / 3;
            area += twice / 2;
            ++edges[{slice(a), slice(b)}], ++edges[{slice(b), slice(c)}], ++edges[{slice(c), slice(a)}];
        }
        EXPECT_NEAR(area, slices * 0.16 * std::sin(kTwoPi / slices) / 2, 1e-6) << slices;
        // Counter-clockwise round the rim runs against the slices' order.
        for (long i = 0; i < slices; ++i)
            EXPECT_EQ((edges[{(i + 1) % slices, i}]), 1) << slices << " edge " << i;
    }
}

TEST(SilhouetteCap, FacesOutClosesWithoutGapsAndEndsInTheOutlinePolygon)
{
    const CapSpacing spacing;
    for (const int outline : {57, 111}) {
        const double silhouette = SilhouetteTheta(kEyeballRadius, 6.5);
        StripCollector sink;
        ASSERT_TRUE(EmitSilhouetteCap(sink, kEyeballRadius, outline, silhouette, spacing));
        ASSERT_EQ(sink.strips.size(), 1u);
        ASSERT_EQ(sink.strips[0].kind, StripKind::Triangles);
        const std::vector<MeshVertex>& corners = sink.strips[0].vertices;
        ASSERT_EQ(corners.size() % 3, 0u);
        // Each directed edge once; an inner edge also runs the other way in its neighbour.
        std::map<std::pair<Point, Point>, int> edges;
        for (std::size_t first = 0; first < corners.size(); first += 3) {
            const Vec3 triangle[] = {corners[first].position, corners[first + 1].position, corners[first + 2].position};
            ASSERT_TRUE(FacesOut(triangle[0], triangle[1], triangle[2])) << outline << " triangle " << first / 3;
            for (int side = 0; side < 3; ++side)
                ++edges[{Key(triangle[side]), Key(triangle[(side + 1) % 3])}];
        }
        for (const MeshVertex& corner : corners) {
            EXPECT_NEAR(Length(corner.position), kEyeballRadius, 1e-12);
            EXPECT_NEAR(Length(*corner.normal), 1.0, 1e-12);
        }
        int outlineEdges = 0;
        for (const auto& [edge, count] : edges) {
            ASSERT_EQ(count, 1) << outline << ": an edge drawn twice";
            const Vec3 from{std::get<0>(edge.first), std::get<1>(edge.first), std::get<2>(edge.first)};
            const Vec3 to{std::get<0>(edge.second), std::get<1>(edge.second), std::get<2>(edge.second)};
            if (edges.count({edge.second, edge.first}) == 1) {
                const bool nearPole = std::min(from.z, to.z) > kEyeballRadius * std::cos(spacing.highlightZone);
                EXPECT_LE(Apart(from, to), 2 * (nearPole ? spacing.highlightStep : spacing.step))
                    << outline << ": no triangle wider than its spacing";
                continue;
            }
            ++outlineEdges;
            EXPECT_NEAR(Apart(from, Vec3{0, 0, 1}), silhouette, 1e-12) << "an open edge off the silhouette";
            EXPECT_NEAR(Apart(from, to), 2 * std::asin(std::sin(silhouette) * std::sin(3.141592653589793 / outline)),
                        1e-12);
        }
        EXPECT_EQ(outlineEdges, outline);
        // What the cap is for: fewer than half the triangles of bands with the same count.
        StripCollector bands;
        ASSERT_TRUE(EmitSphereBands(bands, kEyeballRadius, outline, kEyeballThetaStart, kEyeballEndCut, false));
        std::size_t bandTriangles = 0;
        for (const Strip& strip : bands.strips)
            bandTriangles += strip.vertices.size() - 2;
        EXPECT_LT(corners.size() / 3, bandTriangles / 2) << outline;
    }
}

TEST(SilhouetteCap, RimStartsOnTheBandsOpeningAndFacesOut)
{
    StripCollector bands;
    ASSERT_TRUE(EmitSphereBands(bands, kEyeballRadius, 57, kEyeballThetaStart, kEyeballEndCut, false));
    StripCollector rim;
    ASSERT_TRUE(EmitSphereZone(rim, kEyeballRadius, 57, static_cast<float>(kEyeballThetaStart),
                               kEyeballThetaStart + kEyeballRimWidth));
    ASSERT_EQ(rim.strips.size(), 1u);
    const std::vector<MeshVertex>& strip = rim.strips[0].vertices;
    ASSERT_EQ(strip.size(), 2u * 58);
    for (std::size_t band = 0; band < 57; ++band) {
        // The opening's ring is the one the bands begin with, vertex for vertex.
        const Vec3& opening = strip[2 * band + 1].position;
        const Vec3& banded = bands.strips[band].vertices.front().position;
        EXPECT_EQ(Key(opening), Key(banded)) << band;
        EXPECT_NEAR(Apart(strip[2 * band].position, Vec3{0, 0, 1}), kEyeballThetaStart + kEyeballRimWidth, 1e-12);
    }
    EXPECT_EQ(Key(strip[strip.size() - 1].position), Key(strip[1].position)) << "the rim closes on itself";
    for (std::size_t corner = 0; corner + 2 < strip.size(); ++corner) {
        // A strip's odd triangles run the other way round.
        const Vec3& a = strip[corner].position;
        const Vec3& b = strip[corner + 1].position;
        const Vec3& c = strip[corner + 2].position;
        EXPECT_TRUE(corner % 2 == 0 ? FacesOut(a, b, c) : FacesOut(b, a, c)) << corner;
    }
}

TEST(SilhouetteCap, TurnedToTheViewerItsLastRingIsWhereSightLinesGraze)
{
    // An eye turned 50 degrees, beside and far in front of the viewer.
    const double turn = 50 * 3.141592653589793 / 180;
    const std::array<double, 16> eye = {std::cos(turn), 0, -std::sin(turn), 0, 0,   1,   0,    0,
                                        std::sin(turn), 0, std::cos(turn),  0, 0.5, 0.2, -6.3, 1};
    const std::array<double, 16> facing = FacingViewer(eye);
    const Vec3 centre{facing[12], facing[13], facing[14]};
    EXPECT_EQ(Key(centre), Key(Vec3{0.5, 0.2, -6.3}));
    const Vec3 axes[] = {
        {facing[0], facing[1], facing[2]}, {facing[4], facing[5], facing[6]}, {facing[8], facing[9], facing[10]}};
    for (int a = 0; a < 3; ++a) {
        EXPECT_NEAR(Length(axes[a]), 1.0, 1e-12);
        EXPECT_NEAR(Dot(axes[a], axes[(a + 1) % 3]), 0.0, 1e-12);
    }
    EXPECT_NEAR(Dot(Cross(axes[0], axes[1]), axes[2]), 1.0, 1e-12) << "a turn, not a mirror";
    EXPECT_NEAR(Apart(axes[2], Vec3{-0.5, -0.2, 6.3}), 0.0, 1e-7) << "the pole faces the viewer";

    StripCollector sink;
    const double silhouette = SilhouetteTheta(kEyeballRadius, Length(centre));
    ASSERT_TRUE(EmitSilhouetteCap(sink, kEyeballRadius, 57, silhouette, CapSpacing{}));
    const auto seen = [&](const Vec3& p) {
        return Vec3{centre.x + p.x * axes[0].x + p.y * axes[1].x + p.z * axes[2].x,
                    centre.y + p.x * axes[0].y + p.y * axes[1].y + p.z * axes[2].y,
                    centre.z + p.x * axes[0].z + p.y * axes[1].z + p.z * axes[2].z};
    };
    int grazing = 0;
    for (const MeshVertex& corner : sink.strips[0].vertices) {
        // A line of sight to the ring touches the ball: it is at right angles to the radius.
        const Vec3 place = seen(corner.position);
        const double sightAgainstRadius = Dot(Minus(place, centre), place) / (Length(place) * kEyeballRadius);
        if (std::abs(Apart(corner.position, Vec3{0, 0, 1}) - silhouette) < 1e-12) {
            EXPECT_NEAR(sightAgainstRadius, 0.0, 1e-12);
            ++grazing;
        } else {
            EXPECT_LT(sightAgainstRadius, 0.0) << "every other vertex faces the viewer";
        }
    }
    EXPECT_GT(grazing, 0);
}

TEST(SilhouetteCap, RefusesWhatCannotCloseOrWouldHang)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    StripCollector sink;
    const CapSpacing spacing;
    EXPECT_FALSE(EmitSilhouetteCap(sink, kEyeballRadius, 2, 1.5, spacing));
    EXPECT_FALSE(EmitSilhouetteCap(sink, kEyeballRadius, 5000, 1.5, spacing));
    for (const double silhouette : {0.0, 1.6, nan})
        EXPECT_FALSE(EmitSilhouetteCap(sink, kEyeballRadius, 57, silhouette, spacing)) << silhouette;
    for (const double step : {0.0, -0.1, 1e-9, nan}) {
        EXPECT_FALSE(EmitSilhouetteCap(sink, kEyeballRadius, 57, 1.5, CapSpacing{0.36, step, 0.2})) << step;
        EXPECT_FALSE(EmitSilhouetteCap(sink, kEyeballRadius, 57, 1.5, CapSpacing{0.36, 0.04, step})) << step;
    }
    EXPECT_FALSE(EmitSphereZone(sink, kEyeballRadius, 57, 0.6, 0.5));
    EXPECT_FALSE(EmitSphereZone(sink, kEyeballRadius, 2, 0.5, 0.6));
    EXPECT_TRUE(sink.strips.empty());
    EXPECT_NEAR(SilhouetteTheta(1, 2), 3.141592653589793 / 3, 1e-15);
    EXPECT_EQ(SilhouetteTheta(1, 0.5), 0.0) << "seen from inside, nothing is round it";
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
