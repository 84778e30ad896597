#include "model/MuscleStrengths.h"

#include <algorithm>
#include <cstddef>

namespace {

std::size_t IndexOf(Eye eye)
{
    return static_cast<std::size_t>(eye);
}

std::size_t IndexOf(Muscle muscle)
{
    return static_cast<std::size_t>(muscle);
}

}  // namespace

const char* MuscleName(Muscle muscle)
{
    static constexpr const char* kNames[kMuscleCount] = {"LR", "MR", "SR", "IR", "SO", "IO"};
    return kNames[IndexOf(muscle)];
}

int MuscleStrengths::Get(Eye eye, Muscle muscle) const
{
    return m_percent[IndexOf(eye)][IndexOf(muscle)];
}

void MuscleStrengths::Set(Eye eye, Muscle muscle, int percent)
{
    m_percent[IndexOf(eye)][IndexOf(muscle)] = std::clamp(percent, 0, kNormalStrength);
}

int MuscleStrengths::Tether(Eye eye) const
{
    return m_tether[IndexOf(eye)];
}

void MuscleStrengths::SetTether(Eye eye, int percent)
{
    m_tether[IndexOf(eye)] = std::clamp(percent, 0, 100);
}

int MuscleStrengths::CoContraction(Eye eye) const
{
    return m_coContraction[IndexOf(eye)];
}

void MuscleStrengths::SetCoContraction(Eye eye, int percent)
{
    m_coContraction[IndexOf(eye)] = std::clamp(percent, 0, 100);
}

int MuscleStrengths::Levator(Eye eye) const
{
    return m_levator[IndexOf(eye)];
}

void MuscleStrengths::SetLevator(Eye eye, int percent)
{
    m_levator[IndexOf(eye)] = std::clamp(percent, 0, kNormalStrength);
}

void MuscleStrengths::Reset()
{
    *this = MuscleStrengths();
}

bool MuscleStrengths::EyeNormal(Eye eye) const
{
    return m_percent[IndexOf(eye)] == kNormalEye && Tether(eye) == 0 && CoContraction(eye) == 0;
}

bool MuscleStrengths::AllNormal() const
{
    return EyeNormal(Eye::one) && EyeNormal(Eye::two);
}
