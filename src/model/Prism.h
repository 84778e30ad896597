#pragma once

#include "model/MuscleModel.h"

#include <string>
#include <vector>

// A loose prism held before one eye, as in the prism cover test. It is part
// of the examination, not of the case: nothing of it is saved.
enum class PrismBase { out, in, up, down };

struct Prism {
    int dioptres = 0;  // 0: no prism
    PrismBase base = PrismBase::out;
};

// The powers of the standard prism bar, weakest first.
const std::vector<int>& PrismBarPowers();

// The next power on the bar: steps > 0 stronger, < 0 weaker. Weaker than the
// weakest gives 0 (no prism); stronger than the strongest stays there. A
// power not on the bar moves to the next one on the bar in that direction.
int StepPrismPower(int dioptres, int steps);

// The bases in the order a key steps through them.
PrismBase NextPrismBase(PrismBase base);

// A prism of P dioptres bends the line of sight by atan(P / 100) towards its
// apex, so the eye behind it must turn that far towards the apex to keep
// fixing the same target.
double PrismDeflectionDegrees(int dioptres);
EyeTurn PrismFixationTurn(const Prism& prism);
