#include "view/EyeGeometry.h"

#include <algorithm>
#include <cmath>

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
    // The frame is drawn flat black, so only its outline shows: sixteen
    // steps round the thin tube trace it as well as sixty did, and spare a
    // software renderer thousands of sliver triangles on a large view. Steps
    // at 0 and pi keep the outer and inner edge exactly where they were.
    constexpr int kTubeSteps = 16;
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
