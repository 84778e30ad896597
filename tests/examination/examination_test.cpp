#include "examination/Examination.h"
#include "examination/Measurement.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

TEST(Examination, TellsEachRealChangeOnceAndStopsTellingAfterUnlisten)
{
    Examination examination;
    std::vector<Change> heard;
    const int handle = examination.Listen([&](Change change) { heard.push_back(change); });

    examination.SetModel(EyeModel{});           // the one it holds
    examination.SetDistance(kBlendSliderNear);  // already there
    examination.SetDistance(99);                // held at the near end: no change
    examination.SetDistance(-3);
    EXPECT_EQ(examination.Distance(), kBlendSliderFar);
    examination.SetPrism(Eye::two, {80, PrismBase::up});
    EXPECT_EQ(examination.PrismBefore(Eye::two).dioptres, 50);
    examination.SetPrism(Eye::two, {50, PrismBase::up});  // same prism
    examination.SetPrism(Eye::two, {-4, PrismBase::up});  // held at none
    EXPECT_EQ(examination.PrismBefore(Eye::two).dioptres, 0);
    // Each setter once with a new value and once more with the same.
    MuscleStrengths weak;
    weak.Set(Eye::one, Muscle::LR, 20);
    DisplayAids quadrantTool;
    quadrantTool.quadrantEdit = true;
    for (int twice = 0; twice < 2; ++twice) {
        examination.SetAids(Eye::one, {true, false, false, false});
        examination.SetMuscles(weak);
        examination.SetLatent(true);
        examination.SetPath("a.sd");
        examination.SetModified(true);
        examination.SetQuadrantMarks(5);
        examination.SetPresentation(true);
        examination.SetDisplay(quadrantTool);
    }
    // A recording's angles already hold the muscles; the case keeps them for saving.
    examination.SetRecordingPlays(true);
    EXPECT_TRUE(examination.Muscles().AllNormal());
    EXPECT_EQ(examination.CaseMuscles(), weak);
    examination.SetRecordingPlays(false);
    EXPECT_EQ(examination.Muscles(), weak);
    EXPECT_EQ(heard, (std::vector<Change>{Change::angles, Change::prisms, Change::prisms, Change::aids, Change::muscles,
                                          Change::angles, Change::case_, Change::case_, Change::display,
                                          Change::display, Change::display, Change::muscles, Change::muscles}));

    // A copy is a new examination that nobody listens to.
    Examination copy = examination;
    copy.SetLatent(false);
    EXPECT_EQ(heard.size(), 13u);

    examination.Unlisten(handle);
    examination.SetLatent(false);
    EXPECT_EQ(heard.size(), 13u);
}

TEST(Examination, UnitSwitchConvertsTheAnglesAndDegreesBlendTheEnds)
{
    Examination examination;
    EyeModel model;
    model.SetFar(Eye::one, EyeQuantity::horizontal, 1000);   // 10 degrees far
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
    // The chart's reading order: rows from the top, each from the patient's right.
    const std::array<GazeTarget, 9> nine = NineGazes(25);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(nine[i].right, 25.0 * (1 - i % 3)) << i;
        EXPECT_EQ(nine[i].up, 25.0 * (1 - i / 3)) << i;
    }

    target.key = 3;
    target.eccentricity = std::numeric_limits<double>::quiet_NaN();
    examination.SetTarget(target);
    EXPECT_EQ(examination.Target().eccentricity, 0);
    target.eccentricity = 400;
    examination.SetTarget(target);
    direction = DirectionOf(examination.Target());
    EXPECT_EQ(direction.right, -kLargestEccentricity);
    EXPECT_EQ(direction.up, -kLargestEccentricity);

    // Keys beyond the keypad on either side name no direction.
    for (const int key : {0, 10}) {
        target.key = key;
        direction = DirectionOf(target);
        EXPECT_EQ(direction.right, 0) << key;
        EXPECT_EQ(direction.up, 0) << key;
    }
}
