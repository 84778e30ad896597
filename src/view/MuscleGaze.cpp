#include "view/MuscleGaze.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr double kDegreesPerPixel = 0.125;

// The share weight of the way from base to to.
EyeTurn PartWay(const EyeTurn& base, const EyeTurn& to, double weight)
{
    return {weight * (to.abduction - base.abduction), weight * (to.elevation - base.elevation),
            weight * (to.intorsion - base.intorsion)};
}

// Each factor moves one eye while the other fixes: a cover or translucent
// occluder before the moving eye, or the red filter with the fixing eye's box
// ticked. Only one aid is on at a time; while one moves across, both weights
// may be part way.
struct FixingShares {
    double one, two;
};

FixingShares SharesOf(const CoverBlends& blends)
{
    return {std::max({blends.coverBlend2, blends.translucentBlend2, blends.offsetBlend2, blends.filterBlend2}),
            std::max({blends.coverBlend1, blends.translucentBlend1, blends.offsetBlend1, blends.filterBlend1})};
}

} // namespace

GazeTarget TargetOfPointer(PointerOffset offset)
{
    return {-kDegreesPerPixel * offset.dx, kDegreesPerPixel * offset.dy};
}

std::array<ViewTurn, 2> MuscleTurns(const MuscleStrengths& strengths, GazeTarget target, const CoverBlends& blends,
                                    bool cycloStays)
{
    if (strengths.AllNormal())
        return {};
    const Eye usual = DefaultFixingEye(strengths);
    const BinocularDeviation open = MuscleDeviation(strengths, target, usual);
    const FixingShares shares = SharesOf(blends);
    const double oneFixes = shares.one;
    const double twoFixes = shares.two;
    const auto fixedBy = [&](Eye eye) { return eye == usual ? open : MuscleDeviation(strengths, target, eye); };
    const BinocularDeviation byOne = oneFixes > 0 ? fixedBy(Eye::one) : open;
    const BinocularDeviation byTwo = twoFixes > 0 ? fixedBy(Eye::two) : open;

    std::array<ViewTurn, 2> turns;
    for (Eye eye : {Eye::one, Eye::two}) {
        const std::size_t i = static_cast<std::size_t>(eye);
        const EyeTurn& base = open.eyes[i];
        EyeTurn one = PartWay(base, byOne.eyes[i], oneFixes);
        EyeTurn two = PartWay(base, byTwo.eyes[i], twoFixes);
        if (cycloStays)
            one.intorsion = two.intorsion = 0;
        turns[i] = ToViewTurn(eye, {base.abduction + one.abduction + two.abduction,
                                    base.elevation + one.elevation + two.elevation,
                                    base.intorsion + one.intorsion + two.intorsion});
    }
    return turns;
}

bool FixingEyeCannotFixate(const MuscleStrengths& strengths, GazeTarget target, const CoverBlends& blends)
{
    if (strengths.AllNormal())
        return false;
    const FixingShares shares = SharesOf(blends);
    const Eye fixing = shares.one >= 0.5 ? Eye::one : shares.two >= 0.5 ? Eye::two : DefaultFixingEye(strengths);
    return MuscleDeviation(strengths, target, fixing).cannotFixate;
}
