#include "playback/FieldFormat.h"

#include <cmath>

namespace {

// A float holds at most 24 significant bits; multiplying by 100 or 1000 adds
// at most 7 more (their odd parts 25 and 125), so the product below is exact
// in double precision. Rounding it to an integer with ties to even is then
// exactly printf's rounding of the float's binary value.
char* FormatFixed(std::int64_t value, bool threeDecimals, char* out)
{
    const float scaled = static_cast<float>(value) * 0.001f;
    const std::uint64_t unit = threeDecimals ? 1000 : 100;
    const double shifted = static_cast<double>(scaled) * static_cast<double>(unit);
    const auto digits = static_cast<std::uint64_t>(std::fabs(std::nearbyint(shifted)));

    // printf keeps the sign of a negative value that rounds to zero: "-0.00".
    if (scaled < 0.0f)
        *out++ = '-';

    char reversed[20];
    int count = 0;
    for (std::uint64_t whole = digits / unit; whole != 0 || count == 0; whole /= 10)
        reversed[count++] = static_cast<char>('0' + whole % 10);
    while (count > 0)
        *out++ = reversed[--count];

    *out++ = ',';
    const std::uint64_t fraction = digits % unit;
    if (threeDecimals)
        *out++ = static_cast<char>('0' + fraction / 100);
    *out++ = static_cast<char>('0' + fraction / 10 % 10);
    *out++ = static_cast<char>('0' + fraction % 10);
    return out;
}

}  // namespace

char* FormatTimeField(std::int64_t value, char* out)
{
    return FormatFixed(value, true, out);
}

char* FormatValueField(std::int64_t value, char* out)
{
    if (value == 0) {
        *out++ = '0';
        return out;
    }
    return FormatFixed(value, false, out);
}
