#include "lang/DesktopLanguage.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>

namespace {

// "de-DE" for the language the user reads Windows in; "" when unknown.
std::string DisplayLocale()
{
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    const LCID language = MAKELCID(::GetUserDefaultUILanguage(), SORT_DEFAULT);
    if (::LCIDToLocaleName(language, name, LOCALE_NAME_MAX_LENGTH, 0) <= 0)
        return {};
    // Locale names are ASCII.
    std::string locale;
    for (const wchar_t* c = name; *c != L'\0'; ++c)
        locale += static_cast<char>(*c & 0x7f);
    return locale;
}

}  // namespace

// The variables still come first: set on purpose, they name a wish, as
// they do elsewhere.
std::vector<std::string> DesktopLanguageCodes()
{
    std::vector<std::string> codes = DesktopLanguageCodes(std::getenv);
    const std::string code = LanguageCodeOfLocale(DisplayLocale());
    if (!code.empty() && std::find(codes.begin(), codes.end(), code) == codes.end())
        codes.push_back(code);
    return codes;
}
