// The prism cover test on the toolkit-free core: the cover animation moves
// the factors, the solver and the eye rotation turn the eyes behind the prisms.
#include "view/CoverAnimation.h"
#include "view/EyeRotation.h"
#include "view/SceneOfExamination.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// An esodeviation of 20 prism dioptres in degrees, as a field stores it.
constexpr double kEso20 = 11.31;

// Horizontal turn of an eye in the view's signs; the cases here turn the
// eyes about one axis only, so the turns add up.
double Horizontal(int eye, const Examination& examination, const CoverBlends& blends)
{
    const RotationSequence sequence = EyeRotation(eye, SceneOf(examination, {}, blends), blends);
    double sum = 0;
    for (std::size_t i = 0; i < sequence.count; ++i)
        if (sequence.steps[i].axis == RotationAxis::y)
            sum += sequence.steps[i].degrees;
        else
            EXPECT_NEAR(sequence.steps[i].degrees, 0, 1e-9);
    return sum;
}

// Eye 2 (the patient's left eye) is esotropic or esophoric; eye 2's view
// turn towards its nose is negative.
Examination Esodeviation(bool latent, int distance, int baseOutDioptres)
{
    const auto hundredths = [](double degrees) { return static_cast<int>(std::lround(100 * degrees)); };
    EyeModel model;
    for (const auto& [eye, degrees] : {std::pair{Eye::two, -kEso20}, std::pair{Eye::one, latent ? kEso20 : 0.0}}) {
        model.SetFar(eye, EyeQuantity::horizontal, hundredths(degrees));
        model.SetNear(eye, EyeQuantity::horizontal, hundredths(degrees));
    }
    Examination examination;
    examination.SetModel(model);
    examination.SetLatent(latent);
    examination.SetDistance(distance);
    examination.SetPrism(Eye::two, {baseOutDioptres, PrismBase::out});
    return examination;
}

class PrismCover {
public:
    explicit PrismCover(Examination examination) : m_examination(examination)
    {
        m_inputs.manifestMode = !examination.Latent();
    }

    // Puts the occluder before `eye` (-1: none) and returns how far eye 2
    // moved until the animation came to rest, in the view's signs.
    double Cover(int eye)
    {
        const double before = Horizontal(1, m_examination, m_animation.Blends());
        m_inputs.occluder = {eye == 0, eye == 1};
        for (int tick = 0; tick < 30; ++tick)
            m_animation.Tick(m_inputs);
        return Horizontal(1, m_examination, m_animation.Blends()) - before;
    }

private:
    Examination m_examination;
    CoverInputs m_inputs;
    CoverAnimation m_animation;
};

}  // namespace

TEST(PrismCover, BaseOutNeutralisesAnEsodeviationAtFarAndNearInBothModes)
{
    for (const bool latent : {false, true})
        for (const int distance : {1, 11}) {
            const std::string where = std::string(latent ? "latent" : "manifest") + " at " + std::to_string(distance);
            // Without a prism eye 2 refixates outwards: the reference movement.
            PrismCover bare(Esodeviation(latent, distance, 0));
            const double reference = latent ? -bare.Cover(1) : bare.Cover(0);
            ASSERT_NEAR(std::abs(reference), kEso20, 0.01) << where;

            for (const int dioptres : {10, 20, 30}) {
                PrismCover test(Esodeviation(latent, distance, dioptres));
                // Manifest: cover the fixing eye and watch eye 2 take up
                // fixation. Latent: cover eye 2 and watch it on uncovering.
                const double coverUncover = latent ? (test.Cover(1), test.Cover(-1)) : test.Cover(0);
                // Alternate cover: the occluder straight to the other eye and back.
                const double alternate = latent ? (test.Cover(1), test.Cover(0)) : (test.Cover(1), test.Cover(0));
                for (const double movement : {coverUncover, alternate}) {
                    const std::string label = where + ", " + std::to_string(dioptres) + " BO";
                    if (dioptres == 20) {
                        EXPECT_NEAR(movement, 0, 0.01) << label;
                    } else if (dioptres == 10) {
                        EXPECT_GT(movement * reference, 0) << label;
                        EXPECT_LT(std::abs(movement), 0.6 * std::abs(reference)) << label;
                    } else {
                        EXPECT_LT(movement * reference, 0) << label;
                        EXPECT_GT(std::abs(movement), 2.0) << label;
                    }
                }
            }
        }
}

TEST(PrismCover, PrismBeforeTheFixingEyeTurnsBothEyesAndNoPrismChangesNothing)
{
    Examination examination = Esodeviation(false, 11, 0);
    const CoverBlends open;
    const std::size_t bareSteps = EyeRotation(0, SceneOf(examination, {}, open), open).count;
    // Eye 1 fixes; 10 base-in before it turns it out, eye 2 along.
    examination.SetPrism(Eye::one, {10, PrismBase::in});
    EXPECT_EQ(EyeRotation(0, SceneOf(examination, {}, open), open).count, bareSteps + 2);
    const double turn = Horizontal(0, examination, open);
    EXPECT_NEAR(turn, -5.7106, 1e-3);
    EXPECT_NEAR(Horizontal(1, examination, open), -kEso20 + turn, 1e-5);
}

TEST(PrismCover, PrismBeforeTheParalyticEyeMeasuresItsPrimaryDeviation)
{
    // Right lateral rectus palsy with straight angles: the left eye fixes and
    // the right eye (index 0) is esotropic in the primary position.
    MuscleStrengths strengths;
    strengths.Set(Eye::one, Muscle::LR, 20);
    const auto rightEyeAfterCoveringTheLeft = [&](int baseOutDioptres) {
        Examination examination;
        examination.SetMuscles(strengths);
        examination.SetPrism(Eye::one, {baseOutDioptres, PrismBase::out});
        CoverInputs inputs;
        CoverAnimation animation;
        const double before = Horizontal(0, examination, animation.Blends());
        inputs.occluder = {false, true};
        for (int tick = 0; tick < 30; ++tick)
            animation.Tick(inputs);
        return std::pair{before, Horizontal(0, examination, animation.Blends()) - before};
    };
    const auto [deviation, bareMovement] = rightEyeAfterCoveringTheLeft(0);
    ASSERT_GT(std::abs(deviation), 3.0);
    EXPECT_NEAR(bareMovement, -deviation, 0.01);
    // The bar's prism nearest the deviation leaves at most half a bar step.
    const int measured = static_cast<int>(std::lround(100 * std::tan(std::abs(deviation) * M_PI / 180) / 2) * 2);
    EXPECT_LT(std::abs(rightEyeAfterCoveringTheLeft(measured).second), 0.6);
}
