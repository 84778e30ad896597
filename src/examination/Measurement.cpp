#include "examination/Measurement.h"

#include "examination/Solver.h"

#include <cmath>
#include <cstddef>

namespace {

Eye Fellow(Eye eye)
{
    return eye == Eye::one ? Eye::two : Eye::one;
}

std::size_t Index(Eye eye)
{
    return static_cast<std::size_t>(eye);
}

// Stored torsion is intorsion for eye 1 and extorsion for eye 2.
double Incyclo(Eye eye, double torsion)
{
    return eye == Eye::one ? torsion : -torsion;
}

// Only the eye named is covered.
Examination Covering(Examination examination, std::optional<Eye> covered)
{
    EyeAids occluder;
    occluder.occluder = true;
    for (const Eye eye : {Eye::one, Eye::two})
        examination.SetAids(eye, covered == eye ? occluder : EyeAids{});
    return examination;
}

// The eye that fixes with both eyes open, as the solver decides it.
Eye OpenEyesFixing(const Examination& examination)
{
    return examination.Latent() ? DefaultFixingEye(examination.Muscles()) : ManifestFixingEye(examination);
}

}  // namespace

Measurement Measure(const Examination& examination, GazeTarget gaze, std::optional<Eye> fixing)
{
    const Examination shown = Covering(examination, fixing ? std::optional<Eye>(Fellow(*fixing)) : std::nullopt);
    Measurement measured;
    measured.gaze = gaze;
    measured.head = examination.Head();
    measured.fixing = fixing ? *fixing : OpenEyesFixing(shown);
    measured.cannotFixate = FixingEyeCannotFixate(shown, gaze, SettledBlends(shown));

    const BothEyes solved = Solve(shown, gaze);
    for (const Eye eye : {Eye::one, Eye::two}) {
        const SolvedEye& one = solved[Index(eye)];
        const GazeTarget line = one.LineOfSight();
        measured.eyes[Index(eye)] = {line.right, line.up, Incyclo(eye, one.Deviation().torsion)};
    }
    const Eye deviating = Fellow(measured.fixing);
    const EyeDirection& d = measured.eyes[Index(deviating)];
    const EyeDirection& f = measured.eyes[Index(measured.fixing)];
    // Towards the patient's right is outward for his right eye.
    const double rightwardsPerAbduction = deviating == Eye::one ? 1.0 : -1.0;
    measured.inward = -rightwardsPerAbduction * (d.right - f.right);
    measured.upward = d.up - f.up;
    measured.incyclo = d.incyclo + f.incyclo;

    const auto lines = [&](Eye covered) {
        const Examination cover = Covering(examination, covered);
        measured.cannotTakeUpFixation[Index(Fellow(covered))] =
            FixingEyeCannotFixate(cover, gaze, SettledBlends(cover));
        const BothEyes solved = Solve(cover, gaze);
        return std::array<GazeTarget, kEyeCount>{solved[0].LineOfSight(), solved[1].LineOfSight()};
    };
    const std::array<GazeTarget, kEyeCount> oneCovered = lines(Eye::one);
    const std::array<GazeTarget, kEyeCount> twoCovered = lines(Eye::two);
    for (std::size_t i = 0; i < kEyeCount; ++i)
        measured.coverMovement[i] =
            std::hypot(oneCovered[i].right - twoCovered[i].right, oneCovered[i].up - twoCovered[i].up);
    return measured;
}

Measurement MeasureByPrismCover(const Examination& examination, GazeTarget gaze)
{
    // Covering dissociates a phoria as well, so the eye that would fix a tropia of these angles fixes.
    return Measure(examination, gaze, ManifestFixingEye(examination));
}

std::array<GazeTarget, 9> NineGazes(double eccentricity)
{
    constexpr int kReadingOrder[9] = {7, 8, 9, 4, 5, 6, 1, 2, 3};
    std::array<GazeTarget, 9> gazes{};
    for (std::size_t i = 0; i < gazes.size(); ++i) {
        FixationTarget target;
        target.kind = FixationTarget::Kind::ninePositions;
        target.key = kReadingOrder[i];
        target.eccentricity = eccentricity;
        gazes[i] = DirectionOf(target);
    }
    return gazes;
}
