#include "view/ReflexSpot.h"

#include "model/LightReflex.h"
#include "view/EyeGeometry.h"

#include <cmath>

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kDrawnUnitsPerMm = kEyeballRadius / (kEyeDiameterMm / 2);

struct Matrix3 {
    double m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
};

Matrix3 Times(const Matrix3& a, const Matrix3& b)
{
    Matrix3 product;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            product.m[r][c] = 0;
            for (int k = 0; k < 3; ++k)
                product.m[r][c] += a.m[r][k] * b.m[k][c];
        }
    return product;
}

// The matrix glRotate builds for a turn about one axis.
Matrix3 RotationMatrix(RotationAxis axis, double degrees)
{
    const double c = std::cos(degrees * kRadiansPerDegree);
    const double s = std::sin(degrees * kRadiansPerDegree);
    Matrix3 r;
    const int i = axis == RotationAxis::x ? 1 : 0;
    const int j = axis == RotationAxis::z ? 1 : 2;
    // Rotations about y run from z to x, the others from the first free axis to the second.
    const double sign = axis == RotationAxis::y ? -1.0 : 1.0;
    r.m[i][i] = c;
    r.m[j][j] = c;
    r.m[i][j] = -sign * s;
    r.m[j][i] = sign * s;
    return r;
}

}  // namespace

SpotPosition ReflexSpotOf(int eye, const RotationSequence& rotation, const SceneState& scene)
{
    Matrix3 turned;
    for (std::size_t k = 0; k < rotation.count; ++k)
        turned = Times(turned, RotationMatrix(rotation.steps[k].axis, rotation.steps[k].degrees));
    // The prism bends the light towards its apex; the light then comes, in
    // the gaze's frame, from where an eye fixing through it would look.
    const EyeAngles prism = PrismTurn(eye == 0 ? Eye::one : Eye::two, scene.eyes[eye].prism);
    const Matrix3 bent =
        Times(RotationMatrix(RotationAxis::x, prism.vertical), RotationMatrix(RotationAxis::y, prism.horizontal));
    double light[3];
    for (int r = 0; r < 3; ++r) {
        // The eye's frame sees the bent line of sight (third column of
        // `bent`) through the transpose of its turn.
        light[r] = 0;
        for (int k = 0; k < 3; ++k)
            light[r] += turned.m[k][r] * bent.m[k][2];
    }
    // Eye 1's nose lies towards the viewer's right, eye 2's towards the left.
    const double nasalSign = eye == 0 ? 1.0 : -1.0;
    const CornealReflex reflex = ReflexFor({nasalSign * light[0], light[1], light[2]}, scene.angleKappa);
    return {nasalSign * reflex.planeNasalMm * kDrawnUnitsPerMm, reflex.planeUpMm * kDrawnUnitsPerMm};
}
