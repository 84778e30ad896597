#include "view/EyeRotation.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Step {
    RotationAxis axis;
    float degrees;
};

std::vector<Step> StepsOf(const RotationSequence& sequence)
{
    std::vector<Step> steps;
    for (std::size_t i = 0; i < sequence.count; ++i)
        steps.push_back({sequence.steps[i].axis, sequence.steps[i].degrees});
    return steps;
}

void ExpectSteps(const RotationSequence& sequence, const std::vector<Step>& expected)
{
    const std::vector<Step> actual = StepsOf(sequence);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].axis, expected[i].axis) << "step " << i;
        EXPECT_FLOAT_EQ(actual[i].degrees, expected[i].degrees) << "step " << i;
    }
}

// Distinct angles, so any mix-up of eyes or quantities shows.
SceneState Deviating()
{
    SceneState scene;
    scene.eyes[0].horizontal = 11;
    scene.eyes[0].vertical = 12;
    scene.eyes[0].torsion = 13;
    scene.eyes[0].verticalOffset = 14;
    scene.eyes[1].horizontal = 21;
    scene.eyes[1].vertical = 22;
    scene.eyes[1].torsion = 23;
    scene.eyes[1].verticalOffset = 24;
    return scene;
}

constexpr RotationAxis X = RotationAxis::x;
constexpr RotationAxis Y = RotationAxis::y;
constexpr RotationAxis Z = RotationAxis::z;

}  // namespace

TEST(EyeRotation, ManifestModeAtRestShowsEachEyesOwnDeviation)
{
    const SceneState scene = Deviating();
    const CoverBlends none;
    ExpectSteps(EyeRotation(0, scene, none), {{X, 12}, {Y, 11}, {Z, -13}, {X, 0}, {Y, 0}, {Z, 0}, {X, 0}});
    ExpectSteps(EyeRotation(1, scene, none), {{X, 0}, {Y, 0}, {Z, 0}, {X, 22}, {Y, 21}, {Z, -23}, {X, 0}});
}

TEST(EyeRotation, ManifestModeCoverMovesBothEyesByTheFellowEyesDeviation)
{
    const SceneState scene = Deviating();
    CoverBlends blends;
    // Eye 2 fully covered: eye 1 takes up fixation, eye 2 turns with it.
    blends.coverBlend2 = 1;
    ExpectSteps(EyeRotation(0, scene, blends), {{X, 0}, {Y, 0}, {Z, 0}, {X, 0}, {Y, 0}, {Z, 0}, {X, 0}});
    ExpectSteps(EyeRotation(1, scene, blends), {{X, -12}, {Y, -11}, {Z, 13}, {X, 22}, {Y, 21}, {Z, -23}, {X, 0}});

    blends = {};
    blends.coverBlend1 = 0.5f;
    blends.offsetBlend1 = 0.25f;
    blends.offsetBlend2 = 0.5f;
    ExpectSteps(EyeRotation(0, scene, blends),
                {{X, 12}, {Y, 11}, {Z, -13}, {X, -11}, {Y, -10.5f}, {Z, 11.5f}, {X, -3.5f}});
    ExpectSteps(EyeRotation(1, scene, blends), {{X, 0}, {Y, 0}, {Z, 0}, {X, 11}, {Y, 10.5f}, {Z, -11.5f}, {X, -12}});
}

TEST(EyeRotation, KeptCyclodeviationTakesNoPartInCoverMovements)
{
    SceneState scene = Deviating();
    scene.cycloStaysUnderCover = true;
    CoverBlends blends;
    blends.coverBlend2 = 1;
    // Eye 1 takes up fixation horizontally and vertically but keeps its
    // torsion; eye 2 follows without taking eye 1's.
    ExpectSteps(EyeRotation(0, scene, blends), {{X, 0}, {Y, 0}, {Z, -13}, {X, 0}, {Y, 0}, {Z, 0}, {X, 0}});
    ExpectSteps(EyeRotation(1, scene, blends), {{X, -12}, {Y, -11}, {Z, 0}, {X, 22}, {Y, 21}, {Z, -23}, {X, 0}});

    // A latent cyclodeviation stays hidden under cover.
    scene.latentMode = true;
    blends = {};
    blends.coverBlend1 = 1;
    ExpectSteps(EyeRotation(0, scene, blends),
                {{X, 0}, {Y, 0}, {Z, 0}, {X, 12}, {Y, 11}, {Z, 0}, {X, 0}, {Y, 0}, {Z, 0}, {X, 0}});
}

TEST(EyeRotation, LatentModeKeepsUncoveredEyesStraight)
{
    SceneState scene = Deviating();
    scene.latentMode = true;
    const CoverBlends none;
    for (int eye : {0, 1})
        for (const Step& step : StepsOf(EyeRotation(eye, scene, none)))
            EXPECT_EQ(step.degrees, 0.0f) << "eye " << eye;
    EXPECT_EQ(EyeRotation(0, scene, none).count, 10u);
}

TEST(EyeRotation, LatentModeTurnsAnEyeByItsOwnAnglesPerAid)
{
    SceneState scene = Deviating();
    scene.latentMode = true;
    CoverBlends blends;
    blends.translucentBlend1 = 0.5f;
    blends.coverBlend2 = 1;
    blends.filterBlend1 = 0.25f;
    blends.offsetBlend1 = 1;
    ExpectSteps(EyeRotation(0, scene, blends),
                {{X, 6}, {Y, 5.5f}, {Z, -6.5f}, {X, 0}, {Y, 0}, {Z, 0}, {X, 3}, {Y, 2.75f}, {Z, -3.25f}, {X, 12 - 14}});
    ExpectSteps(EyeRotation(1, scene, blends),
                {{X, 0}, {Y, 0}, {Z, 0}, {X, 22}, {Y, 21}, {Z, -23}, {X, 0}, {Y, 0}, {Z, 0}, {X, 0}});
}

TEST(AxisLines, FollowTheTiltsUnlessALatentEyeLooksStraight)
{
    EyeSceneState eye;
    eye.horizontalAxisTilt = 1;
    eye.verticalAxisTilt = -3;
    AxisLineAngles lines = AxisLinesOf(eye, false);
    EXPECT_EQ(lines.first, 1.0);
    EXPECT_EQ(lines.second, 87.0);

    lines = AxisLinesOf(eye, true);
    EXPECT_EQ(lines.first, 0.0);
    EXPECT_EQ(lines.second, 90.0);

    eye.translucentOccluder = true;
    lines = AxisLinesOf(eye, true);
    EXPECT_EQ(lines.first, 1.0);
    EXPECT_EQ(lines.second, 87.0);
}

TEST(SceneComposition, HeadDepthAndQuadrantOverlay)
{
    EXPECT_EQ(HeadDepth(1), -540.0f);
    EXPECT_EQ(HeadDepth(11), -440.0f);

    SceneState scene;
    EXPECT_FALSE(QuadrantOverlayShown(scene));
    scene.quadrantMarks = 0x01;
    EXPECT_TRUE(QuadrantOverlayShown(scene));
    scene.quadrantHide = true;
    EXPECT_FALSE(QuadrantOverlayShown(scene));
    scene.quadrantEdit = true;
    EXPECT_TRUE(QuadrantOverlayShown(scene));
}
