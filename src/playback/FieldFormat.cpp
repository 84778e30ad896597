#include "playback/FieldFormat.h"

#include <cmath>

namespace {

// A float holds at most 24 significant bits; multiplying by 100 adds at most
// 5 more (its odd part 25), so the product below is exact
// in double precision. Rounding it to an integer with ties to even is then
// exactly printf's rounding of the float's binary value.
char* FormatFixed(std::int64_t value, char* out)
{
    const float scaled = static_cast<float>(value) * 0.001f;
    const std::uint64_t unit = 100;
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
    *out++ = static_cast<char>('0' + fraction / 10 % 10);
    *out++ = static_cast<char>('0' + fraction % 10);
    return out;
}

}  // namespace

char* FormatTimeField(std::int64_t value, char* out)
{
    if (value < 0)
        *out++ = '-';
    const std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    char reversed[24];
    int count = 0;
    for (std::uint64_t rest = magnitude; rest != 0 || count < 4; rest /= 10) {
        if (count == 3)
            reversed[count++] = ',';
        reversed[count++] = static_cast<char>('0' + rest % 10);
    }
    while (count > 0)
        *out++ = reversed[--count];
    return out;
}

char* FormatValueField(std::int64_t value, char* out)
{
    if (value == 0) {
        *out++ = '0';
        return out;
    }
    return FormatFixed(value, out);
}
