#include "view/CoverAnimation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

CoverInputs Manifest()
{
    return CoverInputs{};
}

CoverInputs Latent()
{
    CoverInputs inputs;
    inputs.manifestMode = false;
    return inputs;
}

}  // namespace

TEST(CoverAnimation, ManifestOccluderRisesInFourTicksThenSettlesAtOne)
{
    CoverAnimation animation;
    CoverInputs inputs = Manifest();
    inputs.occluder[0] = true;
    for (double expected : {0.3925, 0.785, 1.1775, 1.57}) {
        EXPECT_TRUE(animation.Tick(inputs));
        EXPECT_DOUBLE_EQ(animation.Phase(CoverFactor::coverBlend1), expected);
        EXPECT_FLOAT_EQ(animation.Blends().coverBlend1, static_cast<float>(std::sin(expected)));
    }
    EXPECT_LT(animation.Blends().coverBlend1, 1.0f);
    // The fifth tick only rounds the factor up; nothing visible moves, so no repaint.
    EXPECT_FALSE(animation.Tick(inputs));
    EXPECT_EQ(animation.Blends().coverBlend1, 1.0f);
    EXPECT_FALSE(animation.Tick(inputs));
    // Nothing else moved.
    EXPECT_EQ(animation.Blends().coverBlend2, 0.0f);
    EXPECT_EQ(animation.Blends().translucentBlend1, 0.0f);
}

TEST(CoverAnimation, FallingEasesOutAndThenStopsRepainting)
{
    CoverAnimation animation;
    CoverInputs inputs = Manifest();
    inputs.occluder[0] = true;
    for (int tick = 0; tick < 5; ++tick)
        animation.Tick(inputs);
    inputs.occluder[0] = false;
    for (double phase : {1.1775, 0.785, 0.3925, 0.0}) {
        EXPECT_TRUE(animation.Tick(inputs));
        EXPECT_NEAR(animation.Blends().coverBlend1, 1.0 - std::cos(phase), 1e-6);
    }
    EXPECT_EQ(animation.Blends().coverBlend1, 0.0f);
    EXPECT_FALSE(animation.Tick(inputs));
    EXPECT_EQ(animation.Phase(CoverFactor::coverBlend1), 0.0);
}

TEST(CoverAnimation, LatentModeTakesTenTicks)
{
    CoverAnimation animation;
    CoverInputs inputs = Latent();
    inputs.occluder[1] = true;
    for (int tick = 0; tick < 10; ++tick)
        EXPECT_TRUE(animation.Tick(inputs)) << tick;
    EXPECT_NEAR(animation.Phase(CoverFactor::coverBlend2), 1.57, 1e-12);
    EXPECT_FALSE(animation.Tick(inputs));
    EXPECT_EQ(animation.Blends().coverBlend2, 1.0f);
}

TEST(CoverAnimation, SwappingOccluderForTranslucentHandsTheMovementOver)
{
    CoverAnimation animation;
    CoverInputs inputs = Latent();
    inputs.occluder[0] = true;
    animation.Tick(inputs);
    animation.Tick(inputs);
    const float before = animation.Blends().coverBlend1;
    const double phaseBefore = animation.Phase(CoverFactor::coverBlend1);

    inputs.occluder[0] = false;
    inputs.translucentOccluder[0] = true;
    EXPECT_TRUE(animation.Tick(inputs));
    // In latent mode both factors turn eye 1 by the same angles, so their sum is what shows.
    EXPECT_EQ(animation.Blends().coverBlend1, 0.0f);
    EXPECT_EQ(animation.Blends().translucentBlend1, before);
    EXPECT_EQ(animation.Phase(CoverFactor::translucentBlend1), phaseBefore);
    EXPECT_TRUE(animation.Tick(inputs));
    EXPECT_GT(animation.Blends().translucentBlend1, before);

    // And back again.
    inputs.occluder[0] = true;
    inputs.translucentOccluder[0] = false;
    const float translucent = animation.Blends().translucentBlend1;
    animation.Tick(inputs);
    EXPECT_EQ(animation.Blends().translucentBlend1, 0.0f);
    EXPECT_GE(animation.Blends().coverBlend1, translucent);
}

TEST(CoverAnimation, ManifestModeKeepsTheCoverFactorRisingUnderTheTranslucentOccluder)
{
    CoverAnimation animation;
    CoverInputs inputs = Manifest();
    inputs.occluder[0] = true;
    animation.Tick(inputs);
    inputs.occluder[0] = false;
    inputs.translucentOccluder[0] = true;
    animation.Tick(inputs);
    EXPECT_DOUBLE_EQ(animation.Phase(CoverFactor::coverBlend1), 0.785);
    EXPECT_DOUBLE_EQ(animation.Phase(CoverFactor::translucentBlend1), 0.3925);
}

TEST(CoverAnimation, RedFilterWithoutOffsetCoversWithOffsetMovesTheChosenFactor)
{
    CoverAnimation animation;
    CoverInputs inputs = Manifest();
    inputs.redFilter[0] = true;
    animation.Tick(inputs);
    EXPECT_GT(animation.Blends().coverBlend1, 0.0f);
    EXPECT_EQ(animation.Blends().offsetBlend2, 0.0f);

    animation = CoverAnimation();
    inputs.offsetTextZero[1] = false;
    inputs.coverCheckBox1 = true;
    animation.Tick(inputs);
    EXPECT_EQ(animation.Blends().coverBlend1, 0.0f);
    EXPECT_FLOAT_EQ(animation.Blends().offsetBlend2, static_cast<float>(std::sin(0.157)));
    EXPECT_EQ(animation.Blends().filterBlend1, 0.0f);

    inputs.coverCheckBox1 = false;
    inputs.coverCheckBox2 = true;
    animation.Tick(inputs);
    EXPECT_FLOAT_EQ(animation.Blends().filterBlend1, static_cast<float>(std::sin(0.157)));
    EXPECT_EQ(animation.Blends().offsetBlend2, 0.0f);

    // Eye 2's filter with eye 1's offset: the boxes swap roles.
    animation = CoverAnimation();
    inputs = Manifest();
    inputs.redFilter[1] = true;
    inputs.offsetTextZero[0] = false;
    inputs.coverCheckBox2 = true;
    animation.Tick(inputs);
    EXPECT_GT(animation.Blends().offsetBlend1, 0.0f);
    inputs.coverCheckBox2 = false;
    inputs.coverCheckBox1 = true;
    animation.Tick(inputs);
    EXPECT_GT(animation.Blends().filterBlend2, 0.0f);
    EXPECT_EQ(animation.Blends().coverBlend2, 0.0f);
}

TEST(CoverAnimation, OffsetFactorsHoldWhileTheirOffsetTextReadsZero)
{
    CoverAnimation animation;
    CoverInputs inputs = Latent();
    inputs.redFilter[0] = true;
    inputs.offsetTextZero[1] = false;
    inputs.coverCheckBox1 = true;
    for (int tick = 0; tick < 3; ++tick)
        animation.Tick(inputs);
    inputs.coverCheckBox1 = false;
    inputs.coverCheckBox2 = true;
    animation.Tick(inputs);
    const float offset = animation.Blends().offsetBlend2;
    const float filter = animation.Blends().filterBlend1;
    ASSERT_GT(offset, 0.0f);
    ASSERT_GT(filter, 0.0f);

    inputs.redFilter[0] = false;
    inputs.offsetTextZero[1] = true;
    for (int tick = 0; tick < 20; ++tick)
        EXPECT_FALSE(animation.Tick(inputs));
    EXPECT_EQ(animation.Blends().offsetBlend2, offset);
    EXPECT_EQ(animation.Blends().filterBlend1, filter);
}

TEST(CoverAnimation, ModeChangeMidMovementNeitherOvershootsNorBouncesBack)
{
    CoverAnimation animation;
    CoverInputs inputs = Latent();
    inputs.occluder[0] = true;
    for (int tick = 0; tick < 3; ++tick)
        animation.Tick(inputs);
    inputs.manifestMode = true;
    std::vector<float> values{animation.Blends().coverBlend1};
    for (int tick = 0; tick < 4; ++tick) {
        animation.Tick(inputs);
        values.push_back(animation.Blends().coverBlend1);
    }
    for (std::size_t i = 1; i < values.size(); ++i)
        EXPECT_GE(values[i], values[i - 1]) << i;
    EXPECT_EQ(values.back(), 1.0f);

    // Falling from a phase that the step does not divide ends at 0, not below it.
    inputs = Latent();
    inputs.occluder[0] = true;
    animation = CoverAnimation();
    animation.Tick(inputs);
    inputs.occluder[0] = false;
    inputs.manifestMode = true;
    EXPECT_TRUE(animation.Tick(inputs));
    EXPECT_EQ(animation.Blends().coverBlend1, 0.0f);
    EXPECT_FALSE(animation.Tick(inputs));
}

TEST(CoverAnimation, NothingToDoRequestsNoRepaint)
{
    CoverAnimation animation;
    EXPECT_FALSE(animation.Tick(Manifest()));
    EXPECT_FALSE(animation.Tick(Latent()));
}
