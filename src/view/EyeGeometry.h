#pragma once

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

enum class StripKind { TriangleStrip, QuadStrip };

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

// A torus around the z axis as quad strips, without normals or texture
// coordinates; the lens frames are drawn unlit.
void EmitTorus(MeshSink& sink, double majorRadius, double minorRadius);
