#include "model/MuscleModel.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;

// Resting tone of every muscle, in degrees of the turn it balances: a muscle
// gone slack lets its antagonist pull the eye this far. A muscle falls silent
// once the eye is turned about twice this far against it.
constexpr double kTone = 11.0;
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

// Force of a muscle for innervation c (degrees): the tone at rest, growing
// towards twice c when it pulls, fading to zero when its antagonist does.
// Agonist minus antagonist is exactly c, as the even parts cancel.
double Force(double c)
{
    return 0.5 * c + EvenPart(c);
}

// d Force / d c.
double ForceSlope(double c)
{
    const double e = EvenPart(c);
    const double h2 = 0.25 * c * c;
    const double e2 = e * e;
    return 0.5 + h2 * h2 * h2 * c / (4.0 * e2 * e2 * e2 * e);
}

// One antagonist pair: agonist of strength a against antagonist of strength
// b (shares of normal). What it turns the eye by for innervation c ...
double PairTurn(double a, double b, double c)
{
    return a * Force(c) - b * Force(-c);
}

// ... and the innervation, within the bounds, that turns it closest to turn.
// The pair's turn grows steadily with c, so Newton's method kept inside a
// shrinking bracket finds it.
double PairInnervation(double a, double b, double turn)
{
    if (a == 0 && b == 0)
        return std::clamp(turn, -kLargestInnervation, kLargestInnervation);  // the eye cannot move
    double low = -kLargestInnervation;
    double high = kLargestInnervation;
    if (turn <= PairTurn(a, b, low))
        return low;
    if (turn >= PairTurn(a, b, high))
        return high;
    double c = std::clamp(turn, low, high);
    for (int i = 0; i < kMostSteps; ++i) {
        const double miss = PairTurn(a, b, c) - turn;
        if (std::abs(miss) < kClose)
            break;
        (miss > 0 ? high : low) = c;
        const double next = c - miss / (a * ForceSlope(c) + b * ForceSlope(-c));
        c = next > low && next < high ? next : 0.5 * (low + high);
    }
    return c;
}

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
};

EyeMuscles SharesOf(Eye eye, const MuscleStrengths& strengths)
{
    const auto share = [&](Muscle m) { return strengths.Get(eye, m) / static_cast<double>(kNormalStrength); };
    return {share(Muscle::LR), share(Muscle::MR), share(Muscle::SR),
            share(Muscle::IR), share(Muscle::SO), share(Muscle::IO)};
}

// The horizontal pull of the vertical muscles balances out in a normal eye;
// only what a weak one fails to deliver moves the eye.
double HorizontalLoss(const EyeMuscles& m, const VerticalPairs& c)
{
    const double rectusLoss = (1 - m.sr) * Force(c.rectus) + (1 - m.ir) * Force(-c.rectus);
    const double obliqueLoss = (1 - m.io) * Force(c.oblique) + (1 - m.so) * Force(-c.oblique);
    return kHorizontalShare * (rectusLoss - obliqueLoss);
}

// Where an eye ends under the innervation that would take a normal eye to
// command. The vertical muscles act by the field of the position they are
// innervated for, so a horizontal shortfall does not roll the eye.
EyeTurn PositionFor(const EyeMuscles& m, const EyeTurn& command)
{
    const FieldWeights w = WeightsAt(command.abduction);
    const VerticalPairs c = Split(command.elevation, command.intorsion, w);
    const VerticalPairs turned{PairTurn(m.sr, m.ir, c.rectus), PairTurn(m.io, m.so, c.oblique)};
    const double abduction = PairTurn(m.lr, m.mr, command.abduction) + HorizontalLoss(m, c);
    return Combine(abduction, turned, w);
}

// The command that brings an eye with these muscles to goal, each pair
// solved on its own. The horizontal innervation decides the fields of the
// vertical pairs, whose loss in turn shifts it: that loop is closed by the
// secant method on the horizontal innervation.
EyeTurn CommandFor(const EyeMuscles& m, const EyeTurn& goal)
{
    VerticalPairs c{};
    const auto settle = [&](double abduction) {
        const VerticalPairs wanted = Split(goal.elevation, goal.intorsion, WeightsAt(abduction));
        c = {PairInnervation(m.sr, m.ir, wanted.rectus), PairInnervation(m.io, m.so, wanted.oblique)};
        return PairInnervation(m.lr, m.mr, goal.abduction - HorizontalLoss(m, c)) - abduction;
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
    settle(abduction);
    return Combine(abduction, c, WeightsAt(abduction));
}

Version EyeEndsAt(Eye eye, const MuscleStrengths& strengths, const Version& innervation)
{
    if (strengths.EyeNormal(eye))
        return innervation;
    return ToVersion(eye, PositionFor(SharesOf(eye, strengths), ToEyeTerms(eye, innervation)));
}

Version InnervationToFix(Eye eye, const MuscleStrengths& strengths, const Version& goal)
{
    if (strengths.EyeNormal(eye))
        return goal;
    return ToVersion(eye, CommandFor(SharesOf(eye, strengths), ToEyeTerms(eye, goal)));
}

int TotalWeakness(const MuscleStrengths& strengths, Eye eye)
{
    int total = 0;
    for (int m = 0; m < kMuscleCount; ++m)
        total += kNormalStrength - strengths.Get(eye, static_cast<Muscle>(m));
    return total;
}

} // namespace

BinocularDeviation MuscleDeviation(const MuscleStrengths& strengths, GazeTarget target, Eye fixingEye)
{
    BinocularDeviation result;
    if (strengths.AllNormal())
        return result;
    const Version goal{target.right, target.up, 0.0};
    const Version innervation = InnervationToFix(fixingEye, strengths, goal);
    for (Eye eye : {Eye::one, Eye::two})
        result.eyes[static_cast<std::size_t>(eye)] = ToEyeTerms(eye, EyeEndsAt(eye, strengths, innervation) - goal);
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
