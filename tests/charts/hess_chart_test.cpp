#include "charts/HessChart.h"

#include "examination/Measurement.h"
#include "examination/Solver.h"
#include "model/CaseFile.h"
#include "model/MusclePresets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Indices into HessTargets(): the centre, and on the outer square the
// points straight out to each side and the lower corners.
constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr int kCentre = 0;
constexpr int kInnerRight = 4;  // 15 degrees to the patient's right
constexpr int kInnerLeft = 8;
constexpr int kOuterRight = 12;  // 30 degrees to the patient's right
constexpr int kOuterLowRight = 13;
constexpr int kOuterDown = 14;
constexpr int kOuterLowLeft = 15;
constexpr int kOuterLeft = 16;
constexpr int kInnerUpLeft = 1;
constexpr int kOuterUpLeft = 9;
constexpr int kOuterUp = 10;
constexpr int kOuterUpRight = 11;

// The right eye's angles in degrees, in the view's signs (horizontal
// towards the viewer's right, vertical downwards), at both distances.
struct RightEyeAngles {
    double horizontal = 0;
    double vertical = 0;
    bool latent = false;
};

Examination ExaminationOf(const MuscleStrengths& muscles, const RightEyeAngles& angles)
{
    EyeModel model;
    for (const auto& [quantity, degrees] :
         {std::pair{EyeQuantity::horizontal, angles.horizontal}, std::pair{EyeQuantity::vertical, angles.vertical}}) {
        model.SetFar(Eye::one, quantity, static_cast<int>(std::lround(100 * degrees)));
        model.SetNear(Eye::one, quantity, static_cast<int>(std::lround(100 * degrees)));
    }
    Examination examination;
    examination.SetModel(model);
    examination.SetLatent(angles.latent);
    examination.SetMuscles(muscles);
    return examination;
}

HessField RightField(const MuscleStrengths& muscles, const RightEyeAngles& angles = {})
{
    return HessFieldOf(Eye::one, ExaminationOf(muscles, angles));
}

HessField LeftField(const MuscleStrengths& muscles, const RightEyeAngles& angles = {})
{
    return HessFieldOf(Eye::two, ExaminationOf(muscles, angles));
}

double Shortfall(const HessField& field, int i)
{
    const ChartPoint& target = HessTargets()[i];
    const ChartPoint& plotted = field.plotted[i];
    return std::hypot(plotted.x - target.x, plotted.y - target.y);
}

}  // namespace

TEST(HessChart, TargetsAreTheCentreAndTwoSquaresOfEight)
{
    const auto& targets = HessTargets();
    EXPECT_TRUE(targets[kCentre].x == 0 && targets[kCentre].y == 0);
    // Each ring starts at the upper corner on the patient's left and goes
    // clockwise as he sees it round its square, half a side at a step.
    for (const double side : {kHessInnerSquare, kHessOuterSquare}) {
        const ChartPoint* ring = &targets[side == kHessInnerSquare ? 1 : 1 + kHessRingSize];
        EXPECT_TRUE(ring[0].x == -side && ring[0].y == side) << side;
        for (int i = 0; i < kHessRingSize; ++i) {
            const ChartPoint &p = ring[i], &q = ring[(i + 1) % kHessRingSize];
            EXPECT_EQ(std::max(std::abs(p.x), std::abs(p.y)), side) << i;
            EXPECT_EQ(std::hypot(q.x - p.x, q.y - p.y), side) << i;
            EXPECT_LT(p.x * q.y - p.y * q.x, 0) << i;
        }
    }
    EXPECT_NEAR(PrismDioptres(45), 100.0, 1e-9);
}

TEST(HessChart, NormalMusclesPlotOnTheGridAndAComitantDeviationShiftsEveryPoint)
{
    for (const HessField& field : {RightField({}), LeftField({})})
        for (int i = 0; i < kHessTargetCount; ++i) {
            EXPECT_NEAR(field.plotted[i].x, HessTargets()[i].x, 1e-9);
            EXPECT_NEAR(field.plotted[i].y, HessTargets()[i].y, 1e-9);
        }

    // The right eye 10 degrees in (towards the viewer's right) and 4 up (negative: upwards).
    RightEyeAngles manifest;
    manifest.horizontal = 10;
    manifest.vertical = -4;
    const HessField right = RightField({}, manifest);
    const HessField left = LeftField({}, manifest);
    EXPECT_NEAR(right.primary.inward, 10, 1e-9);
    EXPECT_NEAR(right.primary.upward, 4, 1e-9);
    // With the right eye fixing, its deviation is taken up and the left eye moves by as much.
    EXPECT_NEAR(left.primary.inward, 10, 1e-9);
    EXPECT_NEAR(left.primary.upward, -4, 1e-9);
    EXPECT_NEAR(left.plotted[kOuterLeft].x, -30 + 10, 1e-9) << "the left eye's nasal side is the patient's right";

    RightEyeAngles latent = manifest;
    latent.latent = true;
    EXPECT_NEAR(RightField({}, latent).primary.inward, 10, 1e-9);
    EXPECT_NEAR(LeftField({}, latent).primary.inward, 0, 1e-9) << "under cover each eye shows its own angles";
}

TEST(HessChart, WeakRightLateralRectusShrinksTheRightFieldTemporallyAndSwellsTheLeftNasally)
{
    const MuscleStrengths sixth = PresetStrengths(MusclePreset::sixthNervePalsy, Eye::one);
    const HessField right = RightField(sixth);
    const HessField left = LeftField(sixth);

    EXPECT_NEAR(right.plotted[kOuterRight].x, 5.86, 0.01) << "the right eye hardly passes the midline";
    EXPECT_NEAR(right.plotted[kOuterLeft].x, -30.14, 0.01);
    EXPECT_NEAR(left.plotted[kOuterRight].x, 50.0, 0.01) << "the left medial rectus overacts";
    EXPECT_NEAR(left.plotted[kOuterLeft].x, -29.85, 0.01);
    // Eso in the primary position, larger with the paretic eye fixing.
    EXPECT_NEAR(right.primary.inward, 10.46, 0.01);
    EXPECT_NEAR(left.primary.inward, 15.61, 0.01);
    EXPECT_NEAR(right.primary.upward, 0, 1e-6);
    // The smaller field is the paretic eye's: the mean distance of the outer points from the centre.
    double rightWidth = 0, leftWidth = 0;
    for (int i = 1 + kHessRingSize; i < kHessTargetCount; ++i) {
        rightWidth += std::abs(right.plotted[i].x);
        leftWidth += std::abs(left.plotted[i].x);
    }
    EXPECT_LT(rightWidth, leftWidth);
}

TEST(HessChart, WeakRightSuperiorObliquePullsInTheRightFieldsLowerNasalCornerAndTheLeftInferiorRectusOveracts)
{
    const MuscleStrengths fourth = PresetStrengths(MusclePreset::fourthNervePalsy, Eye::one);
    const HessField right = RightField(fourth);
    const HessField left = LeftField(fourth);

    // The right eye's nasal side is the patient's left: its lower corner there falls short most.
    EXPECT_NEAR(right.plotted[kOuterLowLeft].y, -10.94, 0.01);
    EXPECT_NEAR(right.plotted[kOuterLowRight].y, -28.65, 0.01);
    EXPECT_NEAR(right.primary.upward, 6.58, 0.01) << "right hypertropia";
    EXPECT_NEAR(left.plotted[kOuterLowLeft].y, -53.97, 0.01);
    EXPECT_NEAR(left.plotted[kOuterLowRight].y, -31.80, 0.01);
    EXPECT_NEAR(left.primary.upward, -9.50, 0.01);
    for (int i = 1 + kHessRingSize; i < kHessTargetCount; ++i) {
        EXPECT_LE(Shortfall(right, i), Shortfall(right, kOuterLowLeft)) << i;
        EXPECT_LE(Shortfall(left, i), Shortfall(left, kOuterLowLeft)) << i;
    }
    EXPECT_LT(left.plotted[kOuterDown].y, -50.0);
}

TEST(HessChart, BrownSyndromeRestrictsTheRightEyeUpAndInWithoutSuperiorObliqueOveraction)
{
    const MuscleStrengths brown = PresetStrengths(MusclePreset::brownSyndrome, Eye::one);
    const HessField right = RightField(brown);
    const HessField left = LeftField(brown);

    EXPECT_LT(std::abs(PrismDioptres(right.primary.upward)), 3.0) << "little or no hypotropia";
    // The right eye's upper nasal corner (the patient's left) falls short, the upper temporal one does not.
    EXPECT_LT(right.plotted[kOuterUpLeft].y, 30.0 - 10.0);
    EXPECT_LT(right.plotted[kInnerUpLeft].y, 15.0 - 3.0);
    EXPECT_LT(Shortfall(right, kOuterUpRight), 0.5);
    // No superior oblique overaction: the lower nasal corner is on its target.
    EXPECT_LT(Shortfall(right, kOuterLowLeft), 1e-6);
    EXPECT_LT(Shortfall(left, kOuterLowLeft), 1e-6);
    // The right eye fixing up and in overdrives the left superior rectus;
    // farther up it cannot fixate, and nothing is plotted there.
    EXPECT_GT(left.plotted[kInnerUpLeft].y, 15.0 + 10.0);
    EXPECT_TRUE(left.cannotFixate[kOuterUpLeft]);
    EXPECT_TRUE(left.cannotFixate[kOuterUp]);
    EXPECT_FALSE(left.cannotFixate[kOuterLowLeft]);
    for (bool missing : right.cannotFixate)
        EXPECT_FALSE(missing);
}

TEST(HessChart, TiltsOfASuperiorObliquePalsyMakeTheChartAsIncomitantAsTheNinePositions)
{
    // Left superior oblique palsy made with the case's angles and tilts: a
    // left hypertropia growing in right gaze and shrinking in left gaze.
    std::ifstream in(std::string(SQUINX_DATA_DIR) + "/cases/superior-oblique-palsy-left.sd", std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    CaseData data;
    ASSERT_EQ(DecodeCase(bytes, data), CaseReadResult::ok);
    Examination examination;
    examination.SetModel(data.values);
    examination.SetLatent(!data.manifestMode);
    examination.SetDistance(kBlendSliderFar);  // where opening a case puts the slider
    const HessField left = HessFieldOf(Eye::two, examination);

    // The nine positions show both eyes open, the right eye fixing: the left
    // eye's height above it at each gaze is what the chart must plot.
    const auto ninePositionsHyper = [&](double right) {
        const BothEyes solved = Solve(examination, {right, 0});
        return solved[1].LineOfSight().up - solved[0].LineOfSight().up;
    };
    for (const int i : {kCentre, kInnerRight, kInnerLeft, kOuterRight, kOuterLeft}) {
        const ChartPoint& target = HessTargets()[i];
        EXPECT_NEAR(left.plotted[i].y - target.y, ninePositionsHyper(target.x), 1e-9) << i;
    }
    EXPECT_NEAR(left.primary.upward, 6, 1e-9);
    // The left eye's 10-degree tilt shears its gaze by tan 10 degrees of the
    // horizontal gaze: at the nine positions' 25 degrees, about 11 and 2 degrees.
    const double shear = 25 * std::tan(10 * kRadiansPerDegree);
    EXPECT_NEAR(ninePositionsHyper(25), 6 + shear, 1e-9) << "right gaze";
    EXPECT_NEAR(ninePositionsHyper(-25), 6 - shear, 1e-9) << "left gaze";
    EXPECT_GT(left.plotted[kOuterRight].y - left.plotted[kOuterLeft].y, 10);

    // --measure with the right eye fixing prints the same deviation at every
    // target (inward for the left eye is towards the patient's right).
    for (int i = 0; i < kHessTargetCount; ++i) {
        const ChartPoint& target = HessTargets()[i];
        const Measurement measured = Measure(examination, {target.x, target.y}, Eye::one);
        EXPECT_NEAR(measured.upward, left.plotted[i].y - target.y, 1e-9) << i;
        EXPECT_NEAR(measured.inward, left.plotted[i].x - target.x, 1e-9) << i;
    }
}
