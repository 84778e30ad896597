#include "lang/DecimalMark.h"

#include "lang/FormatCheck.h"

std::string WithDecimalMark(std::string number, const std::string& mark)
{
    for (std::size_t at = number.find('.'); at != std::string::npos; at = number.find('.', at + mark.size()))
        number.replace(at, 1, mark);
    return number;
}

std::string FormatNumber(const std::string& format, double value, const std::string& fallback, const std::string& mark)
{
    if (!IsSafeSingleArgFormat(format, FormatArg::Floating))
        return fallback;
    // The one conversion, past any "%%"; being safe, it ends in its letter.
    std::size_t start = format.find('%');
    while (format.compare(start, 2, "%%") == 0)
        start = format.find('%', start + 2);
    const std::size_t end = format.find_first_of("fFeEgGaA", start) + 1;
    const std::string number = WithDecimalMark(FormatSingle(format.substr(start, end - start), value, ""), mark);
    return FormatSingle(format.substr(0, start) + "%s" + format.substr(end), number, fallback);
}
