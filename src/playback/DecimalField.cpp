#include "playback/DecimalField.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>

namespace {

// Every power of ten up to 1e22 is an exact double, and so is every integer
// up to 2^53; one division or multiplication of two exact doubles is rounded
// once, so it yields the correctly rounded value strtod returns.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr long long kMaxExactPower = 22;
constexpr std::uint64_t kMaxExactMantissa = std::uint64_t{1} << 53;
constexpr int kMaxMantissaDigits = 19;  // always fits in 64 bits

// Exponents this far out are infinite or zero in any double; capping them
// keeps the arithmetic below from overflowing on absurd input.
constexpr long long kExponentCap = 100000;
constexpr long long kOutOfRangeMagnitude = 400;

bool IsDigit(char c)
{
    return static_cast<unsigned char>(c - '0') < 10;
}
bool IsDecimalPoint(char c)
{
    return c == '.' || c == ',';
}
// The white space atof skips, less TAB.
bool IsBlank(char c)
{
    return c == ' ' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

const char* SkipDigits(const char* p, const char* end)
{
    while (p < end && IsDigit(*p))
        ++p;
    return p;
}

const char* SkipZeros(const char* p, const char* end)
{
    while (p < end && *p == '0')
        ++p;
    return p;
}

// The digits of a number without its sign: integer part, fraction part and
// the exponent that follows them.
struct DecimalDigits {
    const char* integerBegin;
    const char* integerEnd;
    const char* fractionBegin;
    const char* fractionEnd;
    long long exponent;
};

// Reads "e" or "E", an optional sign and at least one digit; 0 otherwise,
// in which case the letter is just the rest of the field.
long long ParseExponent(const char* p, const char* end)
{
    if (p == end || (*p != 'e' && *p != 'E'))
        return 0;
    ++p;
    const bool negative = p < end && *p == '-';
    if (p < end && (*p == '+' || *p == '-'))
        ++p;
    long long exponent = 0;
    for (; p < end && IsDigit(*p); ++p) {
        if (exponent < kExponentCap)
            exponent = exponent * 10 + (*p - '0');
    }
    return negative ? -exponent : exponent;
}

// Rare inputs (many digits, large exponents) go through the library's
// correctly rounded conversion on a normalised copy.
double ComposeSlowly(const DecimalDigits& d)
{
    const char* significantInteger = SkipZeros(d.integerBegin, d.integerEnd);
    const long long magnitude = significantInteger < d.integerEnd
                                    ? (d.integerEnd - significantInteger) + d.exponent
                                    : d.exponent - (SkipZeros(d.fractionBegin, d.fractionEnd) - d.fractionBegin);
    if (magnitude > kOutOfRangeMagnitude)
        return HUGE_VAL;
    if (magnitude < -kOutOfRangeMagnitude)
        return 0.0;

    std::string text(significantInteger, d.integerEnd);
    if (text.empty())
        text = "0";
    text += '.';
    text.append(d.fractionBegin, d.fractionEnd);
    text += 'e';
    text += std::to_string(d.exponent);

    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return magnitude > 0 ? HUGE_VAL : 0.0;
    return value;
}

double Compose(DecimalDigits d)
{
    // Trailing zeros of the fraction do not change the value.
    while (d.fractionEnd > d.fractionBegin && d.fractionEnd[-1] == '0')
        --d.fractionEnd;

    std::uint64_t mantissa = 0;
    int digits = 0;
    const auto take = [&](const char* begin, const char* end) {
        for (const char* p = begin; p < end; ++p) {
            if (mantissa == 0 && *p == '0')
                continue;
            if (++digits > kMaxMantissaDigits)
                return false;
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
        }
        return true;
    };
    if (!take(d.integerBegin, d.integerEnd) || !take(d.fractionBegin, d.fractionEnd))
        return ComposeSlowly(d);
    if (mantissa == 0)
        return 0.0;

    const long long power = d.exponent - (d.fractionEnd - d.fractionBegin);
    if (mantissa > kMaxExactMantissa || power < -kMaxExactPower || power > kMaxExactPower)
        return ComposeSlowly(d);
    const double exactMantissa = static_cast<double>(mantissa);
    return power < 0 ? exactMantissa / kExactPowersOfTen[-power] : exactMantissa * kExactPowersOfTen[power];
}

}  // namespace

double ParseDecimalPrefix(const char* p, const char* end)
{
    while (p < end && IsBlank(*p))
        ++p;
    const bool negative = p < end && *p == '-';
    if (p < end && (*p == '+' || *p == '-'))
        ++p;

    DecimalDigits d{};
    d.integerBegin = p;
    d.integerEnd = SkipDigits(p, end);
    d.fractionBegin = d.fractionEnd = d.integerEnd;
    if (d.integerEnd < end && IsDecimalPoint(*d.integerEnd)) {
        d.fractionBegin = d.integerEnd + 1;
        d.fractionEnd = SkipDigits(d.fractionBegin, end);
    }
    if (d.integerBegin == d.integerEnd && d.fractionBegin == d.fractionEnd)
        return 0.0;
    d.exponent = ParseExponent(d.fractionEnd, end);

    const double magnitude = Compose(d);
    return negative ? -magnitude : magnitude;
}

std::int32_t ScaleToThousandths(double value, bool negate)
{
    return TruncateToInt32(value * (negate ? -1000.0 : 1000.0));
}

std::int32_t TruncateToInt32(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483648.0)
        return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483649.0)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}
