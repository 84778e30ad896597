#include "view/ReflexSpot.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kRad = 0.017453292519943295;
// 4.65 mm (entrance pupil to corneal centre) in drawn units: the eyeball's
// radius of 0.4 stands for 12 mm.
constexpr double kLever = 4.65 * 0.4 / 12;

SpotPosition SpotOf(int eye, const SceneState& scene)
{
    return ReflexSpotOf(eye, EyeRotation(eye, scene, CoverBlends{}), scene);
}

}  // namespace

TEST(ReflexSpot, SitsTemporallyInEsoNasallyInExoAndBelowInHyper)
{
    SceneState scene;
    scene.angleKappa = false;
    // Eye 1 eso, eye 2 exo by 15 degrees (the view turns both towards the viewer's right).
    scene.eyes[0].horizontal = 15;
    scene.eyes[1].horizontal = 15;
    const SpotPosition eso = SpotOf(0, scene);
    const SpotPosition exo = SpotOf(1, scene);
    // Eye 1's temple lies towards the viewer's left, eye 2's nose too.
    EXPECT_NEAR(eso.x, -kLever * std::tan(15 * kRad), 1e-6);
    EXPECT_NEAR(exo.x, -kLever * std::tan(15 * kRad), 1e-6);
    EXPECT_NEAR(eso.y, 0, 1e-9);

    // The view turns an eye down for a positive vertical angle: eye 1 hypo,
    // eye 2 hyper (turned up) by 10 degrees.
    scene.eyes[0] = {};
    scene.eyes[1] = {};
    scene.eyes[0].vertical = 10;
    scene.eyes[1].vertical = -10;
    EXPECT_NEAR(SpotOf(0, scene).y, kLever * std::tan(10 * kRad), 1e-6);
    EXPECT_NEAR(SpotOf(1, scene).y, -kLever * std::tan(10 * kRad), 1e-6);
    EXPECT_NEAR(SpotOf(1, scene).x, 0, 1e-9);
}

TEST(ReflexSpot, KappaShiftsNasallyAndAMatchingPrismCentresTheDeviatingEye)
{
    SceneState scene;
    EXPECT_NEAR(SpotOf(0, scene).x, kLever * std::tan(5 * kRad), 1e-6);
    EXPECT_NEAR(SpotOf(1, scene).x, -kLever * std::tan(5 * kRad), 1e-6);

    // Krimsky: eye 2 esotropic by 20 dioptres behind 20 base out.
    scene.angleKappa = false;
    scene.eyes[1].horizontal = -11.3099;
    EXPECT_GT(SpotOf(1, scene).x, 0.01);
    scene.eyes[1].prism = {20, PrismBase::out};
    EXPECT_NEAR(SpotOf(1, scene).x, 0, 1e-4);
    EXPECT_NEAR(SpotOf(0, scene).x, 0, 1e-9);
}
