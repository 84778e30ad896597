#include "view/CoverAnimation.h"

#include "examination/Examination.h"

#include <algorithm>
#include <cmath>

namespace {

// Fields of CoverBlends in the order of CoverFactor.
constexpr float CoverBlends::*kFactorFields[] = {
    &CoverBlends::translucentBlend2, &CoverBlends::translucentBlend1, &CoverBlends::coverBlend2,
    &CoverBlends::coverBlend1,       &CoverBlends::offsetBlend2,      &CoverBlends::offsetBlend1,
    &CoverBlends::filterBlend1,      &CoverBlends::filterBlend2,
};

std::size_t IndexOf(CoverFactor factor)
{
    return static_cast<std::size_t>(factor);
}

}  // namespace

float CoverAnimation::Value(CoverFactor factor) const
{
    return m_blends.*kFactorFields[IndexOf(factor)];
}

double CoverAnimation::Phase(CoverFactor factor) const
{
    return m_phases[IndexOf(factor)];
}

float& CoverAnimation::ValueRef(CoverFactor factor)
{
    return m_blends.*kFactorFields[IndexOf(factor)];
}

bool CoverAnimation::Move(const Motion& motion)
{
    float& value = ValueRef(motion.factor);
    double& phase = m_phases[IndexOf(motion.factor)];
    if (motion.rising) {
        if (phase >= kFullPhase) {
            phase = kFullPhase;
            value = 1;
            return false;
        }
        // Held at the full phase, so a step that does not divide it cannot
        // overshoot and turn the eye back before it settles.
        phase = std::min(phase + motion.step, kFullPhase);
        value = static_cast<float>(std::sin(phase));
        return true;
    }
    if (phase > 0) {
        if (motion.heir != motion.factor) {
            // The other aid of the same eye continues the movement where it is.
            ValueRef(motion.heir) = value;
            m_phases[IndexOf(motion.heir)] = phase;
            value = 0;
            phase = 0;
            return true;
        }
        phase = std::max(phase - motion.step, 0.0);
        value = static_cast<float>(1.0 - std::cos(phase));
        return true;
    }
    value = 0;
    phase = 0;
    return false;
}

bool CoverAnimation::Tick(const CoverInputs& in)
{
    const double coverStep = in.manifestMode ? kManifestCoverStep : kStep;
    const bool zero1 = in.offsetTextZero[0];
    const bool zero2 = in.offsetTextZero[1];
    bool moved = false;
    const auto move = [&](CoverFactor factor, bool rising, double step, CoverFactor heir) {
        moved |= Move({factor, rising, step, heir});
    };

    if (!zero2) {
        move(CoverFactor::offsetBlend2, in.redFilter[0] && in.coverCheckBox1, kStep, CoverFactor::offsetBlend2);
        move(CoverFactor::filterBlend1, in.redFilter[0] && in.coverCheckBox2, kStep, CoverFactor::filterBlend1);
    }
    if (!zero1) {
        move(CoverFactor::offsetBlend1, in.redFilter[1] && in.coverCheckBox2, kStep, CoverFactor::offsetBlend1);
        move(CoverFactor::filterBlend2, in.redFilter[1] && in.coverCheckBox1, kStep, CoverFactor::filterBlend2);
    }
    move(CoverFactor::translucentBlend1, in.translucentOccluder[0], coverStep,
         in.occluder[0] ? CoverFactor::coverBlend1 : CoverFactor::translucentBlend1);
    move(CoverFactor::translucentBlend2, in.translucentOccluder[1], coverStep,
         in.occluder[1] ? CoverFactor::coverBlend2 : CoverFactor::translucentBlend2);
    move(CoverFactor::coverBlend1,
         in.occluder[0] || (in.translucentOccluder[0] && in.manifestMode) || (in.redFilter[0] && zero2), coverStep,
         in.translucentOccluder[0] ? CoverFactor::translucentBlend1 : CoverFactor::coverBlend1);
    move(CoverFactor::coverBlend2,
         in.occluder[1] || (in.translucentOccluder[1] && in.manifestMode) || (in.redFilter[1] && zero1), coverStep,
         in.translucentOccluder[1] ? CoverFactor::translucentBlend2 : CoverFactor::coverBlend2);
    return moved;
}

CoverInputs CoverInputsOf(const Examination& examination)
{
    CoverInputs inputs;
    inputs.manifestMode = !examination.Latent();
    for (int index = 0; index < 2; ++index) {
        const Eye eye = index == 0 ? Eye::one : Eye::two;
        const EyeAids& aids = examination.Aids(eye);
        inputs.occluder[index] = aids.occluder;
        inputs.redFilter[index] = aids.redFilter;
        inputs.translucentOccluder[index] = aids.translucentOccluder;
        inputs.offsetTextZero[index] = examination.Units(eye, EyeQuantity::verticalOffset) == 0;
    }
    inputs.coverCheckBox1 = examination.Aids(Eye::one).fixesBehindFilter;
    inputs.coverCheckBox2 = examination.Aids(Eye::two).fixesBehindFilter;
    return inputs;
}
