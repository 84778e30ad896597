#include "model/AngleText.h"

#include "model/AngleUnit.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <limits>
#include <string_view>

namespace {

constexpr char kDegreeSign = '\xB0';

constexpr int kTorsionStraightString = 82;
constexpr int kTorsionPositiveString = 83;
constexpr int kTorsionNegativeString = 84;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Decimal order of magnitude of an unsigned decimal number that from_chars
// found out of range: positive means it overflowed, otherwise it underflowed.
long long DecimalOrder(std::string_view digits, std::string_view exponent)
{
    long long order = 0;
    bool seenNonZero = false;
    bool inFraction = false;
    for (char c : digits) {
        if (c == '.') {
            inFraction = true;
        } else if (!inFraction) {
            if (seenNonZero || c != '0') {
                seenNonZero = true;
                ++order;
            }
        } else if (!seenNonZero) {
            if (c != '0')
                seenNonZero = true;
            else
                --order;
        }
    }
    long long power = 0;
    bool negative = false;
    for (char c : exponent) {
        if (c == '-')
            negative = true;
        else if (IsDigit(c))
            power = std::min(power * 10 + (c - '0'), 1'000'000'000LL);
    }
    return order + (negative ? -power : power);
}

// The leading decimal number of text, as atof reads it.
double LeadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    const std::size_t mantissaStart = i;
    std::size_t digitCount = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        ++digitCount;
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            ++digitCount;
    }
    if (digitCount == 0)
        return 0.0;
    const std::size_t mantissaEnd = i;

    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]))
                ++j;
            i = j;
        }
    }

    const char* first = text.data() + mantissaStart;
    const char* last = text.data() + i;
    double magnitude = 0.0;
    const std::from_chars_result result = std::from_chars(first, last, magnitude, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        const std::string_view mantissa = text.substr(mantissaStart, mantissaEnd - mantissaStart);
        const std::string_view exponent = text.substr(mantissaEnd, i - mantissaEnd);
        magnitude = DecimalOrder(mantissa, exponent) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (result.ec != std::errc()) {
        magnitude = 0.0;
    }
    return negative ? -magnitude : magnitude;
}

float ToFloat(double value)
{
    constexpr double highest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -highest, highest));
}

}  // namespace

std::string FormatAngle(int spinValue, bool shownNegated, bool wholeDegrees)
{
    // Worked in integers: n / 100 has exactly two decimals, so this is what
    // "%.2f" prints for it, without the locale's decimal separator.
    const long long shown = shownNegated ? -static_cast<long long>(spinValue) : spinValue;
    const long long magnitude = shown < 0 ? -shown : shown;

    std::string text = shown > 0 ? "+" : shown < 0 ? " -" : "  ";
    if (wholeDegrees) {
        text += std::to_string(magnitude);
    } else {
        const long long divisor = UnitDivisor(false);
        const long long hundredths = magnitude % divisor;
        text += std::to_string(magnitude / divisor);
        text += '.';
        text += static_cast<char>('0' + hundredths / 10);
        text += static_cast<char>('0' + hundredths % 10);
    }
    text += kDegreeSign;
    return text;
}

float ParseAngleText(const std::string& text, bool wholeDegrees, bool shownNegated)
{
    std::string decimal = text;
    std::replace(decimal.begin(), decimal.end(), ',', '.');
    // The product is formed in double and rounded once, so "12.34" gives 1234
    // units exactly; a product of floats would give 1233.99... for many inputs.
    const float units = ToFloat(LeadingNumber(decimal) * UnitDivisor(wholeDegrees));
    return shownNegated ? -units : units;
}

int TorsionLabelString(Eye eye, int spinValue)
{
    if (spinValue == 0)
        return kTorsionStraightString;
    const bool shownPositive = (spinValue > 0) != FindQuantityControl(eye, EyeQuantity::torsion).shownNegated;
    return shownPositive ? kTorsionPositiveString : kTorsionNegativeString;
}
