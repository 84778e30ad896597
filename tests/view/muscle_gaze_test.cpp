#include "view/EyeRotation.h"
#include "view/MuscleGaze.h"

#include "model/MusclePresets.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const MuscleStrengths kRightSixth = PresetStrengths(MusclePreset::sixthNervePalsy, Eye::one);

CoverBlends EyeTwoCovered(float amount)
{
    CoverBlends blends;
    blends.coverBlend2 = amount;
    return blends;
}

} // namespace

TEST(MuscleGaze, PointerRightOfCentreIsThePatientsLeft)
{
    const GazeTarget target = TargetOfPointer({80, 40});
    EXPECT_DOUBLE_EQ(target.right, -10.0);
    EXPECT_DOUBLE_EQ(target.up, 5.0);
}

TEST(MuscleGaze, NormalMusclesAddNothing)
{
    for (const CoverBlends& blends : {CoverBlends{}, EyeTwoCovered(1)}) {
        for (const ViewTurn& turn : MuscleTurns(MuscleStrengths{}, {20, -10}, blends)) {
            EXPECT_EQ(turn.horizontal, 0.0);
            EXPECT_EQ(turn.vertical, 0.0);
            EXPECT_EQ(turn.torsion, 0.0);
        }
    }
}

// Eye 1 turned in shows as a turn towards the viewer's right (positive),
// eye 2 turned in as a turn towards the viewer's left (negative).
TEST(MuscleGaze, CoverHandsFixationToThePareticEyeAndShowsTheSecondaryDeviation)
{
    const auto primary = MuscleTurns(kRightSixth, {0, 0}, CoverBlends{});
    EXPECT_EQ(primary[1].horizontal, 0.0);  // the sound left eye fixes
    EXPECT_GT(primary[0].horizontal, 5.0);
    const auto rightGaze = MuscleTurns(kRightSixth, {20, 0}, CoverBlends{});
    EXPECT_GT(rightGaze[0].horizontal, 1.5 * primary[0].horizontal);

    const auto covered = MuscleTurns(kRightSixth, {0, 0}, EyeTwoCovered(1));
    EXPECT_NEAR(covered[0].horizontal, 0.0, 1e-6);
    EXPECT_LT(covered[1].horizontal, -1.2 * primary[0].horizontal);

    // Under the red filter the ticked fixing-eye box decides: eye 1's box
    // lets eye 2 float (offsetBlend2) while eye 1 fixes.
    CoverBlends filtered;
    filtered.offsetBlend2 = 1;
    EXPECT_NEAR(MuscleTurns(kRightSixth, {0, 0}, filtered)[1].horizontal, covered[1].horizontal, 1e-9);

    const auto halfWay = MuscleTurns(kRightSixth, {0, 0}, EyeTwoCovered(0.5f));
    EXPECT_NEAR(halfWay[0].horizontal, 0.5 * primary[0].horizontal, 1e-6);
    EXPECT_NEAR(halfWay[1].horizontal, 0.5 * covered[1].horizontal, 1e-6);
}

// In a fourth nerve palsy the paretic right eye is excyclorotated; when it
// takes up fixation the left eye rolls by default, but not when the
// cyclodeviation is kept as in the clinic.
TEST(MuscleGaze, KeptCyclodeviationStaysAsWithBothEyesOpen)
{
    const MuscleStrengths fourth = PresetStrengths(MusclePreset::fourthNervePalsy, Eye::one);
    const auto open = MuscleTurns(fourth, {0, 0}, CoverBlends{});
    ASSERT_GT(std::abs(open[0].torsion), 2.0);
    const auto rolling = MuscleTurns(fourth, {0, 0}, EyeTwoCovered(1));
    const auto kept = MuscleTurns(fourth, {0, 0}, EyeTwoCovered(1), true);
    EXPECT_GT(std::abs(rolling[1].torsion - open[1].torsion), 2.0);
    for (int eye : {0, 1}) {
        EXPECT_EQ(kept[eye].torsion, open[eye].torsion) << eye;
        EXPECT_EQ(kept[eye].horizontal, rolling[eye].horizontal) << eye;
        EXPECT_EQ(kept[eye].vertical, rolling[eye].vertical) << eye;
    }
}

TEST(MuscleGaze, EyeRotationAddsTheMuscleTurnInnermostOnlyWhenAMuscleIsWeak)
{
    for (bool latent : {false, true}) {
        SceneState plain;
        plain.latentMode = latent;
        SceneState scene = plain;
        scene.eyes[0].muscleHorizontal = 7;
        scene.eyes[0].muscleVertical = -3;
        scene.eyes[0].muscleTorsion = 2;
        EXPECT_EQ(EyeRotation(0, scene, CoverBlends{}).count, EyeRotation(0, plain, CoverBlends{}).count);

        scene.weakMuscles = true;
        const RotationSequence rotation = EyeRotation(0, scene, CoverBlends{});
        ASSERT_EQ(rotation.count, EyeRotation(0, plain, CoverBlends{}).count + 3);
        const AxisRotation* last = &rotation.steps[rotation.count - 3];
        EXPECT_EQ(last[0].axis, RotationAxis::x);
        EXPECT_FLOAT_EQ(last[0].degrees, -3);
        EXPECT_EQ(last[1].axis, RotationAxis::y);
        EXPECT_FLOAT_EQ(last[1].degrees, 7);
        EXPECT_EQ(last[2].axis, RotationAxis::z);
        EXPECT_FLOAT_EQ(last[2].degrees, -2);
    }
}
