#pragma once

#include "examination/Solver.h"
#include "view/CoverBlends.h"
#include "view/SceneState.h"

#include <array>
#include <cstddef>

enum class RotationAxis { x, y, z };

struct AxisRotation {
    float degrees = 0;
    RotationAxis axis = RotationAxis::x;
};

// Rotations to apply in order, the first outermost.
struct RotationSequence {
    std::array<AxisRotation, 15> steps{};
    std::size_t count = 0;
};

// Turn of one eye (0 = eye 1) by the deviations, weighted by the cover
// animation. With both eyes open the deviation is manifest; covering one eye
// lets the other take up fixation and both turn together. In latent mode an
// eye stays straight until an aid in front of it lets it deviate. Weak
// muscles turn an eye further, innermost, in either mode.
// The cover rule is the solver's (ComitantWeightsOf); the prism and muscle
// turns are those the solver put into the scene. Without prisms the
// sequence is exactly that of the model without them.
RotationSequence EyeRotation(int eye, const SceneState& scene, const CoverBlends& blends);

// Angles about the line of sight of an eye's two axis lines, in degrees. In
// latent mode without a translucent occluder the eye looks straight, so its
// lines stand upright and level whatever its tilts.
struct AxisLineAngles {
    double first = 0;
    double second = 90;
};
AxisLineAngles AxisLinesOf(const EyeSceneState& eye, bool latentMode);

// Depth of the head for the distance slider: 446 to 546 units from the eye point.
float HeadDepth(int distance);

// The quadrant overlay is drawn while marks exist, unless hidden by its tool;
// the edit mode always shows it.
bool QuadrantOverlayShown(const SceneState& scene);
