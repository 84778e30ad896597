#include "model/EyeModel.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace {

// Out-of-range floating-point to int conversion is undefined, and edits and
// recordings may carry any value, so the result is held at the int range.
int TruncateToInt(long double value)
{
    if (std::isnan(value))
        return 0;
    constexpr long double lowest = std::numeric_limits<int>::min();
    constexpr long double highest = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(std::trunc(value), lowest, highest));
}

int SaturatingTimes100(int value)
{
    const long long product = static_cast<long long>(value) * 100;
    return static_cast<int>(
        std::clamp<long long>(product, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int ClampSlider(int s)
{
    return std::clamp(s, kBlendSliderFar, kBlendSliderNear);
}

}  // namespace

void EyeModel::Clear()
{
    m_values = {};
}

EyeModel::Ends& EyeModel::At(Eye eye, EyeQuantity quantity)
{
    return m_values[static_cast<std::size_t>(eye)][static_cast<std::size_t>(quantity)];
}

const EyeModel::Ends& EyeModel::At(Eye eye, EyeQuantity quantity) const
{
    return m_values[static_cast<std::size_t>(eye)][static_cast<std::size_t>(quantity)];
}

int EyeModel::Near(Eye eye, EyeQuantity quantity) const
{
    return At(eye, quantity).nearValue;
}

int EyeModel::Far(Eye eye, EyeQuantity quantity) const
{
    return At(eye, quantity).farValue;
}

void EyeModel::SetNear(Eye eye, EyeQuantity quantity, int value)
{
    At(eye, quantity).nearValue = value;
}

void EyeModel::SetFar(Eye eye, EyeQuantity quantity, int value)
{
    At(eye, quantity).farValue = value;
}

// Formed in double and rounded once to float: at s = 2 this gives 0.9f, where
// a product of floats (9 * 0.1f) would give the next float above it.
float EyeModel::FarWeight(int s)
{
    return static_cast<float>((kBlendSliderNear - ClampSlider(s)) * 0.1);
}

float EyeModel::NearWeight(int s)
{
    return static_cast<float>((ClampSlider(s) - kBlendSliderFar) * 0.1);
}

int EyeModel::Blended(Eye eye, EyeQuantity quantity, int s) const
{
    const Ends& ends = At(eye, quantity);
    const long double sum = static_cast<long double>(ends.nearValue) * NearWeight(s) +
                            static_cast<long double>(ends.farValue) * FarWeight(s);
    return TruncateToInt(sum);
}

int EyeModel::BlendedValue(int spinId, int s) const
{
    const QuantityControl* row = FindQuantityControl(spinId);
    if (row == nullptr || row->spinId != spinId)
        return 0;
    return Blended(row->eye, row->quantity, s);
}

StoreResult EyeModel::Store(int controlId, float value, int s)
{
    const QuantityControl* row = FindQuantityControl(controlId);
    if (row == nullptr)
        return {};
    Ends& ends = At(row->eye, row->quantity);
    const float nearWeight = NearWeight(s);
    const float farWeight = FarWeight(s);
    if (nearWeight != 0.0f)
        ends.nearValue = TruncateToInt(static_cast<long double>(nearWeight) * value);
    if (farWeight != 0.0f)
        ends.farValue = TruncateToInt(static_cast<long double>(farWeight) * value);
    return {true, IsTilt(row->quantity)};
}

void EyeModel::ToWholeDegrees()
{
    for (auto& eye : m_values) {
        for (Ends& ends : eye) {
            ends.nearValue /= 100;
            ends.farValue /= 100;
        }
    }
}

void EyeModel::ToHundredths()
{
    for (auto& eye : m_values) {
        for (Ends& ends : eye) {
            ends.nearValue = SaturatingTimes100(ends.nearValue);
            ends.farValue = SaturatingTimes100(ends.farValue);
        }
    }
}

bool EyeModel::Deviated(Eye eye, int Ends::*end) const
{
    return At(eye, EyeQuantity::horizontal).*end != 0 || At(eye, EyeQuantity::vertical).*end != 0;
}

bool EyeModel::BothEyesDeviated() const
{
    const auto bothAt = [this](int Ends::*end) { return Deviated(Eye::one, end) && Deviated(Eye::two, end); };
    return bothAt(&Ends::farValue) || bothAt(&Ends::nearValue);
}

bool operator==(const EyeModel& a, const EyeModel& b)
{
    for (std::size_t eye = 0; eye < a.m_values.size(); ++eye) {
        for (std::size_t q = 0; q < a.m_values[eye].size(); ++q) {
            const EyeModel::Ends& x = a.m_values[eye][q];
            const EyeModel::Ends& y = b.m_values[eye][q];
            if (x.nearValue != y.nearValue || x.farValue != y.farValue)
                return false;
        }
    }
    return true;
}
