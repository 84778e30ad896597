#include "model/Prism.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

}  // namespace

const std::vector<int>& PrismBarPowers()
{
    static const std::vector<int> powers = {1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 25, 30, 35, 40, 45, 50};
    return powers;
}

int StepPrismPower(int dioptres, int steps)
{
    const std::vector<int>& bar = PrismBarPowers();
    for (; steps > 0; --steps) {
        const auto next = std::upper_bound(bar.begin(), bar.end(), dioptres);
        dioptres = next == bar.end() ? bar.back() : *next;
    }
    for (; steps < 0; ++steps) {
        const auto notBelow = std::lower_bound(bar.begin(), bar.end(), dioptres);
        dioptres = notBelow == bar.begin() ? 0 : *(notBelow - 1);
    }
    return dioptres;
}

PrismBase NextPrismBase(PrismBase base)
{
    switch (base) {
    case PrismBase::out:
        return PrismBase::in;
    case PrismBase::in:
        return PrismBase::up;
    case PrismBase::up:
        return PrismBase::down;
    case PrismBase::down:
        break;
    }
    return PrismBase::out;
}

double PrismDeflectionDegrees(int dioptres)
{
    return std::atan(dioptres / 100.0) * kDegreesPerRadian;
}

EyeTurn PrismFixationTurn(const Prism& prism)
{
    const double towardsApex = PrismDeflectionDegrees(prism.dioptres);
    EyeTurn turn;
    switch (prism.base) {
    case PrismBase::out:
        turn.abduction = -towardsApex;
        break;
    case PrismBase::in:
        turn.abduction = towardsApex;
        break;
    case PrismBase::up:
        turn.elevation = -towardsApex;
        break;
    case PrismBase::down:
        turn.elevation = towardsApex;
        break;
    }
    return turn;
}
