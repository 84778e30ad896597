#include "view/EyeGeometry.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr double kPi = 3.141592653589793;

MeshVertex SpherePoint(double radius, double sinTheta, double cosTheta, double phi, bool textured)
{
    MeshVertex vertex;
    const double sinPhi = std::sin(phi);
    if (textured)
        vertex.texCoord = TexCoord{sinPhi, cosTheta};
    const Vec3 normal{sinTheta * sinPhi, sinTheta * std::cos(phi), cosTheta};
    vertex.normal = normal;
    vertex.position = {radius * normal.x, radius * normal.y, radius * normal.z};
    return vertex;
}

bool IsAngleInHalfTurn(double angle)
{
    return angle >= 0.0 && angle <= kPi;
}
}  // namespace

int SegmentsForPixelRadius(double pixelRadius, int minimum)
{
    constexpr double kLargestStray = 0.5;
    const int largest = static_cast<int>(kMaxSphereSegments);
    if (!(pixelRadius > kLargestStray))
        return std::min(minimum, largest);
    // A chord over the angle 2 pi / n leaves the circle by r (1 - cos(pi / n)).
    const double needed = std::ceil(kPi / std::acos(1.0 - kLargestStray / pixelRadius));
    return std::clamp(static_cast<int>(std::min(needed, kMaxSphereSegments)), minimum, largest);
}

bool EmitSphereBands(MeshSink& sink, double radius, double segments, double thetaStart, double endCut, bool textured)
{
    if (!(segments >= kMinSphereSegments && segments <= kMaxSphereSegments) || !IsAngleInHalfTurn(thetaStart) ||
        !IsAngleInHalfTurn(endCut))
        return false;

    const float step = static_cast<float>(2.0 * kPi / segments);
    const float limit = static_cast<float>((kPi - endCut) + step);
    // The bands close the ring exactly: one band more, as float steps past
    // 2 pi gave, lay over the first, and on a translucent ball the twice
    // blended band showed as a bright sliver along its edge.
    const int bands = static_cast<int>(std::ceil(segments));
    const auto bandEdge = [bands](int band) { return band == bands ? 0.0 : 2.0 * kPi * band / bands; };
    for (int band = 0; band < bands; ++band) {
        const double phi = bandEdge(band);
        const double nextPhi = bandEdge(band + 1);
        sink.BeginStrip(StripKind::TriangleStrip);
        for (float theta = static_cast<float>(thetaStart); theta <= limit; theta += step) {
            // A last ring past the back pole would fold onto the far side.
            const double ringTheta = std::min(static_cast<double>(theta), kPi);
            const double sinTheta = std::sin(ringTheta);
            const double cosTheta = std::cos(ringTheta);
            sink.Vertex(SpherePoint(radius, sinTheta, cosTheta, phi, textured));
            sink.Vertex(SpherePoint(radius, sinTheta, cosTheta, nextPhi, textured));
        }
        sink.EndStrip();
    }
    return true;
}

double SilhouetteTheta(double radius, double viewerDistance)
{
    return std::acos(std::clamp(radius / viewerDistance, 0.0, 1.0));
}

namespace {
// A vertex of ring `theta` split into `count` steps; the index wraps, so
// both strips that share a ring give its vertices the same bits.
MeshVertex RingPoint(double radius, double theta, int count, int index)
{
    const double phi = 2.0 * kPi * (index % count) / count;
    return SpherePoint(radius, std::sin(theta), std::cos(theta), phi, false);
}
}  // namespace

bool EmitSilhouetteCap(MeshSink& sink, double radius, int outlineSegments, double silhouetteTheta,
                       const CapSpacing& spacing)
{
    const double zone = std::min(spacing.highlightZone, silhouetteTheta);
    // Ring counts past kMaxSphereSegments would only mean a step too small to draw.
    if (outlineSegments < kMinSphereSegments || outlineSegments > kMaxSphereSegments ||
        !(silhouetteTheta > 0 && silhouetteTheta <= kPi / 2) || !(zone >= 0) || !(spacing.highlightStep > 0) ||
        !(spacing.step > 0) || zone / spacing.highlightStep > kMaxSphereSegments ||
        silhouetteTheta / spacing.step > kMaxSphereSegments)
        return false;
    constexpr int kFewestSteps = 8;
    std::vector<double> thetas;
    for (int ring = 1; ring * spacing.highlightStep < zone; ++ring)
        thetas.push_back(ring * spacing.highlightStep);
    const double from = thetas.empty() ? 0 : thetas.back();
    const int coarseRings = std::max(1, static_cast<int>(std::ceil((silhouetteTheta - from) / spacing.step)));
    for (int ring = 1; ring < coarseRings; ++ring)
        thetas.push_back(from + (silhouetteTheta - from) * ring / coarseRings);
    thetas.push_back(silhouetteTheta);
    const int rings = static_cast<int>(thetas.size());
    const auto ringTheta = [&](int ring) { return thetas[ring - 1]; };
    const auto ringCount = [&](int ring) {
        if (ring == rings)
            return outlineSegments;
        const double theta = ringTheta(ring);
        const double step = theta < zone ? spacing.highlightStep : spacing.step;
        const int even = static_cast<int>(std::ceil(2 * kPi * std::sin(theta) / step));
        return std::clamp(even, kFewestSteps, 4 * outlineSegments);
    };
    // Angles run clockwise seen from the pole, so each triangle lists its
    // outer corners in falling order to face out.
    sink.BeginStrip(StripKind::Triangles);
    const MeshVertex pole = SpherePoint(radius, 0, 1, 0, false);
    const int firstCount = ringCount(1);
    for (int i = 0; i < firstCount; ++i) {
        sink.Vertex(pole);
        sink.Vertex(RingPoint(radius, ringTheta(1), firstCount, i + 1));
        sink.Vertex(RingPoint(radius, ringTheta(1), firstCount, i));
    }
    for (int ring = 1; ring < rings; ++ring) {
        const double innerTheta = ringTheta(ring);
        const double outerTheta = ringTheta(ring + 1);
        const int inner = ringCount(ring);
        const int outer = ringCount(ring + 1);
        // Walk both rings round together, always taking the nearer next vertex.
        int i = 0;
        int j = 0;
        while (i < inner || j < outer) {
            const bool outerNext = j < outer && (i == inner || (j + 1) * inner <= (i + 1) * outer);
            sink.Vertex(RingPoint(radius, innerTheta, inner, i));
            if (outerNext) {
                sink.Vertex(RingPoint(radius, outerTheta, outer, j + 1));
                sink.Vertex(RingPoint(radius, outerTheta, outer, j));
                ++j;
            } else {
                sink.Vertex(RingPoint(radius, innerTheta, inner, i + 1));
                sink.Vertex(RingPoint(radius, outerTheta, outer, j));
                ++i;
            }
        }
    }
    sink.EndStrip();
    return true;
}

bool EmitSphereZone(MeshSink& sink, double radius, int segments, double thetaFrom, double thetaTo)
{
    if (segments < kMinSphereSegments || segments > kMaxSphereSegments || !IsAngleInHalfTurn(thetaFrom) ||
        !IsAngleInHalfTurn(thetaTo) || !(thetaFrom < thetaTo))
        return false;
    sink.BeginStrip(StripKind::TriangleStrip);
    for (int i = 0; i <= segments; ++i) {
        sink.Vertex(RingPoint(radius, thetaTo, segments, i));
        sink.Vertex(RingPoint(radius, thetaFrom, segments, i));
    }
    sink.EndStrip();
    return true;
}

std::array<double, 16> FacingViewer(const std::array<double, 16>& modelview)
{
    const Vec3 place{modelview[12], modelview[13], modelview[14]};
    const double distance = std::sqrt(place.x * place.x + place.y * place.y + place.z * place.z);
    if (!(distance > 0))
        return modelview;
    const Vec3 toViewer{-place.x / distance, -place.y / distance, -place.z / distance};
    // Any direction across the line of sight will do for the cap's first
    // axis; the one of x and y less aligned with it keeps the cross product large.
    const Vec3 across = std::abs(toViewer.x) < std::abs(toViewer.y) ? Vec3{1, 0, 0} : Vec3{0, 1, 0};
    const auto cross = [](const Vec3& a, const Vec3& b) {
        return Vec3{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    };
    Vec3 first = cross(across, toViewer);
    const double length = std::sqrt(first.x * first.x + first.y * first.y + first.z * first.z);
    first = {first.x / length, first.y / length, first.z / length};
    const Vec3 second = cross(toViewer, first);
    return {first.x,    first.y,    first.z,    0, second.x, second.y, second.z, 0,
            toViewer.x, toViewer.y, toViewer.z, 0, place.x,  place.y,  place.z,  1};
}

void EmitTorus(MeshSink& sink, double majorRadius, double minorRadius)
{
    constexpr double kStart = 0.001;
    constexpr double kStep = 0.1;
    constexpr double kTwoPi = 6.283185307179586;
    const auto point = [&](double u, double v) {
        MeshVertex vertex;
        const double ring = majorRadius + minorRadius * std::cos(v);
        vertex.position = {std::cos(u) * ring, std::sin(u) * ring, minorRadius * std::sin(v)};
        return vertex;
    };
    // The frame is drawn flat black, so only its outline shows: eight steps
    // round the thin tube trace it within a pixel even full screen, and
    // spare a software renderer thousands of sliver triangles on a large
    // view. Steps at 0 and pi keep the outer and inner edge exactly where
    // they were.
    constexpr int kTubeSteps = 8;
    for (double u = kStart; u < kTwoPi; u += kStep) {
        sink.BeginStrip(StripKind::QuadStrip);
        for (int step = 0; step <= kTubeSteps; ++step) {
            const double v = kStart + step * kTwoPi / kTubeSteps;
            sink.Vertex(point(u, v));
            sink.Vertex(point(u + kStep, v));
        }
        sink.EndStrip();
    }
}

void EmitFlatDisc(MeshSink& sink, double radius, int slices)
{
    if (slices < 3)
        return;
    // The rim where GLU puts it: slice i at 2 pi i / slices, from +y towards +x.
    std::vector<Vec3> rim;
    for (int i = 0; i < slices; ++i) {
        const float angle = static_cast<float>(2 * kPi * i / slices);
        rim.push_back({radius * static_cast<float>(std::sin(angle)), radius * static_cast<float>(std::cos(angle)), 0});
    }
    sink.BeginStrip(StripKind::Triangles);
    const auto triangle = [&](int a, int b, int c) {
        const Vec3& p = rim[a];
        const Vec3& q = rim[b];
        const Vec3& r = rim[c];
        // Counter-clockwise seen from +z, so culling keeps it.
        const bool counterClockwise = (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x) > 0;
        for (int corner : {a, counterClockwise ? b : c, counterClockwise ? c : b})
            sink.Vertex({std::nullopt, std::nullopt, rim[corner]});
    };
    // Every eighth rim point spans the broad middle; the thin caps between
    // them and the rim are fanned from their first point.
    constexpr int kHubStep = 8;
    std::vector<int> hubs;
    for (int i = 0; i < slices; i += kHubStep)
        hubs.push_back(i);
    for (std::size_t h = 0; h < hubs.size(); ++h) {
        const int from = hubs[h];
        const int to = h + 1 < hubs.size() ? hubs[h + 1] : slices;
        // With a single hub its cap is the whole rim, and ends a point early.
        for (int i = from + 1; i + 1 <= to && (i + 1) % slices != from; ++i)
            triangle(from, i, (i + 1) % slices);
    }
    // The middle polygon as a zig-zag strip from both ends towards the far side.
    std::size_t low = 0;
    std::size_t high = hubs.size() - 1;
    bool advanceLow = true;
    while (high - low >= 2) {
        if (advanceLow) {
            triangle(hubs[low], hubs[low + 1], hubs[high]);
            ++low;
        } else {
            triangle(hubs[low], hubs[high - 1], hubs[high]);
            --high;
        }
        advanceLow = !advanceLow;
    }
    sink.EndStrip();
}
