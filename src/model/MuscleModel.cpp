#include "model/MuscleModel.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;

// Resting tone of every muscle, in degrees of the turn it balances in a
// normal eye. A muscle falls silent once the eye is turned about twice this
// far against it.
constexpr double kTone = 11.0;
// A muscle losing its strength also loses the stiffness that held its
// antagonist's resting tone in check: near rest the antagonist turns the eye
// further, by this share of the tone times the eighth power of the loss. The
// stiffness of a weakened muscle matters little until it nears paralysis, so
// a partial palsy stays near the tone's figure while a complete lateral
// rectus palsy ends near 21 degrees (38 PD) esotropia. Far out, where the
// tone no longer matters, neither does this.
constexpr double kParalysisGain = 0.9;
// The superior oblique tendon is stretched by the share of an elevation that
// lies in the oblique muscle plane. A tether of 100 % allows no stretch; one
// of 0 % would allow this much elevation of the oblique plane.
constexpr double kLooseSlack = 20.0;
// Beyond its slack the tether yields this share of what the elevators
// demand, and the share it holds back turns the eye this much outwards: the
// tendon pulls along the oblique plane, behind the centre of rotation.
constexpr double kTetherYield = 0.2;
constexpr double kTetherAbduction = 0.35;
// Globe retraction per degree of co-contraction force beyond the resting
// tone: both horizontal recti pulling back at once.
constexpr double kRetractionMmPerDegree = 0.3;
// A fixing eye that ends farther than this from the target cannot fixate it.
constexpr double kFixationMiss = 0.05;  // degrees
// Share of a vertical muscle's force that turns the eye horizontally: the
// recti adduct a little, the obliques abduct a little.
constexpr double kHorizontalShare = 0.1;
// Angle between the line of sight in primary position and the plane of the
// vertical recti (temporal) and of the obliques (nasal).
constexpr double kRectusPlane = 23.0 * kRadiansPerDegree;
constexpr double kObliquePlane = 51.0 * kRadiansPerDegree;
// Innervation is bounded: an eye whose muscles cannot reach the target gets
// at most this much, however far it falls short.
constexpr double kLargestInnervation = 50.0;
constexpr int kMostSteps = 20;
constexpr double kClose = 1e-9;  // degrees

// A point of the shared innervation space, in the frame both eyes are
// yoked in: x towards the patient's right, y up, z torsion that intorts the
// right eye and extorts the left.
struct Version {
    double x = 0;
    double y = 0;
    double z = 0;
};

Version operator-(const Version& a, const Version& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

EyeTurn ToEyeTerms(Eye eye, const Version& v)
{
    const double side = eye == Eye::one ? 1.0 : -1.0;
    return {side * v.x, v.y, side * v.z};
}

Version ToVersion(Eye eye, const EyeTurn& turn)
{
    const double side = eye == Eye::one ? 1.0 : -1.0;
    return {side * turn.abduction, turn.elevation, side * turn.intorsion};
}

// The even part of a muscle's force, ((c/2)^8 + tone^8)^(1/8): the tone at
// rest, half of |c| far out; the eighth power makes the knee sharp, so a
// muscle hardly matters outside its own half of the field.
double EvenPart(double c)
{
    const double h2 = 0.25 * c * c;
    const double h4 = h2 * h2;
    constexpr double tone2 = kTone * kTone;
    constexpr double tone4 = tone2 * tone2;
    return std::sqrt(std::sqrt(std::sqrt(h4 * h4 + tone4 * tone4)));
}

// The forces of both muscles of a pair for innervation c (degrees): each has
// the tone at rest, growing towards twice c when it pulls, fading to zero
// when the other one does. Agonist minus antagonist is exactly c, as the even
// parts cancel; sharing that part, one root serves both.
struct Forces {
    double even, agonist, antagonist;
};

Forces ForcesAt(double c)
{
    const double even = EvenPart(c);
    return {even, 0.5 * c + even, even - 0.5 * c};
}

double Force(double c)
{
    return 0.5 * c + EvenPart(c);
}

// d EvenPart / d c, from the even part already found.
double EvenSlope(double c, double even)
{
    const double h2 = 0.25 * c * c;
    const double e2 = even * even;
    return h2 * h2 * h2 * c / (4.0 * e2 * e2 * e2 * even);
}

// One antagonist pair: agonist of strength agonist against antagonist of
// strength antagonist (shares of normal); rest: the extra share of resting
// tone by which the antagonist outweighs the agonist near rest; tonic: the
// share of the antagonist's innervation that also reaches the agonist, up to
// the resting tone (a co-contraction).
struct Pair {
    double agonist, antagonist, rest, tonic = 0;
};

double ParalysisGain(double strength)
{
    const double loss2 = (1.0 - strength) * (1.0 - strength);
    const double loss4 = loss2 * loss2;
    return kParalysisGain * loss4 * loss4;
}

Pair PairOf(double agonist, double antagonist)
{
    return {agonist, antagonist, ParalysisGain(agonist) - ParalysisGain(antagonist)};
}

// What the pair turns the eye by for innervation c; what is left of the
// resting tone, the even part less half of |c|, fades far out.
double PairTurn(const Pair& p, double c, const Forces& f)
{
    return p.agonist * f.agonist - p.antagonist * f.antagonist - p.rest * (f.even - 0.5 * std::abs(c)) +
           p.tonic * std::min(f.antagonist, kTone);
}

double PairTurn(const Pair& p, double c)
{
    return PairTurn(p, c, ForcesAt(c));
}

double PairSlope(const Pair& p, double c, const Forces& f)
{
    const double bend = EvenSlope(c, f.even);
    const double agonistSlope = 0.5 + bend;
    const double antagonistSlope = 0.5 - bend;
    const double restingSlope = agonistSlope - 0.5 - (c > 0 ? 0.5 : c < 0 ? -0.5 : 0.0);
    const double tonicSlope = f.antagonist < kTone ? -antagonistSlope : 0.0;
    return p.agonist * agonistSlope + p.antagonist * antagonistSlope - p.rest * restingSlope + p.tonic * tonicSlope;
}

// The innervation, within the bounds, that turns a pair closest to a turn.
// The bounds' turns are the pair's own, so they are found once per pair.
class PairSolver {
public:
    explicit PairSolver(const Pair& p)
        : m_pair(p), m_lowestTurn(PairTurn(p, -kLargestInnervation)), m_highestTurn(PairTurn(p, kLargestInnervation))
    {}

    // The pair's turn grows steadily with c, so Newton's method kept inside
    // a shrinking bracket finds it.
    double Innervation(double turn) const
    {
        if (m_pair.agonist == 0 && m_pair.antagonist == 0)
            return std::clamp(turn, -kLargestInnervation, kLargestInnervation);  // the eye cannot move
        double low = -kLargestInnervation;
        double high = kLargestInnervation;
        if (turn <= m_lowestTurn)
            return low;
        if (turn >= m_highestTurn)
            return high;
        double c = std::clamp(turn, low, high);
        for (int i = 0; i < kMostSteps; ++i) {
            const Forces f = ForcesAt(c);
            const double miss = PairTurn(m_pair, c, f) - turn;
            if (std::abs(miss) < kClose)
                break;
            (miss > 0 ? high : low) = c;
            const double slope = PairSlope(m_pair, c, f);
            const double next = slope > 0 ? c - miss / slope : c;
            c = next > low && next < high ? next : 0.5 * (low + high);
        }
        return c;
    }

private:
    Pair m_pair;
    double m_lowestTurn, m_highestTurn;
};

// How much a vertical rectus and an oblique turn the eye vertically and
// torsionally at abduction h: cosines of the angle between the line of sight
// and each muscle's plane. The rectus pair is counted positive for the
// superior rectus, the oblique pair positive for the inferior oblique.
struct FieldWeights {
    double rectusElevation, rectusIntorsion;
    double obliqueElevation, obliqueIntorsion;
};

FieldWeights WeightsAt(double abductionDegrees)
{
    const double h = abductionDegrees * kRadiansPerDegree;
    const double sinH = std::sin(h);
    const double cosH = std::cos(h);
    static const double cosR = std::cos(kRectusPlane), sinR = std::sin(kRectusPlane);
    static const double cosO = std::cos(kObliquePlane), sinO = std::sin(kObliquePlane);
    return {
        cosH * cosR + sinH * sinR,     // cos(h - 23)
        sinR * cosH - cosR * sinH,     // sin(23 - h)
        cosH * cosO - sinH * sinO,     // cos(h + 51)
        -(sinH * cosO + cosH * sinO),  // -sin(h + 51)
    };
}

// Vertical and torsional turn of the rectus pair and the oblique pair,
// through the field weights, and back.
struct VerticalPairs {
    double rectus, oblique;
};

EyeTurn Combine(double abduction, const VerticalPairs& p, const FieldWeights& w)
{
    return {abduction, p.rectus * w.rectusElevation + p.oblique * w.obliqueElevation,
            p.rectus * w.rectusIntorsion + p.oblique * w.obliqueIntorsion};
}

VerticalPairs Split(double elevation, double intorsion, const FieldWeights& w)
{
    const double det = w.rectusElevation * w.obliqueIntorsion - w.obliqueElevation * w.rectusIntorsion;
    return {(elevation * w.obliqueIntorsion - w.obliqueElevation * intorsion) / det,
            (w.rectusElevation * intorsion - w.rectusIntorsion * elevation) / det};
}

struct EyeMuscles {
    double lr, mr, sr, ir, so, io;  // shares of normal strength
    double tether, coContraction;   // shares, 0 where absent
};

EyeMuscles SharesOf(Eye eye, const MuscleStrengths& strengths)
{
    const auto share = [&](Muscle m) { return strengths.Get(eye, m) / static_cast<double>(kNormalStrength); };
    return {share(Muscle::LR),
            share(Muscle::MR),
            share(Muscle::SR),
            share(Muscle::IR),
            share(Muscle::SO),
            share(Muscle::IO),
            strengths.Tether(eye) / 100.0,
            strengths.CoContraction(eye) / 100.0};
}

// A co-contracting lateral rectus gets a share of the medial rectus's
// innervation and keeps that share of its tone, which holds the eye from
// turning in at rest. What it gets beyond the tone as the medial rectus
// adducts does not turn the eye: both recti pull the globe back instead.
Pair HorizontalPair(const EyeMuscles& m)
{
    const double co = std::min(m.coContraction, m.mr);
    return {m.lr, m.mr, ParalysisGain(std::min(1.0, m.lr + co)) - ParalysisGain(m.mr), co};
}

Pair RectusPair(const EyeMuscles& m)
{
    return PairOf(m.sr, m.ir);
}

Pair ObliquePair(const EyeMuscles& m)
{
    return PairOf(m.io, m.so);
}

// Globe retraction in mm under horizontal innervation c: the co-contracting
// lateral rectus's innervation beyond the resting tone.
double RetractionMm(const EyeMuscles& m, double c)
{
    return kRetractionMmPerDegree * m.coContraction * std::max(0.0, Force(-c) - kTone);
}

// The highest elevation the tethered tendon allows at abduction a: the
// tendon is stretched by the share of an elevation in the oblique plane,
// most in adduction, hardly at all in wide abduction.
double TetherLimit(const EyeMuscles& m, double abduction)
{
    // Past about 70 degrees of abduction the share would vanish; the floor
    // keeps the limit finite there.
    constexpr double kLeastAlongTendon = 0.05;
    const double alongTendon = std::max(kLeastAlongTendon, std::cos(abduction * kRadiansPerDegree + kObliquePlane));
    return kLooseSlack * (1.0 - m.tether) / alongTendon;
}

// Where the tether lets an eye go that the muscles alone would take to free.
EyeTurn Tethered(const EyeMuscles& m, const EyeTurn& free)
{
    if (m.tether == 0)
        return free;
    const double limit = TetherLimit(m, free.abduction);
    if (free.elevation <= limit)
        return free;
    const double heldBack = (1.0 - kTetherYield) * (free.elevation - limit);
    return {free.abduction + kTetherAbduction * heldBack, free.elevation - heldBack, free.intorsion};
}

// The free position Tethered takes to goal; the limit depends on the free
// abduction, which the held-back share shifts, so it is found by iteration.
EyeTurn Untethered(const EyeMuscles& m, const EyeTurn& goal)
{
    if (m.tether == 0)
        return goal;
    EyeTurn free = goal;
    for (int i = 0; i < kMostSteps; ++i) {
        const double limit = TetherLimit(m, free.abduction);
        if (goal.elevation <= limit) {
            free = goal;
            break;
        }
        const double passed = goal.elevation - limit;
        const double heldBack = passed * (1.0 - kTetherYield) / kTetherYield;
        const EyeTurn next{goal.abduction - kTetherAbduction * heldBack, goal.elevation + heldBack, goal.intorsion};
        const bool settled = std::abs(next.abduction - free.abduction) < kClose;
        free = next;
        if (settled)
            break;
    }
    return free;
}

// The horizontal pull of the vertical muscles balances out in a normal eye;
// only what a weak one fails to deliver moves the eye.
double HorizontalLoss(const EyeMuscles& m, const VerticalPairs& c)
{
    const Forces rectus = ForcesAt(c.rectus);
    const Forces oblique = ForcesAt(c.oblique);
    const double rectusLoss = (1 - m.sr) * rectus.agonist + (1 - m.ir) * rectus.antagonist;
    const double obliqueLoss = (1 - m.io) * oblique.agonist + (1 - m.so) * oblique.antagonist;
    return kHorizontalShare * (rectusLoss - obliqueLoss);
}

// Where an eye ends under the innervation that would take a normal eye to
// command. The vertical muscles act by the field of the position they are
// innervated for, so a horizontal shortfall does not roll the eye.
EyeTurn PositionFor(const EyeMuscles& m, const EyeTurn& command)
{
    const FieldWeights w = WeightsAt(command.abduction);
    const VerticalPairs c = Split(command.elevation, command.intorsion, w);
    const VerticalPairs turned{PairTurn(RectusPair(m), c.rectus), PairTurn(ObliquePair(m), c.oblique)};
    const double abduction = PairTurn(HorizontalPair(m), command.abduction) + HorizontalLoss(m, c);
    return Tethered(m, Combine(abduction, turned, w));
}

// The command that brings an eye with these muscles to goal, each pair
// solved on its own. The horizontal innervation decides the fields of the
// vertical pairs, whose loss in turn shifts it: that loop is closed by the
// secant method on the horizontal innervation.
bool AtLimit(double innervation)
{
    return std::abs(innervation) >= kLargestInnervation;
}

EyeTurn CommandFor(const EyeMuscles& m, const EyeTurn& tetheredGoal, bool& atLimit)
{
    const EyeTurn goal = Untethered(m, tetheredGoal);
    const PairSolver rectus(RectusPair(m));
    const PairSolver oblique(ObliquePair(m));
    const PairSolver horizontal(HorizontalPair(m));
    VerticalPairs c{};
    FieldWeights w{};
    double settled = 0;
    const auto settle = [&](double abduction) {
        settled = abduction;
        w = WeightsAt(abduction);
        const VerticalPairs wanted = Split(goal.elevation, goal.intorsion, w);
        c = {rectus.Innervation(wanted.rectus), oblique.Innervation(wanted.oblique)};
        return horizontal.Innervation(goal.abduction - HorizontalLoss(m, c)) - abduction;
    };
    double x0 = goal.abduction;
    double f0 = settle(x0);
    double x1 = x0 + f0;
    for (int i = 0; i < kMostSteps && std::abs(f0) > kClose; ++i) {
        const double f1 = settle(x1);
        if (std::abs(f1) <= kClose || f1 == f0)
            break;
        const double x2 = std::clamp(x1 - f1 * (x1 - x0) / (f1 - f0), -kLargestInnervation, kLargestInnervation);
        x0 = x1;
        f0 = f1;
        x1 = x2;
    }
    const double abduction = std::abs(f0) <= kClose ? x0 : x1;
    // The vertical pairs and their fields must be those of the abduction
    // chosen; most often the last step already settled them.
    if (abduction != settled)
        settle(abduction);
    atLimit = AtLimit(abduction) || AtLimit(c.rectus) || AtLimit(c.oblique);
    return Combine(abduction, c, w);
}

Version EyeEndsAt(Eye eye, const MuscleStrengths& strengths, const Version& innervation)
{
    if (strengths.EyeNormal(eye))
        return innervation;
    return ToVersion(eye, PositionFor(SharesOf(eye, strengths), ToEyeTerms(eye, innervation)));
}

// atLimit: some of the innervation is at its bound.
Version InnervationToFix(Eye eye, const MuscleStrengths& strengths, const Version& goal, bool& atLimit)
{
    atLimit = false;
    if (strengths.EyeNormal(eye))
        return goal;
    return ToVersion(eye, CommandFor(SharesOf(eye, strengths), ToEyeTerms(eye, goal), atLimit));
}

// Weakness and anomalies of an eye, in percent.
int TotalWeakness(const MuscleStrengths& strengths, Eye eye)
{
    int total = strengths.Tether(eye) + strengths.CoContraction(eye);
    for (int m = 0; m < kMuscleCount; ++m)
        total += kNormalStrength - strengths.Get(eye, static_cast<Muscle>(m));
    return total;
}

}  // namespace

BinocularDeviation MuscleDeviation(const MuscleStrengths& strengths, GazeTarget target, Eye fixingEye,
                                   double counterRoll)
{
    BinocularDeviation result;
    if (strengths.AllNormal())
        return result;
    const Version goal{target.right, target.up, counterRoll};
    bool atLimit = false;
    const Version innervation = InnervationToFix(fixingEye, strengths, goal, atLimit);
    for (Eye eye : {Eye::one, Eye::two}) {
        EyeTurn& turn = result.eyes[static_cast<std::size_t>(eye)];
        turn = ToEyeTerms(eye, EyeEndsAt(eye, strengths, innervation) - goal);
        turn.retractionMm = RetractionMm(SharesOf(eye, strengths), ToEyeTerms(eye, innervation).abduction);
    }
    const EyeTurn& fixing = result.eyes[static_cast<std::size_t>(fixingEye)];
    result.cannotFixate = atLimit || std::abs(fixing.abduction) > kFixationMiss ||
                          std::abs(fixing.elevation) > kFixationMiss || std::abs(fixing.intorsion) > kFixationMiss;
    return result;
}

Eye DefaultFixingEye(const MuscleStrengths& strengths)
{
    return TotalWeakness(strengths, Eye::two) < TotalWeakness(strengths, Eye::one) ? Eye::two : Eye::one;
}

ViewTurn ToViewTurn(Eye eye, const EyeTurn& turn)
{
    // Eye 1 sits on the viewer's left, so its abduction turns it towards the
    // viewer's left and its intorsion turns it clockwise; eye 2 the opposite.
    if (eye == Eye::one)
        return {-turn.abduction, -turn.elevation, turn.intorsion};
    return {turn.abduction, -turn.elevation, -turn.intorsion};
}
