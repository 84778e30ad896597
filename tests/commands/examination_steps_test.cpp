#include "commands/ExaminationSteps.h"
#include "model/EyeModel.h"
#include "widgets/Ids.h"

#include <gtest/gtest.h>

TEST(ExaminationSteps, DistanceStepsStopAtBothEnds)
{
    EXPECT_EQ(DistanceAfter(Id::DistanceFar, 6), kBlendSliderFar);
    EXPECT_EQ(DistanceAfter(Id::DistanceNear, 6), kBlendSliderNear);
    EXPECT_EQ(DistanceAfter(Id::DistanceNearer, 6), 7);
    EXPECT_EQ(DistanceAfter(Id::DistanceFarther, 6), 5);
    EXPECT_EQ(DistanceAfter(Id::DistanceNearer, kBlendSliderNear), kBlendSliderNear);
    EXPECT_EQ(DistanceAfter(Id::DistanceFarther, kBlendSliderFar), kBlendSliderFar);
    EXPECT_EQ(DistanceAfter(Id::Uncover, 6), 6);
}

TEST(ExaminationSteps, PrismKeysChangeOnlyTheirEyesPrism)
{
    const std::array<Prism, 2> none{};
    auto prisms = PrismsAfter(Id::PrismStrongerEye1 + 3, none);
    EXPECT_EQ(prisms[0].dioptres, 0);
    EXPECT_EQ(prisms[1].dioptres, PrismBarPowers().front());
    prisms = PrismsAfter(Id::PrismStrongerEye1 + 3, prisms);
    EXPECT_EQ(prisms[1].dioptres, PrismBarPowers().at(1));
    prisms = PrismsAfter(Id::PrismStrongerEye1 + 4, prisms);
    EXPECT_EQ(prisms[1].dioptres, PrismBarPowers().front());
    prisms = PrismsAfter(Id::PrismNextBaseEye2, prisms);
    EXPECT_EQ(prisms[1].base, NextPrismBase(PrismBase::out));
    EXPECT_EQ(prisms[0].base, PrismBase::out);
    prisms = PrismsAfter(Id::PrismStrongerEye1 + 2, prisms);
    EXPECT_EQ(prisms[0].base, NextPrismBase(PrismBase::out));
    prisms = PrismsAfter(Id::PrismStrongerEye1, prisms);
    EXPECT_EQ(prisms[0].dioptres, PrismBarPowers().front());
    // Removing them keeps the bases for the next prism, as a bar held again would.
    const auto removed = PrismsAfter(Id::RemovePrisms, prisms);
    EXPECT_EQ(removed[0].dioptres + removed[1].dioptres, 0);
    EXPECT_EQ(removed[1].base, prisms[1].base);
    const auto kept = PrismsAfter(Id::Uncover, prisms);
    EXPECT_EQ(kept[0].dioptres, prisms[0].dioptres);
    EXPECT_EQ(PrismsAfter(Id::PrismStrongerEye1 - 1, prisms)[0].dioptres, prisms[0].dioptres);
}

TEST(ExaminationSteps, GazeCommandsNameTheirKeypadKey)
{
    EXPECT_EQ(GazeKeyOf(Id::GazeFollowsPointer), 0);
    EXPECT_EQ(GazeKeyOf(Id::FirstGazePosition), 1);
    EXPECT_EQ(GazeKeyOf(Id::LastGazePosition), 9);
    EXPECT_EQ(GazeKeyOf(Id::LastGazePosition + 1), -1);
    EXPECT_EQ(GazeKeyOf(Id::GazeFollowsPointer - 1), -1);
}
