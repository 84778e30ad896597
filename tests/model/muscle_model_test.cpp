#include "model/MuscleModel.h"

#include "model/MusclePresets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr double kGaze = 25.0;  // degrees from straight ahead in the eight outer gaze positions

std::vector<GazeTarget> NineGazePositions()
{
    std::vector<GazeTarget> positions;
    for (double up : {kGaze, 0.0, -kGaze})
        for (double right : {kGaze, 0.0, -kGaze})
            positions.push_back({right, up});
    return positions;
}

const EyeTurn& Right(const BinocularDeviation& d)
{
    return d.eyes[0];
}
const EyeTurn& Left(const BinocularDeviation& d)
{
    return d.eyes[1];
}

// Clinical readings of a deviation: esotropia positive, right hypertropia
// positive, excyclotorsion of the right eye positive.
double Eso(const BinocularDeviation& d)
{
    return -(Right(d).abduction + Left(d).abduction);
}
double RightHyper(const BinocularDeviation& d)
{
    return Right(d).elevation - Left(d).elevation;
}
double RightExcyclo(const BinocularDeviation& d)
{
    return -Right(d).intorsion;
}

MuscleStrengths Weak(Eye eye, std::initializer_list<Muscle> muscles, int percent)
{
    MuscleStrengths strengths;
    for (Muscle m : muscles)
        strengths.Set(eye, m, percent);
    return strengths;
}

MuscleStrengths RightSixth()
{
    return PresetStrengths(MusclePreset::sixthNervePalsy, Eye::one);
}
MuscleStrengths RightFourth()
{
    return PresetStrengths(MusclePreset::fourthNervePalsy, Eye::one);
}
MuscleStrengths RightThird()
{
    return PresetStrengths(MusclePreset::thirdNervePalsy, Eye::one);
}
MuscleStrengths RightBrown()
{
    return PresetStrengths(MusclePreset::brownSyndrome, Eye::one);
}
MuscleStrengths RightDuane()
{
    return PresetStrengths(MusclePreset::duaneSyndrome, Eye::one);
}

double PrismDioptres(double degrees)
{
    return 100.0 * std::tan(degrees * 0.017453292519943295);
}

MuscleStrengths MirroredToLeft(const MuscleStrengths& right)
{
    MuscleStrengths left;
    for (int m = 0; m < kMuscleCount; ++m)
        left.Set(Eye::two, static_cast<Muscle>(m), right.Get(Eye::one, static_cast<Muscle>(m)));
    left.SetTether(Eye::two, right.Tether(Eye::one));
    left.SetCoContraction(Eye::two, right.CoContraction(Eye::one));
    return left;
}

// The solver stops within a billionth of a degree; a millionth leaves room
// for the rounding of the way back through the field weights.
void ExpectOnTarget(const EyeTurn& eye)
{
    EXPECT_NEAR(eye.abduction, 0.0, 1e-6);
    EXPECT_NEAR(eye.elevation, 0.0, 1e-6);
    EXPECT_NEAR(eye.intorsion, 0.0, 1e-6);
}

}  // namespace

TEST(MuscleModel, NormalMusclesGiveNoDeviationAnywhere)
{
    const MuscleStrengths normal;
    for (const GazeTarget& target : NineGazePositions()) {
        for (Eye fixing : {Eye::one, Eye::two}) {
            const BinocularDeviation d = MuscleDeviation(normal, target, fixing);
            for (const EyeTurn& eye : d.eyes) {
                EXPECT_EQ(eye.abduction, 0.0);
                EXPECT_EQ(eye.elevation, 0.0);
                EXPECT_EQ(eye.intorsion, 0.0);
            }
        }
    }
}

// Wherever the fixing eye can reach its target it lands on it, with either
// eye fixing, for every preset and gaze, inner and outer, oblique ones too,
// where the vertical muscles' horizontal pull feeds back into the horizontal
// innervation.
TEST(MuscleModel, FixingEyeLandsOnEveryTargetItCanReach)
{
    int reached = 0;
    for (int preset = 0; preset < kMusclePresetCount; ++preset)
        for (Eye fixing : {Eye::one, Eye::two})
            for (double scale : {0.4, 1.0})
                for (const GazeTarget& target : NineGazePositions()) {
                    const GazeTarget scaled{scale * target.right, scale * target.up};
                    const BinocularDeviation d =
                        MuscleDeviation(PresetStrengths(static_cast<MusclePreset>(preset), Eye::one), scaled, fixing);
                    if (d.cannotFixate)
                        continue;
                    ++reached;
                    SCOPED_TRACE(testing::Message() << "preset " << preset << ", eye " << static_cast<int>(fixing)
                                                    << ", " << scaled.right << "/" << scaled.up);
                    ExpectOnTarget(d.eyes[static_cast<std::size_t>(fixing)]);
                }
    EXPECT_GT(reached, 150);
}

TEST(MuscleModel, RightLateralRectusPalsyIsIncomitantEsotropia)
{
    const MuscleStrengths s = RightSixth();
    ASSERT_EQ(DefaultFixingEye(s), Eye::two);
    const BinocularDeviation primary = MuscleDeviation(s, {0, 0}, Eye::two);
    const BinocularDeviation rightGaze = MuscleDeviation(s, {kGaze, 0}, Eye::two);
    const BinocularDeviation leftGaze = MuscleDeviation(s, {-kGaze, 0}, Eye::two);
    ExpectOnTarget(Left(primary));
    EXPECT_GT(Eso(primary), 5.0);
    EXPECT_GT(Eso(rightGaze), 1.8 * Eso(primary));
    EXPECT_GE(Eso(leftGaze), 0.0);
    EXPECT_LT(Eso(leftGaze), 0.35 * Eso(primary));
    EXPECT_NEAR(RightHyper(primary), 0.0, 1e-9);

    // Fixing with the paretic eye needs more innervation: the secondary
    // deviation of the sound eye exceeds the primary one.
    const BinocularDeviation secondary = MuscleDeviation(s, {0, 0}, Eye::one);
    ExpectOnTarget(Right(secondary));
    EXPECT_GT(Eso(secondary), 1.4 * Eso(primary));
}

TEST(MuscleModel, RightSuperiorObliquePalsyIsHypertropiaWorstInLeftDownGaze)
{
    const MuscleStrengths s = RightFourth();
    const BinocularDeviation primary = MuscleDeviation(s, {0, 0}, DefaultFixingEye(s));
    EXPECT_GT(RightHyper(primary), 2.0);
    EXPECT_GT(RightExcyclo(primary), 2.0);

    double largest = 0;
    GazeTarget worst;
    for (const GazeTarget& target : NineGazePositions()) {
        const double hyper = RightHyper(MuscleDeviation(s, target, Eye::two));
        EXPECT_GT(hyper, 0.0);
        if (hyper > largest) {
            largest = hyper;
            worst = target;
        }
    }
    EXPECT_EQ(worst.right, -kGaze);
    EXPECT_EQ(worst.up, -kGaze);
    // The superior oblique abducts in down gaze: without it the eyes converge
    // more looking down than up, a V pattern.
    EXPECT_GT(Eso(MuscleDeviation(s, {0, -kGaze}, Eye::two)), Eso(MuscleDeviation(s, {0, kGaze}, Eye::two)) + 0.5);
}

// The vertical recti adduct a little as they pull: a weak inferior rectus
// fails to adduct the eye where it is innervated, in down gaze, and hardly
// where only its tone is missed, in up gaze.
TEST(MuscleModel, WeakInferiorRectusLetsTheEyeOutInDownGazeOnly)
{
    const MuscleStrengths s = Weak(Eye::one, {Muscle::IR}, 20);
    const double down = Right(MuscleDeviation(s, {0, -kGaze}, Eye::two)).abduction;
    const double up = Right(MuscleDeviation(s, {0, kGaze}, Eye::two)).abduction;
    EXPECT_GT(down, 0.5);
    EXPECT_LT(std::abs(up), 0.3 * down);
}

TEST(MuscleModel, RightThirdNervePalsyIsExotropiaAndHypotropia)
{
    const BinocularDeviation primary = MuscleDeviation(RightThird(), {0, 0}, Eye::two);
    EXPECT_LT(Eso(primary), -5.0);
    EXPECT_LT(RightHyper(primary), -2.0);
}

TEST(MuscleModel, CompletePalsyReachesTheTextbookSizeAndTheEyeCannotFixatePastTheMidline)
{
    // Growing steadily as the strength falls, to 30-50 PD esotropia when complete.
    double previous = 0;
    for (int percent : {80, 50, 20, 0}) {
        const double eso = Eso(MuscleDeviation(Weak(Eye::one, {Muscle::LR}, percent), {0, 0}, Eye::two));
        EXPECT_GT(eso, previous) << percent;
        previous = eso;
    }
    EXPECT_GT(PrismDioptres(previous), 30.0);
    EXPECT_LT(PrismDioptres(previous), 50.0);

    const MuscleStrengths complete = Weak(Eye::one, {Muscle::LR}, 0);
    EXPECT_FALSE(MuscleDeviation(complete, {kGaze, 0}, Eye::two).cannotFixate);
    EXPECT_TRUE(MuscleDeviation(complete, {kGaze, 0}, Eye::one).cannotFixate);
    EXPECT_FALSE(MuscleDeviation(RightSixth(), {0, 0}, Eye::one).cannotFixate);
}

// Where the fixing eye's innervation reaches its bound the eye stands at
// its limit: that is "cannot fixate" from the first target past the limit,
// before the eye falls visibly short, for the horizontal innervation and for
// each vertical pair alone.
TEST(MuscleModel, CannotFixateBeginsWhereTheInnervationReachesItsBound)
{
    const auto firstUnreachable = [](const MuscleStrengths& s, GazeTarget direction) {
        double low = -20, high = 60;
        EXPECT_FALSE(MuscleDeviation(s, {low * direction.right, low * direction.up}, Eye::one).cannotFixate);
        for (int i = 0; i < 50; ++i) {
            const double mid = 0.5 * (low + high);
            (MuscleDeviation(s, {mid * direction.right, mid * direction.up}, Eye::one).cannotFixate ? high : low) = mid;
        }
        return GazeTarget{high * direction.right, high * direction.up};
    };
    const std::pair<MuscleStrengths, GazeTarget> limits[] = {
        {Weak(Eye::one, {Muscle::LR}, 0), {1, 0}},
        {Weak(Eye::one, {Muscle::SR}, 0), {0, 1}},
        {Weak(Eye::one, {Muscle::IO}, 0), {0, 1}},
        // and at the lower bound: adduction and depression
        {Weak(Eye::one, {Muscle::MR}, 0), {-1, 0}},
        {Weak(Eye::one, {Muscle::IR}, 0), {0, -1}},
    };
    for (const auto& [strengths, direction] : limits) {
        const GazeTarget edge = firstUnreachable(strengths, direction);
        SCOPED_TRACE(testing::Message() << edge.right << "/" << edge.up);
        EXPECT_LT(std::abs(edge.right) + std::abs(edge.up), 59.0) << "a limit within the range looked at";
        const BinocularDeviation atEdge = MuscleDeviation(strengths, edge, Eye::one);
        const EyeTurn& fixing = Right(atEdge);
        EXPECT_LT(std::abs(fixing.abduction) + std::abs(fixing.elevation) + std::abs(fixing.intorsion), 0.01);
    }
}

TEST(MuscleModel, BrownSyndromeIsAMechanicalLimitOfElevationInAdduction)
{
    const MuscleStrengths s = RightBrown();
    ASSERT_EQ(DefaultFixingEye(s), Eye::two);
    for (int m = 0; m < kMuscleCount; ++m)
        EXPECT_EQ(s.Get(Eye::one, static_cast<Muscle>(m)), kNormalStrength);
    const auto lag = [&](GazeTarget target) { return -Right(MuscleDeviation(s, target, Eye::two)).elevation; };
    EXPECT_LT(std::abs(PrismDioptres(RightHyper(MuscleDeviation(s, {0, 0}, Eye::two)))), 3.0);
    EXPECT_GT(lag({-kGaze, kGaze}), 10.0);
    EXPECT_LT(lag({kGaze, kGaze}), 2.0);
    EXPECT_GT(lag({-kGaze, kGaze}), lag({kGaze, kGaze}) + 10.0);

    // V pattern: divergence in up gaze only.
    EXPECT_LT(PrismDioptres(Eso(MuscleDeviation(s, {0, kGaze}, Eye::two))), -5.0);
    EXPECT_NEAR(Eso(MuscleDeviation(s, {0, -kGaze}, Eye::two)), 0.0, 1e-6);
    // No superior oblique overaction: down and in the eye is on target.
    ExpectOnTarget(Right(MuscleDeviation(s, {-kGaze, -kGaze}, Eye::two)));
    // Fixing up and in with the tethered eye drives the other eye's
    // superior rectus into overaction; farther up it cannot fixate at all.
    const BinocularDeviation upInByBrown = MuscleDeviation(s, {-15, 15}, Eye::one);
    EXPECT_FALSE(upInByBrown.cannotFixate);
    EXPECT_GT(Left(upInByBrown).elevation, 10.0);
    EXPECT_TRUE(MuscleDeviation(s, {-kGaze, kGaze}, Eye::one).cannotFixate);
}

TEST(MuscleModel, DuaneTypeOneLimitsAbductionWithSmallEsotropiaAndRetractionInAdduction)
{
    const MuscleStrengths s = RightDuane();
    const double primary = Eso(MuscleDeviation(s, {0, 0}, Eye::two));
    EXPECT_GT(primary, 0.0);
    EXPECT_LT(primary, 0.75 * Eso(MuscleDeviation(RightSixth(), {0, 0}, Eye::two)));
    EXPECT_GT(Eso(MuscleDeviation(s, {kGaze, 0}, Eye::two)), 2.5 * primary);
    // Fixing with the affected eye too, the deviation stays below the palsy's.
    const BinocularDeviation secondary = MuscleDeviation(s, {0, 0}, Eye::one);
    EXPECT_FALSE(secondary.cannotFixate);
    EXPECT_LT(Eso(secondary), Eso(MuscleDeviation(RightSixth(), {0, 0}, Eye::one)));

    const BinocularDeviation adducted = MuscleDeviation(s, {-kGaze, 0}, Eye::two);
    // Adduction mildly limited: the eye lags by under a quarter of the gaze.
    EXPECT_GT(Right(adducted).abduction, 0.0);
    EXPECT_LT(Right(adducted).abduction, 0.25 * kGaze);
    EXPECT_GT(Right(adducted).retractionMm, 1.0);
    EXPECT_EQ(Left(adducted).retractionMm, 0.0);
    EXPECT_EQ(Right(MuscleDeviation(s, {0, 0}, Eye::two)).retractionMm, 0.0);
    EXPECT_EQ(Right(MuscleDeviation(s, {kGaze, 0}, Eye::two)).retractionMm, 0.0);
}

TEST(MuscleModel, LeftEyeCasesMirrorRightEyeCases)
{
    for (const MuscleStrengths& right : {RightSixth(), RightFourth(), RightThird(), RightBrown(), RightDuane()}) {
        const MuscleStrengths left = MirroredToLeft(right);
        for (const GazeTarget& target : NineGazePositions()) {
            for (Eye fixing : {Eye::one, Eye::two}) {
                const Eye mirroredFixing = fixing == Eye::one ? Eye::two : Eye::one;
                const BinocularDeviation a = MuscleDeviation(right, target, fixing);
                const BinocularDeviation b = MuscleDeviation(left, {-target.right, target.up}, mirroredFixing);
                EXPECT_NEAR(Right(a).abduction, Left(b).abduction, 1e-5);
                EXPECT_NEAR(Right(a).elevation, Left(b).elevation, 1e-5);
                EXPECT_NEAR(Right(a).intorsion, Left(b).intorsion, 1e-5);
                EXPECT_NEAR(Left(a).abduction, Right(b).abduction, 1e-5);
                EXPECT_NEAR(Left(a).elevation, Right(b).elevation, 1e-5);
                EXPECT_NEAR(Left(a).intorsion, Right(b).intorsion, 1e-5);
            }
        }
    }
}

TEST(MuscleModel, ParalysedMusclesStayBoundedAndFinite)
{
    MuscleStrengths none;
    for (Eye eye : {Eye::one, Eye::two})
        for (int m = 0; m < kMuscleCount; ++m)
            none.Set(eye, static_cast<Muscle>(m), 0);
    for (const GazeTarget& target : NineGazePositions()) {
        const BinocularDeviation d = MuscleDeviation(none, target, Eye::one);
        for (const EyeTurn& eye : d.eyes) {
            EXPECT_TRUE(std::isfinite(eye.abduction) && std::isfinite(eye.elevation) && std::isfinite(eye.intorsion));
            EXPECT_LT(std::abs(eye.abduction) + std::abs(eye.elevation) + std::abs(eye.intorsion), 300.0);
        }
    }
    // A fixing eye without a horizontal pair stays straight; as it cannot
    // move, it is innervated for the target itself, which its fellow reaches.
    const BinocularDeviation stuck = MuscleDeviation(Weak(Eye::one, {Muscle::LR, Muscle::MR}, 0), {kGaze, 0}, Eye::one);
    EXPECT_NEAR(Right(stuck).abduction, -kGaze, 1e-6);
    ExpectOnTarget(Left(stuck));
}

TEST(MuscleModel, FixingEyeAndViewSigns)
{
    EXPECT_EQ(DefaultFixingEye(MuscleStrengths{}), Eye::one);
    EXPECT_EQ(DefaultFixingEye(MirroredToLeft(RightSixth())), Eye::one);
    MuscleStrengths both = RightThird();
    both.Set(Eye::two, Muscle::LR, 50);
    EXPECT_EQ(DefaultFixingEye(both), Eye::two);
    // Anomalies count as weakness: a co-contraction of 50 weighs more than a
    // muscle at 70 % or a tether of 30.
    MuscleStrengths anomalies = RightDuane();
    anomalies.Set(Eye::one, Muscle::LR, 100);
    anomalies.Set(Eye::two, Muscle::SR, 70);
    EXPECT_EQ(DefaultFixingEye(anomalies), Eye::two);
    anomalies.Set(Eye::two, Muscle::SR, 100);
    anomalies.SetTether(Eye::two, 30);
    EXPECT_EQ(DefaultFixingEye(anomalies), Eye::two);
    anomalies.SetTether(Eye::two, 60);
    EXPECT_EQ(DefaultFixingEye(anomalies), Eye::one);

    // An esotropia turns eye 1 towards the viewer's right and eye 2 towards
    // the viewer's left; a hypertropia of either eye turns it upwards, which
    // the view counts negative; intorsion is clockwise for eye 1 only.
    const ViewTurn one = ToViewTurn(Eye::one, {-5, 2, 3});
    const ViewTurn two = ToViewTurn(Eye::two, {-5, 2, 3});
    EXPECT_GT(one.horizontal, 0);
    EXPECT_LT(two.horizontal, 0);
    EXPECT_LT(one.vertical, 0);
    EXPECT_LT(two.vertical, 0);
    EXPECT_GT(one.torsion, 0);
    EXPECT_LT(two.torsion, 0);
}

TEST(MusclePresets, WeakenTheNamedMusclesOfOneEyeOnly)
{
    EXPECT_EQ(RightSixth(), Weak(Eye::one, {Muscle::LR}, 20));
    EXPECT_EQ(RightFourth(), Weak(Eye::one, {Muscle::SO}, 20));
    // A complete third nerve palsy takes the levator too: a marked ptosis.
    MuscleStrengths third = Weak(Eye::one, {Muscle::MR, Muscle::SR, Muscle::IR, Muscle::IO}, 10);
    third.SetLevator(Eye::one, 10);
    EXPECT_EQ(RightThird(), third);
    MuscleStrengths brown;
    brown.SetTether(Eye::two, kBrownTether);
    EXPECT_EQ(PresetStrengths(MusclePreset::brownSyndrome, Eye::two), brown);
    MuscleStrengths duane = Weak(Eye::two, {Muscle::LR}, 10);
    duane.SetCoContraction(Eye::two, kDuaneCoContraction);
    EXPECT_EQ(PresetStrengths(MusclePreset::duaneSyndrome, Eye::two), duane);
    EXPECT_FALSE(brown.AllNormal());
    EXPECT_TRUE(brown.EyeNormal(Eye::one));
}
