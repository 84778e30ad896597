#pragma once

#include "model/EyeQuantity.h"

#include <array>
#include <cstddef>
#include <cstdint>

// How a sample row maps to the patient model. Stored values are thousandths
// of a degree; the model counts in hundredths of a degree or, in whole-degree
// mode, in degrees.

// The angles a row holds for each eye, in this order.
inline constexpr std::size_t kPlayedQuantityCount = 3;
inline constexpr std::array<EyeQuantity, kPlayedQuantityCount> kPlayedQuantities = {
    EyeQuantity::horizontal, EyeQuantity::vertical, EyeQuantity::torsion};

// A row's quality column holds thousandths of the fraction 0..1.
inline constexpr std::int32_t kFullQuality = 1000;

struct EyeColumns {
    std::array<unsigned, kPlayedQuantityCount> angle;  // the column of each played quantity
    std::array<int, kPlayedQuantityCount> sign;        // model value = sign × stored value / scale
    unsigned quality;
};

inline constexpr EyeColumns kEyeOneColumns = {{10, 11, 12}, {-1, 1, -1}, 13};
inline constexpr EyeColumns kEyeTwoColumns = {{3, 4, 5}, {1, -1, 1}, 6};

inline constexpr std::array<Eye, kEyeCount> kEyes = {Eye::one, Eye::two};

inline const EyeColumns& ColumnsOf(Eye eye)
{
    return eye == Eye::one ? kEyeOneColumns : kEyeTwoColumns;
}

inline std::size_t EyeIndex(Eye eye)
{
    return eye == Eye::one ? 0 : 1;
}

// Stored values per model unit: 10 in hundredths mode, 1000 in whole degrees.
int StoredPerModelUnit(bool wholeDegrees);

// A stored value, or one interpolated between stored values, in the model's
// unit and with the model's sign.
double StoredToModel(double stored, int sign, bool wholeDegrees);

// A model value back in stored units, clamped to the int32 range.
std::int32_t ModelToStored(std::int32_t modelValue, int sign, bool wholeDegrees);
