#include "lang/DesktopLanguage.h"

#include <cstdlib>

std::vector<std::string> DesktopLanguageCodes()
{
    return DesktopLanguageCodes(std::getenv);
}
