#include "view/EyeRotation.h"
#include "view/MuscleGaze.h"

#include <gtest/gtest.h>

TEST(MuscleGaze, PointerRightOfCentreIsThePatientsLeft)
{
    const GazeTarget target = TargetOfPointer({80, 40});
    EXPECT_DOUBLE_EQ(target.right, -10.0);
    EXPECT_DOUBLE_EQ(target.up, 5.0);
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
