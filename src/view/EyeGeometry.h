#pragma once

#include <array>
#include <optional>

struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

struct TexCoord {
    double s = 0;
    double t = 0;
};

// Triangles: separate triangles, three vertices each.
enum class StripKind { TriangleStrip, QuadStrip, Triangles };

// Attributes are listed in the order GL must receive them.
struct MeshVertex {
    std::optional<TexCoord> texCoord;
    std::optional<Vec3> normal;
    Vec3 position;
};

// Receives the strips of the generators below. The canvas forwards them to GL
// while it compiles its display lists; tests and tools collect them.
class MeshSink {
public:
    virtual ~MeshSink() = default;
    virtual void BeginStrip(StripKind kind) = 0;
    virtual void Vertex(const MeshVertex& vertex) = 0;
    virtual void EndStrip() = 0;
};

// Shape of an eye, in the eye's own coordinates (line of sight along +z).
constexpr double kEyeballRadius = 0.4;
constexpr double kEyeballThetaStart = 0.49;  // round opening around the line of sight
constexpr double kEyeballEndCut = 0.0;
constexpr double kIrisRadius = 0.6;
constexpr double kIrisSegments = 57.0;
constexpr double kIrisThetaStart = 0.1;  // small hole through which the pupil shows
constexpr double kIrisEndCut = 2.901592653589793;
constexpr double kPupilHalfSide = 0.07;

// Segment counts outside this range are refused: fewer cannot close a
// sphere, and far more would let the single-precision angle steps stall.
constexpr double kMinSphereSegments = 3.0;
constexpr double kMaxSphereSegments = 1000.0;

// Segments enough for a ball drawn `pixelRadius` pixels wide on screen to
// look round: its outline strays less than half a pixel from the circle.
// Never fewer than `minimum` (the Display options' count), never more than
// kMaxSphereSegments.
int SegmentsForPixelRadius(double pixelRadius, int minimum);

// A sphere zone as triangle strips, one band per segment (a fraction counts
// as one more) around the line of sight, the last closing exactly on the
// first. theta runs from thetaStart to pi - endCut (plus at most one step,
// never past the back pole), advancing in single precision, so the number of
// rings is that of the float arithmetic, not of exact division. Texture coordinates
// are (sin phi, cos theta). Returns false and emits nothing when segments is
// out of range or an angle is not within [0, pi].
bool EmitSphereBands(MeshSink& sink, double radius, double segments, double thetaStart, double endCut, bool textured);

// The eyeball of a view larger than the default window's: a narrow rim
// around the opening, drawn in the eye's own coordinates, and the rest of
// the globe as a cap turned towards the viewer, opened by a clip plane
// inside the rim. The cap's last ring is the silhouette, so the outline is a
// regular polygon whatever the gaze, and its inner rings can be coarse: they
// only carry the shading.
constexpr double kEyeballRimWidth = 0.08;
constexpr double kEyeballCapClip = kEyeballThetaStart + kEyeballRimWidth / 2;
// How far apart the cap's vertices lie, in radians: closely round the pole,
// where the lights' highlight falls and per-vertex lighting needs them,
// coarsely beyond it, where the shading changes slowly.
struct CapSpacing {
    double highlightZone = 0.36;
    double highlightStep = 0.04;
    double step = 0.2;
};

// The angle from the line towards the viewer at which a ball of `radius`,
// seen from `viewerDistance` away, turns out of sight: its silhouette.
double SilhouetteTheta(double radius, double viewerDistance);

// A spherical cap from its pole (+z) to the ring at silhouetteTheta, that
// ring in outlineSegments equal steps and the rings inside it no further
// apart, across and along, than `spacing` asks (never fewer than 8 steps),
// joined as separate triangles facing out. Returns false and emits nothing
// for a count out of range, an angle not within (0, pi/2] or a step not above zero.
bool EmitSilhouetteCap(MeshSink& sink, double radius, int outlineSegments, double silhouetteTheta,
                       const CapSpacing& spacing);

// A sphere zone between thetaFrom and thetaTo in one triangle strip of
// `segments` equal steps round the line of sight, facing out.
bool EmitSphereZone(MeshSink& sink, double radius, int segments, double thetaFrom, double thetaTo);

// Column-major model-view that keeps the translation of `modelview` (rigid
// motions only) and turns +z from that point towards the viewer at the origin.
std::array<double, 16> FacingViewer(const std::array<double, 16>& modelview);

// A torus around the z axis as quad strips, without normals or texture
// coordinates; the lens frames are drawn unlit.
void EmitTorus(MeshSink& sink, double majorRadius, double minorRadius);

// A flat disc in the z = 0 plane, facing +z, as triangles over the rim of a
// GLU disk of as many slices, so it covers the same pixels. A fan from the
// centre makes slivers that all meet there, and a software renderer tests
// every one of them against each block of pixels they touch: these
// triangles are few and broad instead.
void EmitFlatDisc(MeshSink& sink, double radius, int slices);
