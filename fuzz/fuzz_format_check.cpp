// The gate between language strings and snprintf. Whatever it lets through
// must be a format of exactly one conversion of the kind passed; a second
// description of that set, written independently as a pattern, checks it.
#include "FuzzSupport.h"

#include "lang/FormatCheck.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <regex>
#include <string>
#include <vector>

namespace {

// The format with every "%%" replaced by a letter that cannot be part of a
// conversion, read from the left as printf does.
std::string WithoutEscapedPercents(const std::string& format)
{
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == '%') {
            out += 'P';
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

bool MatchesSafePattern(const std::string& format, FormatArg kind)
{
    static const std::regex floating("[^%]*%[-+ #0]*([1-9][0-9]?)?(\\.[0-9]{0,2})?[fFeEgGaA][^%]*");
    static const std::regex string("[^%]*%-*([1-9][0-9]?)?(\\.[0-9]{0,2})?s[^%]*");
    if (format.find('\0') != std::string::npos)
        return false;
    return std::regex_match(WithoutEscapedPercents(format), kind == FormatArg::Floating ? floating : string);
}

// What snprintf itself makes of a format the check let through.
template <typename Arg>
std::string Direct(const std::string& format, Arg arg)
{
    // Room for the format, a width or precision of up to 99, the longest
    // double in %f notation (309 digits) and the longest string argument.
    std::vector<char> buffer(format.size() + 1024);
    const int length = std::snprintf(buffer.data(), buffer.size(), format.c_str(), arg);
    FUZZ_CHECK(length >= 0 && static_cast<std::size_t>(length) < buffer.size());
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const FormatArg kind = data[0] % 2 == 0 ? FormatArg::Floating : FormatArg::String;
    const std::string format(reinterpret_cast<const char*>(data) + 1, size - 1);
    const bool safe = IsSafeSingleArgFormat(format, kind);
    FUZZ_CHECK(safe == MatchesSafePattern(format, kind));

    const std::string fallback = "fallback";
    if (kind == FormatArg::Floating) {
        for (double value : {0.0, -1.5, 1e308, -std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::infinity(), std::nan("")}) {
            const std::string text = FormatSingle(format, value, fallback);
            FUZZ_CHECK(safe ? text == Direct(format, value) : text == fallback);
        }
    } else {
        for (const std::string& value : {std::string(), std::string(300, 'n'), std::string("a%n%s")}) {
            const std::string text = FormatSingle(format, value, fallback);
            FUZZ_CHECK(safe ? text == Direct(format, value.c_str()) : text == fallback);
        }
    }
    return 0;
}
