#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A name the Language menu would list: not hidden, ending in ".lan".
bool IsLanguageFileName(const std::string& name);

// Names (without folder, UTF-8) of the regular, non-hidden files in the
// folder whose name ends in ".lan", sorted by byte order so the Language menu
// is stable.
// An unreadable or missing folder gives an empty list.
std::vector<std::string> ListLanguageFiles(const std::filesystem::path& folder);

// The Language menu shows a file by its name up to the first '.'.
std::string LanguageMenuLabel(const std::string& fileName);

// The ISO 639 code a language file gives for its language (string 143);
// empty when the file cannot be read or has no such line.
std::string LanguageCodeOf(const std::filesystem::path& path);
