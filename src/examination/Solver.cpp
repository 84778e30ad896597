#include "examination/Solver.h"

#include "model/AngleUnit.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;
// Static ocular counter-roll is about a tenth of a head tilt (a few degrees
// at 30-60 degrees of tilt: Miller 1962, Collewijn et al. 1985).
constexpr double kCounterRollGain = 0.1;

constexpr Eye kEyes[kEyeCount] = {Eye::one, Eye::two};

Eye Fellow(Eye eye)
{
    return eye == Eye::one ? Eye::two : Eye::one;
}

// One eye's angles and tilts in degrees at the examination's distance.
struct EyeCase {
    double horizontal, vertical, torsion, verticalOffset, horizontalTilt, verticalTilt;
};

EyeCase CaseOf(const Examination& examination, Eye eye)
{
    const auto degrees = [&](EyeQuantity quantity) { return examination.Degrees(eye, quantity); };
    return {degrees(EyeQuantity::horizontal),
            degrees(EyeQuantity::vertical),
            degrees(EyeQuantity::torsion),
            degrees(EyeQuantity::verticalOffset),
            degrees(EyeQuantity::horizontalAxisTilt),
            degrees(EyeQuantity::verticalAxisTilt)};
}

EyeAngles operator+(const EyeAngles& a, const EyeAngles& b)
{
    return {a.horizontal + b.horizontal, a.vertical + b.vertical, a.torsion + b.torsion};
}

EyeAngles operator*(double weight, const EyeAngles& a)
{
    return {weight * a.horizontal, weight * a.vertical, weight * a.torsion};
}

EyeAngles DeviationOf(const EyeCase& eye)
{
    return {eye.horizontal, eye.vertical, eye.torsion};
}

// The view's signs keep torsion as stored, while a muscle's clockwise turn
// is the negative of a stored torsion.
EyeAngles FromViewTurn(const ViewTurn& turn)
{
    return {turn.horizontal, turn.vertical, turn.torsion};
}

// The pointer's offset is sheared by the tilts before the eye turns towards
// it; in the viewer's terms the horizontal tilt adds up * tan, the vertical
// one takes right * tan away.
GazeTarget GazeOf(const EyeCase& eye, GazeTarget target)
{
    const double viewerRight = -target.right;
    const double sheared = viewerRight + target.up * std::tan(eye.horizontalTilt * kRadiansPerDegree);
    const double up = target.up - viewerRight * std::tan(eye.verticalTilt * kRadiansPerDegree);
    return {-sheared, up};
}

struct Weights {
    double cover1, cover2, translucent1, translucent2, offset1, offset2, filter1, filter2;
};

Weights WeightsOf(const CoverBlends& b)
{
    return {b.coverBlend1,  b.coverBlend2,  b.translucentBlend1, b.translucentBlend2,
            b.offsetBlend1, b.offsetBlend2, b.filterBlend1,      b.filterBlend2};
}

EyeAngles ComitantOf(Eye eye, const std::array<EyeCase, kEyeCount>& eyes, bool latent, const CoverBlends& blends,
                     bool cycloStays)
{
    const ComitantWeights weights = ComitantWeightsOf(eye, latent, blends, cycloStays);
    EyeAngles turn;
    for (std::size_t i = 0; i < weights.count; ++i) {
        const ComitantWeights::Term& term = weights.terms[i];
        const EyeAngles deviation = DeviationOf(eyes[static_cast<std::size_t>(term.of)]);
        turn.horizontal += term.weight * deviation.horizontal;
        turn.vertical += term.weight * deviation.vertical;
        turn.torsion += term.torsionWeight * deviation.torsion;
    }
    const EyeCase& own = eyes[static_cast<std::size_t>(eye)];
    turn.vertical += weights.offsetWeight * ((latent ? own.vertical : 0.0) - own.verticalOffset);
    return turn;
}

bool AnyPrism(const Examination& examination)
{
    return examination.PrismBefore(Eye::one).dioptres != 0 || examination.PrismBefore(Eye::two).dioptres != 0;
}

EyeAngles PrismTurnOf(const Examination& examination, Eye eye)
{
    return PrismTurn(eye, examination.PrismBefore(eye));
}

// Where the target appears to an eye behind its prism: moved towards the
// apex, which is where the eye must turn to fix it.
GazeTarget SeenThroughPrism(const Examination& examination, Eye eye, GazeTarget target)
{
    const EyeTurn turn = PrismFixationTurn(examination.PrismBefore(eye));
    const double rightPerAbduction = eye == Eye::one ? 1.0 : -1.0;
    return {target.right + rightPerAbduction * turn.abduction, target.up + turn.elevation};
}

// Both eyes turn together by what the fixing eye needs for its prism.
EyeAngles ManifestPrismShift(const Examination& examination, const Weights& w)
{
    const double open = std::max(0.0, 1.0 - w.cover1 - w.cover2);
    const EyeAngles fixing = PrismTurnOf(examination, ManifestFixingEye(examination));
    return w.cover1 * PrismTurnOf(examination, Eye::two) + w.cover2 * PrismTurnOf(examination, Eye::one) +
           open * fixing;
}

// How far an aid in front of an eye has dissociated it, 0 to 1.
double Dissociation(Eye eye, const Weights& w)
{
    return std::min(1.0,
                    eye == Eye::one ? w.translucent1 + w.cover1 + w.filter1 : w.translucent2 + w.cover2 + w.filter2);
}

// An open eye fuses through its own prism; a dissociated one turns along
// with its fixing fellow (Hering's law), so it keeps the fellow's prism turn.
EyeAngles LatentPrismTurn(const Examination& examination, Eye eye, const Weights& w)
{
    const double dissociated = Dissociation(eye, w);
    const double fellowFixes = 1.0 - Dissociation(Fellow(eye), w);
    return (1.0 - dissociated) * PrismTurnOf(examination, eye) +
           (dissociated * fellowFixes) * PrismTurnOf(examination, Fellow(eye));
}

EyeTurn PartWay(const EyeTurn& base, const EyeTurn& to, double weight)
{
    return {weight * (to.abduction - base.abduction), weight * (to.elevation - base.elevation),
            weight * (to.intorsion - base.intorsion), weight * (to.retractionMm - base.retractionMm)};
}

// What weak muscles do to one eye: its turn, and how far its globe retracts.
struct MuscleEffect {
    EyeAngles turn;
    double retractionMm = 0;
};

// Each factor moves one eye while the other fixes: a cover or translucent
// occluder before the moving eye, or the red filter with the fixing eye's
// box ticked. The fixing eye is brought onto the target as it sees it
// through its own prism, and the fellow follows by the same innervation.
std::array<MuscleEffect, kEyeCount> MuscleEffects(const Examination& examination, GazeTarget target, const Weights& w)
{
    const MuscleStrengths& strengths = examination.Muscles();
    const Eye usual = examination.Latent() ? DefaultFixingEye(strengths) : ManifestFixingEye(examination);
    const auto fixedBy = [&](Eye eye) {
        return MuscleDeviation(strengths, SeenThroughPrism(examination, eye, target), eye,
                               CounterRoll(examination.Head()));
    };
    const double oneFixes = std::max({w.cover2, w.translucent2, w.offset2, w.filter2});
    const double twoFixes = std::max({w.cover1, w.translucent1, w.offset1, w.filter1});
    // Once a movement is complete the open eyes' solution drops out; the
    // solve for a paretic eye fixing is the costly one, so it is not done twice.
    // A kept cyclodeviation needs the open eyes' torsion, so it is always solved then.
    const bool keepTorsion = examination.CycloStaysUnderCover();
    const bool onlyOneFixes = !keepTorsion && oneFixes >= 1 && twoFixes == 0;
    const bool onlyTwoFixes = !keepTorsion && twoFixes >= 1 && oneFixes == 0;
    const BinocularDeviation open = onlyOneFixes   ? fixedBy(Eye::one)
                                    : onlyTwoFixes ? fixedBy(Eye::two)
                                                   : fixedBy(usual);
    const auto fixedAsOpenOr = [&](Eye eye) {
        const bool sameAsOpen = onlyOneFixes || onlyTwoFixes || eye == usual;
        return sameAsOpen ? open : fixedBy(eye);
    };
    const BinocularDeviation byOne = oneFixes > 0 ? fixedAsOpenOr(Eye::one) : open;
    const BinocularDeviation byTwo = twoFixes > 0 ? fixedAsOpenOr(Eye::two) : open;

    std::array<MuscleEffect, kEyeCount> effects;
    for (Eye eye : kEyes) {
        const std::size_t i = static_cast<std::size_t>(eye);
        const EyeTurn& base = open.eyes[i];
        EyeTurn one = PartWay(base, byOne.eyes[i], oneFixes);
        EyeTurn two = PartWay(base, byTwo.eyes[i], twoFixes);
        if (keepTorsion)
            one.intorsion = two.intorsion = 0;
        effects[i].turn = FromViewTurn(ToViewTurn(eye, {base.abduction + one.abduction + two.abduction,
                                                        base.elevation + one.elevation + two.elevation,
                                                        base.intorsion + one.intorsion + two.intorsion}));
        effects[i].retractionMm = base.retractionMm + one.retractionMm + two.retractionMm;
    }
    return effects;
}

}  // namespace

EyeAngles SolvedEye::Deviation() const
{
    return comitant + prism + muscles;
}

GazeTarget SolvedEye::LineOfSight() const
{
    const EyeAngles deviation = Deviation();
    return {gaze.right - deviation.horizontal, gaze.up - deviation.vertical};
}

GazeTarget InHead(const HeadPosture& head, GazeTarget target)
{
    // Turn and chin first, then the tilt rotates what is left: the head's up
    // leans towards the lowered ear, so a target above appears towards the other side.
    const double right = target.right - head.turn;
    const double up = target.up - head.chinUp;
    const double tilt = head.tilt * kRadiansPerDegree;
    return {right * std::cos(tilt) - up * std::sin(tilt), right * std::sin(tilt) + up * std::cos(tilt)};
}

double CounterRoll(const HeadPosture& head)
{
    return kCounterRollGain * head.tilt;
}

EyeAngles PrismTurn(Eye eye, const Prism& prism)
{
    return FromViewTurn(ToViewTurn(eye, PrismFixationTurn(prism)));
}

ComitantWeights ComitantWeightsOf(Eye eye, bool latent, const CoverBlends& blends, bool cycloStays)
{
    const Weights w = WeightsOf(blends);
    const bool first = eye == Eye::one;
    ComitantWeights weights;
    weights.offsetWeight = first ? w.offset1 : w.offset2;
    if (latent) {
        const double torsionShare = cycloStays ? 0.0 : 1.0;
        const double translucent = first ? w.translucent1 : w.translucent2;
        const double cover = first ? w.cover1 : w.cover2;
        const double filter = first ? w.filter1 : w.filter2;
        weights.terms = {{{eye, translucent, torsionShare * translucent},
                          {eye, cover, torsionShare * cover},
                          {eye, filter, torsionShare * filter}}};
        weights.count = 3;
        return weights;
    }
    const double own1 = first ? 1.0 - w.cover2 : -w.cover2;
    const double own2 = first ? -w.cover1 : 1.0 - w.cover1;
    weights.terms[0] = {Eye::one, own1, cycloStays ? (first ? 1.0 : 0.0) : own1};
    weights.terms[1] = {Eye::two, own2, cycloStays ? (first ? 0.0 : 1.0) : own2};
    weights.count = 2;
    return weights;
}

Eye ManifestFixingEye(const Examination& examination)
{
    const auto deviates = [&](Eye eye) {
        return examination.Degrees(eye, EyeQuantity::horizontal) != 0 ||
               examination.Degrees(eye, EyeQuantity::vertical) != 0;
    };
    const bool oneDeviates = deviates(Eye::one);
    if (oneDeviates != deviates(Eye::two))
        return oneDeviates ? Eye::two : Eye::one;
    // A palsy with straight angles: the eye with sound muscles fixes, and a
    // prism before the paretic eye must not shift the fixing one.
    return examination.Muscles().AllNormal() ? Eye::one : DefaultFixingEye(examination.Muscles());
}

CoverBlends SettledBlends(const Examination& examination)
{
    const EyeAids& aids1 = examination.Aids(Eye::one);
    const EyeAids& aids2 = examination.Aids(Eye::two);
    const bool manifest = !examination.Latent();
    const auto offsetZero = [&](Eye eye) {
        return examination.Model().Blended(eye, EyeQuantity::verticalOffset, examination.Distance()) == 0;
    };
    const bool zero1 = offsetZero(Eye::one);
    const bool zero2 = offsetZero(Eye::two);
    const auto settled = [](bool on) { return on ? 1.0f : 0.0f; };

    CoverBlends blends;
    blends.offsetBlend2 = settled(!zero2 && aids1.redFilter && aids1.fixesBehindFilter);
    blends.filterBlend1 = settled(!zero2 && aids1.redFilter && aids2.fixesBehindFilter);
    blends.offsetBlend1 = settled(!zero1 && aids2.redFilter && aids2.fixesBehindFilter);
    blends.filterBlend2 = settled(!zero1 && aids2.redFilter && aids1.fixesBehindFilter);
    blends.translucentBlend1 = settled(aids1.translucentOccluder);
    blends.translucentBlend2 = settled(aids2.translucentOccluder);
    blends.coverBlend1 =
        settled(aids1.occluder || (aids1.translucentOccluder && manifest) || (aids1.redFilter && zero2));
    blends.coverBlend2 =
        settled(aids2.occluder || (aids2.translucentOccluder && manifest) || (aids2.redFilter && zero1));
    return blends;
}

BothEyes Solve(const Examination& examination, GazeTarget inRoom, const CoverBlends& blends)
{
    const GazeTarget target = InHead(examination.Head(), inRoom);
    const std::array<EyeCase, kEyeCount> eyes = {CaseOf(examination, Eye::one), CaseOf(examination, Eye::two)};
    const Weights w = WeightsOf(blends);
    const bool latent = examination.Latent();
    const bool anyPrism = AnyPrism(examination);
    const bool weakMuscles = !examination.Muscles().AllNormal();
    const std::array<MuscleEffect, kEyeCount> muscles =
        weakMuscles ? MuscleEffects(examination, target, w) : std::array<MuscleEffect, kEyeCount>{};

    BothEyes solved;
    for (Eye eye : kEyes) {
        const std::size_t i = static_cast<std::size_t>(eye);
        SolvedEye& out = solved[i];
        out.gaze = GazeOf(eyes[i], target);
        out.comitant = ComitantOf(eye, eyes, latent, blends, examination.CycloStaysUnderCover());
        if (anyPrism)
            out.prism = latent ? LatentPrismTurn(examination, eye, w) : ManifestPrismShift(examination, w);
        out.muscles = muscles[i].turn;
        out.retractionMm = muscles[i].retractionMm;
    }
    return solved;
}

bool FixingEyeCannotFixate(const Examination& examination, GazeTarget inRoom, const CoverBlends& blends)
{
    const GazeTarget target = InHead(examination.Head(), inRoom);
    const MuscleStrengths& strengths = examination.Muscles();
    if (strengths.AllNormal())
        return false;
    const Weights w = WeightsOf(blends);
    const double oneFixes = std::max({w.cover2, w.translucent2, w.offset2, w.filter2});
    const double twoFixes = std::max({w.cover1, w.translucent1, w.offset1, w.filter1});
    const Eye usual = examination.Latent() ? DefaultFixingEye(strengths) : ManifestFixingEye(examination);
    const Eye fixing = oneFixes >= 0.5 ? Eye::one : twoFixes >= 0.5 ? Eye::two : usual;
    return MuscleDeviation(strengths, SeenThroughPrism(examination, fixing, target), fixing,
                           CounterRoll(examination.Head()))
        .cannotFixate;
}

BothEyes Solve(const Examination& examination, GazeTarget target)
{
    return Solve(examination, target, SettledBlends(examination));
}
