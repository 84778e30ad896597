#include "model/Prism.h"

#include <gtest/gtest.h>

TEST(Prism, StepsAlongTheBar)
{
    // The powers of a common horizontal prism bar, in prism dioptres.
    EXPECT_EQ(PrismBarPowers(), (std::vector<int>{1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 25, 30, 35, 40, 45, 50}));
    EXPECT_EQ(StepPrismPower(0, 1), 1);
    EXPECT_EQ(StepPrismPower(18, 1), 20);
    EXPECT_EQ(StepPrismPower(20, 1), 25);
    EXPECT_EQ(StepPrismPower(50, 1), 50);
    EXPECT_EQ(StepPrismPower(25, -1), 20);
    EXPECT_EQ(StepPrismPower(1, -1), 0);
    EXPECT_EQ(StepPrismPower(0, -1), 0);
    EXPECT_EQ(StepPrismPower(0, 11), 20);
    // Off the bar: to the next power on it.
    EXPECT_EQ(StepPrismPower(22, 1), 25);
    EXPECT_EQ(StepPrismPower(22, -1), 20);
    EXPECT_EQ(StepPrismPower(99, -1), 50);
}

TEST(Prism, EyeTurnsTowardsTheApexByTheArcTangent)
{
    EXPECT_NEAR(PrismDeflectionDegrees(20), 11.3099, 1e-4);
    EXPECT_NEAR(PrismDeflectionDegrees(100), 45.0, 1e-9);
    const struct {
        PrismBase base;
        double abduction, elevation;
        const char* name;
    } cases[] = {
        // Base out neutralises an eso: the eye turns in.
        {PrismBase::out, -11.3099, 0, "BO"},
        {PrismBase::in, 11.3099, 0, "BI"},
        // Base down before a hyper eye: the eye turns up.
        {PrismBase::down, 0, 11.3099, "BD"},
        {PrismBase::up, 0, -11.3099, "BU"},
    };
    for (const auto& c : cases) {
        const EyeTurn turn = PrismFixationTurn({20, c.base});
        EXPECT_NEAR(turn.abduction, c.abduction, 1e-4) << c.name;
        EXPECT_NEAR(turn.elevation, c.elevation, 1e-4) << c.name;
    }
    const EyeTurn none = PrismFixationTurn({0, PrismBase::up});
    EXPECT_EQ(none.abduction, 0);
    EXPECT_EQ(none.elevation, 0);
    EXPECT_EQ(NextPrismBase(PrismBase::out), PrismBase::in);
    EXPECT_EQ(NextPrismBase(PrismBase::in), PrismBase::up);
    EXPECT_EQ(NextPrismBase(PrismBase::up), PrismBase::down);
    EXPECT_EQ(NextPrismBase(PrismBase::down), PrismBase::out);
}
