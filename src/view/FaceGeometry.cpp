#include "view/FaceGeometry.h"

#include "view/EyeRotation.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRadiansPerDegree = kPi / 180;

// Margins of a resting eye looking straight ahead: the upper lid over the
// top millimetre of the iris, the lower lid at the lower limbus.
constexpr double kUpperRest = 16;
constexpr double kLowerRest = -20;
constexpr double kLowerLidShare = 1.0 / 3;
// Closing of the fissure per millimetre of retraction, in degrees.
constexpr double kUpperPerRetractionMm = 3;
constexpr double kLowerPerRetractionMm = 2;
constexpr double kHighestUpperMargin = 60;
constexpr double kLowestLowerMargin = -60;

// The lid shells in steps of longitude from side to side, and rows from the margin out.
// Few and large triangles: a software renderer pays for each one it sets up.
constexpr int kLidColumns = 24;
constexpr int kLidRows = 6;
constexpr double kSkinLeft = -3.4;
constexpr double kSkinRight = 3.4;
constexpr double kSkinBottom = -2.4;
constexpr double kSkinTop = 2.4;
constexpr int kSkinColumns = 36;
constexpr int kSkinRows = 24;
constexpr int kBrowSteps = 20;
constexpr double kBrowLift = 0.01;
constexpr int kUpperLashes = 23;
constexpr int kLowerLashes = 9;

Vec3 OnShell(double radius, double latitude, double longitude)
{
    const double b = latitude * kRadiansPerDegree;
    const double l = longitude * kRadiansPerDegree;
    return {radius * std::cos(b) * std::sin(l), radius * std::sin(b), radius * std::cos(b) * std::cos(l)};
}

Vec3 Scaled(const Vec3& v, double factor)
{
    return {v.x * factor, v.y * factor, v.z * factor};
}

Vec3 Normalised(const Vec3& v)
{
    return Scaled(v, 1 / std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z));
}

// The margin's latitude at a longitude: an arch from canthus to canthus.
double MarginLatitude(double middle, double longitude)
{
    const double share = std::abs(longitude) / kCanthusLongitude;
    if (share >= 1)
        return kCanthusLatitude;
    return kCanthusLatitude + (middle - kCanthusLatitude) * std::cos(share * kPi / 2);
}

double Longitude(int column)
{
    return -90.0 + 180.0 * column / kLidColumns;
}

// Rows crowd towards the margin, where the lid curves most on screen.
double RowShare(int row)
{
    return std::pow(static_cast<double>(row) / kLidRows, 1.6);
}

Vec3 SkinNormal(double x, double y)
{
    constexpr double h = 0.01;
    const double dx = (SkinDepth(x + h, y) - SkinDepth(x - h, y)) / (2 * h);
    const double dy = (SkinDepth(x, y + h) - SkinDepth(x, y - h)) / (2 * h);
    return Normalised({-dx, -dy, 1});
}

// Round near the fissure; further out the lid turns as the skin it runs
// into, so the shell's outline does not show as a ball.
Vec3 LidNormal(const Vec3& p, double centreX)
{
    constexpr double kRoundWithin = 0.25;
    constexpr double kSkinBeyond = 0.40;
    const double away = std::hypot(p.x, p.y);
    const double flat = std::clamp((away - kRoundWithin) / (kSkinBeyond - kRoundWithin), 0.0, 1.0);
    const Vec3 round = Scaled(p, 1 / kLidShellRadius);
    const Vec3 skin = SkinNormal(centreX + p.x, p.y);
    return Normalised({round.x * (1 - flat) + skin.x * flat, round.y * (1 - flat) + skin.y * flat,
                       round.z * (1 - flat) + skin.z * flat});
}

void ShellVertex(MeshSink& sink, double latitude, double longitude, double centreX)
{
    const Vec3 p = OnShell(kLidShellRadius, latitude, longitude);
    sink.Vertex({std::nullopt, LidNormal(p, centreX), p});
}

// A lid's shell from its margin (row 0) to the pole at poleLatitude.
void EmitShell(MeshSink& sink, double middle, double poleLatitude, double centreX)
{
    for (int row = 0; row < kLidRows; ++row) {
        sink.BeginStrip(StripKind::QuadStrip);
        for (int column = 0; column <= kLidColumns; ++column) {
            const double longitude = Longitude(column);
            const double margin = MarginLatitude(middle, longitude);
            for (int r : {row, row + 1})
                ShellVertex(sink, margin + RowShare(r) * (poleLatitude - margin), longitude, centreX);
        }
        sink.EndStrip();
    }
}

// The lid's edge, from the shell in to the globe, facing away from the lid.
void EmitEdge(MeshSink& sink, double middle, double side)
{
    constexpr int kEdgeSteps = 24;
    sink.BeginStrip(StripKind::QuadStrip);
    for (int step = 0; step <= kEdgeSteps; ++step) {
        const double longitude = -kCanthusLongitude + 2 * kCanthusLongitude * step / kEdgeSteps;
        const double latitude = MarginLatitude(middle, longitude);
        const double b = latitude * kRadiansPerDegree;
        const double l = longitude * kRadiansPerDegree;
        const Vec3 normal = Scaled(Vec3{std::sin(b) * std::sin(l), -std::cos(b), std::sin(b) * std::cos(l)}, side);
        for (double radius : {kLidShellRadius, kLidShellRadius - kLidMarginThickness})
            sink.Vertex({std::nullopt, normal, OnShell(radius, latitude, longitude)});
    }
    sink.EndStrip();
}

double SmoothStep(double from, double to, double x)
{
    const double t = std::clamp((x - from) / (to - from), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

void SkinVertex(MeshSink& sink, double x, double y, double lift)
{
    sink.Vertex({std::nullopt, SkinNormal(x, y), {x, y, SkinDepth(x, y) + lift}});
}

}  // namespace

LidMargins LidMarginsFor(double gazeElevation, double retractionMm, int levatorPercent)
{
    const double retraction = std::max(0.0, retractionMm);
    const double ptosis = kFullPtosisDegrees * (100 - std::clamp(levatorPercent, 0, 100)) / 100.0;
    LidMargins margins;
    margins.upper = kUpperRest + gazeElevation - ptosis - kUpperPerRetractionMm * retraction;
    margins.upper = std::min(std::max(margins.upper, gazeElevation + kMarginClearance), kHighestUpperMargin);
    margins.lower = kLowerRest + kLowerLidShare * gazeElevation + kLowerPerRetractionMm * retraction;
    margins.lower = std::max(std::min(margins.lower, gazeElevation - kMarginClearance), kLowestLowerMargin);
    return margins;
}

double LineOfSightElevation(int eye, const SceneState& scene, const CoverBlends& blends, const ViewPose& pose)
{
    // The turns as the renderer applies them, the first outermost: the
    // gaze's three, then the eye's own.
    RotationSequence turns;
    const auto add = [&turns](RotationAxis axis, double degrees) {
        turns.steps[turns.count++] = {static_cast<float>(degrees), axis};
    };
    add(RotationAxis::z, pose.azimuth[eye]);
    add(RotationAxis::x, pose.elevation[eye]);
    add(RotationAxis::z, -pose.azimuth[eye]);
    const RotationSequence own = EyeRotation(eye, scene, blends);
    Vec3 sight{0, 0, 1};
    const auto turn = [&sight](const AxisRotation& rotation) {
        const double a = rotation.degrees * kRadiansPerDegree;
        const double c = std::cos(a);
        const double s = std::sin(a);
        const Vec3 v = sight;
        switch (rotation.axis) {
        case RotationAxis::x:
            sight = {v.x, v.y * c - v.z * s, v.y * s + v.z * c};
            break;
        case RotationAxis::y:
            sight = {v.x * c + v.z * s, v.y, -v.x * s + v.z * c};
            break;
        case RotationAxis::z:
            sight = {v.x * c - v.y * s, v.x * s + v.y * c, v.z};
            break;
        }
    };
    for (std::size_t i = own.count; i-- > 0;)
        turn(own.steps[i]);
    for (std::size_t i = turns.count; i-- > 0;)
        turn(turns.steps[i]);
    return std::asin(std::clamp(sight.y, -1.0, 1.0)) / kRadiansPerDegree;
}

double SkinDepth(double x, double y)
{
    const double ax = std::abs(x);
    double z = 0.08;
    // Brow ridge above each eye, cheeks below, both falling away to the temples.
    const double besideEyes = 1 - SmoothStep(0.9, 1.5, ax);
    z += 0.09 * std::exp(-std::pow((y - 0.58) / 0.16, 2)) * besideEyes;
    z += 0.06 * SmoothStep(0.2, 1.2, y);
    z += 0.07 * SmoothStep(-0.45, -1.0, y) * besideEyes;
    z -= 0.45 * std::pow(std::max(0.0, ax - 0.95), 2);
    z -= 0.08 * std::pow(std::max(0.0, std::abs(y) - 1.1), 2);
    // The bridge of the nose: narrow and low between the brows, broader and
    // higher further down.
    const double width = 0.09 + 0.07 * std::max(0.0, -y);
    const double height = 0.10 + 0.2 * SmoothStep(0.4, -0.8, y);
    z += height * std::exp(-0.5 * std::pow(x / width, 2)) * SmoothStep(0.9, 0.3, y);
    return z;
}

void EmitSkin(MeshSink& sink)
{
    for (int row = 0; row < kSkinRows; ++row) {
        const double y0 = kSkinBottom + (kSkinTop - kSkinBottom) * row / kSkinRows;
        const double y1 = kSkinBottom + (kSkinTop - kSkinBottom) * (row + 1) / kSkinRows;
        sink.BeginStrip(StripKind::QuadStrip);
        for (int column = 0; column <= kSkinColumns; ++column) {
            const double x = kSkinLeft + (kSkinRight - kSkinLeft) * column / kSkinColumns;
            SkinVertex(sink, x, y1, 0);
            SkinVertex(sink, x, y0, 0);
        }
        sink.EndStrip();
    }
}

void EmitBrows(MeshSink& sink)
{
    for (double centre : {-0.5, 0.5}) {
        const double temporal = centre < 0 ? -1 : 1;
        sink.BeginStrip(StripKind::QuadStrip);
        for (int step = 0; step <= kBrowSteps; ++step) {
            const double u = static_cast<double>(step) / kBrowSteps;
            const double x = centre + temporal * (-0.3 + 0.82 * u);
            // Thick at its head beside the nose, arched over the outer third, tapering out.
            const double middle = 0.52 + 0.1 * std::sin(kPi * 0.75 * u) - 0.04 * u;
            const double half = 0.034 * (1 - 0.55 * u) + 0.007;
            SkinVertex(sink, x, middle + half, kBrowLift);
            SkinVertex(sink, x, middle - half, kBrowLift);
        }
        sink.EndStrip();
    }
}

void EmitUpperLid(MeshSink& sink, const LidMargins& margins, double centreX)
{
    EmitShell(sink, margins.upper, 90, centreX);
    EmitEdge(sink, margins.upper, 1);
}

void EmitLowerLid(MeshSink& sink, const LidMargins& margins, double centreX)
{
    EmitShell(sink, margins.lower, -90, centreX);
    EmitEdge(sink, margins.lower, -1);
}

std::vector<LashSegment> Lashes(const LidMargins& margins)
{
    std::vector<LashSegment> lashes;
    // Each lash leaves the margin forwards, curls up (or down) and fans out
    // towards the corners of the eye.
    const auto row = [&](int count, double middle, double outwards, double upwards, double spread) {
        for (int i = 0; i < count; ++i) {
            const double share = -0.85 + 1.7 * i / (count - 1);
            const double longitude = kCanthusLongitude * share;
            const Vec3 base = OnShell(kLidShellRadius, MarginLatitude(middle, longitude), longitude);
            const Vec3 out = Scaled(base, outwards / kLidShellRadius);
            lashes.push_back({base, {base.x + out.x + spread * share, base.y + out.y + upwards, base.z + out.z}});
        }
    };
    row(kUpperLashes, margins.upper, 0.03, 0.024, 0.02);
    row(kLowerLashes, margins.lower, 0.015, -0.012, 0.01);
    return lashes;
}
