#pragma once

#include <cstdint>

// Numbers of recording rows are read the way atof reads them in the "C"
// locale, whatever locale the program runs in, with ',' accepted as the
// decimal point too. Only decimal notation is recognised: hexadecimal
// numbers, "inf" and "nan" count as no number.

// The leading number of the field [begin, end). Blanks before it are skipped
// (not TAB, which ends a field), the rest of the field is ignored, and a
// field without a number gives 0. The result is the double strtod would give.
double ParseDecimalPrefix(const char* begin, const char* end);

// value × 1000, or × −1000 when negate is set, truncated toward zero and
// clamped like TruncateToInt32.
std::int32_t ScaleToThousandths(double value, bool negate);

// Truncation toward zero; values beyond the int32 range are clamped to it and
// NaN gives 0.
std::int32_t TruncateToInt32(double value);
