#pragma once

#include "view/EyeGeometry.h"

#include <array>
#include <vector>

// The iris exactly as the view builds it, for the tools that draw and
// preview its picture.

// One ring of iris vertices: texture row coordinate t and distance from the
// line of sight. Ordered from the pupil outwards.
struct IrisRing {
    double t;
    double radius;
};

std::vector<IrisRing> IrisRings();

using Triangle = std::array<MeshVertex, 3>;
std::vector<Triangle> IrisTriangles();
