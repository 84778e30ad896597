// The solver against the view's rotation, cover animation and gaze, the
// muscle model under cover, and the prism cover test in a palsy.
#include "ShippedCases.h"

#include "examination/Measurement.h"
#include "examination/Solver.h"
#include "view/CoverAnimation.h"
#include "view/EyeRotation.h"
#include "view/GazeMath.h"
#include "view/SceneOfExamination.h"
#include "model/EyeModel.h"
#include "model/MusclePresets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;

struct AidsOfBoth {
    const char* name;
    EyeAids one, two;
};

// Every settled state of one aid, the red filter with each fixing box.
const std::vector<AidsOfBoth>& AidStates()
{
    static const std::vector<AidsOfBoth> states = {
        {"open", {}, {}},
        {"occluder 1", {true, false, false, false}, {}},
        {"occluder 2", {}, {true, false, false, false}},
        {"translucent 1", {false, false, true, false}, {}},
        {"translucent 2", {}, {false, false, true, false}},
        {"red filter 1", {false, true, false, false}, {}},
        {"red filter 1, eye 1 fixes", {false, true, false, true}, {}},
        {"red filter 1, eye 2 fixes", {false, true, false, false}, {false, false, false, true}},
        {"red filter 2, eye 1 fixes", {false, false, false, true}, {false, true, false, false}},
        {"red filter 2, eye 2 fixes", {}, {false, true, false, true}},
    };
    return states;
}

CoverBlends AnimatedToRest(const Examination& examination)
{
    CoverAnimation animation;
    for (int tick = 0; tick < 40 && animation.Tick(CoverInputsOf(examination)); ++tick) {
    }
    return animation.Blends();
}

// The view's rotation summed about each axis.
EyeAngles ViewTurnOf(int eye, const SceneState& scene, const CoverBlends& blends)
{
    const RotationSequence sequence = EyeRotation(eye, scene, blends);
    EyeAngles sum;
    for (std::size_t i = 0; i < sequence.count; ++i) {
        const AxisRotation& step = sequence.steps[i];
        (step.axis == RotationAxis::x   ? sum.vertical
         : step.axis == RotationAxis::y ? sum.horizontal
                                        : sum.torsion) += step.axis == RotationAxis::z ? -step.degrees : step.degrees;
    }
    return sum;
}

// Where the view's gaze rotation sends the line of sight (x right, y up, z
// towards the viewer), and where the solver's gaze does.
struct Direction {
    double x, y, z;
};

Direction ViewGaze(const EyeGaze& gaze)
{
    const double a = gaze.azimuth * kRadiansPerDegree;
    const double e = gaze.elevation * kRadiansPerDegree;
    return {std::sin(a) * std::sin(e), -std::cos(a) * std::sin(e), std::cos(e)};
}

Direction SolverGaze(const GazeTarget& gaze)
{
    const double viewerRight = -gaze.right;
    const double angle = std::hypot(viewerRight, gaze.up);
    if (angle == 0)
        return {0, 0, 1};
    const double s = std::sin(angle * kRadiansPerDegree);
    return {s * viewerRight / angle, s * gaze.up / angle, std::cos(angle * kRadiansPerDegree)};
}

bool SameBlends(const CoverBlends& a, const CoverBlends& b)
{
    return a.translucentBlend1 == b.translucentBlend1 && a.translucentBlend2 == b.translucentBlend2 &&
           a.coverBlend1 == b.coverBlend1 && a.coverBlend2 == b.coverBlend2 && a.offsetBlend1 == b.offsetBlend1 &&
           a.offsetBlend2 == b.offsetBlend2 && a.filterBlend1 == b.filterBlend1 && a.filterBlend2 == b.filterBlend2;
}

int Spin(const Examination& examination, Eye eye, EyeQuantity quantity)
{
    return examination.Model().Blended(eye, quantity, examination.Distance());
}

}  // namespace

TEST(Solver, ViewTurnsAndFollowsTheTargetAsSolvedForEveryShippedCaseAidTargetAndDistance)
{
    // Multiples of an eighth of a degree: whole pixels of the pointer.
    const std::vector<double> grid = {-30, -17.5, -5, 0, 2.5, 15, 30};
    int compared = 0;
    for (const std::string& name : ShippedCaseNames()) {
        Examination examination = ExaminationOfCase(name);
        for (const int distance : {kBlendSliderFar, 4, kBlendSliderNear})
            for (const AidsOfBoth& aids : AidStates()) {
                examination.SetDistance(distance);
                examination.SetAids(Eye::one, aids.one);
                examination.SetAids(Eye::two, aids.two);
                const CoverBlends blends = SettledBlends(examination);
                const CoverBlends animated = AnimatedToRest(examination);
                const std::string where = name + " at " + std::to_string(distance) + ", " + aids.name;
                ASSERT_TRUE(SameBlends(blends, animated)) << where;
                for (const double right : grid)
                    for (const double up : grid) {
                        const GazeTarget target{right, up};
                        const BothEyes solved = Solve(examination, target);
                        const SceneState scene = SceneOf(examination, target, blends);
                        for (int eye = 0; eye < 2; ++eye) {
                            const EyeAngles view = ViewTurnOf(eye, scene, blends);
                            const EyeAngles own = solved[eye].Deviation();
                            EXPECT_NEAR(own.horizontal, view.horizontal, 1e-4) << where;
                            EXPECT_NEAR(own.vertical, view.vertical, 1e-4) << where;
                            EXPECT_NEAR(own.torsion, view.torsion, 1e-4) << where;

                            const Eye which = eye == 0 ? Eye::one : Eye::two;
                            const EyeGaze gaze =
                                GazeTowardsPointer(PointerOffsetForDirection({-right, up}),
                                                   Spin(examination, which, EyeQuantity::horizontalAxisTilt),
                                                   Spin(examination, which, EyeQuantity::verticalAxisTilt), 100, 0);
                            const Direction expected = ViewGaze(gaze);
                            const Direction got = SolverGaze(solved[eye].gaze);
                            EXPECT_NEAR(got.x, expected.x, 1e-6) << where;
                            EXPECT_NEAR(got.y, expected.y, 1e-6) << where;
                            EXPECT_NEAR(got.z, expected.z, 1e-6) << where;
                            ++compared;
                        }
                    }
            }
    }
    EXPECT_GT(compared, 20 * 3 * 10 * 49 * 2);
}

TEST(Solver, ViewTurnsThroughPrismsAsSolved)
{
    Examination examination = ExaminationOfCase("esotropia-left.sd");
    examination.SetPrism(Eye::two, {20, PrismBase::out});
    examination.SetPrism(Eye::one, {6, PrismBase::up});
    for (const bool latent : {false, true})
        for (const AidsOfBoth& aids : AidStates()) {
            examination.SetLatent(latent);
            examination.SetAids(Eye::one, aids.one);
            examination.SetAids(Eye::two, aids.two);
            const CoverBlends blends = SettledBlends(examination);
            const BothEyes solved = Solve(examination, {10, -5});
            const SceneState scene = SceneOf(examination, {10, -5}, blends);
            for (int eye = 0; eye < 2; ++eye) {
                const EyeAngles view = ViewTurnOf(eye, scene, blends);
                EXPECT_NEAR(solved[eye].Deviation().horizontal, view.horizontal, 1e-4) << aids.name;
                EXPECT_NEAR(solved[eye].Deviation().vertical, view.vertical, 1e-4) << aids.name;
            }
        }
}

// Eye 1 turned in shows as a turn towards the viewer's right (positive),
// eye 2 turned in as a turn towards the viewer's left (negative).
TEST(Solver, CoverHandsFixationToThePareticEyeAndShowsTheSecondaryDeviation)
{
    Examination examination;
    examination.SetMuscles(PresetStrengths(MusclePreset::sixthNervePalsy, Eye::one));
    const auto muscles = [&](GazeTarget target, const CoverBlends& blends) {
        const BothEyes solved = Solve(examination, target, blends);
        return std::array<EyeAngles, 2>{solved[0].muscles, solved[1].muscles};
    };
    const auto eyeTwoCovered = [](float amount) {
        CoverBlends blends;
        blends.coverBlend2 = amount;
        return blends;
    };
    const auto primary = muscles({0, 0}, {});
    EXPECT_EQ(primary[1].horizontal, 0.0);  // the sound left eye fixes
    EXPECT_GT(primary[0].horizontal, 5.0);
    EXPECT_GT(muscles({20, 0}, {})[0].horizontal, 1.5 * primary[0].horizontal);

    const auto covered = muscles({0, 0}, eyeTwoCovered(1));
    EXPECT_NEAR(covered[0].horizontal, 0.0, 1e-6);
    EXPECT_LT(covered[1].horizontal, -1.2 * primary[0].horizontal);

    // Under the red filter the ticked fixing-eye box decides: eye 1's box
    // lets eye 2 float (offsetBlend2) while eye 1 fixes.
    CoverBlends filtered;
    filtered.offsetBlend2 = 1;
    EXPECT_NEAR(muscles({0, 0}, filtered)[1].horizontal, covered[1].horizontal, 1e-9);

    const auto halfWay = muscles({0, 0}, eyeTwoCovered(0.5f));
    EXPECT_NEAR(halfWay[0].horizontal, 0.5 * primary[0].horizontal, 1e-6);
    EXPECT_NEAR(halfWay[1].horizontal, 0.5 * covered[1].horizontal, 1e-6);
    // Fixation passes to the paretic eye half-way through the cover, and
    // from then on it cannot reach far to its side.
    EXPECT_FALSE(FixingEyeCannotFixate(examination, {30, 0}, eyeTwoCovered(0.49f)));
    EXPECT_TRUE(FixingEyeCannotFixate(examination, {30, 0}, eyeTwoCovered(0.5f)));

    // An eye that deviates by the case's own angles is not the fixing one,
    // whichever eye the muscles would choose.
    EyeModel leftEso;
    leftEso.SetFar(Eye::two, EyeQuantity::horizontal, 1000);
    leftEso.SetNear(Eye::two, EyeQuantity::horizontal, 1000);
    examination.SetModel(leftEso);
    EXPECT_EQ(ManifestFixingEye(examination), Eye::one);
    // Covering the right eye, the left takes up fixation and the right eye
    // moves by as much (Hering's law).
    CoverBlends rightCovered;
    rightCovered.coverBlend1 = 1;
    // Both turn the same way, so each moves by as much as the other in the same direction.
    const auto movesAlike = [&](const BothEyes& covered) {
        const BothEyes open = Solve(examination, {}, {});
        EXPECT_NEAR(covered[0].comitant.horizontal - open[0].comitant.horizontal,
                    covered[1].comitant.horizontal - open[1].comitant.horizontal, 1e-9);
    };
    const BothEyes leftFixes = Solve(examination, {}, rightCovered);
    EXPECT_NEAR(leftFixes[1].comitant.horizontal, 0.0, 1e-9);
    EXPECT_NEAR(std::abs(leftFixes[0].comitant.horizontal), 10.0, 1e-9);
    movesAlike(leftFixes);
    // The same with the eyes' parts swapped: a right eso, the left eye covered.
    EyeModel rightEso;
    rightEso.SetFar(Eye::one, EyeQuantity::horizontal, 1000);
    rightEso.SetNear(Eye::one, EyeQuantity::horizontal, 1000);
    examination.SetModel(rightEso);
    CoverBlends leftCovered;
    leftCovered.coverBlend2 = 1;
    const BothEyes rightFixes = Solve(examination, {}, leftCovered);
    EXPECT_NEAR(rightFixes[0].comitant.horizontal, 0.0, 1e-9);
    EXPECT_NEAR(std::abs(rightFixes[1].comitant.horizontal), 10.0, 1e-9);
    movesAlike(rightFixes);
    examination.SetModel({});
    EXPECT_EQ(ManifestFixingEye(examination), Eye::two);

    // The mirror image: the left eye paretic, the right eye covered.
    examination.SetMuscles(PresetStrengths(MusclePreset::sixthNervePalsy, Eye::two));
    const auto eyeOneCovered = [](float amount) {
        CoverBlends blends;
        blends.coverBlend1 = amount;
        return blends;
    };
    const auto mirrored = muscles({0, 0}, eyeOneCovered(1));
    EXPECT_NEAR(mirrored[1].horizontal, 0.0, 1e-6);
    EXPECT_NEAR(mirrored[0].horizontal, -covered[1].horizontal, 1e-6);
    const auto mirroredHalfWay = muscles({0, 0}, eyeOneCovered(0.5f));
    EXPECT_NEAR(mirroredHalfWay[1].horizontal, -0.5 * primary[0].horizontal, 1e-6);
    EXPECT_NEAR(mirroredHalfWay[0].horizontal, 0.5 * mirrored[0].horizontal, 1e-6);
    // Part way through an alternate cover, the right eye fixing behind its half-lifted cover
    // while the left is covered, the movement towards the paretic eye fixing has begun.
    CoverBlends alternating = eyeOneCovered(0.25f);
    alternating.coverBlend2 = 1;
    const auto bothOpen = muscles({0, 0}, {});
    const auto both = muscles({0, 0}, alternating);
    for (std::size_t eye = 0; eye < 2; ++eye)
        EXPECT_NEAR(both[eye].horizontal,
                    bothOpen[eye].horizontal + 0.25 * (mirrored[eye].horizontal - bothOpen[eye].horizontal), 1e-6);

    // Normal muscles add nothing.
    examination.SetMuscles({});
    for (const EyeAngles& turn : muscles({20, -10}, eyeTwoCovered(1)))
        EXPECT_TRUE(turn.horizontal == 0 && turn.vertical == 0 && turn.torsion == 0);
}

// Weak muscles' torsion follows a cover change part way like their turns,
// and a latent eye's prism turn is shared between its own prism and its
// fellow's as far as each is dissociated.
TEST(Solver, TorsionAndLatentPrismTurnsBlendWithTheCover)
{
    Examination examination;
    examination.SetMuscles(PresetStrengths(MusclePreset::fourthNervePalsy, Eye::two));
    CoverBlends rightCovered;
    const auto leftEye = [&](float cover) {
        rightCovered.coverBlend1 = cover;
        return Solve(examination, {0, -20}, rightCovered)[1].muscles;
    };
    const EyeAngles open = leftEye(0);
    const EyeAngles covered = leftEye(1);
    EXPECT_GT(std::abs(covered.torsion - open.torsion), 1.0) << "the paretic left eye takes up fixation";
    EXPECT_GT(std::abs(covered.vertical - open.vertical), 1.0);
    EXPECT_NEAR(leftEye(0.5f).torsion, 0.5 * (open.torsion + covered.torsion), 1e-9);
    EXPECT_NEAR(leftEye(0.5f).vertical, 0.5 * (open.vertical + covered.vertical), 1e-9);

    Examination latent;
    latent.SetLatent(true);
    latent.SetPrism(Eye::one, {10, PrismBase::out});
    latent.SetPrism(Eye::two, {6, PrismBase::up});
    const EyeAngles own = PrismTurn(Eye::one, latent.PrismBefore(Eye::one));
    const EyeAngles fellow = PrismTurn(Eye::two, latent.PrismBefore(Eye::two));
    CoverBlends partly;
    partly.coverBlend1 = 0.5f;
    partly.translucentBlend2 = 0.25f;
    const EyeAngles turn = Solve(latent, {}, partly)[0].prism;
    EXPECT_NEAR(turn.horizontal, 0.5 * own.horizontal + 0.5 * 0.75 * fellow.horizontal, 1e-9);
    EXPECT_NEAR(turn.vertical, 0.5 * own.vertical + 0.5 * 0.75 * fellow.vertical, 1e-9);
}

// Duane's co-contraction draws the right globe back in adduction only, and
// the view is handed that amount to draw.
TEST(Solver, DuaneRetractionReachesTheSceneInAdductionOnly)
{
    Examination examination;
    examination.SetMuscles(PresetStrengths(MusclePreset::duaneSyndrome, Eye::one));
    const GazeTarget adducting = {-20, 0};  // the patient's left: the right eye adducts
    const BothEyes solved = Solve(examination, adducting);
    EXPECT_DOUBLE_EQ(solved[0].retractionMm,
                     MuscleDeviation(examination.Muscles(), adducting, Eye::two).eyes[0].retractionMm);
    EXPECT_GT(solved[0].retractionMm, 1.0);
    EXPECT_EQ(solved[1].retractionMm, 0.0);
    const SceneState scene = SceneOf(examination, adducting, SettledBlends(examination));
    EXPECT_EQ(scene.eyes[0].retractionMm, solved[0].retractionMm);
    EXPECT_EQ(scene.eyes[1].retractionMm, 0.0);
    for (GazeTarget away : {GazeTarget{0, 0}, GazeTarget{20, 0}})
        EXPECT_EQ(SceneOf(examination, away, SettledBlends(examination)).eyes[0].retractionMm, 0.0);

    // Covering the left eye hands fixation to the right eye, and its
    // retraction goes with it, part way while the cover moves.
    const double fixing = MuscleDeviation(examination.Muscles(), adducting, Eye::one).eyes[0].retractionMm;
    CoverBlends leftCovered;
    leftCovered.coverBlend2 = 1;
    EXPECT_NEAR(Solve(examination, adducting, leftCovered)[0].retractionMm, fixing, 1e-9);
    leftCovered.coverBlend2 = 0.5f;
    EXPECT_NEAR(Solve(examination, adducting, leftCovered)[0].retractionMm, 0.5 * (solved[0].retractionMm + fixing),
                1e-9);
    // The mirror image: Duane in the left eye, the right eye covered.
    examination.SetMuscles(PresetStrengths(MusclePreset::duaneSyndrome, Eye::two));
    const GazeTarget leftAdducting = {20, 0};
    CoverBlends rightCovered;
    rightCovered.coverBlend1 = 0.5f;
    EXPECT_NEAR(Solve(examination, leftAdducting, rightCovered)[1].retractionMm,
                0.5 * (solved[0].retractionMm + fixing), 1e-9);
    examination.SetMuscles({});
    EXPECT_EQ(Solve(examination, adducting)[0].retractionMm, 0.0);
}

// Taking up fixation needs no torsion: with cyclodeviations kept as in the
// clinic, a cover change moves the eyes as before but rolls neither, for the
// muscles' torsion (a fourth nerve palsy's) and the case's own alike.
TEST(Solver, KeptCyclodeviationStaysAsWithBothEyesOpen)
{
    Examination examination;
    examination.SetMuscles(PresetStrengths(MusclePreset::fourthNervePalsy, Eye::one));
    EyeModel model;
    model.SetFar(Eye::one, EyeQuantity::torsion, 500);
    model.SetNear(Eye::one, EyeQuantity::torsion, 500);
    examination.SetModel(model);
    CoverBlends eyeTwoCovered;
    eyeTwoCovered.coverBlend2 = 1;
    const BothEyes open = Solve(examination, {}, {});
    const BothEyes rolling = Solve(examination, {}, eyeTwoCovered);
    examination.SetCycloStaysUnderCover(true);
    const BothEyes kept = Solve(examination, {}, eyeTwoCovered);
    ASSERT_GT(std::abs(open[0].muscles.torsion), 2.0);
    EXPECT_GT(std::abs(rolling[1].muscles.torsion - open[1].muscles.torsion), 2.0);
    EXPECT_NEAR(rolling[1].comitant.torsion, -5.0, 1e-9) << "by default the fellow rolls by the fixing eye's torsion";
    for (int eye : {0, 1}) {
        EXPECT_EQ(kept[eye].muscles.torsion, open[eye].muscles.torsion) << eye;
        EXPECT_EQ(kept[eye].comitant.torsion, open[eye].comitant.torsion) << eye;
        EXPECT_EQ(kept[eye].muscles.horizontal, rolling[eye].muscles.horizontal) << eye;
        EXPECT_EQ(kept[eye].comitant.horizontal, rolling[eye].comitant.horizontal) << eye;
    }
    // A latent cyclodeviation stays hidden under cover.
    examination.SetLatent(true);
    CoverBlends eyeOneCovered;
    eyeOneCovered.coverBlend1 = 1;
    EXPECT_EQ(Solve(examination, {}, eyeOneCovered)[0].comitant.torsion, 0.0);
    examination.SetCycloStaysUnderCover(false);
    EXPECT_NEAR(Solve(examination, {}, eyeOneCovered)[0].comitant.torsion, 5.0, 1e-9);
}

namespace {

// The horizontal deviation of `eye` in prism dioptres while the other fixes.
double DeviationUnderCover(Examination examination, Eye eye)
{
    examination.SetAids(eye, {true, false, false, false});
    const BothEyes solved = Solve(examination, {});
    return 100 * std::tan(std::abs(solved[static_cast<std::size_t>(eye)].Deviation().horizontal) * kRadiansPerDegree);
}

int NearestBarPower(double dioptres)
{
    int best = 0;
    for (int power : PrismBarPowers())
        if (std::abs(power - dioptres) < std::abs(best - dioptres))
            best = power;
    return best;
}

}  // namespace

TEST(Solver, PrismCoverTestNeutralisesBothDeviationsOfASixthNervePalsy)
{
    const Examination palsy = ExaminationOfCase("sixth-nerve-palsy-right.sd");
    // The sound left eye fixes: the primary deviation; the paretic right
    // eye fixes: the larger secondary deviation.
    const double primary = DeviationUnderCover(palsy, Eye::one);
    const double secondary = DeviationUnderCover(palsy, Eye::two);
    EXPECT_NEAR(primary, 18.5, 0.5);
    EXPECT_GT(secondary, primary + 5);

    // A loose prism of the deviation's whole power, and the bar's power when
    // it lies within a dioptre, stop both eyes; the bar's next powers beyond
    // them do not. The bar's 5-dioptre steps above 20 cannot come that close
    // to every deviation, so the loose prism is the measure there.
    for (const auto& [eye, deviation] : {std::pair{Eye::one, primary}, std::pair{Eye::two, secondary}}) {
        std::vector<int> stopping = {static_cast<int>(std::lround(deviation))};
        if (std::abs(NearestBarPower(deviation) - deviation) < 1)
            stopping.push_back(NearestBarPower(deviation));
        const auto [weakest, strongest] = std::minmax_element(stopping.begin(), stopping.end());
        const std::vector<int> moving = {StepPrismPower(*weakest, -1), StepPrismPower(*strongest, 1)};
        const auto movement = [&, eye = eye](int power) {
            Examination examination = palsy;
            examination.SetPrism(eye, {power, PrismBase::out});
            return Measure(examination, {}, std::nullopt).coverMovement;
        };
        const std::string before = " BO before eye " + std::to_string(static_cast<int>(eye) + 1);
        for (const int power : stopping) {
            const std::array<double, 2> moved = movement(power);
            EXPECT_LT(moved[0], 0.5) << power << before;
            EXPECT_LT(moved[1], 0.5) << power << before;
        }
        for (const int power : moving) {
            const std::array<double, 2> moved = movement(power);
            EXPECT_GE(std::max(moved[0], moved[1]), 0.5) << power << before;
        }
    }
}

TEST(Measurement, ShowsTheSixthNervePalsysPrimaryAndSecondaryDeviationAsTheCoverTestDoes)
{
    const Examination palsy = ExaminationOfCase("sixth-nerve-palsy-right.sd");
    const auto dioptres = [](double degrees) { return 100 * std::tan(degrees * kRadiansPerDegree); };
    // Both eyes open: the sound left eye fixes and the right eye turns in by
    // the primary deviation, the one the cover test measures.
    const Measurement open = Measure(palsy, {}, std::nullopt);
    EXPECT_EQ(open.fixing, Eye::two);
    EXPECT_FALSE(open.cannotFixate);
    EXPECT_NEAR(dioptres(open.inward), DeviationUnderCover(palsy, Eye::one), 0.05);
    EXPECT_NEAR(open.upward, 0, 1e-9);
    EXPECT_NEAR(open.eyes[1].right, 0, 1e-9);
    EXPECT_NEAR(open.eyes[0].right, -open.inward, 1e-9);
    EXPECT_GT(open.coverMovement[0], 5);
    // The sound eye, covered while the paretic one fixes, moves by the larger secondary deviation.
    EXPECT_GT(open.coverMovement[1], open.coverMovement[0] + 3);
    EXPECT_FALSE(open.cannotTakeUpFixation[0] || open.cannotTakeUpFixation[1]);
    // The paretic eye fixing: the larger secondary deviation of the left eye;
    // far to the patient's right it cannot fixate at all.
    const Measurement secondary = Measure(palsy, {}, Eye::one);
    EXPECT_NEAR(dioptres(secondary.inward), DeviationUnderCover(palsy, Eye::two), 0.05);
    const Measurement far = Measure(palsy, {40, 0}, Eye::one);
    EXPECT_TRUE(far.cannotFixate);
    EXPECT_TRUE(far.cannotTakeUpFixation[0]);
    EXPECT_FALSE(far.cannotTakeUpFixation[1]);
    // Incomitant: larger in the paretic muscle's field.
    EXPECT_GT(Measure(palsy, {25, 0}, std::nullopt).inward, open.inward + 2);

    // A comitant right hypotropia of 5 degrees with 3 degrees of intorsion of
    // the right eye and 2 of extorsion of the left, looking 10 degrees up:
    // the straight left eye fixes, the stored vertical angle turns the right
    // one down, and the alternate cover moves each eye by the 5 degrees.
    Examination comitant;
    EyeModel model;
    for (const auto& [eye, quantity, hundredths] : {std::tuple{Eye::one, EyeQuantity::vertical, 500},
                                                    {Eye::one, EyeQuantity::torsion, 300},
                                                    {Eye::two, EyeQuantity::torsion, 200}}) {
        model.SetFar(eye, quantity, hundredths);
        model.SetNear(eye, quantity, hundredths);
    }
    comitant.SetModel(model);
    const Measurement hypo = Measure(comitant, {0, 10}, std::nullopt);
    EXPECT_EQ(hypo.fixing, Eye::two);
    EXPECT_NEAR(hypo.upward, -5, 1e-9);
    EXPECT_NEAR(hypo.incyclo, 3 - 2, 1e-9);
    EXPECT_NEAR(hypo.coverMovement[0], 5, 1e-9);
    EXPECT_NEAR(hypo.coverMovement[1], 5, 1e-9);
}

TEST(Measurement, HeadPostureTurnsTheGazeAndTheHeadTiltTestFindsTheSuperiorObliquePalsy)
{
    // A face turn towards the palsy takes the gaze away from the weak lateral
    // rectus: the right sixth nerve palsy looking ahead with the face turned
    // 20 degrees right measures as it does looking 20 degrees left.
    Examination sixth = ExaminationOfCase("sixth-nerve-palsy-right.sd");
    const Measurement leftGaze = Measure(sixth, {-20, 0}, std::nullopt);
    sixth.SetHead({20, 0, 0});
    const Measurement turned = Measure(sixth, {}, std::nullopt);
    EXPECT_NEAR(turned.inward, leftGaze.inward, 1e-9);
    EXPECT_LT(turned.inward, Measure(ExaminationOfCase("sixth-nerve-palsy-right.sd"), {}, std::nullopt).inward - 1);
    // Chin up is down gaze, and a tilt turns a target above towards the raised ear's side.
    EXPECT_NEAR(InHead({0, 0, 15}, {0, 0}).up, -15, 1e-12);
    EXPECT_NEAR(InHead({0, 30, 0}, {0, 10}).right, -5, 1e-12);
    EXPECT_NEAR(InHead({0, 30, 0}, {0, 10}).up, 10 * std::cos(30 * kRadiansPerDegree), 1e-12);
    EXPECT_NEAR(CounterRoll({0, -40, 0}), -4, 1e-12);

    // Parks' third step: the right hypertropia of a right superior oblique
    // palsy grows with the head tilted to the right and shrinks to the left.
    Examination fourth = ExaminationOfCase("fourth-nerve-palsy-right.sd");
    const double straight = Measure(fourth, {}, std::nullopt).upward;
    fourth.SetHead({0, 45, 0});
    const double tiltedRight = Measure(fourth, {}, std::nullopt).upward;
    fourth.SetHead({0, -45, 0});
    const double tiltedLeft = Measure(fourth, {}, std::nullopt).upward;
    EXPECT_GT(straight, 5);
    EXPECT_GT(tiltedRight, straight + 0.5);
    EXPECT_LT(tiltedLeft, straight - 0.5);
    EXPECT_GT(tiltedRight - tiltedLeft, 1.8);
    // Sound muscles counter-roll without deviating, and the held range is kept.
    Examination sound;
    sound.SetHead({0, 45, 0});
    EXPECT_EQ(Measure(sound, {}, std::nullopt).upward, 0);
    sound.SetHead({-60, std::nan(""), 50});
    EXPECT_EQ(sound.Head().turn, -kLargestHeadPosture);
    EXPECT_EQ(sound.Head().tilt, 0);
    EXPECT_EQ(sound.Head().chinUp, kLargestHeadPosture);
}
