#include "lang/DecimalMark.h"

std::string WithDecimalMark(std::string number, const std::string& mark)
{
    for (std::size_t at = number.find('.'); at != std::string::npos; at = number.find('.', at + mark.size()))
        number.replace(at, 1, mark);
    return number;
}
