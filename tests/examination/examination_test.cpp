#include "examination/Examination.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

TEST(Examination, TellsEachRealChangeOnceAndStopsTellingAfterUnlisten)
{
    Examination examination;
    std::vector<Change> heard;
    const int handle = examination.Listen([&](Change change) { heard.push_back(change); });

    examination.SetDistance(kBlendSliderNear);  // already there
    examination.SetDistance(99);                // held at the near end: no change
    examination.SetDistance(-3);
    EXPECT_EQ(examination.Distance(), kBlendSliderFar);
    examination.SetPrism(Eye::two, {80, PrismBase::up});
    EXPECT_EQ(examination.PrismBefore(Eye::two).dioptres, 50);
    examination.SetPrism(Eye::two, {50, PrismBase::up});  // same prism
    examination.SetAids(Eye::one, {true, false, false, false});
    MuscleStrengths weak;
    weak.Set(Eye::one, Muscle::LR, 20);
    examination.SetMuscles(weak);
    // A recording's angles already hold the muscles; the case keeps them for saving.
    examination.SetRecordingPlays(true);
    EXPECT_TRUE(examination.Muscles().AllNormal());
    EXPECT_EQ(examination.CaseMuscles(), weak);
    examination.SetRecordingPlays(false);
    EXPECT_EQ(examination.Muscles(), weak);
    examination.SetLatent(true);
    examination.SetPresentation(true);
    EXPECT_EQ(heard, (std::vector<Change>{Change::angles, Change::prisms, Change::aids, Change::muscles,
                                          Change::muscles, Change::muscles, Change::angles, Change::display}));

    // A copy is a new examination that nobody listens to.
    Examination copy = examination;
    copy.SetLatent(false);
    EXPECT_EQ(heard.size(), 8u);

    examination.Unlisten(handle);
    examination.SetLatent(false);
    EXPECT_EQ(heard.size(), 8u);
}

TEST(Examination, UnitSwitchConvertsTheAnglesAndDegreesBlendTheEnds)
{
    Examination examination;
    EyeModel model;
    model.SetFar(Eye::one, EyeQuantity::horizontal, 1000);  // 10 degrees far
    model.SetNear(Eye::one, EyeQuantity::horizontal, 2050);  // 20.5 degrees near
    examination.SetModel(model);
    EXPECT_DOUBLE_EQ(examination.Degrees(Eye::one, EyeQuantity::horizontal), 20.5);
    examination.SetDistance(6);
    EXPECT_DOUBLE_EQ(examination.Degrees(Eye::one, EyeQuantity::horizontal), 15.25);
    examination.SetWholeDegrees(true);
    EXPECT_EQ(examination.Model().Near(Eye::one, EyeQuantity::horizontal), 20);
    EXPECT_DOUBLE_EQ(examination.Degrees(Eye::one, EyeQuantity::horizontal), 15.0);

    // A file may hold more than the controls show; the examination holds what they show.
    model.SetNear(Eye::two, EyeQuantity::vertical, -7000);
    model.SetFar(Eye::two, EyeQuantity::vertical, -7000);
    examination.SetWholeDegrees(false);
    examination.SetModel(model);
    EXPECT_DOUBLE_EQ(examination.Degrees(Eye::two, EyeQuantity::vertical), -50.0);
}

TEST(Examination, NinePositionsAreSeenFromTheExaminersSideAndBadEccentricitiesAreHeld)
{
    Examination examination;
    FixationTarget target;
    target.kind = FixationTarget::Kind::ninePositions;
    target.key = 7;  // up and to the viewer's left: the patient's right
    target.eccentricity = 25;
    examination.SetTarget(target);
    GazeTarget direction = DirectionOf(examination.Target());
    EXPECT_EQ(direction.right, 25);
    EXPECT_EQ(direction.up, 25);

    target.key = 3;
    target.eccentricity = std::numeric_limits<double>::quiet_NaN();
    examination.SetTarget(target);
    EXPECT_EQ(examination.Target().eccentricity, 0);
    target.eccentricity = 400;
    examination.SetTarget(target);
    direction = DirectionOf(examination.Target());
    EXPECT_EQ(direction.right, -kLargestEccentricity);
    EXPECT_EQ(direction.up, -kLargestEccentricity);

    target.key = 0;
    direction = DirectionOf(target);
    EXPECT_EQ(direction.right, 0);
    EXPECT_EQ(direction.up, 0);
}
