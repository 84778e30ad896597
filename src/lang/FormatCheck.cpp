#include "lang/FormatCheck.h"

#include <cstdio>

namespace {

// Two digits are plenty for any sensible label and keep the output small.
constexpr std::size_t maxDigits = 2;

// Skips a run of digits; npos when it is longer than maxDigits.
std::size_t SkipNumber(const std::string& s, std::size_t i)
{
    const std::size_t start = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9')
        ++i;
    return i - start > maxDigits ? std::string::npos : i;
}

// Reads the conversion that starts after a '%' at position i; returns the
// position after it, or npos when it is not an allowed conversion of kind.
std::size_t ReadConversion(const std::string& s, std::size_t i, FormatArg kind)
{
    const std::string flags = kind == FormatArg::Floating ? "-+ #0" : "-";
    while (i < s.size() && flags.find(s[i]) != std::string::npos)
        ++i;
    // A width cannot start with 0: that is the zero-padding flag, undefined for %s.
    if (i < s.size() && s[i] == '0')
        return std::string::npos;
    i = SkipNumber(s, i);
    if (i != std::string::npos && i < s.size() && s[i] == '.')
        i = SkipNumber(s, i + 1);
    if (i == std::string::npos || i >= s.size())
        return std::string::npos;
    const std::string conversions = kind == FormatArg::Floating ? "fFeEgGaA" : "s";
    return conversions.find(s[i]) != std::string::npos ? i + 1 : std::string::npos;
}

template <typename Arg>
std::string Format(const std::string& format, Arg arg, const std::string& fallback)
{
    const int length = std::snprintf(nullptr, 0, format.c_str(), arg);
    if (length < 0)
        return fallback;
    std::string out(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(&out[0], out.size(), format.c_str(), arg);
    out.resize(static_cast<std::size_t>(length));
    return out;
}

}  // namespace

bool IsSafeSingleArgFormat(const std::string& format, FormatArg kind)
{
    // A NUL would hide the rest of the string from the check but not from
    // the reader of the text, or the other way round.
    if (format.find('\0') != std::string::npos)
        return false;
    int conversions = 0;
    for (std::size_t i = 0; i < format.size();) {
        if (format[i] != '%') {
            ++i;
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            i += 2;
            continue;
        }
        const std::size_t next = ReadConversion(format, i + 1, kind);
        if (next == std::string::npos || ++conversions > 1)
            return false;
        i = next;
    }
    return conversions == 1;
}

std::string FormatSingle(const std::string& format, double value, const std::string& fallback)
{
    if (!IsSafeSingleArgFormat(format, FormatArg::Floating))
        return fallback;
    return Format(format, value, fallback);
}

std::string FormatSingle(const std::string& format, const std::string& value, const std::string& fallback)
{
    if (!IsSafeSingleArgFormat(format, FormatArg::String))
        return fallback;
    return Format(format, value.c_str(), fallback);
}
