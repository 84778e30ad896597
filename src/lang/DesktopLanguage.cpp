#include "lang/DesktopLanguage.h"

#include <algorithm>

namespace {

// The language a desktop that prefers none, or only languages without a file, gets.
const char* const kFallbackCode = "en";

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

std::string LanguageCodeOfLocale(const std::string& locale)
{
    const std::size_t first = locale.find_first_not_of(" \t");
    const std::string trimmed = first == std::string::npos ? std::string() : locale.substr(first);
    const std::string code = trimmed.substr(0, trimmed.find_first_of("_.@- \t"));
    if (code.size() < 2 || code.size() > 3 || !std::all_of(code.begin(), code.end(), IsAsciiLetter))
        return {};
    std::string lower = code;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return static_cast<char>(c | 0x20); });
    return lower;
}

namespace {

std::string ValueOf(const EnvironmentLookup& lookup, const char* name)
{
    const char* value = lookup(name);
    return value ? std::string(value) : std::string();
}

void AddCode(std::vector<std::string>& codes, const std::string& locale)
{
    const std::string code = LanguageCodeOfLocale(locale);
    if (!code.empty() && std::find(codes.begin(), codes.end(), code) == codes.end())
        codes.push_back(code);
}

bool IsNoPreference(const std::string& locale)
{
    return locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0;
}

}  // namespace

std::vector<std::string> DesktopLanguageCodes(const EnvironmentLookup& lookup)
{
    std::vector<std::string> codes;
    const std::string list = ValueOf(lookup, "LANGUAGE");
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t stop = std::min(list.find(':', start), list.size());
        const std::string entry = list.substr(start, stop - start);
        if (!IsNoPreference(entry))
            AddCode(codes, entry);
        start = stop + 1;
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::string locale = ValueOf(lookup, name);
        if (!locale.empty() && !IsNoPreference(locale)) {
            AddCode(codes, locale);
            break;
        }
    }
    return codes;
}

std::string PickLanguageFile(const std::vector<std::string>& files, const std::vector<std::string>& fileCodes,
                             const std::vector<std::string>& wanted)
{
    std::vector<std::string> codes = wanted;
    codes.push_back(kFallbackCode);
    for (const std::string& code : codes)
        for (std::size_t i = 0; i < files.size() && i < fileCodes.size(); ++i)
            if (LanguageCodeOfLocale(fileCodes[i]) == code)
                return files[i];
    return files.empty() ? std::string() : files.front();
}
