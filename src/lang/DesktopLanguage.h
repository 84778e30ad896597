#pragma once

#include <functional>
#include <string>
#include <vector>

// Reads one environment variable; null when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// ISO 639 codes of the languages the desktop asks for, most wanted first:
// the entries of LANGUAGE (a colon list), then the locale, which is the first
// of LC_ALL, LC_MESSAGES and LANG that is set and not empty. "en_GB.UTF-8"
// gives "en". The C and POSIX locales state no preference: they are passed
// over for the next entry or variable.
std::vector<std::string> DesktopLanguageCodes(const EnvironmentLookup& lookup);

// The codes this desktop asks for: those of the environment, then on
// Windows the user's display language (DesktopLanguagePosix.cpp,
// DesktopLanguageWindows.cpp).
std::vector<std::string> DesktopLanguageCodes();

// "de_AT.UTF-8", "de-AT" and "de" give "de"; "" when locale begins with no
// two or three letters.
std::string LanguageCodeOfLocale(const std::string& locale);

// The first of files whose code (same index in fileCodes) is the earliest one
// wanted; when none matches, the English file, else the first file; empty
// when there are no files.
std::string PickLanguageFile(const std::vector<std::string>& files, const std::vector<std::string>& fileCodes,
                             const std::vector<std::string>& wanted);
